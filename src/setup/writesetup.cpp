#include "writesetup.h"

#include "connection.h"
#include "exchange.h"
#include "identity.h"
#include "seriallink.h"
#include "session.h"
#include "settinglines.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace {

// Whether the lines that will go can go; tells the user when not.
bool sendable(Session &s, const QStringList &lines)
{
    const QString problem = unsendableSetting(lines, s.EditSetup);
    if (problem.isEmpty())
        return true;
    s.prompt.message(problem);
    return false;
}

// The Yes/No question about an empty APN; true when the user wants to go on.
bool proceedWithoutApn(Session &s)
{
    if (!CleanReply(s.EditSetup.APN).isEmpty())
        return true;
    return s.prompt.question(
        QCoreApplication::translate("WriteSetup", "WARNING: APN field is empty\nDo you want to proceed?"),
        UserPrompt::Icon::Information, UserPrompt::Answer::Yes);
}

// The write button is the STOP button while a write runs.
void showStop(Session &s, bool stop)
{
    s.Stoppable = stop ? Session::Operation::Write : Session::Operation::None;
    s.view.setCaption(SetupView::Item::cmdWrite,
                      stop ? QCoreApplication::translate("WriteSetup", "STOP Writing setup...") : writeCaption());
}

// The common end of every write, whatever happened.
void endWrite(Session &s)
{
    s.state.AbortRequested = false;
    showStop(s, false);
}

// Whether the write ends after this exchange, and if so tells the user why:
// the line was lost, the modem said nothing (silence is no acceptance: a
// setting may or may not be stored, and an identity unknown), the user
// pressed STOP, or the modem refused a setting.
bool writeEnds(Session &s, const QString &sent, bool refused)
{
    const bool setting = !sent.startsWith(QLatin1Char('#'));
    if (lineLost(s.Comm)) {
        if (setting)
            //: %1 is a setting line, such as SMSNUM=+306900000000
            s.prompt.message(
                QCoreApplication::translate("WriteSetup", "Connection to the Merolan lost while writing setting: %1")
                    .arg(sent));
        else
            //: %1 is a query, such as #SerialNum?
            s.prompt.message(QCoreApplication::translate(
                                 "WriteSetup", "Connection to the Merolan lost while checking it before the write: %1")
                                 .arg(sent));
        //: %1 is a setting line, such as SMSNUM=+306900000000, or a query, such as #SerialNum?
        s.state.setStatus(
            QCoreApplication::translate("WriteSetup", "Setup write failed. Connection lost. Command: %1").arg(sent));
    } else if (s.state.ReplyMissing) {
        if (setting)
            //: %1 is a setting line, such as SMSNUM=+306900000000
            s.prompt.message(
                QCoreApplication::translate("WriteSetup", "The Merolan did not answer setting: %1").arg(sent));
        else
            //: %1 is a query, such as #SerialNum?
            s.prompt.message(QCoreApplication::translate("WriteSetup", "The Merolan did not answer: %1").arg(sent));
        //: %1 is a setting line, such as SMSNUM=+306900000000, or a query, such as #SerialNum?
        s.state.setStatus(
            QCoreApplication::translate("WriteSetup", "Setup write failed. No answer. Command: %1").arg(sent));
    } else if (s.state.AbortRequested) {
        const QString aborted = QCoreApplication::translate("WriteSetup", "Setup write aborted.");
        s.prompt.message(aborted);
        s.state.setStatus(aborted);
    } else if (refused) {
        //: %1 is a setting line, such as SMSNUM=+306900000000
        s.prompt.message(QCoreApplication::translate("WriteSetup", "Error writing setting: %1").arg(sent));
        //: %1 is a setting line, such as SMSNUM=+306900000000
        s.state.setStatus(QCoreApplication::translate("WriteSetup", "Setup write failed. Command: %1").arg(sent));
    } else {
        return false;
    }
    endWrite(s);
    return true;
}

} // namespace

QString writeCaption()
{
    return QCoreApplication::translate("WriteSetup", "Write setup to Merolan");
}

QStringList PendingLines(const Session &s, bool writeAll)
{
    if (!writeAll && s.EditSetup == s.ModemSetup)
        return {};
    return settingLines(s.EditSetup, s.ModemSetup, writeAll, s.firmwareNumber());
}

QStringList ShownPendingLines(const Session &s, bool writeAll)
{
    QStringList shown = PendingLines(s, writeAll);
    for (QString &line : shown)
        line = maskedSettingLine(line);
    return shown;
}

bool ValidateSetup(Session &s)
{
    const SetupRecord &e = s.EditSetup;
    // The lines of a write of the changes; a write of everything to another
    // modem checks its own before it starts.
    const WriteFaults faults = writeFaults(e, PendingLines(s, false), s.firmwareNumber());

    // Each check that counts asks about an empty APN before it tells its fault;
    // a value that cannot go at all is told before any question.
    QStringList found = faults.unsendable;
    if (found.isEmpty() && faults.mailJudged) {
        if (!proceedWithoutApn(s))
            return true;
        found = faults.mail;
    }
    if (found.isEmpty()) {
        if (e.Role == 1 && !proceedWithoutApn(s))
            return true;
        found = faults.role;
    }
    if (found.isEmpty())
        return false;
    s.prompt.message(found.first());
    return true;
}

bool WriteSetup(Session &s, bool writeAll)
{
    s.state.setProgressRange(30);
    s.state.setProgress(0);
    s.state.setStatus(QCoreApplication::translate("WriteSetup", "Writing setup..."));
    const QScopedValueRollback writing(s.state.Writing, true);

    const QStringList lines = PendingLines(s, writeAll);
    s.LastWrite = {{}, {}, lines};
    for (const QString &line : lines) {
        const QString reply = GetResponse(s.Comm, s.state, QLatin1Char('#') + line);
        // A STOP before the line leaves it unsent ("ERROR" without a wire
        // exchange); during it, the modem's answer counts.
        const bool refused = reply == QLatin1String("ERROR");
        if (lineLost(s.Comm) || s.state.ReplyMissing)
            s.LastWrite.unconfirmed << s.LastWrite.notWritten.takeFirst();
        else if (!refused) {
            s.LastWrite.accepted << s.LastWrite.notWritten.takeFirst();
            // The modem now holds it, whatever becomes of the rest: the marks
            // and the next write go by that. Another modem's setup is not
            // known, so everything goes to it again.
            if (!writeAll)
                acceptSettingLine(line, s.EditSetup, s.ModemSetup);
        }
        // A STOP during the last line's exchange comes too late to stop
        // anything: once the modem accepted every line, the write is whole.
        const bool completed = s.LastWrite.notWritten.isEmpty() && s.LastWrite.unconfirmed.isEmpty();
        if (!completed && writeEnds(s, line, refused))
            return false;
    }

    s.state.setStatus(QCoreApplication::translate("WriteSetup", "Setup write finished successfully."));
    s.ModemSetup = s.EditSetup;
    endWrite(s);
    return true;
}

bool WriteChanges(Session &s, bool writeAll)
{
    if (!writeAll && !s.HasChanges()) {
        const QString nothing =
            QCoreApplication::translate("WriteSetup", "Write will not be performed because there are no changes.");
        s.state.setStatus(nothing);
        s.prompt.message(nothing);
        endWrite(s);
        return true;
    }
    if (writeAll && !sendable(s, PendingLines(s, true))) {
        endWrite(s);
        return false;
    }
    showStop(s, true);
    if (!WriteSetup(s, writeAll))
        return false;
    s.view.markChanges(false);
    return true;
}

void WriteClicked(Session &s)
{
    const bool stopClick = s.Stoppable == Session::Operation::Write;
    // A second click while the modem is sought or read would start another
    // search inside the first.
    if (!stopClick && refusedWhileRunning(s.state, s.prompt))
        return;
    // A STOP only stops: the checks are for starting a write.
    if (stopClick) {
        s.state.setStatus(QCoreApplication::translate("WriteSetup", "Aborting. Please wait..."));
        s.state.AbortRequested = true;
        return;
    }
    if (ValidateSetup(s))
        return;

    if (!FindModem(s))
        return;

    // From here on the write runs and its button is the STOP button, also
    // while the modem on the line is identified.
    s.state.AbortRequested = false;
    const QScopedValueRollback writing(s.state.Writing, true);
    showStop(s, true);
    const QString serialQuery = QStringLiteral("#SerialNum?");
    const QString serial = GetResponse(s.Comm, s.state, serialQuery).remove(QStringLiteral("Serial Number is: "));
    if (writeEnds(s, serialQuery, false))
        return;

    if (serial != s.SerialNumber) {
        // Another modem than the one read: its setup is unknown, so all of it goes.
        s.state.setStatus(QCoreApplication::translate("WriteSetup", "Serial numbers do not match"));
        const QString versionQuery = QStringLiteral("#Version?");
        const QString version = GetResponse(s.Comm, s.state, versionQuery);
        if (writeEnds(s, versionQuery, false))
            return;
        applyIdentification(s, version);
        WriteChanges(s, true);
        return;
    }

    s.state.setStatus(QCoreApplication::translate("WriteSetup", "Serial numbers match"));
    WriteChanges(s, false);
}
