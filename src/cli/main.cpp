// merolan-cli: reads, writes and shows Merolan setups, sets the modem's clock
// and password and switches on its devices without a window, for scripts and
// for programming many modems at once.

#include "cliprompt.h"
#include "clock.h"
#include "connection.h"
#include "modemclock.h"
#include "modemrules.h"
#include "passwordclock.h"
#include "qtseriallink.h"
#include "recordingview.h"
#include "session.h"
#include "settinglines.h"
#include "setupfile.h"
#include "setupjson.h"
#include "terminal.h"
#include "writesetup.h"

#include "ptymodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, BadUse = 2, Interrupted = 130 };

const QString kPasswordVariable = QStringLiteral("MEROLAN_PASSWORD");

struct Options
{
    QStringList ports;
    QString baud = QStringLiteral("9600");
    QString password;
    qint16 connectionKind = 0;
    bool demo = false;
    QString command;
    QString file;
    QString save;
    bool json = false;
    bool all = false;
    bool yes = false;
    bool setClock = false;
    QString newPassword; // empty with --disable
    int device = 0;      // of activate
};

void printOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

QString passwordProblem(const QString &password)
{
    // The modem's password rule: anything else would go on the wire as
    // something other than what was typed.
    const QString allowed = FilterPassword(password);
    if (allowed == password)
        return {};
    return QStringLiteral("may have up to 8 characters, each a digit, a capital letter or one of [ \\ ] ^ "
                          "(suggested: \"%1\")")
        .arg(allowed);
}

// Why the setup of a read cannot be saved at target, checked before the
// connect so that nobody waits for a read that has nowhere to go.
QString saveTargetProblem(const QString &target, bool severalPorts)
{
    const QFileInfo info(target);
    if (info.isDir())
        return info.isWritable() ? QString() : QStringLiteral("the folder %1 is not writable").arg(target);
    if (severalPorts)
        return QStringLiteral("reading several ports needs --save naming an existing folder");
    if (info.exists()) {
        if (!info.isFile())
            return QStringLiteral("%1 is not a regular file").arg(target);
        return info.isWritable() ? QString() : QStringLiteral("%1 is not writable").arg(target);
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    return folder.isWritable() ? QString() : QStringLiteral("the folder %1 is not writable").arg(folder.filePath());
}

class Parser
{
public:
    Parser()
    {
        m_parser.setApplicationDescription(QStringLiteral(
            "Reads, writes and shows Merolan setups, sets the modem's clock and password and\n"
            "switches on its devices, without a window.\n\n"
            "Commands:\n"
            "  read         the modem's identity and whole setup (--save keeps it in a file)\n"
            "  write FILE   the setup file to the modem: the settings that differ (all with --all)\n"
            "  show FILE    a setup file\n"
            "  clock        the modem's clock beside the computer's (--set sets it from the computer's)\n"
            "  password     a new password for the modem (--new), or none (--disable)\n"
            "  activate N   switches on device N (1 to 3) and hands the modem back: it runs\n"
            "               its schedule from the device's OFF time (asks: --yes)"));
        m_parser.addOptions({
            {QStringLiteral("port"),
             QStringLiteral("Serial device of the modem; several for write, clock and password, and for read "
                            "with --json or with --save naming a folder."),
             QStringLiteral("device")},
            {QStringLiteral("baud"), QStringLiteral("Baud rate: %1 (default 9600).").arg(baudRateTexts().join(u", ")),
             QStringLiteral("rate")},
            {QStringLiteral("password"),
             QStringLiteral("The modem's password (visible to other users in the process list: prefer %1, or "
                            "type it when asked).")
                 .arg(kPasswordVariable),
             QStringLiteral("text")},
            {QStringLiteral("remote"), QStringLiteral("The modem is reached through a GSM data call or a network."),
             QStringLiteral("gsm|net")},
            {QStringLiteral("demo"), QStringLiteral("Use the built-in simulated modem.")},
            {QStringLiteral("save"),
             QStringLiteral("read: save the setup to a file, or into a folder by serial number."),
             QStringLiteral("file|folder")},
            {QStringLiteral("json"), QStringLiteral("Standard output holds one JSON document.")},
            {QStringLiteral("all"), QStringLiteral("write: every setting, not only those that differ.")},
            {QStringLiteral("set"), QStringLiteral("clock: set the modem's clock to the computer's local time.")},
            {QStringLiteral("new"),
             QStringLiteral("password: the new password, by the rule of --password (visible in the process list "
                            "too)."),
             QStringLiteral("text")},
            {QStringLiteral("disable"), QStringLiteral("password: the modem asks for no password any more.")},
            {QStringLiteral("yes"),
             QStringLiteral("Answer Yes to the questions of the checks and of activate (else No).")},
        });
        m_parser.addHelpOption();
        m_parser.addVersionOption();
        m_parser.addPositionalArgument(QStringLiteral("command"),
                                       QStringLiteral("read, write, show, clock, password or activate."),
                                       QStringLiteral("read|write|show|clock|password|activate"));
        m_parser.addPositionalArgument(QStringLiteral("file"),
                                       QStringLiteral("The setup file of write and show; the device of activate."),
                                       QStringLiteral("[FILE|N]"));
    }

    QString helpText() const
    {
        return m_parser.helpText()
               + QStringLiteral("\nEnvironment:\n"
                                "  %1  the modem's password when --password is not given. With neither, a\n"
                                "                    modem that asks for a password is answered from the terminal.\n"
                                "\nExit status: 0 done; 1 modem not found, password rejected, a command refused or\n"
                                "the work stopped; 2 bad arguments or a bad setup file; 130 interrupted (Ctrl-C,\n"
                                "SIGTERM), with the modem handed back.\n")
                     .arg(kPasswordVariable);
    }

    enum class Outcome { Run, Help, Version, Error };

    Outcome parse(const QStringList &arguments, Options *o, QString *error)
    {
        if (!m_parser.parse(arguments)) {
            *error = m_parser.errorText();
            return Outcome::Error;
        }
        if (m_parser.isSet(QStringLiteral("help")))
            return Outcome::Help;
        if (m_parser.isSet(QStringLiteral("version")))
            return Outcome::Version;

        o->ports = m_parser.values(QStringLiteral("port"));
        o->demo = m_parser.isSet(QStringLiteral("demo"));
        o->save = m_parser.value(QStringLiteral("save"));
        o->json = m_parser.isSet(QStringLiteral("json"));
        o->all = m_parser.isSet(QStringLiteral("all"));
        o->yes = m_parser.isSet(QStringLiteral("yes"));
        o->setClock = m_parser.isSet(QStringLiteral("set"));
        const QStringList positional = m_parser.positionalArguments();
        o->command = positional.value(0);
        const bool read = o->command == QLatin1String("read");
        const bool password = o->command == QLatin1String("password");
        const bool activate = o->command == QLatin1String("activate");
        const bool takesFile = o->command == QLatin1String("write") || o->command == QLatin1String("show");
        if (takesFile)
            o->file = positional.value(1);

        if (m_parser.isSet(QStringLiteral("baud"))) {
            o->baud = m_parser.value(QStringLiteral("baud"));
            if (!baudRateTexts().contains(o->baud))
                return fail(error, QStringLiteral("The baud rate must be one of ") + baudRateTexts().join(u", "));
        }
        if (m_parser.isSet(QStringLiteral("password"))) {
            o->password = m_parser.value(QStringLiteral("password"));
            if (const QString problem = passwordProblem(o->password); !problem.isEmpty())
                return fail(error, QStringLiteral("The password ") + problem);
        } else if (qEnvironmentVariableIsSet(kPasswordVariable.toLatin1().constData())) {
            o->password = qEnvironmentVariable(kPasswordVariable.toLatin1().constData());
            if (const QString problem = passwordProblem(o->password); !problem.isEmpty())
                return fail(error, QStringLiteral("The password in %1 ").arg(kPasswordVariable) + problem);
        }
        if (m_parser.isSet(QStringLiteral("remote"))) {
            const QString remote = m_parser.value(QStringLiteral("remote"));
            if (remote == QLatin1String("gsm"))
                o->connectionKind = 1;
            else if (remote == QLatin1String("net"))
                o->connectionKind = 2;
            else
                return fail(error, QStringLiteral("--remote takes gsm or net"));
        }

        if (!read && !password && !activate && !takesFile && o->command != QLatin1String("clock"))
            return fail(error, o->command.isEmpty() ? QStringLiteral("No command given")
                                                    : QStringLiteral("Unknown command ") + o->command);
        if (positional.size() > (takesFile || activate ? 2 : 1))
            return fail(error, QStringLiteral("Unexpected argument ") + positional.last());
        if (takesFile && o->file.isEmpty())
            return fail(error, o->command + QStringLiteral(" needs a setup file"));
        if (o->setClock && o->command != QLatin1String("clock"))
            return fail(error, QStringLiteral("--set belongs to the clock command"));
        const bool newGiven = m_parser.isSet(QStringLiteral("new"));
        const bool disable = m_parser.isSet(QStringLiteral("disable"));
        if ((newGiven || disable) && !password)
            return fail(error, QStringLiteral("--new and --disable belong to the password command"));
        if (password && newGiven == disable)
            return fail(error, QStringLiteral("password takes either --new NEW or --disable"));
        if (newGiven) {
            o->newPassword = m_parser.value(QStringLiteral("new"));
            // An empty one would remove the password: that is what --disable says.
            if (o->newPassword.isEmpty())
                return fail(error, QStringLiteral("--new needs a password; --disable removes it"));
            if (const QString problem = passwordProblem(o->newPassword); !problem.isEmpty())
                return fail(error, QStringLiteral("The new password ") + problem);
        }
        if (activate) {
            const QString device = positional.value(1);
            if (device != QLatin1String("1") && device != QLatin1String("2") && device != QLatin1String("3"))
                return fail(error, QStringLiteral("activate takes the device 1, 2 or 3"));
            o->device = device.toInt();
        }
        if (o->command != QLatin1String("show") && o->ports.isEmpty() && !o->demo)
            return fail(error, QStringLiteral("Name the modem's port with --port, or use --demo"));
        // Several setups read at once go to one folder or one JSON document.
        const bool severalPorts = o->ports.size() + (o->demo ? 1 : 0) > 1;
        // Switching a device on is a decision about one site's modem, never a batch.
        if (activate && severalPorts)
            return fail(error, QStringLiteral("activate switches on a device of one modem: give one --port"));
        if (read && severalPorts && o->save.isEmpty() && !o->json)
            return fail(error,
                        QStringLiteral("Reading several ports needs --json, or --save naming an existing folder"));
        if (read && !o->save.isEmpty()) {
            if (const QString problem = saveTargetProblem(o->save, severalPorts); !problem.isEmpty())
                return fail(error, QStringLiteral("Cannot save to %1: %2").arg(o->save, problem));
        }
        return Outcome::Run;
    }

private:
    static Outcome fail(QString *error, const QString &text)
    {
        *error = text;
        return Outcome::Error;
    }

    QCommandLineParser m_parser;
};

QByteArray setupText(const SetupRecord &record)
{
    QString out;
    for (const auto &[name, value] : setupFields(record)) {
        QString text;
        if (value.isArray()) {
            QStringList items;
            for (const auto &v : value.toArray())
                items << v.toString();
            text = items.join(QLatin1Char(' '));
        } else if (value.isString()) {
            text = value.toString();
        } else {
            text = QString::number(value.toInteger());
        }
        out += name + QStringLiteral(": ") + text + QLatin1Char('\n');
    }
    return out.toLocal8Bit();
}

struct PortResult
{
    int exit = Failed;
    QString summary;    // the one result line of this port
    QByteArray text;    // what goes to standard output without --json
    QJsonObject object; // this port's entry in the JSON document
};

// Saves a read where asked, or, when that fails after all, where it can go:
// a read is never thrown away. Returns the result line.
QString saveRead(const Session &s, const QString &target, PortResult &r)
{
    const QString fileName =
        QString(s.SerialNumber).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".mrl");
    const QString path = QFileInfo(target).isDir() ? QDir(target).filePath(fileName) : target;
    QString error;
    if (saveSetupFile(path, s.EditSetup, &error)) {
        r.object.insert(QStringLiteral("SavedTo"), path);
        return QStringLiteral("Setup saved to ") + path;
    }
    r.exit = Failed;
    r.object.insert(QStringLiteral("SaveError"), error);
    const QString rescue = QDir(QDir::tempPath())
                               .filePath(QStringLiteral("merolan-%1-%2")
                                             .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"), fileName));
    QString rescueError;
    if (saveSetupFile(rescue, s.EditSetup, &rescueError)) {
        r.object.insert(QStringLiteral("SavedTo"), rescue);
        return QStringLiteral("Setup read, but not saved to %1 (%2). It was saved to %3 instead.")
            .arg(path, error, rescue);
    }
    return QStringLiteral("Setup read, but not saved to %1 (%2), nor to %3 (%4). It is on standard output.")
        .arg(path, error, rescue, rescueError);
}

QJsonArray shownLines(const QStringList &lines)
{
    QJsonArray shown;
    for (const QString &line : lines)
        shown.append(maskedSettingLine(line));
    return shown;
}

// Which settings a write left where: what a technician must know after a
// write that stopped half-way.
void reportWrite(const WriteOutcome &w, PortResult &r)
{
    const QList<std::pair<QString, const QStringList *>> groups{
        {QStringLiteral("Written"), &w.accepted},
        {QStringLiteral("Unconfirmed"), &w.unconfirmed},
        {QStringLiteral("NotWritten"), &w.notWritten},
    };
    const QStringList headings{QStringLiteral("Written: "), QStringLiteral("Sent, not confirmed: "),
                               QStringLiteral("Not written: ")};
    QString text;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        r.object.insert(groups[i].first, shownLines(*groups[i].second));
        for (const QString &line : *groups[i].second)
            text += headings[i] + maskedSettingLine(line) + QLatin1Char('\n');
    }
    r.text += text.toLocal8Bit();
}

// How a command ended on one port: its exit status and result line.
struct Done
{
    int exit;
    QString summary;
};

// Adds a result both ways: a "Key: value" line and the entry's field.
void addResult(PortResult &r, const QString &key, const QJsonValue &value)
{
    r.object.insert(key, value);
    const QString text = value.isString() ? value.toString() : QString::number(value.toInteger());
    r.text += (key + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit();
}

Done readCommand(Session &s, const Options &o, PortResult &r)
{
    r.object.insert(QStringLiteral("FirmwareVersion"), s.FirmwareVersion);
    r.object.insert(QStringLiteral("SerialNumber"), s.SerialNumber);
    r.object.insert(QStringLiteral("DeviceCount"), s.DeviceCount);
    r.object.insert(QStringLiteral("Setup"), setupToJson(s.EditSetup));
    r.text = (QStringLiteral("FirmwareVersion: ") + s.FirmwareVersion + QStringLiteral("\nSerialNumber: ")
              + s.SerialNumber + QStringLiteral("\nDeviceCount: ") + QString::number(s.DeviceCount) + QLatin1Char('\n'))
                 .toLocal8Bit()
             + setupText(s.EditSetup);
    r.exit = Ok;
    // A failed save turns the exit status to Failed.
    const QString summary = o.save.isEmpty() ? s.state.status() : saveRead(s, o.save, r);
    return {r.exit, summary};
}

Done writeCommand(Session &s, const Options &o, const SetupRecord &toWrite, PortResult &r)
{
    s.EditSetup = toWrite;
    if (ValidateSetup(s))
        return {Failed, QStringLiteral("Setup not written: it did not pass the checks")};
    const bool written = WriteChanges(s, o.all);
    reportWrite(s.LastWrite, r);
    return {written ? Ok : Failed, s.state.status()};
}

// The modem's clock as the connect read it (or as read back after --set),
// and the computer's clock and the drift when the modem's answer arrived.
Done clockCommand(Session &s, const Options &o, CliPrompt &prompt, PortResult &r)
{
    bool set = false;
    if (o.setClock) {
        // After a set, the clock the connect read is history: only a read-back counts.
        s.view.setCaption(SetupView::Item::lblClock, QString());
        s.ClockDrift.reset();
        set = SetClock(s);
        r.object.insert(QStringLiteral("ClockSet"), set);
    }
    if (const QString modem = s.view.caption(SetupView::Item::lblClock); !modem.isEmpty())
        addResult(r, QStringLiteral("ModemClock"), modem);
    addResult(r, QStringLiteral("ComputerClock"),
              modemClockText(s.ClockReadAt.isValid() ? s.ClockReadAt : s.Comm.clock().wallTime()));
    if (s.ClockDrift) {
        addResult(r, QStringLiteral("Drift"), driftText(*s.ClockDrift));
        addResult(r, QStringLiteral("DriftSeconds"), *s.ClockDrift);
        if (!o.setClock && driftWantsSet(*s.ClockDrift))
            prompt.say(QStringLiteral("The Merolan's clock is more than a minute off: clock --set sets it from this "
                                      "computer's."));
    }
    return {o.setClock && !set ? Failed : Ok, s.state.status()};
}

Done passwordCommand(Session &s, const Options &o, PortResult &r)
{
    if (!SetPassword(s, o.newPassword))
        return {Failed, s.state.status()};
    addResult(r, QStringLiteral("Password"), s.PasswordTag);
    return {Ok, s.state.status()};
}

Done activateCommand(Session &s, const Options &o)
{
    switch (ActivateDevice(s, o.device)) {
    case ActivationResult::Activated:
        return {Ok, QStringLiteral("Device %1 switched on: the Merolan runs its schedule from the Device %1 OFF time.")
                        .arg(o.device)};
    case ActivationResult::Declined:
        return {Failed, QStringLiteral("Device %1 not switched on: the question was answered No (--yes answers Yes).")
                            .arg(o.device)};
    case ActivationResult::Refused:
    case ActivationResult::Failed: break;
    }
    return {Failed, s.state.status()};
}

// One modem from connect to hand-back, with its own link and session: several
// run side by side, each in its own thread.
PortResult runPort(const Options &o, const QString &port, const std::optional<SetupRecord> &toWrite, bool several)
{
    RealClock clock;
    QtSerialLink link(clock);
    RecordingView view;
    CliPrompt prompt(several ? QStringLiteral("[%1] ").arg(port) : QString(), o.yes, !several && stdinIsTerminal());
    Session s(link, view, prompt);
    s.ConnectionKind = o.connectionKind;
    view.setCaption(SetupView::Item::txtPWD, o.password);
    QObject::connect(&s.state, &OperationState::statusChanged, [&prompt](const QString &text) { prompt.say(text); });
    // An interrupt reaches the operation as its STOP button: a signal handler
    // may not touch the session, so the session looks at the flag while it waits.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&s] {
        if (interrupted())
            s.state.AbortRequested = true;
    });
    watch.start(50);

    PortResult r;
    const auto finish = [&](int exit, const QString &summary) {
        const bool handedBack = link.PortOpen();
        if (handedBack) {
            HandBack(s);
            link.setPortOpen(false);
        }
        r.exit = exit;
        r.summary = summary;
        if (interrupted()) {
            r.exit = Interrupted;
            if (handedBack)
                r.summary = QStringLiteral("Interrupted: the modem was handed back to automatic operation.");
            else if (s.state.status() == QLatin1String("Merolan modem not found"))
                r.summary = QStringLiteral("Interrupted while searching: the modem was told to return to automatic "
                                           "operation.");
            else
                r.summary = QStringLiteral("Interrupted before the modem took commands (%1).").arg(s.state.status());
        }
        // The operations said their own status texts already.
        if (r.summary != s.state.status())
            prompt.say(r.summary);
        r.object.insert(QStringLiteral("Port"), port);
        r.object.insert(QStringLiteral("Ok"), r.exit == Ok);
        r.object.insert(QStringLiteral("Result"), r.summary);
        return r;
    };

    if (interrupted())
        return finish(Interrupted, {});
    if (Connect(s, port, o.baud) != ConnectResult::Ready || interrupted())
        return finish(Failed, s.state.status());
    // A password typed when the modem asked is the known one from now on,
    // as if it had been given.
    if (const std::optional<QString> typed = prompt.typedSecret();
        typed && view.caption(SetupView::Item::txtPWD).isEmpty() && s.PasswordTag == QLatin1String("Enabled"))
        view.setCaption(SetupView::Item::txtPWD, *typed);

    const Done done = [&] {
        if (o.command == QLatin1String("read"))
            return readCommand(s, o, r);
        if (o.command == QLatin1String("write"))
            return writeCommand(s, o, *toWrite, r);
        if (o.command == QLatin1String("clock"))
            return clockCommand(s, o, prompt, r);
        if (o.command == QLatin1String("password"))
            return passwordCommand(s, o, r);
        return activateCommand(s, o);
    }();
    return finish(done.exit, done.summary);
}

QByteArray jsonDocument(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merolan-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEROLAN_VERSION));

    Options o;
    QString error;
    Parser parser;
    const QStringList arguments = QCoreApplication::arguments();
    switch (parser.parse(arguments, &o, &error)) {
    case Parser::Outcome::Help: printOut(parser.helpText().toLocal8Bit()); return Ok;
    case Parser::Outcome::Version:
        printOut(QStringLiteral("merolan-cli %1\n").arg(QCoreApplication::applicationVersion()).toLocal8Bit());
        return Ok;
    case Parser::Outcome::Error:
        printErr(error);
        printErr(QStringLiteral("Try merolan-cli --help"));
        // A script that asked for JSON gets JSON, whatever went wrong.
        if (arguments.contains(QStringLiteral("--json")))
            printOut(jsonDocument({{QStringLiteral("Error"), error}}));
        return BadUse;
    case Parser::Outcome::Run: break;
    }
    installInterruptHandlers();

    std::optional<SetupRecord> fileRecord;
    if (!o.file.isEmpty()) {
        fileRecord = loadSetupFile(o.file, &error);
        if (!fileRecord) {
            error = o.file + QStringLiteral(": ") + error;
            printErr(error);
            if (o.json)
                printOut(jsonDocument({{QStringLiteral("Command"), o.command}, {QStringLiteral("Error"), error}}));
            return BadUse;
        }
    }

    if (o.command == QLatin1String("show")) {
        printOut(o.json ? jsonDocument({{QStringLiteral("Command"), o.command},
                                        {QStringLiteral("File"), o.file},
                                        {QStringLiteral("Setup"), setupToJson(*fileRecord)}})
                        : setupText(*fileRecord));
        return Ok;
    }

    std::unique_ptr<PtyModemThread> demo;
    if (o.demo) {
        demo = std::make_unique<PtyModemThread>();
        if (!o.password.isEmpty())
            demo->config().password = o.password;
        if (!demo->start()) {
            printErr(QStringLiteral("Cannot start the demo modem: ") + demo->errorString());
            return Failed;
        }
        o.ports << demo->devicePath();
    }

    const bool several = o.ports.size() > 1;
    std::vector<PortResult> results(size_t(o.ports.size()));
    if (!several) {
        results[0] = runPort(o, o.ports.first(), fileRecord, false);
    } else {
        // The threads share only what nobody changes while they run: a
        // non-const QList index could detach the list under another thread's feet.
        const Options &shared = o;
        QList<QThread *> threads;
        for (qsizetype i = 0; i < o.ports.size(); ++i) {
            PortResult *result = &results[size_t(i)];
            const QString port = o.ports.at(i);
            threads << QThread::create(
                [&shared, &fileRecord, result, port] { *result = runPort(shared, port, fileRecord, true); });
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            thread->wait();
            delete thread;
        }
    }

    int exit = Ok;
    QJsonArray modems;
    for (qsizetype i = 0; i < o.ports.size(); ++i) {
        const PortResult &r = results[size_t(i)];
        if (r.exit == Interrupted || exit == Interrupted)
            exit = Interrupted;
        else if (r.exit != Ok)
            exit = Failed;
        modems.append(r.object);
        if (!o.json) {
            printOut(r.text);
            if (several)
                printOut((o.ports.at(i) + QStringLiteral(": ") + r.summary + QLatin1Char('\n')).toLocal8Bit());
        }
    }
    if (o.json)
        printOut(jsonDocument({{QStringLiteral("Command"), o.command},
                               {QStringLiteral("Interrupted"), exit == Interrupted},
                               {QStringLiteral("Modems"), modems}}));
    return exit;
}
