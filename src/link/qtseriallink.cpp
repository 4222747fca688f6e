#include "qtseriallink.h"

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

namespace {

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

bool QtSerialLink::openDevice(const QString &port, const LineSettings &s)
{
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

void QtSerialLink::closeDevice()
{
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
    return m_port.isOpen() && m_port.write(bytes) == bytes.size();
}

void QtSerialLink::onReadyRead()
{
    received(m_port.readAll());
}

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
