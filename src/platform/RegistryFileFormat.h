#pragma once

#include <QSettings>

// The file that stands in for the registry where there is none. It is JSON, one
// member per value, and records each value's type, so that a text "2688" and the
// number 2688 read back as what was written:
//   { "HKEY_CURRENT_USER/Software/Example/Name": { "type": "REG_SZ", "data": "text" },
//     "HKEY_CURRENT_USER/Software/Example/Count": { "type": "REG_DWORD", "data": 2688 } }
// QSettings does the locking and merging, so processes writing at once lose nothing.
namespace RegistryFileFormat
{
// Registered once per process.
QSettings::Format format();
// False when the file exists but cannot be read as a registry file. QSettings would
// replace such a file with only the values written since, so writers check first.
bool isIntact(const QString &filePath);
} // namespace RegistryFileFormat
