#pragma once

#include <QString>
#include <QStringList>
#include <optional>

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
// Two mail passwords the modem would hold alike: equal, or both placeholders.
bool sameMailPassword(const QString &a, const QString &b);

// What is wrong with these setting lines, made from edit, that the modem
// cannot take, in words naming the setting, each fault once. A value with a
// character outside printable ASCII would end its command line early (or be
// garbled on the wire); a role, logger mode, rate index, server port (0 to
// 65535) or e-mail interval (0 to 24 hours) outside what the modem knows
// would be stored as it is; a time that is no time of day would go as another
// one. Values that are not sent are not judged: an odd value the modem itself
// reported stays harmless.
QStringList unsendableSettings(const QStringList &lines, const SetupRecord &edit);
// The first of them; empty when all can go.
QString unsendableSetting(const QStringList &lines, const SetupRecord &edit);

// What is wrong with a setup file whatever modem it goes to: a server port
// outside 0 to 65535 (0: none set), an e-mail interval outside 0 to 24 hours,
// a time that is no time of day.
QStringList setupFileProblems(const SetupRecord &record);
// The first of them; empty when there is none.
QString setupFileProblem(const SetupRecord &record);

// The faults that stop a write of these lines of edit, found without asking
// the modem or the user, by the check that finds them, in the write's order.
struct WriteFaults
{
    QStringList unsendable;  // unsendableSettings of the lines
    bool mailJudged = false; // a firmware below 3.0 sends mails: the e-mail settings count
    QStringList mail;        // recipient, sender, server
    QStringList role;        // role 1: the Tessarin address and port; role 2: the APN

    QStringList all() const { return unsendable + mail + role; }
};
// firmware: the modem's; none when not known, and the e-mail settings,
// which depend on it, are not judged.
WriteFaults writeFaults(const SetupRecord &edit, const QStringList &lines, std::optional<double> firmware);

// Every fault of a setup file that a write of all of it would meet: with a
// firmware, the lines a modem of that firmware gets and its rules; without,
// every line any modem gets; and the setupFileProblems whatever is sent.
QStringList setupFileFaults(const SetupRecord &record, std::optional<double> firmware);

// The line as it may be shown to anyone: the value of a password setting
// (GPRS, mail) becomes asterisks, unless it is empty.
QString maskedSettingLine(const QString &line);

// What the modem holds once it accepted a line that settingLines made from
// edit: the setting's field of modem takes edit's value. The recipients are
// held once their last line is accepted.
void acceptSettingLine(const QString &line, const SetupRecord &edit, SetupRecord &modem);

// Every line a write sends, in the modem's order: with writeAll each setting,
// else those whose value in edit differs from modem. The firmware number
// decides whether the logger mode (2.0 to below 3.0) and the e-mail settings
// (below 3.0) are written.
QStringList settingLines(const SetupRecord &edit, const SetupRecord &modem, bool writeAll, double firmware);
