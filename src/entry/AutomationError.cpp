#include "entry/AutomationError.h"

#include <string>

#include <VelmoITNet22SU/VelmoAutomation.h>

namespace
{
thread_local std::string lastErrorMessage;
}

int32_t AutomationError::failed(int32_t code, const QString &message)
{
    lastErrorMessage = message.toStdString();
    return code;
}

int32_t AutomationError::succeeded()
{
    lastErrorMessage.clear();
    return VELMO_S_OK;
}

const char *AutomationError::lastMessage()
{
    return lastErrorMessage.c_str();
}
