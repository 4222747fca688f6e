#include "inprocessmodem.h"

InProcessModem::InProcessModem(Clock &clock, const SimModem::Config &config) : m_link(clock, m_modem)
{
    m_modem.config() = config;
    m_link.setPorts({portName()});
    m_scheduler.start();
}
