#pragma once

#include <QString>

#include <optional>

class ServiceClock;

// Where codes are "sent": one line per message appended to a text file, which tests
// and the demo read as a user reads a text message.
//   2026-01-31T10:00:00Z<TAB>+91<TAB>9876543210<TAB>123456<TAB>12<TAB>signup
class Outbox
{
public:
    struct Message {
        QString mobileNo;
        QString code;
        int otpVerificationId = 0;
        QString purpose;
    };

    Outbox(const QString &filePath, const ServiceClock &clock);

    bool send(const QString &countryCode, const Message &message, QString *error) const;
    // The latest message sent to the number.
    std::optional<Message> latestFor(const QString &mobileNo) const;

private:
    QString m_filePath;
    const ServiceClock &m_clock;
};
