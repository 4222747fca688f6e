#pragma once

#include <QString>
#include <optional>

class Session;

// The modem's password and clock: two settings outside the setup record,
// each changed at once by its own exchange after a fresh login.

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
// On success the password box, lblPWD and its tag follow. A disabled password
// asked to be disabled sends nothing. True when the modem holds newPassword.
bool SetPassword(Session &session, const QString &newPassword);

// The Set link: logs in, sets the modem's clock to the computer's local time
// and reads it back into lblClock with the drift. True when the modem took
// the time. Refused with a beep while an operation runs.
bool SetClock(Session &session);

// Shows a "#TIME?" reply in lblClock, and how far it is from the computer's
// clock, which is read as the reply's moment of arrival.
void showModemClock(Session &session, const QString &reply);
