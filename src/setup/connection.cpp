#include "connection.h"

#include "exchange.h"
#include "findmodem.h"
#include "openlink.h"
#include "readsetup.h"
#include "seriallink.h"
#include "session.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <utility>

namespace {

// A modem reached over the network is a remote one (Ethernet/GPRS) unless the
// user said it is reached by a data call.
qint16 connectionKind(const Session &s)
{
    return isNetworkPort(s.Comm.CommPort()) && s.ConnectionKind != 1 ? qint16(2) : s.ConnectionKind;
}

bool login(Session &s, bool confirm)
{
    const qint16 kind = connectionKind(s);
    LoginResult result = FindModem(s.Comm, s.state, s.prompt, LoginRequest{s.Password, kind, confirm});
    // The modem may have taken a new password whose answer never came.
    if (!result.ready && result.password == ModemPassword::Required && s.UnconfirmedPassword
        && *s.UnconfirmedPassword != s.Password
        //: %1 is the new password that was sent
        && s.prompt.question(QCoreApplication::translate("Connection", "The last password change, to \"%1\", was not "
                                                                       "confirmed. Log in with \"%1\"?")
                                 .arg(*s.UnconfirmedPassword),
                             UserPrompt::Icon::Information, UserPrompt::Answer::Yes)) {
        s.showPassword(*std::exchange(s.UnconfirmedPassword, std::nullopt));
        result = FindModem(s.Comm, s.state, s.prompt, LoginRequest{s.Password, kind, true});
    }
    if (result.password == ModemPassword::Required) {
        s.showPasswordTag(true);
    } else if (result.password == ModemPassword::None) {
        s.showPasswordTag(false);
        s.showPassword(QString());
    }
    if (result.ready)
        s.LastLogin = LoginEnd::Ready;
    else if (lineLost(s.Comm))
        s.LastLogin = LoginEnd::LineLost;
    else
        s.LastLogin = result.password == ModemPassword::Required ? LoginEnd::PasswordRefused : LoginEnd::NotFound;
    return result.ready;
}

void cannotOpen(Session &s)
{
    const QString cannot = QCoreApplication::translate("Connection", "Cannot open COM port");
    s.state.setStatus(cannot);
    s.prompt.message(cannot + QStringLiteral("\n\n") + s.Comm.errorString(), UserPrompt::Icon::Warning);
}

// The user's edits would go with the port: asks first. True to go on.
bool mayLeave(Session &s)
{
    return !s.HasChanges()
           || s.prompt.question(QCoreApplication::translate(
                                    "Connection", "Do you want to leave without writing changes to the Merolan?"),
                                UserPrompt::Icon::Warning, UserPrompt::Answer::No);
}

} // namespace

bool FindModem(Session &s)
{
    // A port that closed under an earlier exchange (a dropped line, an
    // unplugged adapter) opens again on the user's word; the edits stay.
    if (!s.Comm.PortOpen() && !s.Comm.CommPort().isEmpty()) {
        //: %1 is the port's name, such as COM3 or /dev/ttyUSB0
        if (!s.prompt.question(QCoreApplication::translate(
                                   "Connection",
                                   "Connection to the Merolan lost.\n\nOpen %1 again and log in? Changes not yet "
                                   "written are kept.\n\nNo: check the cable and the modem, then press 'Finish "
                                   "programming' and 'Start programming'.")
                                   .arg(s.Comm.CommPort()),
                               UserPrompt::Icon::Warning, UserPrompt::Answer::Yes)) {
            s.state.setStatus(QCoreApplication::translate("Connection", "Connection to the Merolan lost"));
            s.LastLogin = LoginEnd::LineLost;
            return false;
        }
        s.Comm.setPortOpen(true);
        if (!s.Comm.PortOpen()) {
            cannotOpen(s);
            s.LastLogin = LoginEnd::LineLost;
            return false;
        }
        return login(s, true);
    }
    return login(s, false);
}

ConnectResult Connect(Session &s, const QString &port, const QString &baud)
{
    if (!openLink(s.Comm, port, baud)) {
        cannotOpen(s);
        return ConnectResult::CannotOpen;
    }
    if (!login(s, true)) {
        s.Comm.setPortOpen(false);
        return ConnectResult::NotFound;
    }
    s.view.showProgramming(true);
    s.view.setShown(SetupView::Item::cmdRefresh, false);
    const bool read = ReadSetup(s);
    s.view.setShown(SetupView::Item::cmdRefresh, true);
    return read ? ConnectResult::Ready : ConnectResult::ReadFailed;
}

ActivationResult ActivateDevice(Session &s, int device)
{
    if (refusedWhileRunning(s.state, s.prompt))
        return ActivationResult::Declined;
    // Like Finish, an activation ends the programming: unwritten edits are asked about first.
    if (!mayLeave(s))
        return ActivationResult::Declined;
    const QString n = QString::number(device);
    //: %1 is the device's number, 1 to 3
    if (!s.prompt.question(QCoreApplication::translate("Connection",
                                                       "Merolan programmer will now bring online Device %1 and "
                                                       "terminate.\nMerolan will start executing its schedule at the "
                                                       "Device %1 OFF time.\n\nDo you want to proceed?")
                               .arg(n),
                           UserPrompt::Icon::Warning, UserPrompt::Answer::Yes))
        return ActivationResult::Declined;
    const QString reply = [&] {
        // The exchange keeps the window from closing under it.
        const QScopedValueRollback busy(s.state.Busy, true);
        return GetResponse(s.Comm, s.state, QStringLiteral("#P%1ON\r\n").arg(n));
    }();
    QString failed;
    // Unanswered, the command may still have been carried out.
    ActivationResult result = ActivationResult::Unconfirmed;
    switch (exchangeEnd(s.Comm, s.state, reply)) {
    case ExchangeEnd::lineLost:
        //: %1 is the device's number, 1 to 3
        failed = QCoreApplication::translate("Connection", "Device %1 activation not confirmed: connection to the "
                                                           "Merolan lost. The device may be on.")
                     .arg(n);
        break;
    case ExchangeEnd::Unanswered:
        //: %1 is the device's number, 1 to 3
        failed =
            QCoreApplication::translate(
                "Connection", "Device %1 activation not confirmed: the Merolan did not answer. The device may be on.")
                .arg(n);
        break;
    case ExchangeEnd::Refused:
        //: %1 is the device's number, 1 to 3
        failed = QCoreApplication::translate("Connection", "Merolan peripheral %1 port failed to activate").arg(n);
        result = ActivationResult::Refused;
        break;
    case ExchangeEnd::Answered:
        HandBack(s);
        s.Comm.setPortOpen(false);
        return ActivationResult::Activated;
    }
    s.state.setStatus(failed);
    s.prompt.message(failed);
    return result;
}

void HandBack(Session &s)
{
    if (!s.Comm.PortOpen())
        return;
    s.Comm.OutputLine(QStringLiteral("#AUTO"));
    s.Comm.Pause(1000);
}

bool FinishProgramming(Session &s)
{
    if (s.state.anyRunning() || !mayLeave(s))
        return false;
    HandBack(s);
    s.view.showProgramming(false);
    s.Comm.setPortOpen(false);
    return true;
}

bool CloseRequest(Session &s)
{
    if (refusedWhileRunning(s.state, s.prompt))
        return false;
    // Once finished, the port is closed and the user has answered already.
    if (s.Comm.PortOpen() && !mayLeave(s))
        return false;
    HandBack(s);
    return true;
}
