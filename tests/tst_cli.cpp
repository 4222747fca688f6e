#include "ptymodem.h"
#include "setupfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Run
{
    int exit = -1;
    QByteArray out;
    QByteArray err;
};

Run finished(QProcess &p, QByteArray err = {})
{
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            err + p.readAllStandardError()};
}

Run cli(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MEROLAN_CLI), args);
    return finished(p);
}

// Starts the program and returns once its standard error shows text; what it
// wrote so far is in err.
bool startUntil(QProcess &p, const QStringList &args, const QByteArray &text, QByteArray &err)
{
    p.setReadChannel(QProcess::StandardError);
    p.start(QStringLiteral(MEROLAN_CLI), args);
    while (!err.contains(text)) {
        if (!p.waitForReadyRead(60000)) {
            qWarning("never said \"%s\": %s", text.constData(), (err + p.readAllStandardOutput()).constData());
            return false;
        }
        err += p.readAllStandardError();
    }
    return true;
}

// The document a script gets, checked against the schema we ship: the
// output and the schema cannot drift apart.
bool matchesSchema(const QByteArray &json, QString *problem)
{
    // The system's Python, which the package python3-jsonschema serves.
    QString interpreter = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (interpreter.isEmpty())
        interpreter = QStringLiteral("python3");
    QProcess python;
    python.start(interpreter, {"-c",
                               "import json, sys, jsonschema\n"
                               "jsonschema.validate(json.load(sys.stdin), json.load(open(sys.argv[1])))",
                               QStringLiteral(MEROLAN_SCHEMA)});
    python.write(json);
    python.closeWriteChannel();
    python.waitForFinished(30000);
    *problem = QString::fromUtf8(python.readAllStandardError().right(600));
    return python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
}

// Exactly one JSON document: anything after it (a stray text line) is an error.
QJsonObject onlyDocument(const QByteArray &out)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        qWarning("not one JSON document (%s): %s", qPrintable(error.errorString()), out.left(300).constData());
    return doc.object();
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

// The headless front end, run as a user and as a script run it, against
// simulated modems on pseudo-terminals. ctest runs the functions in the
// groups that tests/CMakeLists.txt names: a new one goes into a group there.
class TestCli : public QObject
{
    Q_OBJECT
private slots:
    // A read saves the setup; written back to two modems with one change, only
    // that change goes to either. Each run's output is one JSON document of
    // the shipped schema, and the setup has one shape in read and show.
    void readThenWriteToEveryPort()
    {
        PtyModemThread first(quickModem(QStringLiteral("MRLS000001")));
        PtyModemThread second(quickModem(QStringLiteral("MRL0000002")));
        QVERIFY(first.start() && second.start());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("site.mrl"));
        QString problem;

        const Run read = cli({"--port", first.devicePath(), "--password", "4321", "read", "--json", "--save", file});

        QVERIFY2(read.exit == 0, read.err.constData());
        QVERIFY2(matchesSchema(read.out, &problem), qPrintable(problem));
        const QJsonObject readModem = onlyDocument(read.out).value("Modems").toArray().at(0).toObject();
        QCOMPARE(readModem.value("Port").toString(), first.devicePath());
        QCOMPARE(readModem.value("SerialNumber").toString(), QStringLiteral("MRLS000001"));
        QCOMPARE(readModem.value("DeviceCount").toInt(), 1);
        QCOMPARE(readModem.value("SavedTo").toString(), file);
        QCOMPARE(readModem.value("Setup").toObject().value("APN").toString(), QStringLiteral("internet.example"));
        QVERIFY(read.err.contains("Setup read finished."));
        // The modem is handed back to automatic operation at the end.
        QCOMPARE(received(first).last(), QStringLiteral("#AUTO"));

        const Run show = cli({"show", file, "--json"});
        QVERIFY2(matchesSchema(show.out, &problem), qPrintable(problem));
        QCOMPARE(onlyDocument(show.out).value("Setup").toObject(), readModem.value("Setup").toObject());

        QString error;
        SetupRecord record = *loadSetupFile(file, &error);
        record.APN = QStringLiteral("fleet.apn");
        QVERIFY(saveSetupFile(file, record, &error));
        const Run r = cli({"--port", first.devicePath(), "--port", second.devicePath(), "--password", "4321", "write",
                           file, "--json"});

        QVERIFY2(r.exit == 0, r.err.constData());
        QVERIFY2(matchesSchema(r.out, &problem), qPrintable(problem));
        const QJsonArray modems = onlyDocument(r.out).value("Modems").toArray();
        QCOMPARE(modems.size(), 2);
        for (PtyModemThread *m : {&first, &second}) {
            QCOMPARE(m->call([](SimModem &s) { return s.setting(QStringLiteral("APN")); }),
                     QStringLiteral("fleet.apn"));
            const QStringList lines = received(*m);
            // The login line and the one changed setting, nothing else.
            QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^#\\w+="))),
                     (QStringList{"#PASSWORD=4321", "#PASSWORD=4321", "#APN=fleet.apn"}).mid(m == &first ? 0 : 1));
            QCOMPARE(lines.last(), QStringLiteral("#AUTO"));
            const QJsonObject entry = modems.at(m == &first ? 0 : 1).toObject();
            QCOMPARE(entry.value("Port").toString(), m->devicePath());
            QCOMPARE(entry.value("Result").toString(), QStringLiteral("Setup write finished successfully."));
            QCOMPARE(entry.value("Written").toArray(), QJsonArray{"APN=fleet.apn"});
            QCOMPARE(entry.value("NotWritten").toArray(), QJsonArray{});
        }
        QVERIFY(r.err.contains("[" + second.devicePath().toLatin1() + "] Writing setup..."));
    }

    // A dry run logs in, reads and hands back exactly as a read does, and
    // shows the lines the write would send, the password masked.
    void dryRunSendsNothing()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000016")));
        QVERIFY(modem.start());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dry.mrl"));
        const QStringList login{"--port", modem.devicePath(), "--password", "4321"};
        QCOMPARE(cli(login + QStringList{"read", "--dry-run"}).exit, 2);
        const Run read = cli(login + QStringList{"read", "--save", file});
        QVERIFY2(read.exit == 0, read.err.constData());
        const QStringList readLines = received(modem);
        QString error;
        SetupRecord record = *loadSetupFile(file, &error);
        record.APN = QStringLiteral("dry.apn");
        record.GPRSPass = QStringLiteral("DRY-S3CRET");
        record.HostPort = 5021;
        QVERIFY(saveSetupFile(file, record, &error));

        modem.call([](SimModem &m) { m.clearRecord(); });
        const Run json = cli(login + QStringList{"write", file, "--dry-run", "--json"});
        QVERIFY2(json.exit == 0, json.err.constData());
        QString problem;
        QVERIFY2(matchesSchema(json.out, &problem), qPrintable(problem));
        const QJsonObject entry = onlyDocument(json.out).value("Modems").toArray().at(0).toObject();
        QCOMPARE(entry.value("Pending").toArray(), (QJsonArray{"APN=dry.apn", "GPRSPass=***", "HSTPORTNUMBER=5021"}));
        QCOMPARE(entry.value("Result").toString(),
                 QStringLiteral("Dry run: the write would send 3 setting lines; nothing was sent."));
        QCOMPARE(received(modem), readLines);
        QCOMPARE(readLines.filter(QRegularExpression(QStringLiteral("^#\\w+="))), QStringList{"#PASSWORD=4321"});
        QCOMPARE(readLines.last(), QStringLiteral("#AUTO"));

        const Run text = cli(login + QStringList{"write", file, "--dry-run"});
        QCOMPARE(text.exit, 0);
        QCOMPARE(text.out, QByteArray("Pending: APN=dry.apn\nPending: GPRSPass=***\nPending: HSTPORTNUMBER=5021\n"));
        QVERIFY(!text.err.contains("DRY-S3CRET"));
        QCOMPARE(modem.call([](SimModem &m) { return m.setting(QStringLiteral("APN")); }),
                 QStringLiteral("internet.example"));
    }

    // Shown without a modem, in the terminal's encoding; the file's passwords
    // are its own business, not the size check's.
    void showNeedsNoModem()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.mrl"));
        SetupRecord record;
        record.Role = 2;
        record.APN = QStringLiteral("caf\u00e9.net");
        record.SMSNum = QStringLiteral("+30\r\n#AUTO\\x\x1b\x7f");
        record.OnTime[1] = 0.25;
        QString error;
        QVERIFY(saveSetupFile(file, record, &error));

        const Run text = cli({"show", file});
        QCOMPARE(text.exit, 0);
        QVERIFY2(text.out.contains("Role: 2\n"), text.out.constData());
        QVERIFY2(text.out.contains("APN: caf\xc3\xa9.net\n"), text.out.constData());
        QVERIFY(text.out.contains("OnTime: 00:00 06:00 00:00\n"));
        // A file's control characters cannot draw on the terminal.
        QVERIFY2(text.out.contains("SMSNum: +30\\x0d\\x0a#AUTO\\\\x\\x1b\\x7f\n"), text.out.constData());

        const Run json = cli({"show", file, "--json"});
        QCOMPARE(json.exit, 0);
        const QJsonObject o = onlyDocument(json.out);
        QCOMPARE(o.value("File").toString(), file);
        QCOMPARE(o.value("Setup").toObject().value("APN").toString(), QStringLiteral("caf\u00e9.net"));
    }

    // What a user or a script meets at the edges: help, version, bad
    // arguments and files refused before any modem is touched.
    void frontDoors()
    {
        for (const char *help : {"--help", "-h"}) {
            const Run r = cli({help});
            QCOMPARE(r.exit, 0);
            QVERIFY(r.out.startsWith("Usage: "));
            QVERIFY(r.out.contains("MEROLAN_PASSWORD"));
        }
        const Run version = cli({"--version"});
        QCOMPARE(version.exit, 0);
        QCOMPARE(version.out, QByteArray("merolan-cli 1.0.0.1\n"));

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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MEROLAN_PASSWORD"), QStringLiteral("x1"));
        const Run lowerInEnv = cli({"--demo", "read"}, env);
        QCOMPARE(lowerInEnv.exit, 2);
        QVERIFY(lowerInEnv.err.contains("The password in MEROLAN_PASSWORD may have"));

        const Run bad = cli({"show", truncated, "--json"});
        QCOMPARE(bad.exit, 2);
        QVERIFY(bad.err.contains("ends in the middle"));
        QVERIFY(onlyDocument(bad.out).value("Error").toString().contains("ends in the middle"));
        const Run endless = cli({"show", "/dev/zero"});
        QCOMPARE(endless.exit, 2);
        QVERIFY(endless.err.contains("/dev/zero: It is not a regular file (a folder, a device or a pipe)"));
        const Run badArgs = cli({"read", "--json", "--bogus"});
        QCOMPARE(badArgs.exit, 2);
        QCOMPARE(onlyDocument(badArgs.out).value("Error").toString(), QStringLiteral("Unknown option 'bogus'."));

        // A read with nowhere to go never starts: the modem hears nothing.
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000004")));
        QVERIFY(modem.start());
        const QString missing = dir.filePath(QStringLiteral("gone"));
        const Run nowhere = cli({"--port", modem.devicePath(), "read", "--save", missing + "/site.mrl"});
        QCOMPARE(nowhere.exit, 2);
        QVERIFY2(nowhere.err.contains(
                     QStringLiteral("Cannot save to %1/site.mrl: the folder %1 does not exist").arg(missing).toUtf8()),
                 nowhere.err.constData());
        const QString link = dir.filePath(QStringLiteral("link.mrl"));
        QVERIFY(QFile::link(truncated, link));
        const Run throughLink = cli({"--port", modem.devicePath(), "read", "--save", link});
        QCOMPARE(throughLink.exit, 2);
        QVERIFY(throughLink.err.contains(" is a symbolic link, and a setup file is never written through one"));
        const Run notAFolder = cli({"--port", modem.devicePath(), "--port", "/dev/null", "read", "--save", truncated});
        QCOMPARE(notAFolder.exit, 2);
        QVERIFY(notAFolder.err.contains("reading several ports needs --save naming an existing folder"));
        QCOMPARE(cli({"--port", modem.devicePath(), "write", "/dev/zero"}).exit, 2);
        // A number no modem may get is refused before the port opens; check
        // judges a file as a write of all of it would, with no modem.
        SetupRecord far;
        far.Role = 1;
        far.Baud = 4;
        far.HostPort = 700000;
        const QString farFile = dir.filePath(QStringLiteral("far.mrl"));
        QString saveError;
        QVERIFY(saveSetupFile(farFile, far, &saveError));
        const QString portFault = QStringLiteral(": Server port 700000 is not valid: it must be 0 to 65535");
        for (const char *command : {"write", "check"}) {
            const Run refused = cli({"--port", modem.devicePath(), command, farFile, "--json"});
            QCOMPARE(refused.exit, 2);
            QVERIFY2(refused.err.contains((farFile + portFault).toUtf8()), refused.err.constData());
            QString problem;
            QVERIFY2(matchesSchema(refused.out, &problem), qPrintable(problem));
        }
        far.HostPort = 1023;
        QVERIFY(saveSetupFile(farFile, far, &saveError));
        const Run passes = cli({"check", farFile, "--json"});
        QCOMPARE(passes.exit, 0);
        QCOMPARE(onlyDocument(passes.out).value("Ok").toBool(), true);
        QString checkProblem;
        QVERIFY2(matchesSchema(passes.out, &checkProblem), qPrintable(checkProblem));
        far.Logger = 2;
        QVERIFY(saveSetupFile(farFile, far, &saveError));
        QCOMPARE(cli({"check", farFile}).exit, 2);
        QCOMPARE(received(modem), QStringList{});

        const Run absent = cli({"--port", "/dev/no-such-modem", "read"});
        QCOMPARE(absent.exit, 1);
        QVERIFY(absent.err.contains("Cannot open COM port"));
        QVERIFY(absent.err.contains("The port /dev/no-such-modem does not exist."));
        // Failed ports too are entries of the one document, never text lines beside it.
        const Run twoAbsent = cli({"--port", "/dev/no-such-modem", "--port", "/dev/no-such-modem-2", "read", "--json"});
        QCOMPARE(twoAbsent.exit, 1);
        const QJsonArray entries = onlyDocument(twoAbsent.out).value("Modems").toArray();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(1).toObject().value("Port").toString(), QStringLiteral("/dev/no-such-modem-2"));
        QCOMPARE(entries.at(1).toObject().value("Ok").toBool(true), false);
        QString problem;
        QVERIFY2(matchesSchema(twoAbsent.out, &problem), qPrintable(problem));
    }

    // A refused password fails the run; the modem keeps waiting for the right
    // one, which the next run gives from the environment, out of the process list.
    void passwordFromTheEnvironmentAfterARefusal()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000003")));
        QVERIFY(modem.start());
        const Run refused = cli({"--port", modem.devicePath(), "--password", "9999", "read"});
        QCOMPARE(refused.exit, 1);
        QVERIFY(refused.err.contains("Password rejected"));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MEROLAN_PASSWORD"), QStringLiteral("4321"));
        const Run again = cli({"--port", modem.devicePath(), "read"}, env);
        QVERIFY2(again.exit == 0, again.err.constData());
        QVERIFY(again.out.contains("SerialNumber: MRL0000003\n"));
        QCOMPARE(received(modem).filter(QStringLiteral("#PASSWORD=")),
                 (QStringList{"#PASSWORD=9999", "#PASSWORD=4321"}));
    }

    // Without a password given, the one the modem asks for is typed on the
    // terminal, which does not show it; a password change names it as the old one.
    void passwordTypedWithoutEcho()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000005")));
        QVERIFY(modem.start());
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        QProcess p;
        p.setStandardInputFile(QString::fromLatin1(ptsname(master)));
        QByteArray err;
        QVERIFY(startUntil(p, {"--port", modem.devicePath(), "password", "--new", "5678"},
                           "The Merolan asks for its password: ", err));
        QCOMPARE(write(master, "4321\n", 5), 5);
        const Run r = finished(p, err);

        fcntl(master, F_SETFL, O_NONBLOCK);
        char echoed[256] = {};
        const ssize_t n = read(master, echoed, sizeof echoed - 1);
        close(master);
        QVERIFY2(r.exit == 0, r.err.constData());
        QCOMPARE(r.out, QByteArray("Password: Enabled\n"));
        QVERIFY(r.err.contains("Password Enabled successfully."));
        QVERIFY2(n <= 0 || !QByteArray(echoed, int(n)).contains("4321"), echoed);
        QCOMPARE(modem.call([](SimModem &m) { return m.config().password; }), QStringLiteral("5678"));
        const QStringList sent = received(modem);
        QCOMPARE(sent.filter(QStringLiteral("#PASSWORD=")), (QStringList{"#PASSWORD=4321", "#PASSWORD=4321,5678"}));
        QCOMPARE(sent.last(), QStringLiteral("#AUTO"));
    }

    // A new password outside the modem's rule, or no clear choice, never
    // reaches a modem; --disable on two modems, one of which has no password.
    void passwordDisabledOnEveryPort()
    {
        PtyModemThread locked(quickModem(QStringLiteral("MRL0000010")));
        SimModem::Config open = quickModem(QStringLiteral("MRL0000011"));
        open.password.clear();
        PtyModemThread unlocked(open);
        QVERIFY(locked.start() && unlocked.start());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MEROLAN_PASSWORD"), QStringLiteral("4321"));
        const QStringList port{"--port", locked.devicePath()};

        const Run lower = cli(port + QStringList{"password", "--new", "ab12"}, env);
        QCOMPARE(lower.exit, 2);
        QVERIFY2(lower.err.contains("The new password may have up to 8 characters, each a digit, a capital letter or "
                                    "one of [ \\ ] ^ (suggested: \"12\")"),
                 lower.err.constData());
        for (const QStringList &args : {QStringList{"password"}, QStringList{"password", "--new", "1234", "--disable"},
                                        QStringList{"password", "--new", ""}, QStringList{"read", "--disable"}}) {
            const Run r = cli(port + args + QStringList{"--json"}, env);
            QCOMPARE(r.exit, 2);
            QVERIFY(!onlyDocument(r.out).value("Error").toString().isEmpty());
        }
        QCOMPARE(received(locked), QStringList{});

        const Run r = cli(port + QStringList{"--port", unlocked.devicePath(), "password", "--disable", "--json"}, env);
        QVERIFY2(r.exit == 0, r.err.constData());
        QString problem;
        QVERIFY2(matchesSchema(r.out, &problem), qPrintable(problem));
        const QJsonObject doc = onlyDocument(r.out);
        QCOMPARE(doc.value("Command").toString(), QStringLiteral("password"));
        const QJsonArray modems = doc.value("Modems").toArray();
        QCOMPARE(modems.at(0).toObject().value("Result").toString(), QStringLiteral("Password Disabled successfully."));
        QCOMPARE(modems.at(1).toObject().value("Result").toString(), QStringLiteral("Password is disabled already."));
        for (const QJsonValue &entry : modems)
            QCOMPARE(entry.toObject().value("Password").toString(), QStringLiteral("Disabled"));
        QCOMPARE(locked.call([](SimModem &m) { return m.config().password; }), QString());
        QCOMPARE(received(locked).filter(QStringLiteral("#PASSWORD=")),
                 (QStringList{"#PASSWORD=4321", "#PASSWORD=4321,"}));
        QCOMPARE(received(unlocked).filter(QStringLiteral("#PASSWORD=")), QStringList{});
        QCOMPARE(received(unlocked).last(), QStringLiteral("#AUTO"));
    }

    // The modem's clock beside the computer's, then set from it on two modems
    // at once, one of which refuses the time.
    void clockShownAndSet()
    {
        SimModem::Config old = quickModem(QStringLiteral("MRL0000012"));
        old.clock = QStringLiteral("01-01-20,00:00:00");
        PtyModemThread behind(old);
        SimModem::Config stubborn = quickModem(QStringLiteral("MRL0000013"));
        stubborn.errorOn = {QStringLiteral("TIME")};
        PtyModemThread refusing(stubborn);
        // The modem's clock runs from its start: it stays this far behind.
        const qint64 behindBy = QDateTime(QDate(2020, 1, 1), QTime(0, 0)).secsTo(QDateTime::currentDateTime());
        QVERIFY(behind.start() && refusing.start());
        const QString today = QDateTime::currentDateTime().toString(u"dd-MM-yy");

        const Run shown = cli({"--port", behind.devicePath(), "--password", "4321", "clock"});
        QVERIFY2(shown.exit == 0, shown.err.constData());
        const QStringList lines = QString::fromLocal8Bit(shown.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines[0].startsWith(QLatin1String("ModemClock: 01-01-20,00:00:")), qPrintable(lines[0]));
        QVERIFY2(QRegularExpression(QStringLiteral("^ComputerClock: %1,\\d\\d:\\d\\d:\\d\\d$").arg(today))
                     .match(lines[1])
                     .hasMatch(),
                 qPrintable(lines[1]));
        QVERIFY2(QRegularExpression(QStringLiteral("^Drift: -\\d{4} d \\d{1,2} h$")).match(lines[2]).hasMatch(),
                 qPrintable(lines[2]));
        QVERIFY2(lines[3].startsWith(QLatin1String("DriftSeconds: -")), qPrintable(lines[3]));
        QVERIFY(qAbs(lines[3].section(QLatin1Char(' '), 1).toLongLong() + behindBy) <= 2);
        QVERIFY(shown.err.contains("The Merolan's clock is more than a minute off: clock --set sets it"));

        behind.call([](SimModem &m) { m.clearRecord(); });
        const Run set = cli({"--port", behind.devicePath(), "--port", refusing.devicePath(), "--password", "4321",
                             "clock", "--set", "--json"});
        QCOMPARE(set.exit, 1);
        QString problem;
        QVERIFY2(matchesSchema(set.out, &problem), qPrintable(problem));
        const QJsonObject doc = onlyDocument(set.out);
        QCOMPARE(doc.value("Command").toString(), QStringLiteral("clock"));
        const QJsonObject done = doc.value("Modems").toArray().at(0).toObject();
        QCOMPARE(done.value("Ok").toBool(), true);
        QCOMPARE(done.value("ClockSet").toBool(), true);
        QCOMPARE(done.value("Result").toString(), QStringLiteral("Time set successfully."));
        QVERIFY2(done.value("ModemClock").toString().startsWith(today + QLatin1Char(',')),
                 qPrintable(done.value("ModemClock").toString()));
        QVERIFY(done.contains("DriftSeconds") && qAbs(done.value("DriftSeconds").toInteger()) <= 2);
        const QStringList sent = received(behind);
        const qsizetype at =
            sent.indexOf(QRegularExpression(QStringLiteral("#TIME=%1,\\d\\d:\\d\\d:\\d\\d").arg(today)));
        QVERIFY2(at >= 0, qPrintable(sent.join(u' ')));
        QCOMPARE(sent.value(at + 1), QStringLiteral("#TIME?"));
        QCOMPARE(sent.last(), QStringLiteral("#AUTO"));
        // A refused set leaves the clock as it was read (this modem refused
        // that too), beside the computer's.
        const QJsonObject refused = doc.value("Modems").toArray().at(1).toObject();
        QCOMPARE(refused.value("Ok").toBool(true), false);
        QCOMPARE(refused.value("ClockSet").toBool(true), false);
        QCOMPARE(refused.value("Result").toString(), QStringLiteral("Time set failed."));
        QCOMPARE(refused.value("ModemClock").toString(), QStringLiteral("ERROR"));
        QVERIFY(refused.contains("ComputerClock") && !refused.contains("DriftSeconds") && !refused.contains("Drift"));
    }

    // A device is switched on only when the question is answered Yes, on
    // one modem, which is then handed back.
    void activateAsksFirst()
    {
        PtyModemThread declining(quickModem(QStringLiteral("MRL0000014")));
        PtyModemThread agreeing(quickModem(QStringLiteral("MRL0000015")));
        QVERIFY(declining.start() && agreeing.start());
        const QStringList login{"--password", "4321", "--port", declining.devicePath()};
        QCOMPARE(cli(login + QStringList{"activate", "4", "--yes"}).exit, 2);
        QCOMPARE(cli(login + QStringList{"activate", "--yes"}).exit, 2);
        QCOMPARE(cli(login + QStringList{"--port", agreeing.devicePath(), "activate", "2", "--yes"}).exit, 2);
        QCOMPARE(received(declining), QStringList{});
        QCOMPARE(received(agreeing), QStringList{});

        QProcess p;
        p.start(QStringLiteral(MEROLAN_CLI), login + QStringList{"activate", "2"});
        const Run yes =
            cli({"--password", "4321", "--port", agreeing.devicePath(), "activate", "2", "--yes", "--json"});
        const Run no = finished(p);

        QVERIFY2(yes.exit == 0, yes.err.constData());
        QString problem;
        QVERIFY2(matchesSchema(yes.out, &problem), qPrintable(problem));
        QCOMPARE(onlyDocument(yes.out).value("Modems").toArray().at(0).toObject().value("Result").toString(),
                 QStringLiteral("Device 2 switched on: the Merolan runs its schedule from the Device 2 OFF time."));
        QCOMPARE(agreeing.call([](SimModem &m) { return m.activatedDevices(); }), QList<int>{2});
        QCOMPARE(received(agreeing).mid(received(agreeing).size() - 3), (QStringList{"#P2ON", "", "#AUTO"}));

        QCOMPARE(no.exit, 1);
        QVERIFY2(no.err.contains("Do you want to proceed? -> No (no --yes given)"), no.err.constData());
        QVERIFY(no.err.contains("Device 2 not switched on: the question was answered No (--yes answers Yes)."));
        QCOMPARE(declining.call([](SimModem &m) { return m.activatedDevices(); }), QList<int>{});
        QVERIFY(!received(declining).contains(QStringLiteral("#P2ON")));
        QCOMPARE(received(declining).last(), QStringLiteral("#AUTO"));
    }

    // Ctrl-C or SIGTERM stops the work and hands the modem back; a write says
    // which settings went and which did not; a second Ctrl-C ends at once.
    void interruptHandsTheModemBack()
    {
        QTemporaryDir dir;
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000006")));
        QVERIFY(modem.start());

        QProcess reading;
        QByteArray err;
        QVERIFY(
            startUntil(reading, {"--port", modem.devicePath(), "--password", "4321", "read"}, "Reading setup...", err));
        reading.terminate();
        const Run read = finished(reading, err);
        QCOMPARE(read.exit, 130);
        QVERIFY2(read.err.contains("Interrupted: the modem was handed back to automatic operation."),
                 read.err.constData());
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));

        const QString file = dir.filePath(QStringLiteral("w.mrl"));
        SetupRecord record;
        record.Role = 2;
        record.APN = QStringLiteral("stop.apn");
        record.Baud = 4;
        record.SMSNum = QStringLiteral("+3099");
        record.GPRSPass = QStringLiteral("S3CRET");
        record.XPas = QStringLiteral("M41L");
        QString error;
        QVERIFY(saveSetupFile(file, record, &error));
        modem.call([](SimModem &m) { m.clearRecord(); });
        QProcess writing;
        err.clear();
        QVERIFY(startUntil(writing, {"--port", modem.devicePath(), "--password", "4321", "write", file},
                           "Writing setup...", err));
        ::kill(pid_t(writing.processId()), SIGINT);
        const Run write = finished(writing, err);
        QCOMPARE(write.exit, 130);
        const QStringList sent = received(modem);
        QCOMPARE(sent.last(), QStringLiteral("#AUTO"));
        // Every setting line of the write is accounted for, the password masked.
        const QStringList report = QString::fromUtf8(write.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(report.size() >= 4, write.out.constData());
        QVERIFY(!write.out.contains("S3CRET") && !write.out.contains("M41L"));
        QVERIFY2(report.endsWith(QStringLiteral("Not written: XPAS=***")), write.out.constData());
        for (const QString &line : report) {
            const bool written = line.startsWith(QLatin1String("Written: "));
            QVERIFY2(written || line.startsWith(QLatin1String("Not written: ")), qPrintable(line));
            const QString setting = line.section(QStringLiteral(": "), 1);
            if (!setting.endsWith(QLatin1String("=***")))
                QCOMPARE(sent.contains(QLatin1Char('#') + setting), written);
        }

        // A modem that never answers a setting holds the first Ctrl-C up for
        // the reply's 40 s; the second one does not wait.
        modem.call([](SimModem &m) { m.config().silentOn = {"XPAS"}; });
        QProcess stuck;
        err.clear();
        QVERIFY(startUntil(stuck, {"--port", modem.devicePath(), "--password", "4321", "write", file},
                           "Writing setup...", err));
        QVERIFY(QTest::qWaitFor([&] { return !received(modem).filter(QStringLiteral("#XPAS=")).isEmpty(); }, 30000));
        ::kill(pid_t(stuck.processId()), SIGINT);
        QVERIFY(stuck.waitForReadyRead(10000));
        QElapsedTimer sinceSecond;
        sinceSecond.start();
        ::kill(pid_t(stuck.processId()), SIGINT);
        const Run quit = finished(stuck, err);
        QCOMPARE(quit.exit, 130);
        QVERIFY(quit.err.contains("Interrupted again: #AUTO sent, quitting at once."));
        QVERIFY(quit.err.contains("(up to 40 s when the modem does not answer)"));
        QVERIFY2(sinceSecond.elapsed() < 30000, "the second interrupt waited for the modem");
        // Even so, the modem is not left in command mode.
        QVERIFY(QTest::qWaitFor([&] { return received(modem).value(received(modem).size() - 1) == "#AUTO"; }, 5000));
    }

    // A read whose file cannot be saved after all is kept, and the user is told where.
    void readIsKeptWhenTheSaveFails()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000007")));
        QVERIFY(modem.start());
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir().mkdir(folder));
        QProcess p;
        QByteArray err;
        QVERIFY(startUntil(
            p, {"--port", modem.devicePath(), "--password", "4321", "read", "--json", "--save", folder + "/site.mrl"},
            "Searching for Merolan modem...", err));
        QVERIFY(QDir(folder).removeRecursively());
        const Run r = finished(p, err);

        QCOMPARE(r.exit, 1);
        const QJsonObject entry = onlyDocument(r.out).value("Modems").toArray().at(0).toObject();
        const QString rescue = entry.value("SavedTo").toString();
        QVERIFY2(rescue.startsWith(QDir::tempPath() + QStringLiteral("/merolan-")), qPrintable(rescue));
        // A new name nobody could guess, the owner's alone.
        QVERIFY2(QRegularExpression(QStringLiteral("-MRL0000007-[A-Za-z0-9]{6}\\.mrl$")).match(rescue).hasMatch(),
                 qPrintable(rescue));
        QCOMPARE(QFile::permissions(rescue) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(r.err.contains("It was saved to " + rescue.toUtf8() + " instead."));
        QString error;
        const auto saved = loadSetupFile(rescue, &error);
        QFile::remove(rescue);
        QVERIFY2(saved && saved->APN == QStringLiteral("internet.example"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
