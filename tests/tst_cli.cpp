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

} // namespace

// The headless front end, run as a user runs it, against simulated modems on
// pseudo-terminals.
class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void readPrintsJsonAndSaves();
    void writeSendsOnlyWhatDiffersToEveryPort();
    void showNeedsNoModem();
    void exitStatusTellsWhatWentWrong();
};

void TestCli::readPrintsJsonAndSaves()
{
    PtyModemThread modem(quickModem(QStringLiteral("MRLS00777")));
    QVERIFY2(modem.start(), qPrintable(modem.errorString()));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("site.mrl"));

    const Run r = cli({"--port", modem.devicePath(), "--password", "4321", "read", "--json", "--save", file});

    QVERIFY2(r.exit == 0, r.err.constData());
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value("SerialNumber").toString(), QStringLiteral("MRLS00777"));
    QCOMPARE(o.value("DeviceCount").toInt(), 1);
    QCOMPARE(o.value("Setup").toObject().value("APN").toString(),
             modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }));
    QVERIFY(r.err.contains("Setup read finished."));
    QString error;
    const auto saved = loadSetupFile(file, &error);
    QVERIFY2(saved, qPrintable(error));
    QCOMPARE(saved->HostPort, o.value("Setup").toObject().value("HostPort").toInt());
    // The modem is handed back to automatic operation at the end.
    QVERIFY(modem.call([](SimModem &m) { return m.receivedLines().last(); }) == QStringLiteral("#AUTO"));
}

void TestCli::writeSendsOnlyWhatDiffersToEveryPort()
{
    PtyModemThread first(quickModem(QStringLiteral("MRL0000001")));
    PtyModemThread second(quickModem(QStringLiteral("MRL0000002")));
    QVERIFY(first.start() && second.start());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("new.mrl"));
    const Run read = cli({"--port", first.devicePath(), "--password", "4321", "read", "--save", file});
    QVERIFY2(read.exit == 0, read.err.constData());
    QString error;
    SetupRecord record = *loadSetupFile(file, &error);
    record.APN = QStringLiteral("fleet.apn");
    QVERIFY(saveSetupFile(file, record, &error));

    const Run r =
        cli({"--port", first.devicePath(), "--port", second.devicePath(), "--password", "4321", "write", file});

    QVERIFY2(r.exit == 0, r.err.constData());
    for (PtyModemThread *m : {&first, &second}) {
        QCOMPARE(m->call([](SimModem &s) { return s.setting(QStringLiteral("APN")); }), QStringLiteral("fleet.apn"));
        const QStringList lines = m->call([](SimModem &s) { return s.receivedLines(); });
        const QStringList settingLines = lines.filter(QRegularExpression(QStringLiteral("^#\\w+=")));
        // The login line and the one changed setting, nothing else.
        QCOMPARE(settingLines,
                 (QStringList{"#PASSWORD=4321", "#PASSWORD=4321", "#APN=fleet.apn"}).mid(m == &first ? 0 : 1));
    }
    QVERIFY(r.out.contains(first.devicePath().toLatin1() + ": Setup write finished successfully."));
    QVERIFY(r.out.contains(second.devicePath().toLatin1() + ": Setup write finished successfully."));
    QVERIFY(r.err.contains("[" + second.devicePath().toLatin1() + "] Writing setup..."));
}

void TestCli::showNeedsNoModem()
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

void TestCli::exitStatusTellsWhatWentWrong()
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
    const Run bad = cli({"show", truncated});
    QCOMPARE(bad.exit, 2);
    QVERIFY(bad.err.contains("ends in the middle"));
    const Run absent = cli({"--port", "/dev/no-such-modem", "read"});
    QCOMPARE(absent.exit, 1);
    QVERIFY(absent.err.contains("Cannot open COM port"));
    QVERIFY(absent.err.contains("The port /dev/no-such-modem does not exist."));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
