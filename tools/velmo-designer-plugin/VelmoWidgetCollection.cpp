#include "VelmoWidgetCollection.h"

#include "VelmoWidgetPlugin.h"
#include "VelmoWidgetTable.h"

VelmoWidgetCollection::VelmoWidgetCollection(QObject *parent) : QObject(parent)
{
    for (const VelmoWidgetEntry &entry : velmoWidgets())
        m_widgets.append(new VelmoWidgetPlugin(entry, this));
}

QList<QDesignerCustomWidgetInterface *> VelmoWidgetCollection::customWidgets() const
{
    return m_widgets;
}
