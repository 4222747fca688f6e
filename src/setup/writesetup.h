#pragma once

#include <QString>
#include <QStringList>

class Session;
struct SetupRecord;

// The write button's caption while no write runs.
QString writeCaption();

// The setting lines, without their leading "#", that a write would send to
// the modem read, in the order it sends them: with writeAll every setting,
// else those that differ from ModemSetup, and none at all while the records
// agree (a typed mail password alone is no change). The write sends exactly
// these once its checks pass.
QStringList PendingLines(const Session &session, bool writeAll);

// PendingLines as they may be shown to anyone: password values masked.
QStringList ShownPendingLines(const Session &session, bool writeAll);

// True when the write must not start: a problem was reported to the user, or
// the user chose not to go on.
bool ValidateSetup(Session &session);

// Sends EditSetup (every setting with writeAll, else only what differs from
// ModemSetup). True when every line sent was accepted; then ModemSetup
// becomes EditSetup. Otherwise ModemSetup takes each setting the modem
// accepted before the write ended (not with writeAll: that modem's setup
// was never read).
bool WriteSetup(Session &session, bool writeAll);

// The write after the checks: with writeAll every setting, else what differs
// from ModemSetup, or, when nothing does, only the message that there is
// nothing to write. True when nothing failed.
bool WriteChanges(Session &session, bool writeAll);

// The write button: validate, stop a running write, or search, check the
// serial number and write.
void WriteClicked(Session &session);
