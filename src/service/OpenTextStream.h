#pragma once

#include <QString>

#include "service/TextLineStream.h"

// Fetches a URL with a synchronous GET and returns its body as decoded text.
// While it waits (at most a few seconds) timers and network events run but no
// user input is processed. Only HTTPS is fetched, with the peer verified. The
// charset comes from the Content-Type header (UTF-8 when none is named); lines
// end in a line feed for "utf-8" and in carriage return plus line feed otherwise.
// Every failure (no connection, time-out, an HTTP error) gives an empty stream.
TextLineStream OpenTextStream(const QString &url);
