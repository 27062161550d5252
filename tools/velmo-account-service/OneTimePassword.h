#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// A code sent to a mobile number, for a sign-up or a password reset. Only a digest of
// the code is kept; the code itself goes to the outbox.
struct OneTimePassword {
    enum class Purpose { SignUp, PasswordReset };

    int id = 0;
    Purpose purpose = Purpose::SignUp;
    QString mobileNo;
    int userId = 0; // the account being reset; 0 for a sign-up
    QByteArray codeDigest;
    qint64 expiresAt = 0;
    int wrongTries = 0;
    bool verified = false;
    bool consumed = false;

    QJsonObject toJson() const;
    static OneTimePassword fromJson(const QJsonObject &object);
    // The digest stored for a code; tied to the id so equal codes differ.
    static QByteArray digestOf(int id, const QString &code);
};
