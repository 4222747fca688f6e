#pragma once

#include <QString>
#include <optional>

class Session;

// The modem's password and clock: two settings outside the setup record,
// each changed at once by its own exchange after a fresh login.

// What became of a command that changes the modem at once.
enum class CommandOutcome {
    Confirmed,   // the modem answered: it holds the change
    Refused,     // it answered "ERROR": it holds what it held
    Unconfirmed, // sent, but no answer came or the line was lost: it may hold either
    NotSent,     // the login failed: nothing went out
};

// The box that asks again in the new-password loop.
struct PasswordRetry
{
    QString title;
    QString prompt;
    QString defaultText;
};

// Nothing when answer is an acceptable password (empty disables the
// password); else the retry box for it. lastSuggestion is the default of a
// retry for a too-long answer: the loop's last suggestion, if any.
std::optional<PasswordRetry> passwordRetry(const QString &answer, const QString &lastSuggestion);

// The Change link: the data-logger notice on firmware 2.x, the new password
// asked until it is acceptable (Cancel backs out, sending nothing), then
// SetPassword. Refused with a beep while an operation runs.
void PasswordClicked(Session &session);

// Logs in and sends "#PASSWORD=" + the known password + "," + newPassword.
// Confirmed: the password box, lblPWD and its tag follow. Unconfirmed: the
// user is told both passwords the modem may now ask for, and the new one is
// kept in Session::UnconfirmedPassword for the next login. A disabled
// password asked to be disabled sends nothing (Confirmed).
CommandOutcome SetPassword(Session &session, const QString &newPassword);

// The Set link: logs in, sets the modem's clock to the computer's local time
// and reads it back into lblClock with the drift. When the set went out but
// was never answered, the clock shown is dropped: nobody knows it now.
// Refused with a beep while an operation runs (NotSent).
CommandOutcome SetClock(Session &session);

// Shows a "#TIME?" reply in lblClock, and how far it is from the computer's
// clock, which is read as the reply's moment of arrival.
void showModemClock(Session &session, const QString &reply);
