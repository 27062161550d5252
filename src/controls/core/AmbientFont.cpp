#include "AmbientFont.h"

#include <QApplication>
#include <QWidget>

QFont AmbientFont::of(const QWidget &control)
{
    return control.parentWidget() ? control.parentWidget()->font() : QApplication::font();
}

QString AmbientFont::saved(const QWidget &control, const QFont &font)
{
    return font == of(control) ? QString() : font.toString();
}

std::optional<QFont> AmbientFont::loaded(const QWidget &control, const QString &description)
{
    QFont font = of(control);
    if (description.isEmpty() || font.fromString(description))
        return font;
    return std::nullopt;
}
