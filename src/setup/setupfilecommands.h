#pragma once

#include <QString>

class Session;

// File > Load Setup from file: the chosen file becomes EditSetup, and the
// diagram shows it. While the modem that was read is connected, ModemSetup
// stays what it holds, so the marks and Write show and send what differs;
// otherwise the file becomes ModemSetup too. A file that cannot be read
// whole changes nothing. True when a file was loaded.
bool LoadSetupCommand(Session &session);
// The same without asking: the file named when the program started.
bool LoadSetupFromFile(Session &session, const QString &path);

// File > Save Setup to file: stores EditSetup, as JSON when the chosen name
// ends in ".json", else as .mrl.
void SaveSetupCommand(Session &session);
