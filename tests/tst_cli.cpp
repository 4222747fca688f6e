#include "commands.h"
#include "connection.h"
#include "modemrig.h"
#include "samplesetup.h"
#include "setupfile.h"

#include <QtTest>

Q_DECLARE_METATYPE(Options)

using namespace Qt::StringLiterals;

// The command line, the output and the commands of merolan-cli, run
// in-process; tst_cli_process runs the program itself.
class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    // Files are made in the temporary folder, named as seen from it; a
    // rescued read goes there too.
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("7.8.9"));
        QVERIFY(QDir::setCurrent(m_dir.path()));
        qputenv("TMPDIR", m_dir.path().toUtf8());
        qputenv("TMP", QDir::toNativeSeparators(m_dir.path()).toUtf8());
    }

    // Arguments, MEROLAN_PASSWORD and setup files to the options the modems
    // are run with, or to what is printed instead; every option lands in its
    // own field, and no control character of a file reaches the terminal.
    void frontDoor_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("env");
        QTest::addColumn<Options>("options");
        QTest::addColumn<int>("exit"); // -1: on to the modems with options
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        const auto run = [](const char *name, const QStringList &args, const Options &o, const QString &env = {}) {
            QTest::newRow(name) << args << env << o << -1 << QByteArray() << QString();
        };
        const auto printed = [](const char *name, const QStringList &args, int exit, const QByteArray &out,
                                const QString &err = {}) {
            QTest::newRow(name) << args << QString() << Options{} << exit << out << err;
        };
        const auto refused = [](const char *name, const QStringList &args, const QString &err,
                                const QString &env = {}) {
            QTest::newRow(name) << args << env << Options{} << 2 << QByteArray() << err + "\nTry merolan-cli --help\n";
        };
        const QString rule = "may have up to 8 characters, each a digit, a capital letter or one of [ \\ ] ^ ";
        QString error;
        QVERIFY(saveSetupFile("s.mrl", sampleSetup(), &error));
        SetupRecord shown = sampleSetup();
        shown.SMSNum = QStringLiteral("+30\r\n#AUTO\\x\x1b\x7f");
        shown.APN = QStringLiteral("caf\u00e9.net");
        QVERIFY(saveSetupFile("f.mrl", shown, &error));
        run("write", {"--port", "a", "--port", "b", "--password", "12", "write", "s.mrl", "--all", "--dry-run"},
            {.ports = {"a", "b"}, .password = "12", .command = "write", .file = "s.mrl", .all = true, .dryRun = true});
        run("clock", {"--demo", "--remote", "gsm", "clock", "--set", "--json"},
            {.connectionKind = 1, .demo = true, .command = "clock", .json = true, .setClock = true});
        run("read", {"--demo", "--remote", "net", "read", "--password", "77", "--save", "."},
            {.password = "77", .connectionKind = 2, .demo = true, .command = "read", .save = "."}, "55");
        run("password", {"--port", "c", "password", "--new", "5678"},
            {.ports = {"c"}, .password = "4321", .command = "password", .newPassword = "5678"}, "4321");
        run("activate", {"--port", "c", "--baud", "19200", "activate", "3", "--yes"},
            {.ports = {"c"}, .baud = "19200", .command = "activate", .yes = true, .device = 3});
        printed("--help", {"-h"}, 0, "Usage: ");
        printed("--version", {"--version"}, 0, "merolan-cli 7.8.9\n");
        printed(
            "show", {"show", "f.mrl"}, 0,
            "Role: 2\nLogger: 1\nHostIP: 10.1.2.3\nHostPort: 4001\nAPN: " + u"caf\u00e9"_s.toLocal8Bit()
                + ".net\nGPRSID: gprs-user\n"
                  "GPRSPass: gprs-pass\nSMSNum: +30\\x0d\\x0a#AUTO\\\\x\\x1b\\x7f\nBaud: 19200\nERecep: "
                  "alarm@site.example\n"
                  "ESender: modem@site.example\nEmailInterval: 12\nMailServer: smtp.site.example\nXUser: mail-user\n"
                  "XPas: mail-pass\nOnTime: 06:00 07:30 09:00\nOffTime: 18:00 19:30 21:00\n");
        printed("check --json", {"check", "s.mrl", "--json"}, 0,
                "{\n    \"Command\": \"check\",\n    \"Faults\": [\n    ],\n    \"File\": \"s.mrl\",\n    \"Ok\": "
                "true\n}\n");
        // A script that asked for JSON gets JSON.
        printed("unknown option", {"read", "--json", "--bogus"}, 2,
                "{\n    \"Error\": \"Unknown option 'bogus'.\"\n}\n",
                "Unknown option 'bogus'.\nTry merolan-cli --help\n");
        QVERIFY(QFile::link("s.mrl", "link.mrl"));
        refused("no command", {"--demo"}, "No command given");
        refused("unknown command", {"frobnicate"}, "Unknown command frobnicate");
        refused("extra argument", {"--demo", "read", "x.mrl"}, "Unexpected argument x.mrl");
        refused("--remote lan", {"--demo", "--remote", "lan", "read"}, "--remote takes gsm or net");
        refused("--dry-run on read", {"--demo", "read", "--dry-run"}, "--dry-run belongs to the write command");
        refused("--verify, --dry-run", {"--demo", "write", "f.mrl", "--verify", "--dry-run"},
                "--verify reads back a write, and --dry-run writes nothing");
        refused("--set on read", {"--demo", "read", "--set"}, "--set belongs to the clock command");
        refused("empty --new", {"--demo", "password", "--new", ""}, "--new needs a password; --disable removes it");
        refused("--new and --disable", {"--demo", "password", "--new", "12", "--disable"},
                "password takes either --new NEW or --disable");
        refused("activate on two", {"--port", "a", "--port", "b", "activate", "1"},
                "activate switches on a device of one modem: give one --port");
        refused("two to one file", {"--port", "a", "--port", "b", "read", "--save", "x.mrl"},
                "Cannot save to x.mrl: reading several ports needs --save naming an existing folder");
#ifndef _WIN32
        refused("save through a link", {"--demo", "read", "--save", "link.mrl"},
                "Cannot save to link.mrl: link.mrl is a symbolic link, and a setup file is never written through one");
#endif
        refused("no file", {"show"}, "show needs a setup file");
        refused("no port", {"read"}, "Name the modem's port with --port, or use --demo");
        refused("baud", {"--baud", "57600", "--demo", "read"},
                "The baud rate must be one of 1200, 2400, 4800, 9600, 19200, 38400, 115200");
        refused("--password", {"--password", "ab12", "--demo", "read"}, "The password " + rule + "(suggested: \"12\")");
        refused("env password", {"--demo", "read"}, "The password in MEROLAN_PASSWORD " + rule + "(suggested: \"1\")",
                "x1");
        refused("--new", {"--demo", "password", "--new", "ab12"}, "The new password " + rule + "(suggested: \"12\")");
        refused("no choice", {"--demo", "password"}, "password takes either --new NEW or --disable");
        refused("--disable", {"--demo", "read", "--disable"}, "--new and --disable belong to the password command");
        refused("device 4", {"--demo", "activate", "4"}, "activate takes the device 1, 2 or 3");
        refused("two read", {"--demo", "--port", "/dev/a", "read"},
                "Reading several ports needs --json, or --save naming an existing folder");
        refused("save, no folder", {"--demo", "read", "--save", "/gone/x.mrl"},
                "Cannot save to /gone/x.mrl: the folder " + QFileInfo(u"/gone"_s).absoluteFilePath()
                    + " does not exist");
    }

    void frontDoor()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, env);
        QFETCH(int, exit);
        // An empty MEROLAN_PASSWORD gives no password.
        qputenv("MEROLAN_PASSWORD", env.toUtf8());
        const auto line = readCommandLine(QStringList{"merolan-cli"} + args);
        const Options *o = std::get_if<Options>(&line);
        std::optional<SetupRecord> record;
        const std::optional<Printed> p = o ? fileStep(*o, &record) : std::get<Printed>(line);
        QCOMPARE(p.has_value(), exit >= 0);
        if (!p) {
            QTEST(*o, "options");
            QCOMPARE(record.has_value(), !o->file.isEmpty());
            return;
        }
        QCOMPARE(p->exit, exit);
        QTEST(p->err, "err");
        QFETCH(QByteArray, out);
        QVERIFY2(exit == 0 ? p->out.startsWith(out) : p->out == out, p->out.constData());
    }

    // The commands on setup files alone. Each row starts from s.setup, the
    // sample as JSON under a name that tells no form, mode 0640, and from
    // e.json, the sample with role 9, logger 2 and a recipient that is no address: set
    // keeps the form and mode and writes all or nothing; check and write name
    // every fault, write before any port is opened.
    void fileCommands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QByteArray>("said");    // standard output, then standard error
        QTest::addColumn<QByteArray>("changed"); // the members of s.setup that differ after
        const auto row = [](const char *name, const QStringList &args, int exit, const QByteArray &said,
                            const QByteArray &changed = "{}") {
            QTest::newRow(name) << args << exit << said << changed;
        };
        const QByteArray role = "e.json: Operating role 9 is not valid: it must be 1, 2 or 3\n";
        const QByteArray logger = "e.json: Logger mode 2 is not valid: it must be 0 or 1\n";
        const QByteArray mail = "e.json: Email recipient is not valid\n";
        row("set",
            {"set", "s.setup", "Role=1", "HostPort=4002", "Baud=9600", "OnTime.2=07:45", "OffTime=18:00,19:30,21:15"},
            0, "s.setup: set Role, HostPort, Baud, OnTime.2, OffTime\n",
            R"({"Role":1,"HostPort":4002,"Baud":9600,"OnTime":["06:00","07:45","09:00"],)"
            R"("OffTime":["18:00","19:30","21:15"]})");
        row("set, bad baud", {"set", "s.setup", "APN=web", "Baud=5"}, 2,
            "s.setup: Baud 5 is not a rate of the Merolan: it must be 0 or one of 1200, 2400, 4800, 9600, 19200, "
            "38400, 115200\n");
        row("set, role 9", {"set", "s.setup", "Role=9"}, 2,
            "s.setup: Operating role 9 is not valid: it must be 1, 2 or 3\n");
        row("set, not a number", {"set", "s.setup", "Role=two"}, 2,
            "s.setup: Role must be a whole number from -32768 to 32767\n");
        row("set, unknown field", {"set", "s.setup", "OnTime.4=07:00"}, 2, "s.setup: Unknown field OnTime.4\n");
        row("convert", {"convert", "s.setup", "c.mrl"}, 0, "s.setup: converted to c.mrl\n");
        row("check 1.99", {"check", "e.json", "--firmware", "1.99"}, 2, role + mail);
        row("check 2.0", {"check", "e.json", "--firmware", "2.0"}, 2, logger + role + mail);
        row("check 2.99", {"check", "e.json", "--firmware", "2.99"}, 2, logger + role + mail);
        row("check 3.0", {"check", "e.json", "--firmware", "3.0"}, 2, role);
        // The logger and mail faults wait for the firmware the write's read finds.
        row("write", {"--demo", "write", "e.json", "--json"}, 2,
            "{\n    \"Command\": \"write\",\n    \"Error\": \"e.json: Operating role 9 is not valid: it must be 1, 2 "
            "or 3\",\n    \"Faults\": [\n        \"Operating role 9 is not valid: it must be 1, 2 or 3\"\n    ]\n}\n"
                + role);
    }

    void fileCommands()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, changed);
        SetupRecord faulty = sampleSetup();
        faulty.Role = 9;
        faulty.Logger = 2;
        faulty.ERecep = "alarm";
        QString error;
        QVERIFY(saveSetupFile("e.json", faulty, &error)
                && saveSetupFile("s.setup", sampleSetup(), &error, SetupForm::Json));
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions("s.setup", mode));
        const auto bytes = [] {
            QFile file("s.setup");
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = bytes();
        std::optional<SetupRecord> record;
        const auto p = fileStep(std::get<Options>(readCommandLine(QStringList{"merolan-cli"} + args)), &record);
        QVERIFY(p);
        QTEST(p->exit, "exit");
        QTEST(p->out + p->err.toUtf8(), "said");
        QJsonObject expected = QJsonDocument::fromJson(before).object();
        for (const auto &[name, value] : QJsonDocument::fromJson(changed).object().toVariantMap().asKeyValueRange())
            expected.insert(name, QJsonValue::fromVariant(value));
        QCOMPARE(QJsonDocument::fromJson(bytes()).object(), expected);
        // Nothing written at all when nothing changed.
        QVERIFY(changed != "{}" || bytes() == before);
#ifndef _WIN32
        QCOMPARE(QFile::permissions("s.setup") & 0x7077, mode);
#endif
    }

    // The commands on a modem merolan-cli logged in to: the exit status, the
    // result line, the text and entry of the port, and what went over the
    // wire. A read goes where asked, in a folder under its serial number ("/"
    // makes no folder of it); a save that fails after all goes to a new file
    // in the temporary folder.
    void commands_data()
    {
        QTest::addColumn<Options>("options");
        QTest::addColumn<QStringList>("errorOn"); // answered ERROR once logged in
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QByteArray>("text");      // the beginning of it for a read
        QTest::addColumn<QByteArray>("entryText"); // a read's identity and Setup left out
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QStringList>("silentOn"); // never answered once logged in ("": the search)
        const auto row = [](const char *name, const Options &o, int exit, const QString &summary,
                            const QByteArray &text, const QByteArray &entry, const QStringList &sent = {},
                            const QStringList &errorOn = {}, const QString &hint = {},
                            const QStringList &silentOn = {}) {
            QTest::newRow(name) << o << errorOn << exit << summary << hint << text << entry << sent << silentOn;
        };
        const QString d = m_dir.path();
        // In the system's own words.
        QFile gone(u"gone/site.mrl"_s);
        QVERIFY(!gone.open(QIODevice::WriteOnly));
        const QString noFolder = gone.errorString();
        const QByteArray behind =
            "ModemClock: 06-12-26,09:13:08\nComputerClock: 06-12-26,09:15:08\nDrift: -2 min 1 s\nDriftSeconds: -121\n";
        const QByteArray clock = R"("ModemClock": "06-12-26,09:13:08", "ComputerClock": "06-12-26,09:15:08", )"
                                 R"("Drift": "-2 min 1 s", "DriftSeconds": -121)";
        row("read", {.command = "read"}, 0, "Setup read finished.",
            "FirmwareVersion: 2.10\nSerialNumber: MRL/0012345\nDeviceCount: 3\nRole: ", "{}");
        row("saved by serial", {.command = "read", .save = "."}, 0, "Setup saved to ./MRL_0012345.mrl", "",
            R"({"SavedTo": "./MRL_0012345.mrl"})");
        row("rescued", {.command = "read", .save = "gone/site.mrl"}, 1,
            "Setup read, but not saved to gone/site.mrl (" + noFolder + "). It was saved to " + d
                + "/merolan-T-MRL_0012345-R.mrl instead.",
            "",
            R"({"SaveError": ")" + noFolder.toUtf8() + R"(", "SavedTo": ")" + d.toUtf8()
                + R"(/merolan-T-MRL_0012345-R.mrl"})");
        row("write", {.command = "write"}, 0, "Setup write finished successfully.",
            "Written: APN=fleet.apn\nWritten: GPRSPass=***\n",
            R"({"Written": ["APN=fleet.apn", "GPRSPass=***"], "Unconfirmed": [], "NotWritten": []})",
            {"#APN=fleet.apn", "#GPRSPass=DRY-S3CRET"});
        row("write refused", {.command = "write"}, 5, "Setup write failed. Command: APN=fleet.apn",
            "Not written: APN=fleet.apn\nNot written: GPRSPass=***\n",
            R"({"Written": [], "Unconfirmed": [], "NotWritten": ["APN=fleet.apn", "GPRSPass=***"]})",
            {"#APN=fleet.apn"}, {"APN"});
        row("write unanswered", {.command = "write"}, 6, "Setup write failed. No answer. Command: APN=fleet.apn",
            "Sent, not confirmed: APN=fleet.apn\nNot written: GPRSPass=***\n",
            R"({"Written": [], "Unconfirmed": ["APN=fleet.apn"], "NotWritten": ["GPRSPass=***"]})", {"#APN=fleet.apn"},
            {}, {}, {"APN"});
        row("cannot open", {.ports = {"ttyS9"}, .command = "clock"}, 1,
            "Cannot open COM port: The port ttyS9 does not exist. Check that the adapter is plugged in and that the "
            "port name is right.",
            "", "{}");
        row("password refused", {.password = "9999", .command = "clock"}, 4, "Password rejected", "", "{}");
        row("write --verify, GPRSPass? refused", {.command = "write", .verify = true}, 6,
            "Setup verify incomplete. Not confirmed: GPRSPass",
            "Written: APN=fleet.apn\nWritten: GPRSPass=***\nVerified: APN\nNot confirmed: GPRSPass\n",
            R"({"Written": ["APN=fleet.apn", "GPRSPass=***"], "Unconfirmed": [], "NotWritten": [], "Verified": )"
            R"(["APN"], "Mismatched": [], "NotVerifiable": [], "NotConfirmed": ["GPRSPass"]})",
            {"#APN=fleet.apn", "#GPRSPass=DRY-S3CRET"}, {"GPRSPass?"});
        row("dry run", {.command = "write", .dryRun = true}, 0,
            "Dry run: the write would send 2 setting lines; nothing was sent.",
            "Pending: APN=fleet.apn\nPending: GPRSPass=***\n", R"({"Pending": ["APN=fleet.apn", "GPRSPass=***"]})");
        row("clock", {.command = "clock"}, 0, "Setup read finished.", behind, "{" + clock + "}", {}, {},
            "The Merolan's clock is more than a minute off: clock --set sets it from this computer's.");
        row("clock --set", {.command = "clock", .setClock = true}, 0, "Time set successfully.",
            "ModemClock: 06-12-26,09:15:17\nComputerClock: 06-12-26,09:15:17\nDrift: 0 s\nDriftSeconds: 0\n",
            R"({"ClockSet": true, "ModemClock": "06-12-26,09:15:17", "ComputerClock": "06-12-26,09:15:17", )"
            R"("Drift": "0 s", "DriftSeconds": 0})",
            {"#TIME=06-12-26,09:15:17"});
        row("clock --set refused", {.command = "clock", .setClock = true}, 5, "Time set failed.", behind,
            "{" + clock + R"(, "ClockSet": false})", {"#TIME=06-12-26,09:15:17"}, {"TIME"});
        row("clock --set, not found", {.command = "clock", .setClock = true}, 3, "Merolan modem not found", behind,
            "{" + clock + R"(, "ClockSet": false})", {}, {}, {}, {""});
        row("new password", {.command = "password", .newPassword = "5678"}, 0, "Password Enabled successfully.",
            "Password: Enabled\n", R"({"Password": "Enabled"})", {"#PASSWORD=4321,5678"});
        row("new password refused", {.command = "password", .newPassword = "5678"}, 5, "Password set failed.", "", "{}",
            {"#PASSWORD=4321,5678"}, {"PASSWORD"});
        row("activate", {.command = "activate", .yes = true, .device = 2}, 0,
            "Device 2 switched on: the Merolan runs its schedule from the Device 2 OFF time.", "", "{}", {"#P2ON"});
        row("activate, No", {.command = "activate", .device = 2}, 1,
            "Device 2 not switched on: the question was answered No (--yes answers Yes).", "", "{}");
    }

    void commands()
    {
        QFETCH(Options, options);
        QFETCH(QStringList, errorOn);
        QFETCH(QString, summary);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, entryText);
        QJsonObject entry = QJsonDocument::fromJson(entryText).object();
        // Its password 4321, its clock two minutes behind, and a "/" in its
        // serial number.
        ModemRig rig;
        rig.sim.config().password = QStringLiteral("4321");
        rig.sim.config().serialNumber = QStringLiteral("MRL/0012345");
        rig.sim.config().clock = QStringLiteral("06-12-26,09:13:00");
        rig.session.Password = options.password.isEmpty() ? QStringLiteral("4321") : options.password;
        if (options.command == QLatin1String("activate"))
            rig.prompt.answerQuestion(options.yes);
        const ConnectResult connected = Connect(rig.session, options.ports.value(0, "ttyS0"), QStringLiteral("9600"));
        const qsizetype from = rig.sim.receivedLines().size();
        for (const QString &command : errorOn)
            rig.sim.config().faults << SimModem::Fault{SimModem::Fault::Error, command};
        QFETCH(QStringList, silentOn);
        for (const QString &command : silentOn)
            rig.sim.config().faults << SimModem::Fault{SimModem::Fault::Silence, command};
        // The modem's own setup but two settings.
        SetupRecord edit = rig.session.ModemSetup;
        edit.APN = QStringLiteral("fleet.apn");
        edit.GPRSPass = QStringLiteral("DRY-S3CRET");
        PortResult r;
        const Done done = connected == ConnectResult::Ready ? runCommand(rig.session, options, edit, r)
                                                            : connectFailed(rig.session, connected);
        endPort(r, QStringLiteral("ttyS0"), done);

        QTEST(r.exit, "exit");
        // The time and the random part of a rescue's name.
        const QRegularExpression unguessable(QStringLiteral("merolan-\\d{8}-\\d{6}-(\\w+)-[A-Za-z0-9]{6}\\.mrl"));
        const auto settled = [&](const QString &s) { return QString(s).replace(unguessable, "merolan-T-\\1-R.mrl"); };
        QCOMPARE(settled(r.summary), summary);
        QTEST(done.hint, "hint");
        QVERIFY2(options.command == QLatin1String("read") ? r.text.startsWith(text) : r.text == text,
                 r.text.constData());
        const QString savedTo = r.object.value(QStringLiteral("SavedTo")).toString();
#ifndef _WIN32
        if (!savedTo.isEmpty())
            QCOMPARE(QFile::permissions(savedTo) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
#endif
        r.object.remove(QStringLiteral("Setup"));
        if (options.command == QLatin1String("read")) {
            entry.insert(QStringLiteral("FirmwareVersion"), QStringLiteral("2.10"));
            entry.insert(QStringLiteral("SerialNumber"), QStringLiteral("MRL/0012345"));
            entry.insert(QStringLiteral("DeviceCount"), 3);
        }
        entry.insert(QStringLiteral("Port"), QStringLiteral("ttyS0"));
        entry.insert(QStringLiteral("Ok"), r.exit == 0);
        entry.insert(QStringLiteral("Result"), summary);
        QCOMPARE(QJsonDocument::fromJson(settled(QJsonDocument(r.object).toJson()).toUtf8()).object(), entry);
        QTEST(rig.sim.receivedLines().mid(from).filter(QRegularExpression(QStringLiteral("^#\\w+(=|ON$)"))), "sent");
        QCOMPARE(rig.prompt.unexpected(), QStringList{});
    }

    // An interrupt's result line tells what became of the modem: whether it
    // was handed back, how far the connect came (none: not started), whether
    // the password was asked.
    void interrupted()
    {
        const QString back = "Interrupted: the modem was handed back to automatic operation.";
        const QString before = "Interrupted before the modem took commands (Status).";
        using enum ConnectResult;
        const std::tuple<bool, std::optional<ConnectResult>, bool, QString> rows[] = {
            {true, Ready, false, back}, // during a read
            {true, ReadFailed, true, back},
            {false, NotFound, false,
             "Interrupted while searching: the modem was told to return to automatic operation."},
            {false, NotFound, true, before}, // at the password
            {false, Ready, false, before},   // a device switched on
            {false, std::nullopt, false, before}};
        for (const auto &[handedBack, result, passwordAsked, summary] : rows)
            QCOMPARE(interruptedSummary(handedBack, result, passwordAsked, "Status"), summary);
    }

    // All ports' texts, with a result line each when there are several and
    // every line after its port, and one exit status: an interrupt outweighs
    // a failure, whichever came first; ports that failed alike give their
    // status, a mix 1.
    void runOutput()
    {
        const std::tuple<QList<int>, int, QByteArray> rows[] = {
            {{1}, 1, "text 0\n"},
            {{130, 0, 1}, 130, "/dev/0: text 0\n/dev/0: 130\n/dev/1: text 1\n/dev/1: 0\n/dev/2: text 2\n/dev/2: 1\n"},
            {{4, 0, 4}, 4, "/dev/0: text 0\n/dev/0: 4\n/dev/1: text 1\n/dev/1: 0\n/dev/2: text 2\n/dev/2: 4\n"},
            {{5, 6}, 1, "/dev/0: text 0\n/dev/0: 5\n/dev/1: text 1\n/dev/1: 6\n"}};
        for (const auto &[exits, exit, out] : rows) {
            Options o{.command = "clock"};
            std::vector<PortResult> results;
            for (const int e : exits) {
                o.ports << "/dev/" + QString::number(o.ports.size());
                results.push_back({.text = "text " + QByteArray::number(results.size()) + "\n"});
                endPort(results.back(), o.ports.last(), Done(e, QString::number(e)));
            }
            const Printed p = ::runOutput(o, results);
            QCOMPARE(p.exit, exit);
            QCOMPARE(p.out, out);
        }
    }

    // A serial number names one plain file in the folder, on every system.
    void safeFileNames()
    {
        const std::pair<QString, QString> rows[] = {
            {"MRL/0012345", "MRL_0012345"},
            {"a:b*c?d", "a_b_c_d"},
            {"v2.1-x_y.", "v2.1-x_y_"},
            {"\\\t\u00e9", "___"},
            {".hidden", "_hidden"},
            {"..", "unknown"},
            {"", "unknown"},
#ifdef _WIN32
            {"CON", "_CON"},
            {"com1.x", "_com1.x"},
#endif
        };
        for (const auto &[serial, name] : rows)
            QCOMPARE(safeFileName(serial), name);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
