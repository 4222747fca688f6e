#pragma once

#include "seriallink.h"

class Clock;
class SimModem;

// The serial layer joined straight to a simulated modem: what the program
// writes reaches the modem at once, and the modem's answers arrive during the
// program's waits, when the modem's scheduler runs them (virtual time in the
// tests, real timers for the demo modem inside the program).
class MemorySerialLink final : public SerialLink
{
    Q_OBJECT
public:
    MemorySerialLink(Clock &clock, SimModem &modem, QObject *parent = nullptr);
    ~MemorySerialLink() override;

    QStringList CommPorts() const override { return m_ports; }
    void setPorts(const QStringList &ports) { m_ports = ports; }
    // Every open fails for this reason (None: opens succeed again); Other
    // comes with the system text "Unknown error". A port missing from
    // CommPorts() is always NotFound.
    void failOpen(SerialLink::OpenFailure failure) { m_openFailure = failure; }

protected:
    bool openDevice(const QString &port, const LineSettings &settings) override;
    void closeDevice() override;
    bool writeDevice(const QByteArray &bytes) override;

private:
    SimModem &m_modem;
    QStringList m_ports{QStringLiteral("ttyS0")};
    SerialLink::OpenFailure m_openFailure = SerialLink::OpenFailure::None;
    bool m_deviceOpen = false;
};
