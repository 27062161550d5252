#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points the registry stand-in at a file of its own for as long as the object lives,
// so that tests neither see nor change the user's settings.
class TemporaryRegistry
{
public:
    TemporaryRegistry() : m_saved(qgetenv(variable))
    {
        qputenv(variable, m_dir.filePath(QStringLiteral("registry.json")).toLocal8Bit());
    }
    ~TemporaryRegistry()
    {
        if (m_saved.isNull())
            qunsetenv(variable);
        else
            qputenv(variable, m_saved);
    }
    TemporaryRegistry(const TemporaryRegistry &) = delete;
    TemporaryRegistry &operator=(const TemporaryRegistry &) = delete;

private:
    static constexpr const char *variable = "VELMO_REGISTRY_FILE";
    QTemporaryDir m_dir;
    QByteArray m_saved;
};
