#pragma once

#include <VelmoITNet22SU/VelmoError.h>

// A failure to talk to the account service (no secure connection, a reply too large to
// read), as opposed to one of the database: the window words the two differently.
class ServiceError : public VelmoError
{
public:
    using VelmoError::VelmoError;
};
