#pragma once

#include <QString>

// Where the class's registration lives: the current user's classes, so that
// registering needs no administrator rights.
namespace AutomationRegistration
{
inline const QString classesKey = QStringLiteral("Software\\Classes");
// The file of this library, which the registration names as the in-process server.
QString libraryPath();
} // namespace AutomationRegistration
