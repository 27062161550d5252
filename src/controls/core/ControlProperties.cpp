#include "ControlProperties.h"

#include <QMetaMethod>
#include <QMetaProperty>

void emitPropertyChangeSignal(QObject &object, const QByteArray &name)
{
    const QMetaObject &meta = *object.metaObject();
    const int index = meta.indexOfProperty(name.constData());
    if (index < 0)
        return;
    const QMetaMethod signal = meta.property(index).notifySignal();
    if (signal.isValid())
        signal.invoke(&object, Qt::DirectConnection);
}
