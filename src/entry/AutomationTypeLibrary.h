#pragma once

#include <QString>

#include <VelmoITNet22SU/VelmoAutomation.h>

// The type library of clsVelmoITNet22SU as the automation layer describes it.
namespace AutomationTypeLibrary
{
const VelmoTypeLibrary &library();
// The member with that name, compared without regard to case; nullptr when none.
const VelmoMemberInfo *findMember(const QString &name);
// Whether text names the class: its class id (braces optional, any case) or its ProgID.
bool namesTheClass(const QString &classIdOrProgId);
} // namespace AutomationTypeLibrary
