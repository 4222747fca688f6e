#include "findmodem.h"

#include "clock.h"
#include "exchange.h"
#include "seriallink.h"
#include "session.h"
#include "userprompt.h"

namespace {

constexpr qint64 kPollMs = 100;
constexpr qint64 kSearchGiveUpMs = 20000;
constexpr qint64 kNudgeMs = 5000;
constexpr qint64 kPasswordGiveUpMs = 60000;

bool contains(const QString &text, const char *what)
{
    return text.contains(QLatin1String(what), Qt::CaseInsensitive);
}

// One poll: window events run while the link waits the poll interval.
void poll(SerialLink &comm)
{
    comm.clock().sleep(kPollMs);
}

bool success(Session &s)
{
    s.Comm.Pause(2000);
    // What the modem said during the login is of no use to the next command.
    s.Comm.setInBufferCount(0);
    s.state.Busy = false;
    return true;
}

bool notFound(Session &s)
{
    s.Comm.Output(QStringLiteral("#AUTO\r\n"));
    s.state.setStatus(QStringLiteral("Merolan modem not found"));
    if (s.ConnectionKind == 1 || s.ConnectionKind == 2) {
        s.prompt.message(QStringLiteral("Could not communicate with remote Merolan.\n"
                                        "If connection dropped please Disconnect and Connect again."),
                         UserPrompt::Icon::Warning);
    } else {
        s.prompt.message(QStringLiteral("Could not communicate with local Merolan.\n\n"
                                        " - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.\r\n"
                                        " - Make sure that the selected baud rate is correct.\r\n"
                                        " - Make sure that the selected COM port is correct."),
                         UserPrompt::Icon::Warning);
    }
    s.state.Busy = false;
    return false;
}

bool noPassword(Session &s)
{
    s.state.setStatus(QStringLiteral("Merolan modem ready."));
    s.PasswordTag = QStringLiteral("Disabled");
    s.view.setCaption(SetupView::Item::txtPWD, QString());
    return success(s);
}

bool password(Session &s)
{
    s.state.setStatus(QStringLiteral("Merolan modem ready."));
    s.view.setCaption(SetupView::Item::lblPWD, QStringLiteral("Password: Enabled"));
    s.PasswordTag = QStringLiteral("Enabled");
    const QString typed = s.view.caption(SetupView::Item::txtPWD);
    // A password of spaces only counts as none; a real one goes as typed.
    if (!typed.trimmed().isEmpty()) {
        s.Comm.Pause(1000);
        if (GetResponse(s.Comm, s.state, QStringLiteral("#PASSWORD=") + typed) != QLatin1String("ERROR"))
            return success(s);
    }
    s.state.setStatus(QStringLiteral("Password rejected"));
    s.prompt.message(QStringLiteral("Password rejected"));
    s.state.Busy = false;
    return false;
}

} // namespace

bool FindModem(Session &s)
{
    SerialLink &comm = s.Comm;
    Clock &clock = comm.clock();

    s.state.setStatus(QStringLiteral("Searching for Merolan modem..."));
    s.state.Busy = true;
    comm.setAutoReceive(false);
    // The escape is only recognised after a quiet line.
    comm.Pause(2000);
    comm.Output(QStringLiteral("###"));
    QString received;
    s.state.setProgressRange(300);
    s.state.setProgress(0);
    qint64 giveUp = clock.now() + kSearchGiveUpMs;
    qint64 nudge = clock.now() + kNudgeMs;

    // Phase 1: wait for the modem to announce itself.
    for (;;) {
        poll(comm);
        // A vanished adapter cannot answer; no use waiting out the search.
        if (s.state.AbortRequested || !comm.PortOpen())
            return notFound(s);
        s.state.advanceProgress();
        received += comm.Input();
        if (contains(received, "mode from")) {
            s.state.setStatus(QStringLiteral("Merolan modem found. Synchronizing with data logger. This may take up to a minute.."));
            break;
        }
        if (contains(received, "ERROR")) {
            s.state.setStatus(QStringLiteral("Merolan modem ready."));
            if (contains(received, "PASSWORD"))
                break;
            return success(s);
        }
        if (clock.now() >= nudge) {
            comm.Output(QStringLiteral("\r\n"));
            nudge = clock.now() + kSearchGiveUpMs;
        }
        if (clock.now() >= giveUp)
            return notFound(s);
    }

    // Phase 2: the modem synchronises, then asks for its password.
    giveUp = clock.now() + kPasswordGiveUpMs;
    for (;;) {
        poll(comm);
        if (s.state.AbortRequested || !comm.PortOpen())
            return notFound(s);
        received += comm.Input();
        if (contains(received, "NO PASSWORD"))
            return noPassword(s);
        if (contains(received, "PASSWORD"))
            return password(s);
        if (clock.now() >= giveUp)
            return notFound(s);
    }
}
