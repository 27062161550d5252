#pragma once

#include <QString>
#include <QTest>

#include <stdexcept>

// Fails the running test from where QVERIFY cannot return (a constructor, a helper that
// answers a value), and leaves that place by throwing.
[[noreturn]] inline void failHard(const QString &message)
{
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    throw std::runtime_error(message.toStdString());
}
