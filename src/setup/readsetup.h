#pragma once

class Session;

// Reads the modem's identity and whole setup into ModemSetup, filling the
// window's captions from the replies as it goes; on success EditSetup becomes
// a copy. Needs a logged-in modem. True when the whole setup was read.
bool ReadSetup(Session &session);

// The refresh button: searches and logs in, then reads; while a read runs, the
// same button (captioned "STOP Refreshing setup...") asks it to stop.
void RefreshClicked(Session &session);
