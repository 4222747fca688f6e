#pragma once

#include <QString>
#include <QStringList>

struct SetupRecord;

// The setting lines the write sends, without their leading "#", and the checks
// made on the values before any of them goes to the modem.

// An e-mail interval as the modem takes it: at least two digits ("04", "24").
QString emailIntervalText(qint16 hours);

// The "ERecep=" lines for a recipient field. The modem stores one address a
// line; a trailing comma tells it that more follow. Empty parts between
// commas are dropped, the last part always goes (an empty one too).
QStringList recipientLines(const QString &recipients);

// The address pattern "*?@?*.?*": one or more characters, "@", one or more
// characters, and later a "." with at least one character after it.
bool matchesAddressPattern(const QString &text);

// True when every character is printable ASCII (32 to 126), the only ones
// that can go on a command line without starting or ending one.
bool isPrintableAscii(const QString &text);

// True for the mail password's placeholder, asterisks only and at most 100 of
// them (an empty one too): the modem never reports its password, so the
// program shows asterisks and sends a password only once one was typed.
bool isPasswordPlaceholder(const QString &password);

// Every line a write sends, in the modem's order: with writeAll each setting,
// else those whose value in edit differs from modem. The firmware number
// decides whether the logger mode (2.0 to below 3.0) and the e-mail settings
// (below 3.0) are written.
QStringList settingLines(const SetupRecord &edit, const SetupRecord &modem, bool writeAll, double firmware);
