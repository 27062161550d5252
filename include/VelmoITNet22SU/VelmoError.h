#pragma once

#include <stdexcept>
#include <string>

#include <QString>

// The one exception type the library throws to its host: what() carries the
// message of the database or the transport that failed.
class VelmoError : public std::runtime_error
{
public:
    explicit VelmoError(const QString &message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};
