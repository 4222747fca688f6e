#pragma once

#include "seriallink.h"

class SimModem;
class VirtualClock;

// The serial layer joined straight to a simulated modem on virtual time: what
// the program writes reaches the modem at once, and the modem's answers arrive
// during the program's waits, when the clock reaches them.
class MemorySerialLink final : public SerialLink
{
    Q_OBJECT
public:
    MemorySerialLink(VirtualClock &clock, SimModem &modem, QObject *parent = nullptr);
    ~MemorySerialLink() override;

    QStringList CommPorts() const override { return m_ports; }
    void setPorts(const QStringList &ports) { m_ports = ports; }
    // Every open fails, as with a port that another program holds.
    void setOpenFails(bool fails) { m_openFails = fails; }

protected:
    bool openDevice(const QString &port, const LineSettings &settings) override;
    void closeDevice() override;
    bool writeDevice(const QByteArray &bytes) override;

private:
    SimModem &m_modem;
    QStringList m_ports{QStringLiteral("ttyS0")};
    bool m_openFails = false;
    bool m_deviceOpen = false;
};
