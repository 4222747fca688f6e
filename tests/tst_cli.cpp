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
        QVERIFY(saveSetupFile("sample.mrl", sampleSetup(), &error));
        SetupRecord shown = sampleSetup();
        shown.SMSNum = QStringLiteral("+30\r\n#AUTO\\x\x1b\x7f");
        shown.APN = QStringLiteral("caf\u00e9.net");
        QVERIFY(saveSetupFile("f.mrl", shown, &error));
        shown.HostPort = 65536;
        QVERIFY(saveSetupFile("port.mrl", shown, &error));
        run("write", {"--port", "a", "--port", "b", "--password", "12", "write", "f.mrl", "--all", "--dry-run"},
            {.ports = {"a", "b"}, .password = "12", .command = "write", .file = "f.mrl", .all = true, .dryRun = true});
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
                  "GPRSPass: gprs-pass\nSMSNum: +30\\x0d\\x0a#AUTO\\\\x\\x1b\\x7f\nBaud: 5\nERecep: "
                  "alarm@site.example\n"
                  "ESender: modem@site.example\nEmailInterval: 12\nMailServer: smtp.site.example\nXUser: mail-user\n"
                  "XPas: mail-pass\nOnTime: 06:00 07:30 09:00\nOffTime: 18:00 19:30 21:00\n");
        printed("check --json", {"check", "sample.mrl", "--json"}, 0,
                "{\n    \"Command\": \"check\",\n    \"File\": \"sample.mrl\",\n    \"Ok\": true\n}\n");
        // A script that asked for JSON gets JSON.
        printed("unknown option", {"read", "--json", "--bogus"}, 2,
                "{\n    \"Error\": \"Unknown option 'bogus'.\"\n}\n",
                "Unknown option 'bogus'.\nTry merolan-cli --help\n");
        printed(
            "port 65536", {"--demo", "write", "port.mrl", "--json"}, 2,
            "{\n    \"Command\": \"write\",\n    \"Error\": \"port.mrl: Server port 65536 is not valid: it must be 0 "
            "to 65535\"\n}\n",
            "port.mrl: Server port 65536 is not valid: it must be 0 to 65535\n");
        QVERIFY(QFile::link("sample.mrl", "link.mrl"));
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
        const auto row = [](const char *name, const Options &o, int exit, const QString &summary,
                            const QByteArray &text, const QByteArray &entry, const QStringList &sent = {},
                            const QStringList &errorOn = {}, const QString &hint = {}) {
            QTest::newRow(name) << o << errorOn << exit << summary << hint << text << entry << sent;
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
        row("write refused", {.command = "write"}, 1, "Setup write failed. Command: APN=fleet.apn",
            "Not written: APN=fleet.apn\nNot written: GPRSPass=***\n",
            R"({"Written": [], "Unconfirmed": [], "NotWritten": ["APN=fleet.apn", "GPRSPass=***"]})",
            {"#APN=fleet.apn"}, {"APN"});
        row("write --verify, GPRSPass? refused", {.command = "write", .verify = true}, 1,
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
        row("clock --set refused", {.command = "clock", .setClock = true}, 1, "Time set failed.", behind,
            "{" + clock + R"(, "ClockSet": false})", {"#TIME=06-12-26,09:15:17"}, {"TIME"});
        row("new password", {.command = "password", .newPassword = "5678"}, 0, "Password Enabled successfully.",
            "Password: Enabled\n", R"({"Password": "Enabled"})", {"#PASSWORD=4321,5678"});
        row("new password refused", {.command = "password", .newPassword = "5678"}, 1, "Password set failed.", "", "{}",
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
        rig.session.Password = QStringLiteral("4321");
        if (options.command == QLatin1String("activate"))
            rig.prompt.answerQuestion(options.yes);
        QCOMPARE(Connect(rig.session, QStringLiteral("ttyS0"), QStringLiteral("9600")), ConnectResult::Ready);
        const qsizetype from = rig.sim.receivedLines().size();
        for (const QString &command : errorOn)
            rig.sim.config().faults << SimModem::Fault{SimModem::Fault::Error, command};
        // The modem's own setup but two settings.
        SetupRecord edit = rig.session.ModemSetup;
        edit.APN = QStringLiteral("fleet.apn");
        edit.GPRSPass = QStringLiteral("DRY-S3CRET");
        PortResult r;
        const Done done = runCommand(rig.session, options, edit, r);
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

    // All ports' texts, with a result line each when there are several, and
    // one exit status: an interrupt outweighs a failure, whichever came first.
    void runOutput()
    {
        const std::tuple<QList<int>, int, QByteArray> rows[] = {
            {{1}, 1, "text 0\n"}, {{130, 0, 1}, 130, "text 0\n/dev/0: 130\ntext 1\n/dev/1: 0\ntext 2\n/dev/2: 1\n"}};
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
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
