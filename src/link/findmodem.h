#pragma once

#include <QString>

class OperationState;
class SerialLink;
class UserPrompt;

// What the search needs to know of the user's side.
struct LoginRequest
{
    QString password;          // as typed; blanks around it are sent too
    qint16 connectionKind = 0; // 0 local port, 1 GSM data call, 2 Ethernet/GPRS: picks the not-found message
    // The first search on a newly opened port: a modem that already takes
    // commands is asked whether it is logged in (it may still be waiting for
    // the password of an earlier, refused login).
    bool confirmLogin = false;
};

// What the modem said about its password while it was searched for.
enum class ModemPassword { NotAsked, None, Required };

struct LoginResult
{
    bool ready = false; // the modem takes commands
    ModemPassword password = ModemPassword::NotAsked;
};

// Escapes the modem into command mode, waits while it synchronises with its
// data logger and logs in when it asks for a password. Reports a failure in
// the status text and a message box; a port that is closed, or closes during
// the search, as a lost connection rather than as a modem not found.
LoginResult FindModem(SerialLink &Comm, OperationState &state, UserPrompt &prompt, const LoginRequest &request);
