#pragma once

#include <QString>

#include <optional>

#include "service/StoredToken.h"

// What one account service call read from its reply, for the window's fields
// (ReplyText, ReplyStatus, OtpVerificationId, ResetUserId, CurrentToken and
// CurrentToken1). A value stays empty when the call ended before reading it; what
// was read is kept when a later step of the call throws.
struct CallReply {
    std::optional<QString> text;
    std::optional<qint16> status;
    std::optional<qint32> otpVerificationId;
    std::optional<qint32> userId;
    std::optional<LoginToken> login;
};
