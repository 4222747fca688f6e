#pragma once

#include "memorylink.h"
#include "recordingview.h"
#include "scriptedprompt.h"
#include "session.h"
#include "simmodem.h"
#include "virtualclock.h"

// A simulated modem on virtual time with a recording window and a scripted
// user around one session: the setting of every operation test.
struct ModemRig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};
    RecordingView view;
    ScriptedPrompt prompt;
    Session session{link, view, prompt};

    // The port as Connect leaves it, before the search.
    void openPort()
    {
        link.setCommPort(QStringLiteral("ttyS0"));
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
    }
};
