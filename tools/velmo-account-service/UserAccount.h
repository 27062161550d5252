#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// One registered user as the account store keeps it. The password is only ever
// held as its salted PBKDF2 digest.
struct UserAccount {
    int id = 0;
    QString countryCode;
    QString mobileNo;
    QString email;
    QString fullName;
    QString organizationName;
    QString organizationType;
    QString pincode;
    QString utmSource;
    QString macAddress;
    QByteArray passwordSalt;
    QByteArray passwordDigest;
    int passwordIterations = 0;
    qint64 createdAt = 0;
    qint64 lastLoginAt = 0;

    QJsonObject toJson() const;
    static UserAccount fromJson(const QJsonObject &object);
};
