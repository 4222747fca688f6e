#pragma once

#include "seriallink.h"

#include <QList>
#include <QSerialPort>
#include <optional>
#ifdef MEROLAN_NETWORK
#include <QTcpSocket>
#endif

class QSocketNotifier;

// The serial layer on a real port, or on a TCP connection when the port is
// named "tcp://HOST:PORT": the raw bytes of a modem or a serial-device server,
// no telnet negotiation; the line settings do not apply there.
class QtSerialLink final : public SerialLink
{
    Q_OBJECT
public:
    explicit QtSerialLink(Clock &clock, QObject *parent = nullptr);
    ~QtSerialLink() override;

    QStringList CommPorts() const override;
    QString portDescription(const QString &name) const override;
    // The open port's system handle (a descriptor on Linux, the socket over
    // the network), -1 when closed: for a last "#AUTO" where nothing else may run.
    qintptr nativeHandle() const;

protected:
    bool openDevice(const QString &port, const LineSettings &settings) override;
    void closeDevice() override;
    bool writeDevice(const QByteArray &bytes) override;

private:
    bool openNetwork(const QString &port);
    void onReadyRead();
#ifdef MEROLAN_NETWORK
    void onSocketClosed();
#endif
    void onError(QSerialPort::SerialPortError error);
    void checkHangUp();

    QSerialPort m_port;
#ifdef MEROLAN_NETWORK
    QTcpSocket m_socket;
    bool m_network = false; // the open device is m_socket
#endif
    QSocketNotifier *m_hangUp = nullptr;
    int m_hangUpHandle = -1;
};

// Whether an error on an open port means the device is no longer there (an
// adapter pulled out shows up as any of these, depending on the driver).
bool meansDeviceGone(QSerialPort::SerialPortError error);

// Why an open failed, from QSerialPort's error code. mayUseDevice: whether
// the user may read and write the device node, which tells a port held by
// another program from one the user may not open (QSerialPort reports both
// as PermissionError).
SerialLink::OpenFailure openFailureFromError(QSerialPort::SerialPortError error, bool mayUseDevice);

// A serial port of the system as a script sees it: its device, the stable
// name that links to it (if any), what the adapter says it is (description,
// maker, serial number) and whether a program holds it.
struct SerialPortEntry
{
    QString device;
    QString stableName;
    QString description;
    std::optional<bool> inUse;
};

// The system's serial ports, by device; none is opened.
QList<SerialPortEntry> serialPortList();
