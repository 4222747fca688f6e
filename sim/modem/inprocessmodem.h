#pragma once

#include "memorylink.h"
#include "simmodem.h"
#include "timerscheduler.h"

class Clock;

// The demo modem inside the program, on real time, for systems without
// pseudo-terminals: the program talks to it through a link joined straight
// to it, under the port name "DEMO". Lives in the thread that uses the link.
class InProcessModem
{
public:
    explicit InProcessModem(Clock &clock, const SimModem::Config &config = {});

    SimModem &modem() { return m_modem; }
    SerialLink &link() { return m_link; }
    static QString portName() { return QStringLiteral("DEMO"); }

private:
    TimerScheduler m_scheduler;
    SimModem m_modem{m_scheduler};
    MemorySerialLink m_link;
};
