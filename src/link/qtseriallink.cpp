#include "qtseriallink.h"

#include "clock.h"
#include "portnames.h"

#include <QFile>
#include <QSerialPortInfo>
#include <QSignalBlocker>
#include <QSocketNotifier>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

#ifdef MEROLAN_NETWORK
#include <QHostAddress>
#endif

namespace {

#ifdef MEROLAN_NETWORK
constexpr int kConnectMs = 10000;

struct NetworkAddress
{
    QString host;
    quint16 port = 0;
    QString fault; // what is wrong with the name; empty when it is whole
};

// "tcp://HOST:PORT", HOST a name, an IPv4 address or an IPv6 address in brackets.
NetworkAddress networkAddress(const QString &name)
{
    NetworkAddress a;
    const QString rest = name.mid(6);
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    a.host = rest.left(colon);
    const QString port = rest.mid(colon + 1);
    if (a.host.startsWith(QLatin1Char('[')) && a.host.endsWith(QLatin1Char(']'))) {
        a.host = a.host.mid(1, a.host.size() - 2);
        if (QHostAddress(a.host).protocol() != QAbstractSocket::IPv6Protocol)
            a.fault = QtSerialLink::tr("\"%1\" is no IPv6 address").arg(a.host);
    } else if (a.host.contains(QLatin1Char(':'))) {
        a.fault = QtSerialLink::tr("an IPv6 address goes in brackets, as in tcp://[fd00::20]:4001");
    }
    const bool digits = !port.isEmpty() && std::all_of(port.begin(), port.end(), [](QChar c) { return c.isDigit(); });
    if (colon < 0 || a.host.isEmpty())
        a.fault = QtSerialLink::tr("the host or the port is missing");
    else if (!digits || port.toUInt() < 1 || port.toUInt() > 65535)
        a.fault = QtSerialLink::tr("the port must be a number from 1 to 65535");
    a.port = quint16(port.toUInt());
    return a;
}
#endif

bool userMayOpen([[maybe_unused]] const QString &port)
{
#ifdef Q_OS_UNIX
    // Where QSerialPort looks for the device: a path as given, a name under /dev.
    const QString path = port.startsWith(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port;
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
#else
    // On Windows a denied open is a port that another program holds.
    return true;
#endif
}

} // namespace

bool meansDeviceGone(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::WriteError:
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError: return true;
    default: return false;
    }
}

SerialLink::OpenFailure openFailureFromError(QSerialPort::SerialPortError error, bool mayUseDevice)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return SerialLink::OpenFailure::NotFound;
    case QSerialPort::PermissionError:
        return mayUseDevice ? SerialLink::OpenFailure::InUse : SerialLink::OpenFailure::NoPermission;
    default: return SerialLink::OpenFailure::Other;
    }
}

QtSerialLink::QtSerialLink(Clock &clock, QObject *parent) : SerialLink(clock, parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialLink::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
#ifdef MEROLAN_NETWORK
    connect(&m_socket, &QIODevice::readyRead, this, [this] { received(m_socket.readAll()); });
    connect(&m_socket, &QAbstractSocket::disconnected, this, &QtSerialLink::onSocketClosed);
    // Ends the open's wait as soon as the connection is made or refused.
    connect(&m_socket, &QAbstractSocket::stateChanged, this, [&clock] { clock.wake(); });
#endif
}

QtSerialLink::~QtSerialLink()
{
    closeDevice();
}

QStringList QtSerialLink::CommPorts() const
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        names << info.portName();
    names.sort();
    return names;
}

QString QtSerialLink::portDescription(const QString &name) const
{
    const QSerialPortInfo info(name);
    QStringList parts;
    if (!info.description().isEmpty())
        parts << info.description();
    if (!info.manufacturer().isEmpty())
        parts << info.manufacturer();
    if (!info.systemLocation().isEmpty())
        parts << info.systemLocation();
    return parts.join(QStringLiteral(" - "));
}

qintptr QtSerialLink::nativeHandle() const
{
#ifdef MEROLAN_NETWORK
    if (m_network)
        return m_socket.socketDescriptor();
#endif
    return m_port.isOpen() ? qintptr(m_port.handle()) : -1;
}

bool QtSerialLink::openDevice(const QString &port, const LineSettings &s)
{
    if (isNetworkPort(port))
        return openNetwork(port);
    m_port.setPortName(port);
    m_port.setBaudRate(s.baud);
    switch (s.parity) {
    case 'e': m_port.setParity(QSerialPort::EvenParity); break;
    case 'o': m_port.setParity(QSerialPort::OddParity); break;
    case 'm': m_port.setParity(QSerialPort::MarkParity); break;
    case 's': m_port.setParity(QSerialPort::SpaceParity); break;
    default: m_port.setParity(QSerialPort::NoParity); break;
    }
    m_port.setDataBits(QSerialPort::DataBits(s.dataBits));
    m_port.setStopBits(s.stopBits == 2     ? QSerialPort::TwoStop
                       : s.stopBits == 1.5 ? QSerialPort::OneAndHalfStop
                                           : QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port.error();
        openFailed(openFailureFromError(error, error == QSerialPort::PermissionError && userMayOpen(port)),
                   m_port.errorString());
        return false;
    }
    // The settings are applied again once open: some drivers ignore them before.
    if (!m_port.setBaudRate(s.baud)) {
        setError(Error::BadSettings, m_port.errorString());
        m_port.close();
        return false;
    }
    {
        // Many modems talk only with DTR on; Qt on Windows drops RTS without
        // flow control and leaves DTR as the driver had it. A pseudo-terminal
        // has no such lines and refuses both, which leaves the port usable.
        const QSignalBlocker quiet(m_port);
        m_port.setDataTerminalReady(true);
        m_port.setRequestToSend(true);
        m_port.clearError();
    }
#ifdef Q_OS_UNIX
    // A far end that hangs up (a pseudo-terminal's master, a carrier) makes
    // reads return nothing rather than fail, which QSerialPort does not report.
    // A duplicate descriptor: one descriptor takes only one read notifier.
    m_hangUpHandle = ::dup(m_port.handle());
    if (m_hangUpHandle >= 0) {
        m_hangUp = new QSocketNotifier(m_hangUpHandle, QSocketNotifier::Read, this);
        connect(m_hangUp, &QSocketNotifier::activated, this, &QtSerialLink::checkHangUp);
    }
#endif
    return true;
}

bool QtSerialLink::openNetwork(const QString &port)
{
#ifndef MEROLAN_NETWORK
    openFailed(OpenFailure::Other, tr("This build of the programmer cannot reach modems on the network: %1 is not "
                                      "available. Use a serial port.")
                                       .arg(port));
    return false;
#else
    const NetworkAddress address = networkAddress(port);
    if (!address.fault.isEmpty()) {
        openFailed(OpenFailure::Other, tr("%1 is not a network port: %2. Write it as tcp://HOST:PORT, as in "
                                          "tcp://192.168.1.20:4001.")
                                           .arg(port, address.fault));
        return false;
    }
    m_socket.connectToHost(address.host, address.port);
    const qint64 deadline = clock().now() + kConnectMs;
    while (m_socket.state() != QAbstractSocket::ConnectedState && m_socket.state() != QAbstractSocket::UnconnectedState
           && clock().now() < deadline)
        clock().waitForActivity(deadline - clock().now());
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        // The escape is told by the pauses around it: no bytes held back.
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_network = true;
        return true;
    }
    const bool timedOut = m_socket.state() != QAbstractSocket::UnconnectedState;
    const QAbstractSocket::SocketError error = m_socket.error();
    const QString systemText = m_socket.errorString();
    m_socket.abort();
    const QString where = tr("%1 port %2").arg(address.host).arg(address.port);
    if (timedOut)
        openFailed(OpenFailure::Other, tr("No answer from %1 within %2 s. Check the address, the network and that the "
                                          "server is on.")
                                           .arg(where)
                                           .arg(kConnectMs / 1000));
    else if (error == QAbstractSocket::HostNotFoundError)
        openFailed(OpenFailure::NotFound, systemText);
    else
        openFailed(OpenFailure::Other, tr("Could not connect to %1: %2. Check that the server is on and takes "
                                          "connections on that port.")
                                           .arg(where, systemText));
    return false;
#endif
}

void QtSerialLink::closeDevice()
{
#ifdef MEROLAN_NETWORK
    if (m_network) {
        m_network = false;
        // Our own close is no dropped line.
        const QSignalBlocker quiet(m_socket);
        if (m_socket.bytesToWrite() > 0)
            m_socket.waitForBytesWritten(1000);
        m_socket.disconnectFromHost();
        m_socket.abort();
        return;
    }
#endif
    if (m_hangUp) {
        // May run inside the notifier's own signal.
        m_hangUp->setEnabled(false);
        m_hangUp->deleteLater();
        m_hangUp = nullptr;
    }
#ifdef Q_OS_UNIX
    if (m_hangUpHandle >= 0)
        ::close(m_hangUpHandle);
    m_hangUpHandle = -1;
#endif
    if (!m_port.isOpen())
        return;
    // What was sent last ("#AUTO") must reach the modem before the port goes,
    // unless the device itself is gone.
    if (m_port.bytesToWrite() > 0 && !meansDeviceGone(m_port.error()))
        m_port.waitForBytesWritten(1000);
    m_port.close();
}

bool QtSerialLink::writeDevice(const QByteArray &bytes)
{
#ifdef MEROLAN_NETWORK
    if (m_network) {
        const bool written = m_socket.write(bytes) == bytes.size();
        m_socket.flush();
        return written;
    }
#endif
    return m_port.isOpen() && m_port.write(bytes) == bytes.size();
}

void QtSerialLink::onReadyRead()
{
    received(m_port.readAll());
}

#ifdef MEROLAN_NETWORK
void QtSerialLink::onSocketClosed()
{
    if (!m_network)
        return;
    // What came before the hang-up is still the modem's.
    received(m_socket.readAll());
    lineDropped(tr("The connection to %1 was lost").arg(CommPort()));
}
#endif

void QtSerialLink::onError(QSerialPort::SerialPortError error)
{
    // Decided by code, never by text: a vanished device reports its errors
    // with misleading messages on some systems.
    if (meansDeviceGone(error) && m_port.isOpen())
        lineDropped(tr("The connection to %1 was lost").arg(m_port.portName()));
}

void QtSerialLink::checkHangUp()
{
#ifdef Q_OS_UNIX
    pollfd fd{m_hangUpHandle, POLLIN, 0};
    if (m_port.isOpen() && ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR)))
        lineDropped(tr("The connection to %1 was lost").arg(m_port.portName()));
#endif
}

QList<SerialPortEntry> serialPortList()
{
    QList<SerialPortEntry> entries;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        QStringList about{info.description(), info.manufacturer(), info.serialNumber()};
        about.removeAll(QString());
        const QString device = info.systemLocation();
        entries.append({device, stablePortName(device), about.join(QStringLiteral(", ")), portInUse(device)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const SerialPortEntry &a, const SerialPortEntry &b) { return a.device < b.device; });
    return entries;
}
