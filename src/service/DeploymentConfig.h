#pragma once

#include <QString>

// Deployment configuration: built-in defaults, each overridable by an environment
// variable so that tests and the demo can point the library at a local service.
namespace DeploymentConfig {
// HTTPS origin of the account service, no trailing slash (VELMO_ACCOUNT_SERVICE_URL).
QString accountServiceBaseUrl();
// URL of the remote switch, ending in auth/desktop-status.txt (VELMO_STATUS_URL).
QString statusFileUrl();
// The two links the sign-in window opens.
QString signUpHelpUrl();
QString termsUrl();
} // namespace DeploymentConfig
