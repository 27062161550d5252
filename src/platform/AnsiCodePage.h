#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The system's single-byte code page, Windows-1252, with our own table for
// 0x80-0x9F so that it behaves the same on every platform.
namespace AnsiCodePage
{
// The code (0-255) of a character; characters the code page lacks become '?'.
int toAnsi(QChar character);
// The character a code (0-255) stands for.
QChar fromAnsi(int code);
// Each byte read as one character of the code page.
QString decode(const QByteArray &bytes);
} // namespace AnsiCodePage
