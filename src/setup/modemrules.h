#pragma once

#include <QString>
#include <QStringList>

// Rules of the modem and of the programs that start the programmer, kept out
// of the windows so that every front end applies the same ones.

// The serial rates offered for the link, slowest first, as the port box and
// merolan-cli take them.
QStringList baudRateTexts();

// A calling program that names its data logger ("1", "40", "100" or "50")
// fixes the logger mode: the box is ticked and the user cannot change it.
bool loggerTypeFixesMode(const QString &type);
// Logger type "50" keeps its own password: the password line is not shown.
bool loggerTypeHidesPassword(const QString &type);

// The devices a modem switches: 1, 2, 3, or 9 for none; any other count
// stands for 3.
qint16 normalisedDeviceCount(qint16 count);

// The mediation service the client role reports to unless told otherwise.
QString defaultTessarinHost();

// The modem's password rule: at most 8 characters, each a digit, a capital
// letter or one of "[", "\\", "]", "^". Keeps the allowed ones of the first 8
// characters, in order; what the password box keeps of a typed text, and the
// suggestion for a password that breaks the rule.
QString FilterPassword(const QString &text);
