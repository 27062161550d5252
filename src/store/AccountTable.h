#pragma once

#include <QString>
#include <QVariant>

// Creates it_TBL115BAC when it is missing, brings an older table up to the
// current columns and removes the rows without a mobile number. Runs on the
// host connection; throws VelmoError at the step the database refuses.
void CreateAccountTable();

// Adds the column when it is missing (existing rows then receive defaultValue),
// or re-applies the definition when the column exists. A valueKind of "N" marks a
// numeric default.
void EnsureColumn(const QString &table, const QString &column, const QString &definition,
                  const QVariant &defaultValue, const QString &valueKind);

// Folds every run of blanks into one blank.
QString NormaliseSpaces(const QString &text);
