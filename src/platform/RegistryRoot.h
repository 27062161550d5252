#pragma once

#include <QString>

// The predefined keys a registry path starts from.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// The root's conventional name ("HKEY_CURRENT_USER"), which also heads its paths.
QString registryRootName(RegistryRoot root);
