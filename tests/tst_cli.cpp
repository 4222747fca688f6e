#include "commands.h"
#include "connection.h"
#include "modemrig.h"
#include "samplesetup.h"
#include "setupfile.h"

#include <QtTest>

Q_DECLARE_METATYPE(Options)

namespace {

// A modem on virtual time, its clock two minutes behind, that merolan-cli
// logs in to with the password given on its command line.
struct CliRig : ModemRig
{
    explicit CliRig(const QString &password)
    {
        sim.config().password = password;
        sim.config().clock = QStringLiteral("06-12-26,09:13:00");
        session.Password = QStringLiteral("4321");
    }
    // Connects as merolan-cli does, then runs the command, a write with the
    // modem's own setup but two settings; errorOn applies from then on.
    PortResult run(const Options &o, const QStringList &errorOn = {})
    {
        PortResult r;
        if (Connect(session, QStringLiteral("ttyS0"), QStringLiteral("9600")) != ConnectResult::Ready)
            qWarning("not connected: %s", qPrintable(session.state.status()));
        from = sim.receivedLines().size();
        for (const QString &command : errorOn)
            sim.config().faults << SimModem::Fault{SimModem::Fault::Error, command};
        SetupRecord edit = session.ModemSetup;
        edit.APN = QStringLiteral("fleet.apn");
        edit.GPRSPass = QStringLiteral("DRY-S3CRET");
        done = runCommand(session, o, edit, r);
        endPort(r, QStringLiteral("ttyS0"), done);
        return r;
    }
    // What the command sent after the connect: settings and switch-ons.
    QStringList sent() const
    {
        return sim.receivedLines().mid(from).filter(QRegularExpression(QStringLiteral("^#\\w+(=|ON$)")));
    }
    qsizetype from = 0;
    Done done;
};

} // namespace

// The command line, the output and the commands of merolan-cli, run
// in-process; tst_cli_process runs the program itself.
class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("7.8.9")); }

    // Arguments and MEROLAN_PASSWORD to options, or to what is printed
    // instead; every option lands in its own field.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("env");
        QTest::addColumn<Options>("options");
        QTest::addColumn<int>("exit"); // -1: run with options
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("out");
        const auto run = [](const char *name, const QStringList &args, const Options &o, const QString &env = {}) {
            QTest::newRow(name) << args << env << o << -1 << QString() << QByteArray();
        };
        const auto refused = [](const char *name, const QStringList &args, const QString &err,
                                const QString &env = {}) {
            QTest::newRow(name) << args << env << Options{} << 2 << err + "\nTry merolan-cli --help\n" << QByteArray();
        };
        const QString dir = m_dir.path();
        const QString rule = "may have up to 8 characters, each a digit, a capital letter or one of [ \\ ] ^ ";
        QVERIFY(QFile::link(dir + "/none.mrl", dir + "/link.mrl"));
        run("write",
            {"--port", "/dev/a", "--port", "/dev/b", "--baud", "19200", "--password", "12", "--remote", "net", "write",
             "f.mrl", "--all", "--yes"},
            {.ports = {"/dev/a", "/dev/b"},
             .baud = "19200",
             .password = "12",
             .connectionKind = 2,
             .command = "write",
             .file = "f.mrl",
             .all = true,
             .yes = true});
        run("dry run", {"--port", "/dev/a", "write", "g.mrl", "--dry-run", "--json", "--all"},
            {.ports = {"/dev/a"}, .command = "write", .file = "g.mrl", .json = true, .all = true, .dryRun = true});
        run("clock", {"--demo", "--remote", "gsm", "clock", "--set", "--json"},
            {.connectionKind = 1, .demo = true, .command = "clock", .json = true, .setClock = true});
        run("read", {"--demo", "read", "--password", "77"}, {.password = "77", .demo = true, .command = "read"}, "55");
        run("read --save", {"--port", "/dev/c", "read", "--save", dir},
            {.ports = {"/dev/c"}, .password = "4321", .command = "read", .save = dir}, "4321");
        run("password", {"--port", "/dev/c", "password", "--new", "5678"},
            {.ports = {"/dev/c"}, .password = "4321", .command = "password", .newPassword = "5678"}, "4321");
        run("activate", {"--port", "/dev/c", "activate", "3"},
            {.ports = {"/dev/c"}, .command = "activate", .device = 3});
        QTest::newRow("--help") << QStringList{"-h"} << QString() << Options{} << 0 << QString()
                                << QByteArray("Usage: ");
        QTest::newRow("--version") << QStringList{"--version"} << QString() << Options{} << 0 << QString()
                                   << QByteArray("merolan-cli 7.8.9\n");
        // A script that asked for JSON gets JSON.
        QTest::newRow("unknown option") << QStringList{"read", "--json", "--bogus"} << QString() << Options{} << 2
                                        << "Unknown option 'bogus'.\nTry merolan-cli --help\n"
                                        << QByteArray("{\n    \"Error\": \"Unknown option 'bogus'.\"\n}\n");
        refused("unknown command", {"frobnicate"}, "Unknown command frobnicate");
        refused("no command", {"--demo"}, "No command given");
        refused("extra argument", {"--demo", "read", "x"}, "Unexpected argument x");
        refused("no file", {"show"}, "show needs a setup file");
        refused("no port", {"read"}, "Name the modem's port with --port, or use --demo");
        refused("baud", {"--baud", "57600", "--demo", "read"},
                "The baud rate must be one of 1200, 2400, 4800, 9600, 19200, 38400, 115200");
        refused("remote", {"--remote", "lan", "--demo", "read"}, "--remote takes gsm or net");
        refused("--password", {"--password", "ab12", "--demo", "read"}, "The password " + rule + "(suggested: \"12\")");
        refused("env password", {"--demo", "read"}, "The password in MEROLAN_PASSWORD " + rule + "(suggested: \"1\")",
                "x1");
        refused("--new", {"--demo", "password", "--new", "ab12"}, "The new password " + rule + "(suggested: \"12\")");
        refused("empty --new", {"--demo", "password", "--new", ""}, "--new needs a password; --disable removes it");
        refused("no choice", {"--demo", "password"}, "password takes either --new NEW or --disable");
        refused("both choices", {"--demo", "password", "--new", "1", "--disable"},
                "password takes either --new NEW or --disable");
        refused("--disable", {"--demo", "read", "--disable"}, "--new and --disable belong to the password command");
        refused("--dry-run", {"--demo", "read", "--dry-run"}, "--dry-run belongs to the write command");
        refused("--set", {"--demo", "read", "--set"}, "--set belongs to the clock command");
        refused("device 4", {"--demo", "activate", "4"}, "activate takes the device 1, 2 or 3");
        refused("two to activate", {"--demo", "--port", "/dev/a", "activate", "2"},
                "activate switches on a device of one modem: give one --port");
        refused("two read", {"--demo", "--port", "/dev/a", "read"},
                "Reading several ports needs --json, or --save naming an existing folder");
        refused("save, no folder", {"--demo", "read", "--save", dir + "/gone/x.mrl"},
                "Cannot save to " + dir + "/gone/x.mrl: the folder " + dir + "/gone does not exist");
        refused("save to a link", {"--demo", "read", "--save", dir + "/link.mrl"},
                "Cannot save to " + dir + "/link.mrl: " + dir
                    + "/link.mrl is a symbolic link, and a setup file is never written through one");
        refused("two saved to a file", {"--demo", "--port", "/dev/a", "read", "--save", dir + "/x.mrl"},
                "Cannot save to " + dir + "/x.mrl: reading several ports needs --save naming an existing folder");
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, env);
        QFETCH(int, exit);
        if (env.isEmpty())
            qunsetenv("MEROLAN_PASSWORD");
        else
            qputenv("MEROLAN_PASSWORD", env.toUtf8());
        const auto line = readCommandLine(QStringList{"merolan-cli"} + args);
        if (exit < 0) {
            QVERIFY(std::holds_alternative<Options>(line));
            QTEST(std::get<Options>(line), "options");
            return;
        }
        QVERIFY(std::holds_alternative<Printed>(line));
        const Printed &p = std::get<Printed>(line);
        QCOMPARE(p.exit, exit);
        QTEST(p.err, "err");
        QFETCH(QByteArray, out);
        QVERIFY2(exit == 0 ? p.out.startsWith(out) : p.out == out, p.out.constData());
    }

    // The commands on a logged-in modem: the exit status, the result line,
    // the text and entry of the port, and what went over the wire.
    void commands_data()
    {
        QTest::addColumn<Options>("options");
        QTest::addColumn<QString>("modemPassword");
        QTest::addColumn<QStringList>("errorOn");
        QTest::addColumn<int>("answer"); // to the question: -1 none asked, 0 No, 1 Yes
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QByteArray>("text");   // the beginning of it for a read
        QTest::addColumn<QJsonObject>("entry"); // its Setup left out
        QTest::addColumn<QStringList>("sent");
        const auto row = [](const char *name, const Options &o, int exit, const QString &summary,
                            const QByteArray &text, const QJsonObject &entry, const QStringList &sent = {},
                            const QString &modemPassword = "4321", const QStringList &errorOn = {}, int answer = -1,
                            const QString &hint = {}) {
            QTest::newRow(name) << o << modemPassword << errorOn << answer << exit << summary << hint << text << entry
                                << sent;
        };
        const QByteArray behind =
            "ModemClock: 06-12-26,09:13:08\nComputerClock: 06-12-26,09:15:08\nDrift: -2 min 1 s\nDriftSeconds: -121\n";
        const QJsonObject clockEntry{{"ModemClock", "06-12-26,09:13:08"},
                                     {"ComputerClock", "06-12-26,09:15:08"},
                                     {"Drift", "-2 min 1 s"},
                                     {"DriftSeconds", -121}};
        QJsonObject notSet = clockEntry;
        notSet.insert("ClockSet", false);
        row("read", {.command = "read"}, 0, "Setup read finished.",
            "FirmwareVersion: 2.10\nSerialNumber: MRL0012345\nDeviceCount: 3\nRole: ",
            {{"FirmwareVersion", "2.10"}, {"SerialNumber", "MRL0012345"}, {"DeviceCount", 3}});
        row("write", {.command = "write"}, 0, "Setup write finished successfully.",
            "Written: APN=fleet.apn\nWritten: GPRSPass=***\n",
            {{"Written", QJsonArray{"APN=fleet.apn", "GPRSPass=***"}},
             {"Unconfirmed", QJsonArray{}},
             {"NotWritten", QJsonArray{}}},
            {"#APN=fleet.apn", "#GPRSPass=DRY-S3CRET"});
        row("write refused", {.command = "write"}, 1, "Setup write failed. Command: APN=fleet.apn",
            "Not written: APN=fleet.apn\nNot written: GPRSPass=***\n",
            {{"Written", QJsonArray{}},
             {"Unconfirmed", QJsonArray{}},
             {"NotWritten", QJsonArray{"APN=fleet.apn", "GPRSPass=***"}}},
            {"#APN=fleet.apn"}, "4321", {"APN"});
        row("dry run", {.command = "write", .dryRun = true}, 0,
            "Dry run: the write would send 2 setting lines; nothing was sent.",
            "Pending: APN=fleet.apn\nPending: GPRSPass=***\n",
            {{"Pending", QJsonArray{"APN=fleet.apn", "GPRSPass=***"}}});
        row("clock", {.command = "clock"}, 0, "Setup read finished.", behind, clockEntry, {}, "4321", {}, -1,
            "The Merolan's clock is more than a minute off: clock --set sets it from this computer's.");
        row("clock --set", {.command = "clock", .setClock = true}, 0, "Time set successfully.",
            "ModemClock: 06-12-26,09:15:17\nComputerClock: 06-12-26,09:15:17\nDrift: 0 s\nDriftSeconds: 0\n",
            {{"ClockSet", true},
             {"ModemClock", "06-12-26,09:15:17"},
             {"ComputerClock", "06-12-26,09:15:17"},
             {"Drift", "0 s"},
             {"DriftSeconds", 0}},
            {"#TIME=06-12-26,09:15:17"});
        row("clock --set refused", {.command = "clock", .setClock = true}, 1, "Time set failed.", behind, notSet,
            {"#TIME=06-12-26,09:15:17"}, "4321", {"TIME"});
        row("new password", {.command = "password", .newPassword = "5678"}, 0, "Password Enabled successfully.",
            "Password: Enabled\n", {{"Password", "Enabled"}}, {"#PASSWORD=4321,5678"});
        row("new password refused", {.command = "password", .newPassword = "5678"}, 1, "Password set failed.", "", {},
            {"#PASSWORD=,5678"}, "", {"PASSWORD"});
        row("disabled already", {.command = "password"}, 0, "Password is disabled already.", "Password: Disabled\n",
            {{"Password", "Disabled"}}, {}, "");
        row("activate", {.command = "activate", .device = 2}, 0,
            "Device 2 switched on: the Merolan runs its schedule from the Device 2 OFF time.", "", {}, {"#P2ON"},
            "4321", {}, 1);
        row("activate, No", {.command = "activate", .device = 2}, 1,
            "Device 2 not switched on: the question was answered No (--yes answers Yes).", "", {}, {}, "4321", {}, 0);
    }

    void commands()
    {
        QFETCH(Options, options);
        QFETCH(QString, modemPassword);
        QFETCH(QStringList, errorOn);
        QFETCH(int, answer);
        QFETCH(int, exit);
        QFETCH(QString, summary);
        QFETCH(QByteArray, text);
        QFETCH(QJsonObject, entry);
        CliRig rig(modemPassword);
        if (answer >= 0)
            rig.prompt.answerQuestion(answer == 1);
        PortResult r = rig.run(options, errorOn);

        QCOMPARE(r.exit, exit);
        QCOMPARE(r.summary, summary);
        QTEST(rig.done.hint, "hint");
        QVERIFY2(options.command == QLatin1String("read") ? r.text.startsWith(text) : r.text == text,
                 r.text.constData());
        r.object.remove(QStringLiteral("Setup"));
        entry.insert(QStringLiteral("Port"), QStringLiteral("ttyS0"));
        entry.insert(QStringLiteral("Ok"), exit == 0);
        entry.insert(QStringLiteral("Result"), summary);
        QCOMPARE(r.object, entry);
        QTEST(rig.sent(), "sent");
        QCOMPARE(rig.prompt.unexpected(), QStringList{});
    }

    // A read goes where asked, in a folder under its serial number ("/" makes
    // no folder of it); a save that fails after all goes to a new file in the
    // temporary folder, or, failing that too, to standard output only.
    void readIsSaved_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("tmp");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("savedTo");
        const QString d = m_dir.path();
        QVERIFY(QDir().mkpath(d + "/rescue"));
        QFile plain(d + "/plain");
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QTest::newRow("by serial") << "MRL/0001" << d << d << 0 << "Setup saved to " + d + "/MRL_0001.mrl"
                                   << d + "/MRL_0001.mrl";
        QTest::newRow("rescued") << "MRL0000007" << d + "/gone/site.mrl" << d + "/rescue" << 1
                                 << "Setup read, but not saved to " + d
                                        + "/gone/site.mrl (No such file or directory). It was saved to " + d
                                        + "/rescue/merolan-T-MRL0000007-R.mrl instead."
                                 << d + "/rescue/merolan-T-MRL0000007-R.mrl";
        QTest::newRow("kept") << "MRL0000008" << d + "/gone/site.mrl" << d + "/plain" << 1
                              << "Setup read, but not saved to " + d
                                     + "/gone/site.mrl (No such file or directory), nor to " + d
                                     + "/plain/merolan-T-MRL0000008-R.mrl (Not a directory). It is on standard output."
                              << QString();
    }

    void readIsSaved()
    {
        QFETCH(QString, serial);
        QFETCH(QString, target);
        QFETCH(QString, tmp);
        const QByteArray tmpWas = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp.toUtf8());
        CliRig rig(QStringLiteral("4321"));
        rig.sim.config().serialNumber = serial;
        PortResult r = rig.run({.command = "read", .save = target});
        qputenv("TMPDIR", tmpWas);

        const QString savedTo = r.object.value(QStringLiteral("SavedTo")).toString();
        // The time and the random part of a rescue's name.
        const QRegularExpression unguessable(QStringLiteral("merolan-\\d{8}-\\d{6}-(\\w+)-[A-Za-z0-9]{6}\\.mrl"));
        QTEST(r.exit, "exit");
        QTEST(QString(r.summary).replace(unguessable, QStringLiteral("merolan-T-\\1-R.mrl")), "summary");
        QTEST(QString(savedTo).replace(unguessable, QStringLiteral("merolan-T-\\1-R.mrl")), "savedTo");
        if (!savedTo.isEmpty())
            QCOMPARE(QFile::permissions(savedTo) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A setup file before any modem: shown (no control character reaches the
    // terminal), checked, or refused with its fault.
    void setupFiles_data()
    {
        QTest::addColumn<Options>("options");
        QTest::addColumn<int>("exit"); // -1: on to the modems
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        const QString f = m_dir.filePath(QStringLiteral("shown.mrl"));
        QString error;
        QVERIFY(saveSetupFile(f + "1", sampleSetup(), &error));
        SetupRecord shown = sampleSetup();
        shown.SMSNum = QStringLiteral("+30\r\n#AUTO\\x\x1b\x7f");
        shown.APN = QStringLiteral("caf\u00e9.net");
        QVERIFY(saveSetupFile(f, shown, &error));
        shown.HostPort = 65536;
        QVERIFY(saveSetupFile(f + "2", shown, &error));
        QTest::newRow("show")
            << Options{.command = "show", .file = f} << 0
            << QByteArray("Role: 2\nLogger: 1\nHostIP: 10.1.2.3\nHostPort: 4001\nAPN: caf\xc3\xa9.net\n"
                          "GPRSID: gprs-user\nGPRSPass: gprs-pass\nSMSNum: +30\\x0d\\x0a#AUTO\\\\x\\x1b\\x7f\n"
                          "Baud: 5\nERecep: alarm@site.example\nESender: modem@site.example\n"
                          "EmailInterval: 12\nMailServer: smtp.site.example\nXUser: mail-user\n"
                          "XPas: mail-pass\nOnTime: 06:00 07:30 09:00\nOffTime: 18:00 19:30 21:00\n")
            << QString();
        QTest::newRow("check") << Options{.command = "check", .file = f + "1"} << 0
                               << (f + "1: passes the checks\n").toUtf8() << QString();
        QTest::newRow("check --json") << Options{.command = "check", .file = f + "1", .json = true} << 0
                                      << "{\n    \"Command\": \"check\",\n    \"File\": \"" + f.toUtf8()
                                             + "1\",\n    \"Ok\": true\n}\n"
                                      << QString();
        QTest::newRow("write") << Options{.command = "write", .file = f} << -1 << QByteArray() << QString();
        QTest::newRow("port 65536") << Options{.command = "write", .file = f + "2", .json = true} << 2
                                    << "{\n    \"Command\": \"write\",\n    \"Error\": \"" + f.toUtf8()
                                           + "2: Server port 65536 is not valid: it must be 0 to 65535\"\n}\n"
                                    << f + "2: Server port 65536 is not valid: it must be 0 to 65535\n";
        QTest::newRow("not a file") << Options{.command = "show", .file = "/dev/zero"} << 2 << QByteArray()
                                    << "/dev/zero: It is not a regular file (a folder, a device or a pipe)\n";
    }

    void setupFiles()
    {
        QFETCH(Options, options);
        QFETCH(int, exit);
        std::optional<SetupRecord> record;
        const std::optional<Printed> p = fileStep(options, &record);
        QCOMPARE(p.has_value(), exit >= 0);
        QVERIFY(p || record);
        if (!p)
            return;
        QCOMPARE(p->exit, exit);
        QTEST(p->out, "out");
        QTEST(p->err, "err");
    }

    // An interrupt's result line tells what became of the modem.
    void interrupted_data()
    {
        QTest::addColumn<bool>("handedBack");
        QTest::addColumn<int>("connect"); // -1: not started
        QTest::addColumn<bool>("passwordAsked");
        QTest::addColumn<QString>("summary");
        const QString back = "Interrupted: the modem was handed back to automatic operation.";
        const QString before = "Interrupted before the modem took commands (Status).";
        QTest::newRow("during a read") << true << int(ConnectResult::Ready) << false << back;
        QTest::newRow("read failed") << true << int(ConnectResult::ReadFailed) << true << back;
        QTest::newRow("searching") << false << int(ConnectResult::NotFound) << false
                                   << "Interrupted while searching: the modem was told to return to automatic "
                                      "operation.";
        QTest::newRow("at the password") << false << int(ConnectResult::NotFound) << true << before;
        QTest::newRow("device switched on") << false << int(ConnectResult::Ready) << false << before;
        QTest::newRow("port not opened") << false << int(ConnectResult::CannotOpen) << false << before;
        QTest::newRow("before the connect") << false << -1 << false << before;
    }

    void interrupted()
    {
        QFETCH(int, connect);
        const auto result = connect < 0 ? std::nullopt : std::optional(ConnectResult(connect));
        QFETCH(bool, handedBack);
        QFETCH(bool, passwordAsked);
        QTEST(interruptedSummary(handedBack, result, passwordAsked, "Status"), "summary");
    }

    // All ports' results: one exit status (an interrupt outweighs a
    // failure), their texts with a result line each, or one document.
    void runOutput_data()
    {
        QTest::addColumn<QList<int>>("exits");
        QTest::addColumn<bool>("json");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("one") << QList<int>{0} << false << 0 << QByteArray("text a\n");
        QTest::newRow("failed") << QList<int>{0, 1} << false << 1
                                << QByteArray("text a\n/dev/a: line a\ntext b\n/dev/b: line b\n");
        QTest::newRow("interrupted") << QList<int>{130, 1} << false << 130
                                     << QByteArray("text a\n/dev/a: line a\ntext b\n/dev/b: line b\n");
        QTest::newRow("json") << QList<int>{1, 130} << true << 130
                              << QByteArray(R"({"Command": "clock", "Interrupted": true, "Modems": [
                                  {"Port": "/dev/a", "Ok": false, "Result": "line a"},
                                  {"Port": "/dev/b", "Ok": false, "Result": "line b"}]})");
    }

    void runOutput()
    {
        QFETCH(QList<int>, exits);
        QFETCH(QByteArray, out);
        QFETCH(bool, json);
        Options o{.command = "clock", .json = json};
        std::vector<PortResult> results;
        for (const char *port : {"a", "b"}) {
            if (results.size() == size_t(exits.size()))
                break;
            o.ports << QStringLiteral("/dev/") + QLatin1String(port);
            results.push_back({.text = "text " + QByteArray(port) + "\n"});
            endPort(results.back(), o.ports.last(),
                    Done(exits.at(o.ports.size() - 1), "line " + QString::fromLatin1(port)));
        }
        const Printed p = ::runOutput(o, results);
        QTEST(p.exit, "exit");
        if (o.json)
            QCOMPARE(QJsonDocument::fromJson(p.out), QJsonDocument::fromJson(out));
        else
            QCOMPARE(p.out, out);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
