#pragma once

#include <QFont>
#include <QWidget>

// Changes one part of a widget's font (its family, size, weight...), keeping the others.
template <typename Edit> void editFont(QWidget &widget, Edit edit)
{
    QFont font = widget.font();
    edit(font);
    widget.setFont(font);
}
