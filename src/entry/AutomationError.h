#pragma once

#include <QString>

#include <cstdint>

// The per-thread message that VelmoErrorMessage() returns.
namespace AutomationError
{
// Records the message and hands back the code, for "return failed(code, text);".
int32_t failed(int32_t code, const QString &message);
// Clears the message and returns success.
int32_t succeeded();
const char *lastMessage();
} // namespace AutomationError
