#pragma once

#include <QString>

class Session;

// The operations that open, log in to and hand back a modem. The window and
// merolan-cli both run these, so they always do the same thing on the wire.

// The search and login on the open port, with the password from the view's
// password box; shows on the view what the modem said about its password.
// When the modem refuses that password and a password change was never
// confirmed, offers to log in with the new one. A port that closed under an
// earlier exchange is opened again first when the user agrees. True when the
// modem takes commands.
bool FindModem(Session &session);

enum class ConnectResult {
    CannotOpen, // the port stayed closed (already told, with the reason)
    NotFound,   // the search or the login failed (already told); the port is closed again
    ReadFailed, // logged in, but the first read failed (already told); the port stays open
    Ready,      // logged in and the whole setup read
};

// Opens the port at "<baud>,n,8,1", searches and logs in, shows the
// programming side of the view and reads the setup. The first read cannot be
// stopped: the refresh button is hidden while it runs.
ConnectResult Connect(Session &session, const QString &port, const QString &baud);

enum class ActivationResult {
    Declined,    // the user said No, or an operation runs (beep)
    Refused,     // the modem answered "ERROR" (already told)
    Unconfirmed, // sent, but no answer came or the line was lost: the device may be on (already told)
    Activated,   // the device's port is on, the modem handed back and the port closed: the program ends
};

// Switches on the port of device 1 to 3 after asking (first about unwritten
// changes, as Finish does), with "#P" + n + "ON" and an empty line; the modem
// then runs the device's schedule from its OFF time. No login comes first.
ActivationResult ActivateDevice(Session &session, int device);

// Returns the modem to its automatic operation when the port is open: "#AUTO"
// straight to the port and a second's pause. No answer is awaited.
void HandBack(Session &session);

// Finish programming: asks first when changes are pending, then hands the
// modem back, returns the view to its start side and closes the port. False
// when something runs or the user chose to stay.
bool FinishProgramming(Session &session);

// The close request of the program: refused with a beep while an operation
// runs; while programming, asks first when changes are pending, as Finish
// does; then hands the modem back. True when the program may close.
bool CloseRequest(Session &session);
