#pragma once

#include <QString>

// The body at the URL with its lines joined without separators; empty on failure.
QString HttpGetText(const QString &url);
