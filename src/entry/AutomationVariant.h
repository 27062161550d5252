#pragma once

#include <QVariant>

#include <VelmoITNet22SU/VelmoAutomation.h>

// Conversions between the automation variants and the entry class's own types.
namespace AutomationVariant
{

// Coerces an argument to a member's declared type (a VELMO_VT_ value) the way
// automation does: numbers, booleans and text convert into each other where the
// value allows. Returns VELMO_S_OK, VELMO_E_TYPEMISMATCH or VELMO_E_OVERFLOW; on
// success value holds a short, bool, QString or QSqlDatabase.
int32_t toQVariant(const VelmoVariant &argument, int32_t declaredType, QVariant &value);

// A member's result; strings are copied into memory the caller frees with
// VelmoVariantClear().
VelmoVariant fromQVariant(const QVariant &value);

} // namespace AutomationVariant
