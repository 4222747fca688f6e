#pragma once

class Session;

// File > Load Setup from file: the chosen file becomes ModemSetup and
// EditSetup, and the diagram shows it. A file that cannot be read whole
// changes nothing.
void LoadSetupCommand(Session &session);

// File > Save Setup to file: stores EditSetup.
void SaveSetupCommand(Session &session);
