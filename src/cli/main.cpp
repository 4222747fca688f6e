// merolan-cli: reads, writes and shows Merolan setups, sets the modem's clock
// and password and switches on its devices without a window, for scripts and
// for programming many modems at once.

#include "cliprompt.h"
#include "clock.h"
#include "connection.h"
#include "modemclock.h"
#include "options.h"
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

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, BadUse = 2, Interrupted = 130 };

void printOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString &text)
{
    writeError(text + QLatin1Char('\n'));
}

// A value as a terminal may show it: a control character from a file would
// move the cursor or draw a line of its own, so it is written \xNN, and a
// backslash \\ so that no value reads like an escape.
QString shownValue(const QString &value)
{
    QString shown;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            shown += QLatin1String("\\\\");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

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
            text = shownValue(value.toString());
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
    const QString serial = QString(s.SerialNumber).replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString path = QFileInfo(target).isDir() ? QDir(target).filePath(serial + QStringLiteral(".mrl")) : target;
    QString error;
    if (saveSetupFile(path, s.EditSetup, &error)) {
        r.object.insert(QStringLiteral("SavedTo"), path);
        return QStringLiteral("Setup saved to ") + path;
    }
    r.exit = Failed;
    r.object.insert(QStringLiteral("SaveError"), error);
    // A new name nobody can guess, made here: no file or link laid in wait
    // in the shared folder can take the passwords.
    QTemporaryFile made(QDir(QDir::tempPath())
                            .filePath(QStringLiteral("merolan-%1-%2-XXXXXX.mrl")
                                          .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"), serial)));
    made.setAutoRemove(false);
    QString rescueError;
    bool rescued = false;
    if (made.open()) {
        made.close();
        rescued = saveSetupFile(made.fileName(), s.EditSetup, &rescueError);
        if (!rescued)
            QFile::remove(made.fileName());
    } else {
        rescueError = made.errorString();
    }
    const QString rescue = made.fileName().isEmpty() ? made.fileTemplate() : made.fileName();
    if (rescued) {
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

// The lines the write would send, shown and not sent. The checks still run:
// they decide whether the write would start at all.
Done dryRun(Session &s, const Options &o, PortResult &r)
{
    const QStringList pending = ShownPendingLines(s, o.all);
    r.object.insert(QStringLiteral("Pending"), QJsonArray::fromStringList(pending));
    for (const QString &line : pending)
        r.text += (QStringLiteral("Pending: ") + line + QLatin1Char('\n')).toLocal8Bit();
    if (ValidateSetup(s))
        return {Failed, QStringLiteral("Dry run: the write would not start, it did not pass the checks")};
    // A write of everything judges every line it sends, not only the changes.
    if (const QString problem = unsendableSetting(PendingLines(s, true), s.EditSetup); o.all && !problem.isEmpty()) {
        s.prompt.message(problem);
        return {Failed, QStringLiteral("Dry run: the write would not start, it did not pass the checks")};
    }
    if (pending.isEmpty())
        return {Ok, QStringLiteral("Dry run: no changes to write; nothing was sent.")};
    return {
        Ok,
        pending.size() == 1
            ? QStringLiteral("Dry run: the write would send 1 setting line; nothing was sent.")
            : QStringLiteral("Dry run: the write would send %1 setting lines; nothing was sent.").arg(pending.size())};
}

Done writeCommand(Session &s, const Options &o, const SetupRecord &toWrite, PortResult &r)
{
    s.EditSetup = toWrite;
    if (o.dryRun)
        return dryRun(s, o, r);
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
        // A set that fails leaves the clock the connect read standing; after
        // one that took, only the read-back counts.
        const CommandOutcome outcome = SetClock(s);
        set = outcome == CommandOutcome::Confirmed;
        r.object.insert(QStringLiteral("ClockSet"), set);
        if (outcome == CommandOutcome::Unconfirmed)
            r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("TIME")});
    }
    if (!s.ModemClock.isEmpty())
        addResult(r, QStringLiteral("ModemClock"), s.ModemClock);
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
    const CommandOutcome outcome = SetPassword(s, o.newPassword);
    if (outcome == CommandOutcome::Unconfirmed)
        r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("PASSWORD=***")});
    if (outcome != CommandOutcome::Confirmed)
        return {Failed, s.state.status()};
    addResult(r, QStringLiteral("Password"), s.PasswordTag);
    return {Ok, s.state.status()};
}

Done activateCommand(Session &s, const Options &o, PortResult &r)
{
    switch (ActivateDevice(s, o.device)) {
    case ActivationResult::Activated:
        return {Ok, QStringLiteral("Device %1 switched on: the Merolan runs its schedule from the Device %1 OFF time.")
                        .arg(o.device)};
    case ActivationResult::Declined:
        return {Failed, QStringLiteral("Device %1 not switched on: the question was answered No (--yes answers Yes).")
                            .arg(o.device)};
    case ActivationResult::Unconfirmed:
        r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("P%1ON").arg(o.device)});
        break;
    case ActivationResult::Refused: break;
    }
    return {Failed, s.state.status()};
}

// One modem from connect to hand-back, with its own link and session: several
// run side by side, each in its own thread.
PortResult runPort(const Options &o, int slot, const std::optional<SetupRecord> &toWrite, bool several)
{
    const QString &port = o.ports.at(slot);
    RealClock clock;
    QtSerialLink link(clock);
    RecordingView view;
    CliPrompt prompt(several ? QStringLiteral("[%1] ").arg(port) : QString(), o.yes, !several && stdinIsTerminal());
    Session s(link, view, prompt);
    s.ConnectionKind = o.connectionKind;
    s.showPassword(o.password);
    QObject::connect(&s.state, &OperationState::statusChanged, [&prompt](const QString &text) { prompt.say(text); });
    // An interrupt reaches the operation as its STOP button: a signal handler
    // may not touch the session, so the session looks at the flag while it waits.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&s, &link, slot] {
        setHandBackPort(slot, link.nativeHandle());
        if (interrupted())
            s.state.AbortRequested = true;
    });
    watch.start(50);

    PortResult r;
    const auto finish = [&](int exit, const QString &summary) {
        const bool handedBack = link.PortOpen();
        if (handedBack) {
            HandBack(s);
            setHandBackPort(slot, -1);
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
        typed && s.Password.isEmpty() && s.PasswordTag == QLatin1String("Enabled"))
        s.showPassword(*typed);

    const Done done = [&] {
        if (o.command == QLatin1String("read"))
            return readCommand(s, o, r);
        if (o.command == QLatin1String("write"))
            return writeCommand(s, o, *toWrite, r);
        if (o.command == QLatin1String("clock"))
            return clockCommand(s, o, prompt, r);
        if (o.command == QLatin1String("password"))
            return passwordCommand(s, o, r);
        return activateCommand(s, o, r);
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

    // Values no modem may get are refused before any modem is touched; check
    // judges the file as a write of all of it would (the logger and e-mail
    // lines included, as for firmware 2.x).
    if (fileRecord && o.command != QLatin1String("show")) {
        constexpr double kEveryLineFirmware = 2.5;
        QString problem = setupFileProblem(*fileRecord);
        if (problem.isEmpty() && o.command == QLatin1String("check"))
            problem =
                unsendableSetting(settingLines(*fileRecord, SetupRecord{}, true, kEveryLineFirmware), *fileRecord);
        if (!problem.isEmpty()) {
            error = o.file + QStringLiteral(": ") + problem;
            printErr(error);
            if (o.json)
                printOut(jsonDocument({{QStringLiteral("Command"), o.command}, {QStringLiteral("Error"), error}}));
            return BadUse;
        }
    }
    if (o.command == QLatin1String("check")) {
        printOut(o.json ? jsonDocument({{QStringLiteral("Command"), o.command},
                                        {QStringLiteral("File"), o.file},
                                        {QStringLiteral("Ok"), true}})
                        : (o.file + QStringLiteral(": passes the checks\n")).toLocal8Bit());
        return Ok;
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
        results[0] = runPort(o, 0, fileRecord, false);
    } else {
        // The threads share only what nobody changes while they run: a
        // non-const QList index could detach the list under another thread's feet.
        const Options &shared = o;
        QList<QThread *> threads;
        for (qsizetype i = 0; i < o.ports.size(); ++i) {
            PortResult *result = &results[size_t(i)];
            threads << QThread::create(
                [&shared, &fileRecord, result, i] { *result = runPort(shared, int(i), fileRecord, true); });
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
