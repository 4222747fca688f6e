#include "findmodem.h"

#include "clock.h"
#include "exchange.h"
#include "operationstate.h"
#include "seriallink.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace {

constexpr qint64 kPollMs = 100;
constexpr qint64 kSearchGiveUpMs = 20000;
constexpr qint64 kNudgeMs = 5000;
constexpr qint64 kPasswordGiveUpMs = 60000;
// How often a long wait says that it still waits, and for how long yet.
constexpr qint64 kStillWaitingMs = 5000;

bool contains(const QString &text, const char *what)
{
    return text.contains(QLatin1String(what), Qt::CaseInsensitive);
}

// One poll: window events run while the link waits the poll interval.
void poll(SerialLink &comm)
{
    comm.clock().sleep(kPollMs);
}

// One run of the search: the link, the window's side and what was found.
struct Search
{
    SerialLink &comm;
    OperationState &state;
    UserPrompt &prompt;
    const LoginRequest &request;
    LoginResult result;
};

LoginResult success(Search &s)
{
    s.comm.Pause(2000);
    // What the modem said during the login is of no use to the next command.
    s.comm.setInBufferCount(0);
    s.result.ready = true;
    return s.result;
}

LoginResult notFound(Search &s)
{
    s.comm.Output(QStringLiteral("#AUTO\r\n"));
    s.state.setStatus(QCoreApplication::translate("FindModem", "Merolan modem not found"));
    if (s.request.connectionKind == 1 || s.request.connectionKind == 2) {
        s.prompt.message(QCoreApplication::translate("FindModem",
                                                     "Could not communicate with remote Merolan.\n"
                                                     "If connection dropped please Disconnect and Connect again."),
                         UserPrompt::Icon::Warning);
    } else {
        s.prompt.message(QCoreApplication::translate(
                             "FindModem",
                             "Could not communicate with local Merolan.\n\n"
                             " - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.\r\n"
                             " - Make sure that the selected baud rate is correct.\r\n"
                             " - Make sure that the selected COM port is correct."),
                         UserPrompt::Icon::Warning);
    }
    return s.result;
}

QString modemReady()
{
    return QCoreApplication::translate("FindModem", "Merolan modem ready.");
}

QString connectionLost()
{
    return QCoreApplication::translate("FindModem", "Connection to the Merolan lost");
}

LoginResult noPassword(Search &s)
{
    s.state.setStatus(modemReady());
    s.result.password = ModemPassword::None;
    return success(s);
}

// doing: what the search was doing, as the end of a sentence.
LoginResult lostWhile(Search &s, const QString &doing)
{
    s.state.setStatus(connectionLost());
    //: %1 is what the program was doing, such as "sending the password"
    s.prompt.message(QCoreApplication::translate("FindModem", "Connection to the Merolan lost while %1.").arg(doing),
                     UserPrompt::Icon::Warning);
    return s.result;
}

// The port closed under the search (an unplugged adapter, a line dropped
// during an earlier exchange): no modem can be found on it until it is
// opened again, whatever the LEDs, the baud rate or the port.
LoginResult portClosed(Search &s)
{
    s.state.setStatus(connectionLost());
    s.prompt.message(QCoreApplication::translate(
                         "FindModem", "Connection to the Merolan lost.\n\nCheck the cable and the modem, then "
                                      "connect again: press 'Finish programming' (if it is shown), then "
                                      "'Start programming'."),
                     UserPrompt::Icon::Warning);
    return s.result;
}

LoginResult password(Search &s)
{
    s.state.setStatus(modemReady());
    s.result.password = ModemPassword::Required;
    QString typed = s.request.password;
    if (typed.trimmed().isEmpty())
        typed = s.prompt.secret(QStringLiteral("The Merolan asks for its password: ")).value_or(QString());
    // A password of spaces only counts as none; a real one goes as typed.
    if (!typed.trimmed().isEmpty()) {
        s.comm.Pause(1000);
        const QString answer = GetResponse(s.comm, s.state, QStringLiteral("#PASSWORD=") + typed);
        // A modem that is gone took no password, whatever the missing answer
        // would have been.
        if (lineLost(s.comm))
            //: The end of "Connection to the Merolan lost while %1."
            return lostWhile(s, QCoreApplication::translate("FindModem", "sending the password"));
        if (answer != QLatin1String("ERROR"))
            return success(s);
    }
    // The modem keeps waiting for its password and refuses everything else
    // until it gets it; the next connect sends it again.
    const QString rejected = QCoreApplication::translate("FindModem", "Password rejected");
    s.state.setStatus(rejected);
    s.prompt.message(rejected + QStringLiteral("\n\n")
                     + QCoreApplication::translate(
                         "FindModem", "The Merolan waits for its password: check the password and connect again."));
    return s.result;
}

// A modem that takes commands before the program first logs in may still be
// waiting for the password that an earlier login got wrong: it then refuses
// every command. Its answer to the serial-number query tells; the password
// then logs it in.
LoginResult confirmLogin(Search &s)
{
    s.comm.Pause(2000);
    s.comm.setInBufferCount(0);
    const QString answer = GetResponse(s.comm, s.state, QStringLiteral("#SerialNum?"));
    if (lineLost(s.comm))
        //: The end of "Connection to the Merolan lost while %1."
        return lostWhile(s, QCoreApplication::translate("FindModem", "asking for its serial number"));
    if (s.state.AbortRequested)
        return notFound(s);
    if (answer == QLatin1String("ERROR"))
        return password(s);
    s.result.ready = true;
    return s.result;
}

} // namespace

LoginResult FindModem(SerialLink &comm, OperationState &state, UserPrompt &prompt, const LoginRequest &request)
{
    Search s{comm, state, prompt, request, {}};
    Clock &clock = comm.clock();
    if (!comm.PortOpen())
        return portClosed(s);

    s.state.setStatus(QCoreApplication::translate("FindModem", "Searching for Merolan modem..."));
    const QScopedValueRollback busy(state.Busy, true);
    comm.setAutoReceive(false);
    // The escape is only recognised after a quiet line.
    comm.Pause(2000);
    comm.Output(QStringLiteral("###"));
    QString received;
    s.state.setProgressRange(300);
    s.state.setProgress(0);
    const qint64 searchStart = clock.now();
    qint64 giveUp = searchStart + kSearchGiveUpMs;
    qint64 nudge = searchStart + kNudgeMs;
    qint64 stillWaiting = searchStart + kStillWaitingMs;

    // Phase 1: wait for the modem to announce itself.
    for (;;) {
        poll(comm);
        if (s.state.AbortRequested)
            return notFound(s);
        // A vanished adapter cannot answer; no use waiting out the search.
        if (!comm.PortOpen())
            return portClosed(s);
        s.state.advanceProgress();
        received += comm.Input();
        if (contains(received, "mode from")) {
            s.state.setStatus(QCoreApplication::translate(
                "FindModem", "Merolan modem found. Synchronizing with data logger. This may take "
                             "up to a minute.."));
            break;
        }
        if (contains(received, "ERROR")) {
            s.state.setStatus(modemReady());
            if (contains(received, "PASSWORD"))
                break;
            return s.request.confirmLogin ? confirmLogin(s) : success(s);
        }
        if (clock.now() >= nudge) {
            comm.Output(QStringLiteral("\r\n"));
            nudge = clock.now() + kSearchGiveUpMs;
        }
        if (clock.now() >= stillWaiting) {
            //: %1 is the number of seconds the search has run
            s.state.setStatus(
                QCoreApplication::translate("FindModem", "Searching for Merolan modem... %1 s of at most 20 s")
                    .arg((clock.now() - searchStart) / 1000));
            stillWaiting += kStillWaitingMs;
        }
        if (clock.now() >= giveUp)
            return notFound(s);
    }

    // Phase 2: the modem synchronises, then asks for its password. A minute
    // is long: the bar runs through it and the status says how far it is.
    const qint64 syncStart = clock.now();
    giveUp = syncStart + kPasswordGiveUpMs;
    stillWaiting = syncStart + kStillWaitingMs;
    s.state.setProgressRange(int(kPasswordGiveUpMs / kPollMs));
    s.state.setProgress(0);
    for (;;) {
        poll(comm);
        if (s.state.AbortRequested)
            return notFound(s);
        if (!comm.PortOpen())
            return portClosed(s);
        s.state.setProgress(int((clock.now() - syncStart) / kPollMs));
        if (clock.now() >= stillWaiting) {
            //: %1 is the number of seconds the synchronisation has run
            s.state.setStatus(
                QCoreApplication::translate("FindModem", "Synchronizing with data logger: %1 s of at most a minute...")
                    .arg((clock.now() - syncStart) / 1000));
            stillWaiting += kStillWaitingMs;
        }
        received += comm.Input();
        if (contains(received, "NO PASSWORD"))
            return noPassword(s);
        if (contains(received, "PASSWORD"))
            return password(s);
        if (clock.now() >= giveUp)
            return notFound(s);
    }
}
