#include "passwordclock.h"

#include "clock.h"
#include "connection.h"
#include "exchange.h"
#include "modemclock.h"
#include "modemrules.h"
#include "seriallink.h"
#include "session.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace {

using Item = SetupView::Item;

QString newPasswordPrompt()
{
    return QCoreApplication::translate(
        "PasswordClock", "Type up to 8 characters for a new password. Leave field blank to disable the password.");
}

// What the modem did with the command just sent. Silence is no acceptance,
// nor a refusal: the modem may or may not have carried it out; *why says
// which, in words.
CommandOutcome outcome(Session &s, const QString &reply, QString *why)
{
    switch (exchangeEnd(s.Comm, s.state, reply)) {
    //: The reason in "Password change not confirmed: %1 ..." and "Time set not confirmed: %1"
    case ExchangeEnd::lineLost:
        *why = QCoreApplication::translate("PasswordClock", "connection to the Merolan lost.");
        break;
    //: The reason in "Password change not confirmed: %1 ..." and "Time set not confirmed: %1"
    case ExchangeEnd::Unanswered:
        *why = QCoreApplication::translate("PasswordClock", "the Merolan did not answer.");
        break;
    case ExchangeEnd::Refused: return CommandOutcome::Refused;
    case ExchangeEnd::Answered: return CommandOutcome::Confirmed;
    }
    return CommandOutcome::Unconfirmed;
}

QString named(const QString &password)
{
    if (password.isEmpty())
        //: Stands for an empty password in "... the old password (%2) or the new one (%3)."
        return QCoreApplication::translate("PasswordClock", "none");
    //: %1 is a password, quoted, in "... the old password (%2) or the new one (%3)."
    return QCoreApplication::translate("PasswordClock", "\"%1\"").arg(password);
}

} // namespace

std::optional<PasswordRetry> passwordRetry(const QString &answer, const QString &lastSuggestion)
{
    const QString title = QCoreApplication::translate("PasswordClock", "Password entry ERROR");
    const QString head = newPasswordPrompt() + QStringLiteral("\n\n");
    if (answer.size() >= 9)
        //: %1 is the password typed, %2 its length
        return PasswordRetry{
            title,
            head
                + QCoreApplication::translate("PasswordClock", "Password %1 contains %2 characters. \n")
                      .arg(answer, QString::number(answer.size())),
            lastSuggestion};
    const QString suggestion = FilterPassword(answer);
    if (suggestion == answer)
        return std::nullopt;
    //: %1 is the password typed; the box below it holds the suggestion
    return PasswordRetry{title,
                         head
                             + QCoreApplication::translate(
                                   "PasswordClock", "Password %1 contains invalid characters. \nSuggested password:")
                                   .arg(answer),
                         suggestion};
}

void PasswordClicked(Session &s)
{
    if (refusedWhileRunning(s.state, s.prompt))
        return;
    const double firmware = s.firmwareNumber();
    if (firmware >= 2.0 && firmware < 3.0
        && !s.prompt.question(QCoreApplication::translate("PasswordClock",
                                                          "When Merolan is connected to:\n"
                                                          "- Ombrilex-S v45.1 or newer, or\n"
                                                          "- Ombrilex-P v6.12 or newer\n"
                                                          "only the data logger's password is used.\n"
                                                          "would you like to change the Merolan password anyway?"),
                              UserPrompt::Icon::Warning, UserPrompt::Answer::Yes))
        return;
    std::optional<QString> answer = s.prompt.input(newPasswordPrompt(), QString(), QString());
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
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Password is disabled already."));
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
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Password set failed."));
    } else if (result == CommandOutcome::Unconfirmed) {
        // The modem may have taken it: a site locked out by a password that
        // nobody knows was set is worse than a second try.
        //: %1 is the reason, %2 and %3 the passwords in quotes or "none"
        const QString told = QCoreApplication::translate(
                                 "PasswordClock", "Password change not confirmed: %1 The Merolan now asks for the old "
                                                  "password (%2) or the new one (%3).")
                                 .arg(why, named(old), named(newPassword));
        s.state.setStatus(told);
        s.prompt.message(told, UserPrompt::Icon::Warning);
        s.UnconfirmedPassword = newPassword;
    } else if (newPassword.isEmpty()) {
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Password Disabled successfully."));
        s.showPasswordTag(false);
        s.showPassword(QString());
    } else {
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Password Enabled successfully."));
        s.showPasswordTag(true);
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
    s.state.setStatus(QCoreApplication::translate("PasswordClock", "Setting time..."));
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
                ? QCoreApplication::translate("PasswordClock", "Time set successfully.")
                : QCoreApplication::translate("PasswordClock",
                                              "Time set successfully, but the Merolan did not report its clock back."));
    } else if (result == CommandOutcome::Unconfirmed) {
        // Set or not, nobody knows the modem's clock now.
        showModemClock(s, QString());
        //: %1 is the reason, such as "the Merolan did not answer."
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Time set not confirmed: %1").arg(why));
    } else {
        s.state.setStatus(QCoreApplication::translate("PasswordClock", "Time set failed."));
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
