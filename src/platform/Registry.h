#pragma once

#include <memory>

#include <QString>
#include <QVariant>

#include "platform/RegistryRoot.h"

class QSettings;

// One registry key: the native registry on Windows; elsewhere a per-user file that
// keeps each value's type. Values are text (REG_SZ, a QString) or 32-bit numbers
// (REG_DWORD, a quint32). The environment variable VELMO_REGISTRY_FILE names the
// file to use instead of the per-user one (tests point it at a temporary file).
// An empty value name stands for the key's default value.
class Registry
{
public:
    Registry(RegistryRoot root, const QString &subKey);
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    // A key exists while it holds a value or a sub-key.
    bool exists() const;
    // Invalid when the value is missing.
    QVariant value(const QString &name) const;
    // False when the value cannot be stored (a name with a slash, a type that is
    // neither text nor a number, an unwritable file).
    bool setText(const QString &name, const QString &text);
    bool setNumber(const QString &name, quint32 number);
    // Removes the key with all its values and sub-keys.
    bool remove();

    // The file used where there is no native registry.
    static QString filePath();

private:
    bool store(const QString &name, const QVariant &value);
    bool fileIsIntact() const;
    static QString settingsKey(const QString &name);

    std::unique_ptr<QSettings> m_settings;
};
