#include "TextOrvBoxStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include "TextOrvBox.h"

TextOrvBoxStyle::TextOrvBoxStyle(QStyle *base) : QProxyStyle(base) {}

TextOrvBoxStyle &TextOrvBoxStyle::shared()
{
    static QPointer<TextOrvBoxStyle> instance;
    if (!instance) {
        // Its own copy of the application's style: a proxy owns its base.
        instance = new TextOrvBoxStyle(QStyleFactory::create(QApplication::style()->name()));
        instance->setParent(qApp);
    }
    return *instance;
}

void TextOrvBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                    QPainter *painter, const QWidget *widget) const
{
    // The box paints its background itself.
    if (element == PE_PanelLineEdit && qobject_cast<const TextOrvBox *>(widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int TextOrvBoxStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                               QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter) {
        if (const auto *box = qobject_cast<const TextOrvBox *>(widget);
            box && !box->maskCharacter().isNull())
            return box->maskCharacter().unicode();
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
