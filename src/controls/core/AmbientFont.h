#pragma once

#include <optional>

#include <QFont>
#include <QString>

class QWidget;

// A control's font as its form saves it: nothing while it is the ambient font (the font of
// the form that holds the control, which the form keeps itself), otherwise its description.
namespace AmbientFont
{

QFont of(const QWidget &control);
QString saved(const QWidget &control, const QFont &font);
// The font that a saved description stands for: the ambient font for none, nothing for a
// description that names no font.
std::optional<QFont> loaded(const QWidget &control, const QString &description);

} // namespace AmbientFont
