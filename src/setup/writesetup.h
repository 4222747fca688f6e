#pragma once

#include <QString>
#include <QStringList>

class Session;
struct SetupRecord;

// True when the write must not start: a problem was reported to the user, or
// the user chose not to go on.
bool ValidateSetup(Session &session);

// Sends EditSetup (every setting with writeAll, else only what differs from
// ModemSetup). True when every line sent was accepted; then ModemSetup
// becomes EditSetup.
bool WriteSetup(Session &session, bool writeAll);

// The write after the checks: with writeAll every setting, else what differs
// from ModemSetup, or, when nothing does, only the message that there is
// nothing to write. True when nothing failed.
bool WriteChanges(Session &session, bool writeAll);

// The write button: validate, stop a running write, or search, check the
// serial number and write.
void WriteClicked(Session &session);
