#pragma once

class Session;

// Escapes the modem into command mode, waits while it synchronises with its
// data logger and logs in when it asks for a password. True when the modem
// takes commands. Reports a failure in the status text and a message box.
bool FindModem(Session &session);
