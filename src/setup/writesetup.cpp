#include "writesetup.h"

#include "connection.h"
#include "exchange.h"
#include "identity.h"
#include "seriallink.h"
#include "session.h"
#include "settinglines.h"
#include "userprompt.h"

namespace {

const QString kWriteCaption = QStringLiteral("Write setup to Merolan");
const QString kStopCaption = QStringLiteral("STOP Writing setup...");

// A value with a CR, LF or any other character outside printable ASCII would
// end its command line early and put the rest on the wire as a command of its
// own; the modem could not store it anyway.
QString unsendableText(const SetupRecord &r)
{
    const std::pair<const QString *, const char *> texts[] = {
        {&r.HostIP, "Tessarin address"}, {&r.APN, "APN"},
        {&r.GPRSID, "GPRS user"},        {&r.GPRSPass, "GPRS password"},
        {&r.SMSNum, "Alarm SMS number"}, {&r.ERecep, "Email recipient"},
        {&r.ESender, "Email sender"},    {&r.MailServer, "Email (SMTP) server"},
        {&r.XUser, "Email (SMTP) user"}, {&r.XPas, "Email (SMTP) password"},
    };
    for (const auto &[text, name] : texts) {
        if (!isPrintableAscii(*text))
            return QLatin1String(name) + QStringLiteral(" contains characters that the Merolan cannot store");
    }
    return {};
}

// Numbers the modem does not know. The window offers no way to enter them,
// but a setup file can hold any, and an odd modem reply can leave one after a
// read. The logger mode counts only for the firmware that is sent it.
QString outOfRangeNumber(const SetupRecord &r, double firmware)
{
    if (r.Role < 1 || r.Role > 3)
        return QStringLiteral("Operating role %1 is not valid: it must be 1, 2 or 3").arg(r.Role);
    if (firmware >= 2.0 && firmware < 3.0 && (r.Logger < 0 || r.Logger > 1))
        return QStringLiteral("Logger mode %1 is not valid: it must be 0 or 1").arg(r.Logger);
    if (r.Baud < 1 || r.Baud > 7)
        return QStringLiteral("Baud rate index %1 is not valid: it must be 1 to 7").arg(r.Baud);
    return {};
}

// The Yes/No question about an empty APN; true when the user wants to go on.
bool proceedWithoutApn(Session &s)
{
    if (!CleanReply(s.EditSetup.APN).isEmpty())
        return true;
    return s.prompt.question(QStringLiteral("WARNING: APN field is empty\nDo you want to proceed?"),
                             UserPrompt::Icon::Information);
}

// The common end of every write, whatever happened.
void endWrite(Session &s)
{
    s.state.AbortRequested = false;
    s.state.Writing = false;
    s.view.setCaption(SetupView::Item::cmdWrite, kWriteCaption);
}

} // namespace

bool ValidateSetup(Session &s)
{
    const SetupRecord &e = s.EditSetup;

    QString problem = unsendableText(e);
    if (problem.isEmpty())
        problem = outOfRangeNumber(e, s.firmwareNumber());

    if (problem.isEmpty() && s.firmwareNumber() < 3.0 && e.EmailInterval >= 1) {
        if (!proceedWithoutApn(s))
            return true;
        if (!matchesAddressPattern(CleanReply(e.ERecep)))
            problem = QStringLiteral("Email recipient is not valid");
        else if (!matchesAddressPattern(CleanReply(e.ESender)))
            problem = QStringLiteral("Email sender is not valid");
        else if (CleanReply(e.MailServer).isEmpty())
            problem = QStringLiteral("Email (SMTP) server may not be empty");
    }

    if (problem.isEmpty()) {
        if (e.Role == 1) {
            if (!proceedWithoutApn(s))
                return true;
            if (CleanReply(e.HostIP).isEmpty())
                problem = QStringLiteral("Tessarin address may not be empty");
            else if (e.HostPort == 0)
                problem = QStringLiteral("Tessarin Port may not be 0");
        } else if (e.Role == 2) {
            if (CleanReply(e.APN).isEmpty())
                problem = QStringLiteral("APN may not be empty");
        }
    }

    if (problem.isEmpty())
        return false;
    s.prompt.message(problem);
    return true;
}

bool WriteSetup(Session &s, bool writeAll)
{
    s.state.setProgressRange(30);
    s.state.setProgress(0);
    s.state.setStatus(QStringLiteral("Writing setup..."));
    s.state.AbortRequested = false;
    s.state.Writing = true;

    const QStringList lines = settingLines(s.EditSetup, s.ModemSetup, writeAll, s.firmwareNumber());
    for (const QString &line : lines) {
        const QString reply = GetResponse(s.Comm, s.state, QLatin1Char('#') + line);
        if (LineLost(s.Comm)) {
            s.prompt.message(QStringLiteral("Connection to the Merolan lost while writing setting: ") + line);
            s.state.setStatus(QStringLiteral("Setup write failed. Connection lost. Command: ") + line);
        } else if (s.state.ReplyMissing) {
            // Silence is no acceptance: the setting may or may not be stored.
            s.prompt.message(QStringLiteral("The Merolan did not answer setting: ") + line);
            s.state.setStatus(QStringLiteral("Setup write failed. No answer. Command: ") + line);
        } else if (reply != QLatin1String("ERROR")) {
            continue;
        } else if (s.state.AbortRequested) {
            s.prompt.message(QStringLiteral("Setup write aborted."));
            s.state.setStatus(QStringLiteral("Setup write aborted."));
        } else {
            s.prompt.message(QStringLiteral("Error writing setting: ") + line);
            s.state.setStatus(QStringLiteral("Setup write failed. Command: ") + line);
        }
        endWrite(s);
        return false;
    }

    s.state.setStatus(QStringLiteral("Setup write finished successfully."));
    s.ModemSetup = s.EditSetup;
    endWrite(s);
    return true;
}

bool WriteChanges(Session &s, bool writeAll)
{
    if (!writeAll && !s.HasChanges()) {
        const QString nothing = QStringLiteral("Write will not be performed because there are no changes.");
        s.state.setStatus(nothing);
        s.prompt.message(nothing);
        return true;
    }
    s.view.setCaption(SetupView::Item::cmdWrite, kStopCaption);
    if (!WriteSetup(s, writeAll))
        return false;
    s.view.markChanges(false);
    return true;
}

void WriteClicked(Session &s)
{
    if (ValidateSetup(s))
        return;

    if (s.view.caption(SetupView::Item::cmdWrite) == kStopCaption) {
        s.state.setStatus(QStringLiteral("Aborting. Please wait..."));
        s.state.AbortRequested = true;
        return;
    }

    if (!FindModem(s))
        return;

    const QString serial =
        GetResponse(s.Comm, s.state, QStringLiteral("#SerialNum?")).remove(QStringLiteral("Serial Number is: "));

    if (serial != s.SerialNumber) {
        // Another modem than the one read: its setup is unknown, so all of it goes.
        s.state.setStatus(QStringLiteral("Serial numbers do not match"));
        s.view.setCaption(SetupView::Item::cmdWrite, kStopCaption);
        applyIdentification(s, GetResponse(s.Comm, s.state, QStringLiteral("#Version?")));
        WriteChanges(s, true);
        return;
    }

    s.state.setStatus(QStringLiteral("Serial numbers match"));
    WriteChanges(s, false);
}
