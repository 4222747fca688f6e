#pragma once

#include <QString>
#include <optional>

// What merolan-cli needs of its terminal and of the signals that stop it.

// Ctrl-C and SIGTERM (Ctrl-C, Ctrl-Break and closing the console on Windows)
// ask the work to stop: the modem is handed back before the program ends. A
// second one ends the program at once with status 130.
void installInterruptHandlers();
bool interrupted();

// The ports the second interrupt hands back on its way out, "#AUTO" written
// straight to each without waiting for an answer: slot is the port's place in
// the run (below kHandBackSlots), handle its open descriptor, -1 for none.
constexpr int kHandBackSlots = 64;
void setHandBackPort(int slot, qintptr handle);

bool stdinIsTerminal();

// Text on standard error in the terminal's encoding, in one write, so lines
// of ports running side by side do not interleave.
void writeError(const QString &text);

// One line typed on the terminal without echo, after prompt on standard
// error. No value when input ends or an interrupt comes first.
std::optional<QString> readHiddenLine(const QString &prompt);
