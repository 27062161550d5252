#pragma once

#include <QString>

// The check text kept beside a stored token: it ties the token to the mobile
// number and the machine, so a token copied to another row or machine no
// longer matches.

// The fixed salt mixed into every check text (17 characters).
inline const QString tokenCheckSalt = QStringLiteral("velmo.itnet.check");

// One character per token character, in the single-byte code page, then the
// characters with codes 0, 39 (') and 92 (\) written as #(0), #(39) and #(92).
QString MakeTokenCheck(const QString &token, const QString &mobile, const QString &machineAddress);

// Folds a sum back into a byte code: 0-255 unchanged, above 255 modulo 256,
// below 0 as 256 minus (|v| modulo 255).
int WrapByte(int value);
