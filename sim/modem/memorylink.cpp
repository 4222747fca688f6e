#include "memorylink.h"

#include "simmodem.h"

MemorySerialLink::MemorySerialLink(Clock &clock, SimModem &modem, QObject *parent)
    : SerialLink(clock, parent), m_modem(modem)
{
    // While the port is closed the modem talks to a dead line.
    m_modem.transmit = [this](const QByteArray &bytes) {
        if (m_deviceOpen)
            received(bytes);
    };
    m_modem.dropLine = [this] {
        if (m_deviceOpen)
            lineDropped(tr("The connection to %1 was lost").arg(CommPort()));
    };
}

MemorySerialLink::~MemorySerialLink()
{
    m_modem.transmit = nullptr;
    m_modem.dropLine = nullptr;
}

bool MemorySerialLink::openDevice(const QString &port, const LineSettings &)
{
    if (!m_ports.contains(port)) {
        openFailed(OpenFailure::NotFound, QString());
        return false;
    }
    if (m_openFailure != OpenFailure::None) {
        openFailed(m_openFailure, QStringLiteral("Unknown error"));
        return false;
    }
    m_deviceOpen = true;
    return true;
}

void MemorySerialLink::closeDevice()
{
    m_deviceOpen = false;
}

bool MemorySerialLink::writeDevice(const QByteArray &bytes)
{
    if (!m_deviceOpen)
        return false;
    m_modem.receive(bytes);
    return true;
}
