#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <span>

#include <VelmoITNet22SU/VelmoAutomation.h>

// Name-based calls on the entry class: the members of the type library, reached
// through the meta-object system with the arguments coerced to their declared types.
namespace AutomationInvoke
{
// Returns a VELMO_ result code; on failure message says why (for a failed operation,
// the message it raised).
int32_t invoke(QObject &target, const QString &memberName, int32_t invokeKind,
               std::span<const VelmoVariant> arguments, QVariant &result, QString &message);
} // namespace AutomationInvoke
