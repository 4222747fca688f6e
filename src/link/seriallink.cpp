#include "seriallink.h"

#include "clock.h"

#include <QLoggingCategory>

// The wire traffic, for a technician's bug report. Off unless asked for:
// QT_LOGGING_RULES="merolan.wire.debug=true".
Q_LOGGING_CATEGORY(lcWire, "merolan.wire", QtInfoMsg)

namespace {

// The bytes as one readable line: printable ASCII as it is, line ends and
// other bytes escaped, so that a log shows exactly what crossed the line.
QString wireText(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes) {
        const auto c = uchar(byte);
        if (c == '\\')
            text += QLatin1String("\\\\");
        else if (c == '\r')
            text += QLatin1String("\\r");
        else if (c == '\n')
            text += QLatin1String("\\n");
        else if (c >= 32 && c < 127)
            text += QLatin1Char(char(c));
        else
            text += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    return text;
}

void logWire(const Clock &clock, char direction, const QByteArray &bytes)
{
    qCDebug(lcWire).noquote()
        << QStringLiteral("%1 ms %2 %3").arg(clock.now()).arg(QLatin1Char(direction)).arg(wireText(bytes));
}

} // namespace

bool LineSettings::parse(const QString &text, LineSettings *out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    LineSettings s;
    bool ok = false;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0)
        return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity))
        return false;
    s.parity = parity[0].toLatin1();
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return false;
    s.stopBits = parts[3].trimmed().toDouble(&ok);
    if (!ok || (s.stopBits != 1 && s.stopBits != 1.5 && s.stopBits != 2))
        return false;
    *out = s;
    return true;
}

SerialLink::SerialLink(Clock &clock, QObject *parent) : QObject(parent), m_clock(clock) {}

SerialLink::~SerialLink() = default;

bool SerialLink::setSettings(const QString &settings)
{
    m_settingsText = settings;
    m_settingsValid = LineSettings::parse(settings, &m_settings);
    if (!m_settingsValid)
        setError(Error::BadSettings, tr("Invalid line settings \"%1\"").arg(settings));
    return m_settingsValid;
}

void SerialLink::setPortOpen(bool open)
{
    if (open == m_open)
        return;
    if (!open) {
        closeDevice();
        m_open = false;
        m_rx.clear();
        return;
    }
    if (!m_settingsValid)
        return;
    m_error = Error::NoError;
    m_errorString.clear();
    m_openFailure = OpenFailure::None;
    m_rx.clear();
    m_open = openDevice(m_port, m_settings);
}

void SerialLink::Pause(int ms)
{
    m_clock.sleep(ms);
}

void SerialLink::send(const QByteArray &bytes)
{
    if (!m_open)
        return;
    if (!writeDevice(bytes)) {
        setError(Error::WriteFailed, tr("Could not send to %1").arg(m_port));
        return;
    }
    logWire(m_clock, '>', bytes);
    emit bytesSent(bytes);
}

void SerialLink::Output(const QString &text)
{
    send(text.toLatin1());
}

void SerialLink::OutputLine(const QString &text)
{
    send(text.toLatin1() + "\r\n");
}

QString SerialLink::Input()
{
    QString text = QString::fromLatin1(m_rx);
    m_rx.clear();
    return text;
}

void SerialLink::setInBufferCount(int count)
{
    if (count == 0)
        m_rx.clear();
}

int SerialLink::LookUp()
{
    const QStringList texts = m_lookUpText.split(m_lookUpSeparator);
    const qint64 deadline = m_clock.now() + m_lookUpTimeOut;
    QByteArray collected;
    for (;;) {
        collected += m_rx;
        m_rx.clear();
        // The text that ends first wins: an "ERROR" line before any "OK" line
        // is a refusal, whatever follows it in the same burst.
        int found = -1;
        qsizetype end = -1;
        for (int i = 0; i < texts.size(); ++i) {
            if (texts[i].isEmpty())
                continue;
            const QByteArray t = texts[i].toLatin1();
            const qsizetype at = collected.indexOf(t);
            if (at >= 0 && (end < 0 || at + t.size() < end)) {
                found = i;
                end = at + t.size();
            }
        }
        if (found >= 0) {
            // What follows the found text stays for the next reader.
            m_rx = collected.mid(end);
            collected.truncate(end);
            // The limit keeps the start of a long answer (where its key
            // stands) and always the text found at its end.
            const QByteArray tail = texts[found].toLatin1();
            if (m_lookUpInputLen > 0 && collected.size() > m_lookUpInputLen)
                collected = collected.left(qMax<qsizetype>(0, m_lookUpInputLen - tail.size())) + tail;
            m_lookUpInput = QString::fromLatin1(collected);
            return found;
        }
        const qint64 left = deadline - m_clock.now();
        if (left <= 0 || !m_open) {
            m_lookUpInput = QString::fromLatin1(collected.left(qMax(0, m_lookUpInputLen)));
            return -1;
        }
        m_clock.waitForActivity(left);
    }
}

void SerialLink::received(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_rx += bytes;
    logWire(m_clock, '<', bytes);
    emit bytesReceived(bytes);
    m_clock.wake();
}

void SerialLink::setError(Error error, const QString &text)
{
    m_error = error;
    m_errorString = text;
}

void SerialLink::openFailed(OpenFailure failure, const QString &systemText)
{
    m_openFailure = failure;
    setError(Error::OpenFailed, openFailureText(failure, m_port, systemText));
}

void SerialLink::lineDropped(const QString &text)
{
    setError(Error::LineDropped, text);
    // The link counts as closed before the device closes: a vanished device
    // can report more errors while closing, and each would drop the line again.
    if (m_open) {
        m_open = false;
        closeDevice();
    }
    m_clock.wake();
}

bool isNetworkPort(const QString &port)
{
    return port.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive);
}

QString openFailureText(SerialLink::OpenFailure failure, const QString &port, const QString &systemText)
{
    switch (failure) {
    case SerialLink::OpenFailure::None: return {};
    case SerialLink::OpenFailure::NotFound:
        if (isNetworkPort(port))
            return SerialLink::tr("The host of %1 is not known (%2). Check the name and the network.")
                .arg(port, systemText);
        return SerialLink::tr("The port %1 does not exist. Check that the adapter is plugged in and that the port "
                              "name is right.")
            .arg(port);
    case SerialLink::OpenFailure::InUse:
        return SerialLink::tr("The port %1 is in use by another program. Close that program, or choose another port.")
            .arg(port);
    case SerialLink::OpenFailure::NoPermission:
#ifdef Q_OS_LINUX
        return SerialLink::tr("You may not use the port %1. Your user must be in the group that owns the device, "
                              "usually dialout: sudo usermod -aG dialout $USER, then log in again.")
            .arg(port);
#else
        return SerialLink::tr("You may not use the port %1.").arg(port);
#endif
    case SerialLink::OpenFailure::Other: break;
    }
    return systemText;
}
