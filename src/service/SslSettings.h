#pragma once

#include <QSslConfiguration>

// The TLS settings of every request the library makes: peer verification always
// on, the system CAs plus any listed in VELMO_CA_BUNDLE (a PEM file).
QSslConfiguration velmoSslConfiguration();
