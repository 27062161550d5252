#include <QProcess>
#include <QtTest>

#include "TemporaryRegistry.h"
#include "TestDatabase.h"
#include "TestService.h"
#include "platform/ModRegValue.h"

// The example host in Python drives the library through its C automation interface
// against the private database and account service.
class tst_PythonHost : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

    struct Run {
        int exitCode = -1;
        QString output;
        QString errors;
    };

    static Run runHost(const QString &connectionString, const QStringList &more = {})
    {
        QProcess host;
        host.start(QStringLiteral(VELMO_PYTHON),
                   QStringList{QStringLiteral(VELMO_PYTHON_HOST), "--library", VELMO_LIBRARY_FILE,
                               "--connection", connectionString} +
                       more);
        Run run;
        if (!host.waitForFinished(60000)) {
            host.kill();
            host.waitForFinished();
        }
        run.exitCode = host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1;
        run.output = QString::fromUtf8(host.readAllStandardOutput());
        run.errors = QString::fromUtf8(host.readAllStandardError());
        return run;
    }

private slots:
    void init() { registry.emplace(); }

    void hostCallsEveryStep_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("switchLine");
        QTest::newRow("switched on") << "1\n"
                                     << "EnableSignUP: True";
        QTest::newRow("switched off") << "0"
                                      << "EnableSignUP: False";
    }
    void hostCallsEveryStep()
    {
        QFETCH(QString, status);
        QFETCH(QString, switchLine);
        TestDatabase db;
        TestService service;
        QVERIFY(service.setStatus(status));

        const Run run = runHost(db.connectionString(), {"--version", "5.2.0"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, QStringList({"clsAPI: done", "Create_IT_Tbl115BAC: done", switchLine,
                                     "vPANNo: ABCDE1234F", "sFileFrom: 3"}));
        QCOMPARE(db.rows("show tables"), QStringList{"it_TBL115BAC"});
        QCOMPARE(ReadRegValue(RegistryRoot::CurrentUser,
                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                              "SecureProtocols"),
                 QVariant(qint32(2688)));
    }

    void hostHearsTheDatabaseMessage()
    {
        TestDatabase db;
        const QString missing =
            db.connectionString().replace(db.name(), QStringLiteral("velmo_no_such_database"));
        const Run run = runHost(missing, {"--version", "5.2.0"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("clsAPI failed (0x80020009)"), qPrintable(run.errors));
        QVERIFY2(run.errors.contains("Unknown database 'velmo_no_such_database'"),
                 qPrintable(run.errors));
    }
};

QTEST_GUILESS_MAIN(tst_PythonHost)
#include "tst_PythonHost.moc"
