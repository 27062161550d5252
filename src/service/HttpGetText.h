#pragma once

#include <QString>

#include <chrono>

#include "service/OpenTextStream.h"

// The body at the URL with its lines joined without separators; empty on failure.
QString HttpGetText(const QString &url,
                    std::chrono::milliseconds silenceLimit = httpStackSilenceLimit);
