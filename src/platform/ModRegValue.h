#pragma once

#include <QString>
#include <QVariant>

#include "platform/RegistryRoot.h"

// The library's registry routines.

// A REG_SZ value reads as its text, at most 255 characters and cut at the first NUL;
// any other value as its 32-bit number (a qint32; 0 when the value is missing).
// Empty (an invalid QVariant) when the key cannot be opened.
QVariant ReadRegValue(RegistryRoot root, const QString &subKey, const QString &valueName);

// Writes REG_SZ when the value is text, REG_DWORD (its low 32 bits) otherwise; creates
// the key when needed. False when the value could not be written.
bool WriteRegValue(RegistryRoot root, const QString &subKey, const QString &valueName,
                   const QVariant &value);
