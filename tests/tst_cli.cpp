#include "ptymodem.h"
#include "setupfile.h"

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

// Starts the program, its standard error the channel waitUntilSaid reads.
void launch(QProcess &p, const QStringList &args)
{
    p.setReadChannel(QProcess::StandardError);
    p.start(QStringLiteral(MEROLAN_CLI), args);
}

// Returns once the program's standard error shows text; what it wrote so far
// is in err.
bool waitUntilSaid(QProcess &p, const QByteArray &text, QByteArray &err)
{
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
// output and the schema cannot drift apart. Anything after the one document
// (a stray text line) fails too.
bool matchesSchema(const QByteArray &json)
{
    // The system's Python, which the package python3-jsonschema serves.
    QProcess python;
    python.start(QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3",
                 {"-c",
                  "import json, sys, jsonschema\n"
                  "jsonschema.validate(json.load(sys.stdin), json.load(open(sys.argv[1])))",
                  QStringLiteral(MEROLAN_SCHEMA)});
    python.write(json);
    python.closeWriteChannel();
    python.waitForFinished(30000);
    const bool valid = python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
    if (!valid)
        qWarning("%s", python.readAllStandardError().right(600).constData());
    return valid;
}

QJsonObject onlyDocument(const QByteArray &out)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        qWarning("not one JSON document (%s): %s", qPrintable(error.errorString()), out.left(300).constData());
    return doc.object();
}

// The document's entry for the n-th port.
QJsonObject entry(const Run &r, int n)
{
    return onlyDocument(r.out).value("Modems").toArray().at(n).toObject();
}

SimModem::Config quickModem(const QString &serial, const QString &password = QStringLiteral("4321"))
{
    SimModem::Config c;
    c.serialNumber = serial;
    c.password = password;
    c.syncMs = 200;
    c.escapeReplyMs = 50;
    return c;
}

// The command for these modems, each on its port, with their password.
QStringList login(std::initializer_list<const PtyModemThread *> modems, const QStringList &command)
{
    QStringList args{"--password", "4321"};
    for (const PtyModemThread *m : modems)
        args << "--port" << m->devicePath();
    return args + command;
}

QStringList received(PtyModemThread &modem)
{
    return modem.call([](SimModem &m) { return m.receivedLines(); });
}

QStringList sentSettings(PtyModemThread &modem)
{
    return received(modem).filter(QRegularExpression(QStringLiteral("^#\\w+=")));
}

} // namespace

// The headless front end, run as a user and as a script run it, against
// simulated modems on pseudo-terminals. ctest runs the functions in the
// groups that tests/CMakeLists.txt names: a new one goes into a group there.
class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir; // every function's files, under names of their own
private slots:
    // A read of two modems saves each setup under its serial number. A dry
    // run logs in, reads and hands back exactly as the read did, and shows
    // the lines a write would send, the passwords masked; written back to both
    // modems, only the changes go to either. Every document is of the shipped
    // schema, and the setup has one shape in read and show.
    void readThenWriteToEveryPort()
    {
        PtyModemThread first(quickModem(QStringLiteral("MRLS000001")));
        PtyModemThread second(quickModem(QStringLiteral("MRL0000002")));
        QVERIFY(first.start() && second.start());
        const QString file = m_dir.filePath(QStringLiteral("MRLS000001.mrl"));

        const Run read = cli(login({&first, &second}, {"read", "--json", "--save", m_dir.path()}));
        QVERIFY2(read.exit == 0, read.err.constData());
        QVERIFY(matchesSchema(read.out));
        const QJsonObject readModem = entry(read, 0);
        QCOMPARE(readModem.value("SerialNumber").toString(), QStringLiteral("MRLS000001"));
        QCOMPARE(readModem.value("DeviceCount").toInt(), 1);
        QCOMPARE(readModem.value("SavedTo").toString(), file);
        QCOMPARE(readModem.value("Setup").toObject().value("APN").toString(), QStringLiteral("internet.example"));
        QCOMPARE(entry(read, 1).value("DeviceCount").toInt(), 3);
        QCOMPARE(entry(read, 1).value("SavedTo").toString(), m_dir.filePath(QStringLiteral("MRL0000002.mrl")));
        QVERIFY(read.err.contains("Setup read finished."));
        const QStringList readLines[] = {received(first), received(second)};
        // The login line only, and the modem is handed back at the end.
        QCOMPARE(sentSettings(first), QStringList{"#PASSWORD=4321"});
        QCOMPARE(readLines[0].last(), QStringLiteral("#AUTO"));

        const Run show = cli({"show", file, "--json"});
        QVERIFY(matchesSchema(show.out));
        QCOMPARE(onlyDocument(show.out).value("Setup").toObject(), readModem.value("Setup").toObject());

        QString error;
        SetupRecord record = *loadSetupFile(file, &error);
        record.APN = QStringLiteral("fleet.apn");
        record.GPRSPass = QStringLiteral("DRY-S3CRET");
        record.HostPort = 5021;
        QVERIFY(saveSetupFile(file, record, &error));
        const QJsonArray changes{"APN=fleet.apn", "GPRSPass=***", "HSTPORTNUMBER=5021"};
        first.call([](SimModem &m) { m.clearRecord(); });
        second.call([](SimModem &m) { m.clearRecord(); });
        QProcess dryJson;
        launch(dryJson, login({&first}, {"write", file, "--dry-run", "--json"}));
        const Run dryText = cli(login({&second}, {"write", file, "--dry-run"}));
        const Run json = finished(dryJson);

        QVERIFY2(json.exit == 0, json.err.constData());
        QVERIFY(matchesSchema(json.out));
        QCOMPARE(entry(json, 0).value("Pending").toArray(), changes);
        QCOMPARE(entry(json, 0).value("Result").toString(),
                 QStringLiteral("Dry run: the write would send 3 setting lines; nothing was sent."));
        QCOMPARE(dryText.exit, 0);
        QCOMPARE(dryText.out,
                 QByteArray("Pending: APN=fleet.apn\nPending: GPRSPass=***\nPending: HSTPORTNUMBER=5021\n"));
        QVERIFY(!dryText.err.contains("DRY-S3CRET"));
        QCOMPARE(received(first), readLines[0]);
        QCOMPARE(received(second), readLines[1]);

        const Run r = cli(login({&first, &second}, {"write", file, "--json"}));
        QVERIFY2(r.exit == 0, r.err.constData());
        QVERIFY(matchesSchema(r.out));
        for (int n : {0, 1}) {
            PtyModemThread &m = n == 0 ? first : second;
            // The dry run's and the write's login lines and the changed settings, nothing else.
            QCOMPARE(sentSettings(m), (QStringList{"#PASSWORD=4321", "#PASSWORD=4321", "#APN=fleet.apn",
                                                   "#GPRSPass=DRY-S3CRET", "#HSTPORTNUMBER=5021"}));
            QCOMPARE(received(m).last(), QStringLiteral("#AUTO"));
            QCOMPARE(entry(r, n).value("Port").toString(), m.devicePath());
            QCOMPARE(entry(r, n).value("Result").toString(), QStringLiteral("Setup write finished successfully."));
            QCOMPARE(entry(r, n).value("Written").toArray(), changes);
            QCOMPARE(entry(r, n).value("NotWritten").toArray(), QJsonArray{});
        }
        QVERIFY(r.err.contains("[" + second.devicePath().toLatin1() + "] Writing setup..."));
    }

    // What a user or a script meets at the edges: help, version, a file
    // shown, and arguments, files and values refused before any port opens
    // (this one does not exist: opening it would fail with 1, not 2).
    void frontDoors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");        // in standard error, and a --json document's Error
        QTest::addColumn<QByteArrayList>("out"); // each in standard output
        QTest::addColumn<QString>("password");   // in MEROLAN_PASSWORD
        const auto row = [](const char *name, const QStringList &args, int exit, const QString &err,
                            const QByteArrayList &out = {}, const QString &password = {}) {
            QTest::newRow(name) << args << exit << err << out << password;
        };
        QFile truncated(m_dir.filePath(QStringLiteral("short.mrl")));
        QVERIFY(truncated.open(QIODevice::WriteOnly) && truncated.write(QByteArray(20, '\0')) == 20);
        QVERIFY(QFile::link(truncated.fileName(), m_dir.filePath(QStringLiteral("link.mrl"))));
        // Shown, but with a port number no modem may get.
        SetupRecord shown;
        shown.Role = 2;
        shown.HostPort = 65536;
        shown.APN = QStringLiteral("caf\u00e9.net");
        shown.SMSNum = QStringLiteral("+30\r\n#AUTO\\x\x1b\x7f");
        shown.OnTime[1] = 0.25;
        SetupRecord edge;
        edge.Role = 1;
        edge.HostPort = 65535;
        edge.Baud = 4;
        QString error;
        QVERIFY(saveSetupFile(m_dir.filePath(QStringLiteral("shown.mrl")), shown, &error));
        QVERIFY(saveSetupFile(m_dir.filePath(QStringLiteral("edge.mrl")), edge, &error));
        edge.Logger = 2;
        QVERIFY(saveSetupFile(m_dir.filePath(QStringLiteral("logger.mrl")), edge, &error));
        const QString nowhere = QStringLiteral("/dev/no-such-modem");
        const QString rule = "may have up to 8 characters, each a digit, a capital letter or one of [ \\ ] ^ ";

        row("--help", {"--help"}, 0, {}, {"Usage: ", "MEROLAN_PASSWORD"});
        row("-h", {"-h"}, 0, {}, {"Usage: ", "MEROLAN_PASSWORD"});
        row("--version", {"--version"}, 0, {}, {"merolan-cli 1.0.0.1\n"});
        // In the terminal's encoding; a file's control characters cannot draw on the terminal.
        row("show", {"show", "{dir}/shown.mrl"}, 0, {},
            {"Role: 2\n", "APN: caf\xc3\xa9.net\n", "SMSNum: +30\\x0d\\x0a#AUTO\\\\x\\x1b\\x7f\n",
             "OnTime: 00:00 06:00 00:00\n"});
        row("show --json", {"show", "{dir}/shown.mrl", "--json"}, 0, {},
            {"\"File\": \"{dir}/shown.mrl\"", "\"APN\": \"caf\xc3\xa9.net\""});
        row("unknown command", {"frobnicate"}, 2, "Unknown command frobnicate");
        row("unknown option", {"read", "--json", "--bogus"}, 2, "Unknown option 'bogus'.");
        row("no port", {"read"}, 2, "Name the modem's port with --port, or use --demo");
        row("baud rate", {"--baud", "57600", "--demo", "read"}, 2,
            "The baud rate must be one of 1200, 2400, 4800, 9600, 19200, 38400, 115200");
        // Only what the modem's password rule allows goes on the wire as typed.
        row("--password ab12", {"--password", "ab12", "--demo", "read"}, 2,
            "The password " + rule + "(suggested: \"12\")");
        row("MEROLAN_PASSWORD x1", {"--demo", "read"}, 2,
            "The password in MEROLAN_PASSWORD " + rule + "(suggested: \"1\")", {}, "x1");
        row("--new ab12", {"--port", nowhere, "password", "--new", "ab12"}, 2,
            "The new password " + rule + "(suggested: \"12\")");
        row("empty new password", {"--port", nowhere, "password", "--new", "", "--json"}, 2,
            "--new needs a password; --disable removes it");
        row("password, no choice", {"--port", nowhere, "password", "--json"}, 2,
            "password takes either --new NEW or --disable");
        row("password, both choices", {"--port", nowhere, "password", "--new", "1234", "--disable", "--json"}, 2,
            "password takes either --new NEW or --disable");
        row("read --disable", {"--port", nowhere, "read", "--disable", "--json"}, 2,
            "--new and --disable belong to the password command");
        row("read --dry-run", {"--port", nowhere, "read", "--dry-run"}, 2, "--dry-run belongs to the write command");
        row("device 4", {"--port", nowhere, "activate", "4", "--yes"}, 2, "activate takes the device 1, 2 or 3");
        row("no device", {"--port", nowhere, "activate", "--yes"}, 2, "activate takes the device 1, 2 or 3");
        row("activate on two ports", {"--port", nowhere, "--port", "/dev/null", "activate", "2", "--yes"}, 2,
            "activate switches on a device of one modem: give one --port");
        row("truncated file", {"show", "{dir}/short.mrl", "--json"}, 2,
            "{dir}/short.mrl: The setup file ends in the middle of Baud (after 20 bytes).");
        row("device written", {"--port", nowhere, "write", "/dev/zero"}, 2,
            "/dev/zero: It is not a regular file (a folder, a device or a pipe)");
        row("save to a missing folder", {"--port", nowhere, "read", "--save", "{dir}/gone/site.mrl"}, 2,
            "Cannot save to {dir}/gone/site.mrl: the folder {dir}/gone does not exist");
        row("save through a link", {"--port", nowhere, "read", "--save", "{dir}/link.mrl"}, 2,
            "{dir}/link.mrl is a symbolic link, and a setup file is never written through one");
        row("several ports saved to a file",
            {"--port", nowhere, "--port", "/dev/null", "read", "--save", "{dir}/short.mrl"}, 2,
            "Cannot save to {dir}/short.mrl: reading several ports needs --save naming an existing folder");
        // A number no modem may get is refused before the port opens; check
        // judges a file as a write of all of it would, with no modem.
        row("write port 65536", {"--port", nowhere, "write", "{dir}/shown.mrl", "--json"}, 2,
            "{dir}/shown.mrl: Server port 65536 is not valid: it must be 0 to 65535");
        row("check port 65536", {"check", "{dir}/shown.mrl", "--json"}, 2,
            "{dir}/shown.mrl: Server port 65536 is not valid: it must be 0 to 65535");
        row("check port 65535", {"check", "{dir}/edge.mrl", "--json"}, 0, {}, {"\"Ok\": true"});
        row("check logger mode 2", {"check", "{dir}/logger.mrl"}, 2,
            "{dir}/logger.mrl: Logger mode 2 is not valid: it must be 0 or 1");
        row("absent port", {"--port", nowhere, "read"}, 1,
            "Cannot open COM port\nThe port /dev/no-such-modem does not exist.");
        // Failed ports too are entries of the one document, never text lines beside it.
        row("two absent ports", {"--port", nowhere, "--port", nowhere + "-2", "read", "--json"}, 1,
            "[/dev/no-such-modem-2] The port /dev/no-such-modem-2 does not exist.",
            {"\"Port\": \"/dev/no-such-modem-2\""});
    }

    void frontDoors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QString, err);
        QFETCH(QByteArrayList, out);
        QFETCH(QString, password);
        args.replaceInStrings(QStringLiteral("{dir}"), m_dir.path());
        err.replace(QStringLiteral("{dir}"), m_dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!password.isEmpty())
            env.insert(QStringLiteral("MEROLAN_PASSWORD"), password);

        const Run r = cli(args, env);
        QCOMPARE(r.exit, exit);
        QVERIFY2(r.err.contains(err.toUtf8()), r.err.constData());
        for (QByteArray &text : out)
            QVERIFY2(r.out.contains(text.replace("{dir}", m_dir.path().toUtf8())), r.out.constData());
        if (args.contains(QStringLiteral("--json"))) {
            QVERIFY(matchesSchema(r.out));
            if (exit == 2)
                QCOMPARE(onlyDocument(r.out).value("Error").toString(), err);
        }
    }

    // A refused password fails the run, beside a modem that takes it, and the
    // modem keeps waiting for the right one. Without a password given, the one
    // it asks for is typed on the terminal, which does not show it; a
    // password change names it as the old one.
    void passwordRefusedThenTypedWithoutEcho()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000005")));
        PtyModemThread taking(quickModem(QStringLiteral("MRL0000003"), QStringLiteral("9999")));
        QVERIFY(modem.start() && taking.start());
        const Run refused = cli({"--port", modem.devicePath(), "--port", taking.devicePath(), "--password", "9999",
                                 "read", "--save", m_dir.path()});
        QCOMPARE(refused.exit, 1);
        QVERIFY2(refused.err.contains("[" + modem.devicePath().toLatin1() + "] Password rejected"),
                 refused.err.constData());
        QVERIFY2(refused.out.contains("SerialNumber: MRL0000003\n"), refused.out.constData());

        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        QProcess p;
        p.setStandardInputFile(QString::fromLatin1(ptsname(master)));
        QByteArray err;
        launch(p, {"--port", modem.devicePath(), "password", "--new", "5678"});
        QVERIFY(waitUntilSaid(p, "The Merolan asks for its password: ", err));
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
        QCOMPARE(sentSettings(modem), (QStringList{"#PASSWORD=9999", "#PASSWORD=4321", "#PASSWORD=4321,5678"}));
        QCOMPARE(received(modem).last(), QStringLiteral("#AUTO"));
    }

    // The modem's clock beside the computer's; at the same time set from it
    // on two other modems, one of which refuses the time.
    void clockShownAndSet()
    {
        SimModem::Config old = quickModem(QStringLiteral("MRL0000012"));
        old.clock = QStringLiteral("01-01-20,00:00:00");
        PtyModemThread behind(old);
        old.serialNumber = QStringLiteral("MRL0000016");
        PtyModemThread setting(old);
        SimModem::Config stubborn = quickModem(QStringLiteral("MRL0000013"));
        stubborn.errorOn = {QStringLiteral("TIME")};
        PtyModemThread refusing(stubborn);
        // The modem's clock runs from its start: it stays this far behind.
        const qint64 behindBy = QDateTime(QDate(2020, 1, 1), QTime(0, 0)).secsTo(QDateTime::currentDateTime());
        QVERIFY(behind.start() && setting.start() && refusing.start());
        const QString today = QDateTime::currentDateTime().toString(u"dd-MM-yy");
        QProcess showing;
        launch(showing, login({&behind}, {"clock"}));
        const Run set = cli(login({&setting, &refusing}, {"clock", "--set", "--json"}));
        const Run shown = finished(showing);

        QVERIFY2(shown.exit == 0, shown.err.constData());
        const QRegularExpressionMatch clock =
            QRegularExpression(
                QStringLiteral("^ModemClock: 01-01-20,00:00:\\d\\d\nComputerClock: %1,\\d\\d:\\d\\d:\\d\\d\n"
                               "Drift: -\\d{4} d \\d{1,2} h\nDriftSeconds: -(\\d+)\n$")
                    .arg(today))
                .match(QString::fromLocal8Bit(shown.out));
        QVERIFY2(clock.hasMatch(), shown.out.constData());
        QVERIFY(qAbs(clock.captured(1).toLongLong() - behindBy) <= 2);
        QVERIFY(shown.err.contains("The Merolan's clock is more than a minute off: clock --set sets it"));

        QCOMPARE(set.exit, 1);
        QVERIFY(matchesSchema(set.out));
        QCOMPARE(onlyDocument(set.out).value("Command").toString(), QStringLiteral("clock"));
        const QJsonObject done = entry(set, 0);
        QCOMPARE(done.value("Ok").toBool(), true);
        QCOMPARE(done.value("ClockSet").toBool(), true);
        QCOMPARE(done.value("Result").toString(), QStringLiteral("Time set successfully."));
        QVERIFY2(done.value("ModemClock").toString().startsWith(today + QLatin1Char(',')),
                 qPrintable(done.value("ModemClock").toString()));
        QVERIFY(done.contains("DriftSeconds") && qAbs(done.value("DriftSeconds").toInteger()) <= 2);
        const QStringList sent = received(setting);
        const qsizetype at =
            sent.indexOf(QRegularExpression(QStringLiteral("#TIME=%1,\\d\\d:\\d\\d:\\d\\d").arg(today)));
        QVERIFY2(at >= 0, qPrintable(sent.join(u' ')));
        QCOMPARE(sent.value(at + 1), QStringLiteral("#TIME?"));
        QCOMPARE(sent.last(), QStringLiteral("#AUTO"));
        // A refused set leaves the clock as it was read (this modem refused
        // that too), beside the computer's.
        const QJsonObject refused = entry(set, 1);
        QCOMPARE(refused.value("Ok").toBool(true), false);
        QCOMPARE(refused.value("ClockSet").toBool(true), false);
        QCOMPARE(refused.value("Result").toString(), QStringLiteral("Time set failed."));
        QCOMPARE(refused.value("ModemClock").toString(), QStringLiteral("ERROR"));
        QVERIFY(refused.contains("ComputerClock") && !refused.contains("DriftSeconds") && !refused.contains("Drift"));
    }

    // A device is switched on only when the question is answered Yes, and
    // the modem is handed back either way. At the same time a password from
    // the environment, out of the process list, is disabled on two modems, one
    // of which has none.
    void devicesAndPasswordsChanged()
    {
        PtyModemThread declining(quickModem(QStringLiteral("MRL0000014")));
        PtyModemThread agreeing(quickModem(QStringLiteral("MRL0000015")));
        PtyModemThread locked(quickModem(QStringLiteral("MRL0000010")));
        PtyModemThread unlocked(quickModem(QStringLiteral("MRL0000011"), {}));
        QVERIFY(declining.start() && agreeing.start() && locked.start() && unlocked.start());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MEROLAN_PASSWORD"), QStringLiteral("4321"));
        QProcess asking, disabling;
        disabling.setProcessEnvironment(env);
        launch(disabling,
               {"--port", locked.devicePath(), "--port", unlocked.devicePath(), "password", "--disable", "--json"});
        launch(asking, login({&declining}, {"activate", "2"}));
        const Run yes = cli(login({&agreeing}, {"activate", "2", "--yes", "--json"}));
        const Run no = finished(asking);
        const Run r = finished(disabling);

        QVERIFY2(yes.exit == 0, yes.err.constData());
        QVERIFY(matchesSchema(yes.out));
        QCOMPARE(entry(yes, 0).value("Result").toString(),
                 QStringLiteral("Device 2 switched on: the Merolan runs its schedule from the Device 2 OFF time."));
        QCOMPARE(received(agreeing).mid(received(agreeing).size() - 3), (QStringList{"#P2ON", "", "#AUTO"}));
        QCOMPARE(no.exit, 1);
        QVERIFY2(no.err.contains("Do you want to proceed? -> No (no --yes given)"), no.err.constData());
        QVERIFY(no.err.contains("Device 2 not switched on: the question was answered No (--yes answers Yes)."));
        QVERIFY(!received(declining).contains(QStringLiteral("#P2ON")));
        QCOMPARE(received(declining).last(), QStringLiteral("#AUTO"));

        QVERIFY2(r.exit == 0, r.err.constData());
        QVERIFY(matchesSchema(r.out));
        QCOMPARE(entry(r, 0).value("Result").toString(), QStringLiteral("Password Disabled successfully."));
        QCOMPARE(entry(r, 1).value("Result").toString(), QStringLiteral("Password is disabled already."));
        for (int n : {0, 1})
            QCOMPARE(entry(r, n).value("Password").toString(), QStringLiteral("Disabled"));
        QCOMPARE(sentSettings(locked), (QStringList{"#PASSWORD=4321", "#PASSWORD=4321,"}));
        QCOMPARE(sentSettings(unlocked), QStringList{});
        QCOMPARE(received(unlocked).last(), QStringLiteral("#AUTO"));
    }

    // Ctrl-C or SIGTERM stops the work and hands the modem back; a write says
    // which settings went and which did not; a second Ctrl-C ends at once.
    void interruptHandsTheModemBack()
    {
        const QString file = m_dir.filePath(QStringLiteral("w.mrl"));
        SetupRecord record;
        record.Role = 2;
        record.APN = QStringLiteral("stop.apn");
        record.Baud = 4;
        record.SMSNum = QStringLiteral("+3099");
        record.GPRSPass = QStringLiteral("S3CRET");
        record.XPas = QStringLiteral("M41L");
        QString error;
        QVERIFY(saveSetupFile(file, record, &error));
        PtyModemThread writer(quickModem(QStringLiteral("MRL0000006")));
        // A modem that never answers a setting holds the first Ctrl-C up for
        // the reply's 40 s; the second one does not wait.
        SimModem::Config silent = quickModem(QStringLiteral("MRL0000008"));
        silent.silentOn = {QStringLiteral("XPAS")};
        PtyModemThread holder(silent);
        PtyModemThread reader(quickModem(QStringLiteral("MRL0000009")));
        QVERIFY(writer.start() && holder.start() && reader.start());
        // Side by side: the held write waits on its silent modem while the other is interrupted.
        QProcess writing, stuck, reading;
        launch(writing, login({&writer}, {"write", file}));
        launch(stuck, login({&holder}, {"write", file}));

        QByteArray err;
        QVERIFY(waitUntilSaid(writing, "Writing setup...", err));
        ::kill(pid_t(writing.processId()), SIGINT);
        const Run write = finished(writing, err);
        QCOMPARE(write.exit, 130);
        const QStringList sent = received(writer);
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

        err.clear();
        QVERIFY(waitUntilSaid(stuck, "Writing setup...", err));
        QVERIFY(QTest::qWaitFor([&] { return !received(holder).filter(QStringLiteral("#XPAS=")).isEmpty(); }, 30000));
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
        QVERIFY(QTest::qWaitFor([&] { return received(holder).value(received(holder).size() - 1) == "#AUTO"; }, 5000));

        err.clear();
        launch(reading, login({&reader}, {"read"}));
        QVERIFY(waitUntilSaid(reading, "Reading setup...", err));
        reading.terminate();
        const Run read = finished(reading, err);
        QCOMPARE(read.exit, 130);
        QVERIFY2(read.err.contains("Interrupted: the modem was handed back to automatic operation."),
                 read.err.constData());
        QCOMPARE(received(reader).last(), QStringLiteral("#AUTO"));
    }

    // A read whose file cannot be saved after all is kept, and the user is told where.
    void readIsKeptWhenTheSaveFails()
    {
        PtyModemThread modem(quickModem(QStringLiteral("MRL0000007")));
        QVERIFY(modem.start());
        const QString folder = m_dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir().mkdir(folder));
        QProcess p;
        QByteArray err;
        launch(p, login({&modem}, {"read", "--json", "--save", folder + "/site.mrl"}));
        QVERIFY(waitUntilSaid(p, "Searching for Merolan modem...", err));
        QVERIFY(QDir(folder).removeRecursively());
        const Run r = finished(p, err);

        QCOMPARE(r.exit, 1);
        const QString rescue = entry(r, 0).value("SavedTo").toString();
        // A new name nobody could guess, the owner's alone.
        const QString name = QStringLiteral("^%1/merolan-\\d{8}-\\d{6}-MRL0000007-[A-Za-z0-9]{6}\\.mrl$");
        QVERIFY2(QRegularExpression(name.arg(QRegularExpression::escape(QDir::tempPath()))).match(rescue).hasMatch(),
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
