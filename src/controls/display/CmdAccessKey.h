#pragma once

#include <QChar>
#include <QString>

// The access key a caption's `&` marks, in lower case: the character after the first
// lone `&`. A doubled `&&` stands for a literal ampersand; only the first pair is
// skipped. A caption shorter than two characters has none; none is a null character.
QChar CmdAccessKey(const QString &caption);
// The caption as a reader hears it: `&&` as one ampersand, a lone `&` left out.
QString CmdCaptionText(const QString &caption);
