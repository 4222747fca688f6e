#pragma once

class Session;

// The two settings of the diagram that a one-line input box edits, and the
// notice that follows the baud-rate dialog. Each edits EditSetup and its
// caption, then refreshes the write button's colour.

// The server-port line: asks until the answer's number is 1 to 65535
// ("Wrong Server Port Number!" otherwise); an empty answer or Cancel changes
// nothing. HostPort takes the number rounded half to even.
void ServerPortClicked(Session &session);

// The alarm SMS line: asks for the number with the stored one as default and
// stores it trimmed; an empty answer disables the alarm, Cancel keeps it.
void SMSClicked(Session &session);

// After the baud-rate dialog: when anything is pending, says when the modem
// takes the new rate (firmware 3.0 and later at Finish programming, older
// ones after a 3-minute reset).
void baudNotice(Session &session);
