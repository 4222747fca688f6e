#include "ptymodem.h"
#include "setupfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(MEROLAN_CLI), args);
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

SimModem::Config quickModem(const QString &serial)
{
    SimModem::Config c;
    c.serialNumber = serial;
    c.password = QStringLiteral("4321");
    c.syncMs = 200;
    c.escapeReplyMs = 50;
    return c;
}

QStringList received(PtyModemThread &modem)
{
    return modem.call([](SimModem &m) { return m.receivedLines(); });
}

} // namespace

// The headless front end, run as a user runs it, against simulated modems on
// pseudo-terminals.
class TestCli : public QObject
{
    Q_OBJECT
private slots:
    // A read saves the setup; written back to two modems with one change, only
    // that change goes to either.
    void readThenWriteToEveryPort()
    {
        PtyModemThread first(quickModem(QStringLiteral("MRLS000001")));
        PtyModemThread second(quickModem(QStringLiteral("MRL0000002")));
        QVERIFY(first.start() && second.start());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("site.mrl"));

        const Run read = cli({"--port", first.devicePath(), "--password", "4321", "read", "--json", "--save", file});

        QVERIFY2(read.exit == 0, read.err.constData());
        const QJsonObject o = QJsonDocument::fromJson(read.out).object();
        QCOMPARE(o.value("SerialNumber").toString(), QStringLiteral("MRLS000001"));
        QCOMPARE(o.value("DeviceCount").toInt(), 1);
        QCOMPARE(o.value("Setup").toObject().value("APN").toString(), QStringLiteral("internet.example"));
        QVERIFY(read.err.contains("Setup read finished."));
        // The modem is handed back to automatic operation at the end.
        QCOMPARE(received(first).last(), QStringLiteral("#AUTO"));

        QString error;
        SetupRecord record = *loadSetupFile(file, &error);
        record.APN = QStringLiteral("fleet.apn");
        QVERIFY(saveSetupFile(file, record, &error));
        const Run r =
            cli({"--port", first.devicePath(), "--port", second.devicePath(), "--password", "4321", "write", file});

        QVERIFY2(r.exit == 0, r.err.constData());
        for (PtyModemThread *m : {&first, &second}) {
            QCOMPARE(m->call([](SimModem &s) { return s.setting(QStringLiteral("APN")); }),
                     QStringLiteral("fleet.apn"));
            const QStringList lines = received(*m);
            // The login line and the one changed setting, nothing else.
            QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^#\\w+="))),
                     (QStringList{"#PASSWORD=4321", "#PASSWORD=4321", "#APN=fleet.apn"}).mid(m == &first ? 0 : 1));
            QCOMPARE(lines.last(), QStringLiteral("#AUTO"));
            QVERIFY(r.out.contains(m->devicePath().toLatin1() + ": Setup write finished successfully."));
        }
        QVERIFY(r.err.contains("[" + second.devicePath().toLatin1() + "] Writing setup..."));
    }

    void showNeedsNoModem()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.mrl"));
        SetupRecord record;
        record.Role = 2;
        record.OnTime[1] = 0.25;
        QString error;
        QVERIFY(saveSetupFile(file, record, &error));

        const Run r = cli({"show", file, "--json"});

        QCOMPARE(r.exit, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value("Role").toInt(), 2);
        QCOMPARE(o.value("OnTime").toArray().at(1).toString(), QStringLiteral("06:00"));
        QCOMPARE(o.size(), 17);
    }

    void exitStatusTellsWhatWentWrong()
    {
        QTemporaryDir dir;
        const QString truncated = dir.filePath(QStringLiteral("short.mrl"));
        QFile f(truncated);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(20, '\0'));
        f.close();

        QCOMPARE(cli({"frobnicate"}).exit, 2);
        QCOMPARE(cli({"read"}).exit, 2); // no port
        QCOMPARE(cli({"--baud", "57600", "--demo", "read"}).exit, 2);
        // Only what the modem's password rule allows goes on the wire as typed.
        const Run lower = cli({"--password", "ab12", "--demo", "read"});
        QCOMPARE(lower.exit, 2);
        QVERIFY(lower.err.contains("(suggested: \"12\")"));
        const Run bad = cli({"show", truncated});
        QCOMPARE(bad.exit, 2);
        QVERIFY(bad.err.contains("ends in the middle"));
        const Run absent = cli({"--port", "/dev/no-such-modem", "read"});
        QCOMPARE(absent.exit, 1);
        QVERIFY(absent.err.contains("Cannot open COM port"));
        QVERIFY(absent.err.contains("The port /dev/no-such-modem does not exist."));

        PtyModemThread modem(quickModem(QStringLiteral("MRL0000003")));
        QVERIFY(modem.start());
        const Run refused = cli({"--port", modem.devicePath(), "--password", "9999", "read"});
        QCOMPARE(refused.exit, 1);
        QVERIFY(refused.err.contains("Password rejected"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
