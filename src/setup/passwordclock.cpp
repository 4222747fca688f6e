#include "passwordclock.h"

#include "clock.h"
#include "connection.h"
#include "exchange.h"
#include "modemclock.h"
#include "modemrules.h"
#include "seriallink.h"
#include "session.h"
#include "userprompt.h"

namespace {

using Item = SetupView::Item;

const QString kNewPasswordPrompt =
    QStringLiteral("Type up to 8 characters for a new password. Leave field blank to disable the password.");

const QString kLoggerNotice = QStringLiteral("When Merolan is connected to:\n"
                                             "- Ombrilex-S v45.1 or newer, or\n"
                                             "- Ombrilex-P v6.12 or newer\n"
                                             "only the data logger's password is used.\n"
                                             "would you like to change the Merolan password anyway?");

// Why the exchange just made failed, in words for the status line; empty when
// the modem answered. Silence is no acceptance: the modem may or may not
// have taken the command.
QString failure(Session &s, const QString &reply)
{
    switch (exchangeEnd(s.Comm, s.state, reply)) {
    case ExchangeEnd::LineLost: return QStringLiteral(" Connection lost.");
    case ExchangeEnd::Unanswered: return QStringLiteral(" No answer.");
    case ExchangeEnd::Refused: return QStringLiteral(" ");
    case ExchangeEnd::Answered: break;
    }
    return {};
}

bool refuseWhileBusy(Session &s)
{
    if (!s.state.anyRunning())
        return false;
    s.prompt.beep();
    return true;
}

} // namespace

std::optional<PasswordRetry> passwordRetry(const QString &answer, const QString &lastSuggestion)
{
    const QString title = QStringLiteral("Password entry ERROR");
    const QString head = kNewPasswordPrompt + QStringLiteral("\n\nPassword ") + answer;
    if (answer.size() >= 9)
        return PasswordRetry{title, head + QStringLiteral(" contains %1 characters. \n").arg(answer.size()),
                             lastSuggestion};
    const QString suggestion = FilterPassword(answer);
    if (suggestion == answer)
        return std::nullopt;
    return PasswordRetry{title, head + QStringLiteral(" contains invalid characters. \nSuggested password:"),
                         suggestion};
}

void PasswordClicked(Session &s)
{
    if (refuseWhileBusy(s))
        return;
    const double firmware = s.firmwareNumber();
    if (firmware >= 2.0 && firmware < 3.0
        && !s.prompt.question(kLoggerNotice, UserPrompt::Icon::Warning, UserPrompt::Answer::Yes))
        return;
    std::optional<QString> answer = s.prompt.input(kNewPasswordPrompt, QString(), QString());
    QString suggestion;
    while (answer) {
        const std::optional<PasswordRetry> retry = passwordRetry(*answer, suggestion);
        if (!retry)
            break;
        suggestion = retry->defaultText;
        answer = s.prompt.input(retry->prompt, retry->title, retry->defaultText);
    }
    // Cancel backs out: only an empty answer confirmed with OK disables the password.
    if (answer)
        SetPassword(s, *answer);
}

bool SetPassword(Session &s, const QString &newPassword)
{
    if (s.PasswordTag == QLatin1String("Disabled") && newPassword.isEmpty()) {
        s.state.setStatus(QStringLiteral("Password is disabled already."));
        return true;
    }
    if (!FindModem(s))
        return false;
    s.state.Busy = true;
    const QString reply = GetResponse(
        s.Comm, s.state, QStringLiteral("#PASSWORD=") + s.view.caption(Item::txtPWD) + QLatin1Char(',') + newPassword);
    const QString failed = failure(s, reply);
    if (!failed.isEmpty()) {
        s.state.setStatus((QStringLiteral("Password set failed.") + failed).trimmed());
    } else if (newPassword.isEmpty()) {
        s.state.setStatus(QStringLiteral("Password Disabled successfully."));
        s.view.setCaption(Item::lblPWD, QStringLiteral("Password: Disabled"));
        s.PasswordTag = QStringLiteral("Disabled");
        s.view.setCaption(Item::txtPWD, QString());
    } else {
        s.state.setStatus(QStringLiteral("Password Enabled successfully."));
        s.view.setCaption(Item::lblPWD, QStringLiteral("Password: Enabled"));
        s.PasswordTag = QStringLiteral("Enabled");
        s.view.setCaption(Item::txtPWD, newPassword);
    }
    s.state.Busy = false;
    return failed.isEmpty();
}

bool SetClock(Session &s)
{
    if (refuseWhileBusy(s) || !FindModem(s))
        return false;
    s.state.setStatus(QStringLiteral("Setting time..."));
    s.state.Busy = true;
    // The modem keeps whole seconds, and the exchange sends 200 ms after it
    // starts: the time goes out as the next second begins, so the modem's
    // clock starts exact.
    const Clock &clock = s.Comm.clock();
    s.Comm.Pause((1800 - clock.wallTime().time().msec()) % 1000);
    const QString set =
        GetResponse(s.Comm, s.state, QStringLiteral("#TIME=") + modemClockText(clock.wallTime().addMSecs(200)));
    QString failed = failure(s, set);
    if (failed.isEmpty()) {
        const QString clock = GetResponse(s.Comm, s.state, QStringLiteral("#TIME?"));
        // The clock shown before the set is history either way: what the
        // read-back said ("ERROR", or nothing) stands in its place, no drift.
        showModemClock(s, clock);
        s.state.setStatus(
            failure(s, clock).isEmpty()
                ? QStringLiteral("Time set successfully.")
                : QStringLiteral("Time set successfully, but the Merolan did not report its clock back."));
    } else {
        s.state.setStatus((QStringLiteral("Time set failed.") + failed).trimmed());
    }
    s.state.Busy = false;
    return failed.isEmpty();
}

void showModemClock(Session &s, const QString &reply)
{
    s.view.setCaption(Item::lblClock, reply);
    s.ClockReadAt = s.Comm.clock().wallTime();
    const std::optional<QDateTime> modem = parseModemClock(reply);
    s.ClockDrift = modem ? std::optional(clockDrift(*modem, s.ClockReadAt)) : std::nullopt;
    s.view.showClockDrift(s.ClockDrift);
}
