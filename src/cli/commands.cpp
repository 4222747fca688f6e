#include "commands.h"

#include "clock.h"
#include "connection.h"
#include "modemclock.h"
#include "passwordclock.h"
#include "seriallink.h"
#include "session.h"
#include "settinglines.h"
#include "setupfile.h"
#include "setupjson.h"
#include "userprompt.h"
#include "verifywrite.h"
#include "writesetup.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryFile>

namespace {

// Saves a read where asked, or, when that fails after all, where it can go:
// a read is never thrown away.
Done saveRead(const Session &s, const QString &target, PortResult &r)
{
    const QString serial = safeFileName(s.SerialNumber);
    const QString path = QFileInfo(target).isDir() ? QDir(target).filePath(serial + QStringLiteral(".mrl")) : target;
    QString error;
    if (saveSetupFile(path, s.EditSetup, &error)) {
        r.object.insert(QStringLiteral("SavedTo"), path);
        return {Exit::Ok, QStringLiteral("Setup saved to ") + path};
    }
    r.object.insert(QStringLiteral("SaveError"), error);
    // A new name nobody can guess, made here: no file or link laid in wait
    // in the shared folder can take the passwords.
    QTemporaryFile made(QDir(QDir::tempPath())
                            .filePath(QStringLiteral("merolan-%1-%2-XXXXXX.mrl")
                                          .arg(QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"), serial)));
    made.setAutoRemove(false);
    QString rescueError;
    bool rescued = false;
    // Written through the descriptor that made it, which is its owner's
    // alone: nothing can come between, and Windows refuses to replace a file
    // made so by another open.
    if (made.open()) {
        const QByteArray bytes = encodeSetup(s.EditSetup, &rescueError);
        rescued = !bytes.isEmpty() && made.write(bytes) == bytes.size() && made.flush();
        if (!rescued && rescueError.isEmpty())
            rescueError = made.errorString();
        made.close();
        if (!rescued)
            made.remove();
    } else {
        rescueError = made.errorString();
    }
    const QString rescue = made.fileName().isEmpty() ? made.fileTemplate() : made.fileName();
    if (rescued) {
        r.object.insert(QStringLiteral("SavedTo"), rescue);
        return {Exit::Failed, QStringLiteral("Setup read, but not saved to %1 (%2). It was saved to %3 instead.")
                                  .arg(path, error, rescue)};
    }
    return {Exit::Failed,
            QStringLiteral("Setup read, but not saved to %1 (%2), nor to %3 (%4). It is on standard output.")
                .arg(path, error, rescue, rescueError)};
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

// What the modem reported back of each setting written.
void reportVerify(const VerifyOutcome &v, PortResult &r)
{
    QString text;
    QJsonArray mismatched;
    for (const QString &key : v.verified)
        text += QStringLiteral("Verified: ") + key + QLatin1Char('\n');
    for (const VerifyOutcome::Mismatch &m : v.mismatched) {
        text += QStringLiteral("Mismatch: ") + m.text() + QLatin1Char('\n');
        mismatched.append(QJsonObject{{QStringLiteral("Key"), m.key},
                                      {QStringLiteral("Sent"), m.sent},
                                      {QStringLiteral("Reported"), m.reported}});
    }
    for (const QString &key : v.notVerifiable)
        text += QStringLiteral("Not verifiable: ") + key + QLatin1Char('\n');
    for (const QString &key : v.notConfirmed)
        text += QStringLiteral("Not confirmed: ") + key + QLatin1Char('\n');
    r.object.insert(QStringLiteral("Verified"), QJsonArray::fromStringList(v.verified));
    r.object.insert(QStringLiteral("Mismatched"), mismatched);
    r.object.insert(QStringLiteral("NotVerifiable"), QJsonArray::fromStringList(v.notVerifiable));
    r.object.insert(QStringLiteral("NotConfirmed"), QJsonArray::fromStringList(v.notConfirmed));
    r.text += text.toLocal8Bit();
}

// Adds a result both ways: a "Key: value" line and the entry's field.
void addResult(PortResult &r, const QString &key, const QJsonValue &value)
{
    r.object.insert(key, value);
    const QString text = value.isString() ? value.toString() : QString::number(value.toInteger());
    r.text += (key + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit();
}

// The status line the operation set and said: the command's result.
Done statusDone(const Session &s, int exit)
{
    return {exit, s.state.status(), true};
}

int outcomeExit(const Session &s, CommandOutcome outcome)
{
    switch (outcome) {
    case CommandOutcome::Confirmed: return Exit::Ok;
    case CommandOutcome::Refused: return Exit::Refused;
    case CommandOutcome::Unconfirmed: return Exit::Unconfirmed;
    case CommandOutcome::NotSent: break;
    }
    return loginExit(s);
}

// A line without an answer outweighs a refused one: after it, nobody knows
// what the modem holds. A write that stopped before a line was answered
// (the checks, an interrupt) is neither.
int writeExit(const Session &s, bool written)
{
    if (written)
        return Exit::Ok;
    if (!s.LastWrite.unconfirmed.isEmpty())
        return Exit::Unconfirmed;
    return !s.LastWrite.notWritten.isEmpty() && !s.state.AbortRequested ? Exit::Refused : Exit::Failed;
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
    return o.save.isEmpty() ? statusDone(s, Exit::Ok) : saveRead(s, o.save, r);
}

// The lines the write would send, shown and not sent. The checks still run:
// they decide whether the write would start at all.
Done dryRun(Session &s, const Options &o, PortResult &r)
{
    const QStringList pending = ShownPendingLines(s, o.all);
    r.object.insert(QStringLiteral("Pending"), QJsonArray::fromStringList(pending));
    for (const QString &line : pending)
        r.text += (QStringLiteral("Pending: ") + line + QLatin1Char('\n')).toLocal8Bit();
    Done refused{Exit::Failed, QStringLiteral("Dry run: the write would not start, it did not pass the checks")};
    if (ValidateSetup(s))
        return refused;
    // A write of everything judges every line it sends, not only the changes.
    if (const QString problem = unsendableSetting(PendingLines(s, true), s.EditSetup); o.all && !problem.isEmpty()) {
        s.prompt.message(problem);
        return refused;
    }
    if (pending.isEmpty())
        return {Exit::Ok, QStringLiteral("Dry run: no changes to write; nothing was sent.")};
    return {
        Exit::Ok,
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
        return {Exit::Failed, QStringLiteral("Setup not written: it did not pass the checks")};
    const bool written = WriteChanges(s, o.all);
    reportWrite(s.LastWrite, r);
    // Nothing written (no changes) leaves nothing to read back.
    if (!written || !o.verify || s.LastWrite.accepted.isEmpty())
        return statusDone(s, writeExit(s, written));
    const VerifyOutcome v = VerifyWrite(s);
    reportVerify(v, r);
    // A mismatch is known; a setting whose read-back never came is not.
    return statusDone(s, !v.mismatched.isEmpty()     ? Exit::Failed
                         : !v.notConfirmed.isEmpty() ? Exit::Unconfirmed
                                                     : Exit::Ok);
}

// The modem's clock as the connect read it (or as read back after --set),
// and the computer's clock and the drift when the modem's answer arrived.
Done clockCommand(Session &s, const Options &o, PortResult &r)
{
    int exit = Exit::Ok;
    if (o.setClock) {
        // A set that fails leaves the clock the connect read standing; after
        // one that took, only the read-back counts.
        const CommandOutcome outcome = SetClock(s);
        exit = outcomeExit(s, outcome);
        r.object.insert(QStringLiteral("ClockSet"), outcome == CommandOutcome::Confirmed);
        if (outcome == CommandOutcome::Unconfirmed)
            r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("TIME")});
    }
    if (!s.ModemClock.isEmpty())
        addResult(r, QStringLiteral("ModemClock"), s.ModemClock);
    addResult(r, QStringLiteral("ComputerClock"),
              modemClockText(s.ClockReadAt.isValid() ? s.ClockReadAt : s.Comm.clock().wallTime()));
    Done done = statusDone(s, exit);
    if (s.ClockDrift) {
        addResult(r, QStringLiteral("Drift"), driftText(*s.ClockDrift));
        addResult(r, QStringLiteral("DriftSeconds"), *s.ClockDrift);
        if (!o.setClock && driftWantsSet(*s.ClockDrift))
            done.hint = QStringLiteral("The Merolan's clock is more than a minute off: clock --set sets it from this "
                                       "computer's.");
    }
    return done;
}

Done passwordCommand(Session &s, const Options &o, PortResult &r)
{
    const CommandOutcome outcome = SetPassword(s, o.newPassword);
    if (outcome == CommandOutcome::Unconfirmed)
        r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("PASSWORD=***")});
    if (outcome != CommandOutcome::Confirmed)
        return statusDone(s, outcomeExit(s, outcome));
    addResult(r, QStringLiteral("Password"), s.PasswordTag);
    return statusDone(s, Exit::Ok);
}

Done activateCommand(Session &s, const Options &o, PortResult &r)
{
    switch (ActivateDevice(s, o.device)) {
    case ActivationResult::Activated:
        return {Exit::Ok,
                QStringLiteral("Device %1 switched on: the Merolan runs its schedule from the Device %1 OFF time.")
                    .arg(o.device)};
    case ActivationResult::Declined:
        return {Exit::Failed,
                QStringLiteral("Device %1 not switched on: the question was answered No (--yes answers Yes).")
                    .arg(o.device)};
    case ActivationResult::Unconfirmed:
        r.object.insert(QStringLiteral("Unconfirmed"), QJsonArray{QStringLiteral("P%1ON").arg(o.device)});
        return statusDone(s, Exit::Unconfirmed);
    case ActivationResult::Refused: break;
    }
    return statusDone(s, Exit::Refused);
}

} // namespace

Done runCommand(Session &s, const Options &o, const std::optional<SetupRecord> &toWrite, PortResult &r)
{
    if (o.command == QLatin1String("read"))
        return readCommand(s, o, r);
    if (o.command == QLatin1String("write"))
        return writeCommand(s, o, *toWrite, r);
    if (o.command == QLatin1String("clock"))
        return clockCommand(s, o, r);
    if (o.command == QLatin1String("password"))
        return passwordCommand(s, o, r);
    return activateCommand(s, o, r);
}
