#pragma once

#include <QDateTime>
#include <QString>

// Reading the expiry moment out of a stored token: parts separated by ".", the
// second part the Base64 text of a JSON object holding exp in seconds since
// 1 January 1970.

// The bytes of Base64 text read through the single-byte code page; empty when
// the text is not Base64.
QString Base64DecodeText(const QString &text);

// 1 January 1970 00:00:00 plus seconds plus the fixed 19800 (five and a half
// hours), as "dd/MM/yyyy HH:mm:ss" wall-clock time; the system's time zone plays
// no part. Empty when the moment lies outside the years 1 to 9999.
QString EpochToExpiryText(double seconds);

// True when the token matches its stored check text for this mobile number and
// machine and its expiry lies after now (both read as wall-clock times). A token
// without a second part, whose payload does not decode, or without a numeric
// exp is not usable.
bool IsTokenUsable(const QString &token, const QString &storedCheck, const QString &mobile,
                   const QString &machineAddress, const QDateTime &now);
