#pragma once

#include <QSslConfiguration>

// The TLS settings of every request the library makes: peer verification always
// on, the system CAs plus any listed in VELMO_CA_BUNDLE (a PEM file), and the lowest
// protocol version the user's SecureProtocols setting allows.
QSslConfiguration velmoSslConfiguration();
