#pragma once

#include <QNetworkRequest>
#include <QString>
#include <QUrl>

#include <chrono>

#include "service/TextLineStream.h"

// How long the platform's HTTP stack waits for an answer that does not come.
inline constexpr std::chrono::milliseconds httpStackSilenceLimit{30000};

// The GET request of OpenTextStream: the library's TLS settings, and an end once
// silenceLimit has passed without any answer.
QNetworkRequest textStreamRequest(const QUrl &url,
                                  std::chrono::milliseconds silenceLimit = httpStackSilenceLimit);

// Fetches a URL with a synchronous GET and returns its body as decoded text.
// While it waits timers and network events run but no user input is processed.
// Only HTTPS is fetched, with the peer verified. The charset comes from the
// Content-Type header (UTF-8 when none is named); lines end in a line feed for
// "utf-8" and in carriage return plus line feed otherwise. Every failure (no
// connection, silenceLimit without an answer, an HTTP error) gives an empty stream.
TextLineStream OpenTextStream(const QString &url,
                              std::chrono::milliseconds silenceLimit = httpStackSilenceLimit);
