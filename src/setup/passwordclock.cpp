#include "passwordclock.h"

#include "clock.h"
#include "connection.h"
#include "exchange.h"
#include "modemclock.h"
#include "modemrules.h"
#include "seriallink.h"
#include "session.h"
#include "userprompt.h"

#include <QScopedValueRollback>

namespace {

using Item = SetupView::Item;

const QString kNewPasswordPrompt =
    QStringLiteral("Type up to 8 characters for a new password. Leave field blank to disable the password.");

const QString kLoggerNotice = QStringLiteral("When Merolan is connected to:\n"
                                             "- Ombrilex-S v45.1 or newer, or\n"
                                             "- Ombrilex-P v6.12 or newer\n"
                                             "only the data logger's password is used.\n"
                                             "would you like to change the Merolan password anyway?");

// What the modem did with the command just sent. Silence is no acceptance,
// nor a refusal: the modem may or may not have carried it out; *why says
// which, in words.
CommandOutcome outcome(Session &s, const QString &reply, QString *why)
{
    switch (exchangeEnd(s.Comm, s.state, reply)) {
    case ExchangeEnd::lineLost: *why = QStringLiteral("connection to the Merolan lost."); break;
    case ExchangeEnd::Unanswered: *why = QStringLiteral("the Merolan did not answer."); break;
    case ExchangeEnd::Refused: return CommandOutcome::Refused;
    case ExchangeEnd::Answered: return CommandOutcome::Confirmed;
    }
    return CommandOutcome::Unconfirmed;
}

QString named(const QString &password)
{
    return password.isEmpty() ? QStringLiteral("none") : QLatin1Char('"') + password + QLatin1Char('"');
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
    if (refusedWhileRunning(s.state, s.prompt))
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

CommandOutcome SetPassword(Session &s, const QString &newPassword)
{
    if (s.PasswordTag == QLatin1String("Disabled") && newPassword.isEmpty()) {
        s.state.setStatus(QStringLiteral("Password is disabled already."));
        return CommandOutcome::Confirmed;
    }
    if (!FindModem(s))
        return CommandOutcome::NotSent;
    const QScopedValueRollback busy(s.state.Busy, true);
    const QString old = s.Password;
    const QString reply =
        GetResponse(s.Comm, s.state, QStringLiteral("#PASSWORD=") + old + QLatin1Char(',') + newPassword);
    QString why;
    const CommandOutcome result = outcome(s, reply, &why);
    if (result == CommandOutcome::Refused) {
        s.state.setStatus(QStringLiteral("Password set failed."));
    } else if (result == CommandOutcome::Unconfirmed) {
        // The modem may have taken it: a site locked out by a password that
        // nobody knows was set is worse than a second try.
        const QString told = QStringLiteral("Password change not confirmed: %1 The Merolan now asks for the old "
                                            "password (%2) or the new one (%3).")
                                 .arg(why, named(old), named(newPassword));
        s.state.setStatus(told);
        s.prompt.message(told, UserPrompt::Icon::Warning);
        s.UnconfirmedPassword = newPassword;
    } else if (newPassword.isEmpty()) {
        s.state.setStatus(QStringLiteral("Password Disabled successfully."));
        s.showPasswordTag(QStringLiteral("Disabled"));
        s.showPassword(QString());
    } else {
        s.state.setStatus(QStringLiteral("Password Enabled successfully."));
        s.showPasswordTag(QStringLiteral("Enabled"));
        s.showPassword(newPassword);
    }
    if (result == CommandOutcome::Confirmed)
        s.UnconfirmedPassword.reset();
    return result;
}

CommandOutcome SetClock(Session &s)
{
    if (refusedWhileRunning(s.state, s.prompt) || !FindModem(s))
        return CommandOutcome::NotSent;
    s.state.setStatus(QStringLiteral("Setting time..."));
    const QScopedValueRollback busy(s.state.Busy, true);
    // The modem keeps whole seconds, and the exchange sends 200 ms after it
    // starts: the time goes out as the next second begins, so the modem's
    // clock starts exact.
    const Clock &clock = s.Comm.clock();
    s.Comm.Pause((1800 - clock.wallTime().time().msec()) % 1000);
    const QString set =
        GetResponse(s.Comm, s.state, QStringLiteral("#TIME=") + modemClockText(clock.wallTime().addMSecs(200)));
    QString why;
    const CommandOutcome result = outcome(s, set, &why);
    if (result == CommandOutcome::Confirmed) {
        const QString clock = GetResponse(s.Comm, s.state, QStringLiteral("#TIME?"));
        // The clock shown before the set is history either way: what the
        // read-back said ("ERROR", or nothing) stands in its place, no drift.
        showModemClock(s, clock);
        s.state.setStatus(
            outcome(s, clock, &why) == CommandOutcome::Confirmed
                ? QStringLiteral("Time set successfully.")
                : QStringLiteral("Time set successfully, but the Merolan did not report its clock back."));
    } else if (result == CommandOutcome::Unconfirmed) {
        // Set or not, nobody knows the modem's clock now.
        showModemClock(s, QString());
        s.state.setStatus(QStringLiteral("Time set not confirmed: ") + why);
    } else {
        s.state.setStatus(QStringLiteral("Time set failed."));
    }
    return result;
}

void showModemClock(Session &s, const QString &reply)
{
    s.ModemClock = reply;
    s.view.setCaption(Item::lblClock, reply);
    s.ClockReadAt = s.Comm.clock().wallTime();
    const std::optional<QDateTime> modem = parseModemClock(reply);
    s.ClockDrift = modem ? std::optional(clockDrift(*modem, s.ClockReadAt)) : std::nullopt;
    s.view.showClockDrift(s.ClockDrift);
}
