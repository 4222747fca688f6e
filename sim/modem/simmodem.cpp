#include "simmodem.h"

#include "scheduler.h"
#include "setuprecord.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

// Query keys and the text the firmware puts before the stored value.
const QMap<QString, QString> &replyPrefixes()
{
    static const QMap<QString, QString> prefixes{
        {QStringLiteral("P1ON"), QStringLiteral("P1ON:")},
        {QStringLiteral("P1OFF"), QStringLiteral("P1OFF:")},
        {QStringLiteral("P2ON"), QStringLiteral("P2ON:")},
        {QStringLiteral("P2OFF"), QStringLiteral("P2OFF:")},
        {QStringLiteral("P3ON"), QStringLiteral("P3ON:")},
        {QStringLiteral("P3OFF"), QStringLiteral("P3OFF:")},
        {QStringLiteral("Logger"), QStringLiteral("Logger=")},
        {QStringLiteral("MODEMROLE"), QStringLiteral("Role=")},
        {QStringLiteral("SMSNUM"), QStringLiteral("SMSNUM=")},
        {QStringLiteral("BAUD"), QStringLiteral("The baud rate is ")},
        {QStringLiteral("HOSTIP"), QStringLiteral("HOSTIP:")},
        {QStringLiteral("HSTPORTNUMBER"), QStringLiteral("SERVERPORT=")},
        {QStringLiteral("APN"), QStringLiteral("APN:")},
        {QStringLiteral("GPRSID"), QStringLiteral("GPRS ID:")},
        {QStringLiteral("GPRSPass"), QStringLiteral("GPRS Password:")},
        {QStringLiteral("Email"), QStringLiteral("Email Interval:")},
        {QStringLiteral("ERecep"), QStringLiteral("the recepient is: ")},
        {QStringLiteral("MAILS"), QStringLiteral("MAILSERVER:")},
        {QStringLiteral("ESender"), QString()},
        {QStringLiteral("XUSER"), QString()},
    };
    return prefixes;
}

// Keys the modem stores but never reports back.
bool isWriteOnly(const QString &key)
{
    return key == QLatin1String("XPAS");
}

const QByteArray kEscape = QByteArrayLiteral("###");

} // namespace

std::optional<SimModem::Fault::Kind> SimModem::Config::faultOn(const QString &command) const
{
    for (const Fault &f : faults) {
        if (f.command.isEmpty() || f.command == command)
            return f.kind;
    }
    return std::nullopt;
}

SimModem::SimModem(Scheduler &scheduler) : m_scheduler(scheduler)
{
    m_settings = {
        {QStringLiteral("P1ON"), QStringLiteral("06:00")},
        {QStringLiteral("P1OFF"), QStringLiteral("18:30")},
        {QStringLiteral("P2ON"), QStringLiteral("11:00")},
        {QStringLiteral("P2OFF"), QStringLiteral("10:50")},
        {QStringLiteral("P3ON"), QStringLiteral("07:00")},
        {QStringLiteral("P3OFF"), QStringLiteral("07:00")},
        {QStringLiteral("Logger"), QStringLiteral("0")},
        {QStringLiteral("MODEMROLE"), QStringLiteral("1")},
        {QStringLiteral("SMSNUM"), QStringLiteral("+306912345678")},
        {QStringLiteral("BAUD"), QStringLiteral("9600")},
        {QStringLiteral("HOSTIP"), QStringLiteral("gw.tessarin.example.net")},
        {QStringLiteral("HSTPORTNUMBER"), QStringLiteral("1023")},
        {QStringLiteral("APN"), QStringLiteral("internet.example")},
        {QStringLiteral("GPRSID"), QStringLiteral("gprsuser")},
        {QStringLiteral("GPRSPass"), QStringLiteral("gprspass")},
        {QStringLiteral("Email"), QStringLiteral("4")},
        {QStringLiteral("ERecep"), QStringLiteral("ops@example.net")},
        {QStringLiteral("ESender"), QStringLiteral("merolan@example.net")},
        {QStringLiteral("MAILS"), QStringLiteral("smtp.example.net")},
        {QStringLiteral("XUSER"), QStringLiteral("mailer")},
        {QStringLiteral("XPAS"), QStringLiteral("mailpass")},
    };
}

SimModem::~SimModem() = default;

bool SimModem::inCommandMode() const
{
    return m_started ? m_mode == Mode::Command : m_config.inCommandMode;
}

bool SimModem::loggedIn() const
{
    return m_started ? m_loggedIn : m_config.inCommandMode;
}

void SimModem::clearRecord()
{
    m_lines.clear();
    m_wireIn.clear();
    m_wireOut.clear();
    m_activated.clear();
}

// The starting mode comes from the config as it stands at the first byte, so
// a test may script the modem after constructing it.
void SimModem::start()
{
    if (m_started)
        return;
    m_started = true;
    m_mode = m_config.inCommandMode ? Mode::Command : Mode::Data;
    m_loggedIn = m_config.inCommandMode;
}

void SimModem::receive(const QByteArray &bytes)
{
    if (m_dropped)
        return;
    start();
    m_wireIn += bytes;
    for (const char c : bytes) {
        if (c == '\n' && m_afterCr) {
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            endLine();
            continue;
        }
        m_pending += c;
        // In data mode the escape may follow any data; in command mode only
        // "###" standing alone counts, never a command that contains it.
        if ((m_mode == Mode::Data && m_pending.endsWith(kEscape))
            || (m_mode == Mode::Command && m_pending == kEscape)) {
            m_pending.clear();
            m_lines << QString::fromLatin1(kEscape);
            if (lineReceived)
                lineReceived(m_lines.last());
            escape();
        }
    }
}

void SimModem::escape()
{
    if (m_config.faultOn(QString()))
        return;
    if (m_mode == Mode::Command) {
        send("ERROR\r\n", m_config.replyDelayMs);
        return;
    }
    m_mode = Mode::Synchronising;
    m_loggedIn = false;
    send("\r\nCommand mode from PC. Synchronizing with data logger...\r\n", m_config.escapeReplyMs);
    const bool needsPassword = !m_config.password.isEmpty();
    send(needsPassword ? "ENTER PASSWORD\r\n" : "NO PASSWORD\r\n", m_config.syncMs, [this, needsPassword] {
        m_mode = Mode::Command;
        m_loggedIn = !needsPassword;
    });
}

void SimModem::endLine()
{
    const QString line = QString::fromLatin1(m_pending);
    m_pending.clear();
    m_lines << line;
    if (m_sending)
        ++m_overruns;
    if (lineReceived)
        lineReceived(line);
    // Data mode passes lines on to the data logger; while synchronising the
    // modem listens to nobody.
    if (m_mode != Mode::Command)
        return;
    handleLine(line);
}

void SimModem::handleLine(const QString &line)
{
    if (!line.startsWith(QLatin1Char('#'))) {
        if (m_config.faultOn(QString()) != Fault::Silence)
            answer(QString(), QString(), false);
        return;
    }
    const QString body = line.mid(1);
    enum { Query, Set, Action } kind = Action;
    QString key = body;
    QString value;
    if (body.endsWith(QLatin1Char('?'))) {
        kind = Query;
        key.chop(1);
    } else if (const qsizetype eq = body.indexOf(QLatin1Char('=')); eq >= 0) {
        kind = Set;
        key = body.left(eq);
        value = body.mid(eq + 1);
    }

    std::optional<Fault::Kind> fault = kind == Query ? m_config.faultOn(key + QLatin1Char('?')) : std::nullopt;
    if (!fault)
        fault = m_config.faultOn(key);
    if (fault == Fault::Silence)
        return;
    if (fault == Fault::Error) {
        answer(key, QString(), false);
        return;
    }

    if (!m_loggedIn) {
        const bool ok = kind == Set && key == QLatin1String("PASSWORD") && value == m_config.password;
        m_loggedIn = ok;
        answer(key, QString(), ok);
        return;
    }

    if (kind == Action && key == QLatin1String("AUTO")) {
        m_mode = Mode::Data;
        m_loggedIn = false;
        m_recipientsOpen = false;
        return;
    }

    QString text;
    bool ok = false;
    switch (kind) {
    case Query: ok = query(key, &text); break;
    case Set: ok = store(key, value); break;
    case Action: ok = act(key); break;
    }
    if (const auto it = m_config.replyOverride.constFind(key); it != m_config.replyOverride.cend()) {
        ok = true;
        text = *it;
    }
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n")))
        text += QLatin1String("\r\n");
    answer(key, text, ok);
}

QString SimModem::clockNow() const
{
    // The modem counts two-digit years in this century.
    const QString format = QStringLiteral("dd-MM-yy,HH:mm:ss");
    const QDateTime set = QDateTime::fromString(m_config.clock, format);
    if (!set.isValid())
        return m_config.clock;
    return set.addYears(100).addMSecs(m_scheduler.now() - m_clockSetAt).toString(format);
}

bool SimModem::query(const QString &key, QString *text)
{
    if (key == QLatin1String("Version")) {
        *text = m_config.identity;
    } else if (key == QLatin1String("SerialNum")) {
        *text = QStringLiteral("Serial Number is: ") + m_config.serialNumber;
    } else if (key == QLatin1String("TIME")) {
        *text = clockNow();
    } else if (key == QLatin1String("BAT")) {
        *text = m_config.battery;
    } else if (const auto it = replyPrefixes().constFind(key); it != replyPrefixes().cend()) {
        *text = *it + m_settings.value(key);
    } else {
        return false;
    }
    return true;
}

bool SimModem::store(const QString &key, const QString &value)
{
    if (key == QLatin1String("PASSWORD")) {
        // Logged in already: "old,new" changes it; the bare password is
        // merely checked again.
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        const QString old = comma < 0 ? value : value.left(comma);
        if (old != m_config.password)
            return false;
        if (comma >= 0)
            m_config.password = value.mid(comma + 1);
        return true;
    }
    if (key == QLatin1String("TIME")) {
        m_config.clock = value;
        m_clockSetAt = m_scheduler.now();
        return true;
    }
    if (key == QLatin1String("BAUD")) {
        bool isNumber = false;
        const qint32 rate = baudRateOfIndex(value.toInt(&isNumber));
        if (!isNumber || rate == 0)
            return false;
        m_settings[key] = QString::number(rate);
        return true;
    }
    if (key == QLatin1String("ERecep")) {
        // A trailing comma announces another address on the next line.
        QString &list = m_settings[key];
        list = m_recipientsOpen ? list + value : value;
        m_recipientsOpen = value.endsWith(QLatin1Char(','));
        return true;
    }
    if (!replyPrefixes().contains(key) && !isWriteOnly(key))
        return false;
    m_settings[key] = value;
    return true;
}

bool SimModem::act(const QString &key)
{
    static const QStringList devices{QStringLiteral("P1ON"), QStringLiteral("P2ON"), QStringLiteral("P3ON")};
    const qsizetype device = devices.indexOf(key);
    if (device < 0)
        return false;
    m_activated << int(device + 1);
    return true;
}

void SimModem::answer(const QString &command, const QString &text, bool ok)
{
    QByteArray bytes = ok ? text.toLatin1() + "OK\r\n" : QByteArrayLiteral("ERROR\r\n");
    const std::optional<Fault::Kind> fault = m_config.faultOn(command);
    if (fault == Fault::Unfinished)
        bytes = text.toLatin1();
    if (fault == Fault::Drop) {
        send(bytes.left(bytes.size() / 2), m_config.replyDelayMs, [this] { drop(); });
        return;
    }
    send(bytes, m_config.replyDelayMs);
}

// Queues bytes behind whatever is still going out, cut into the pieces and
// times that the line rate and the chunk fault give them. `then` runs once
// the last byte is out.
void SimModem::send(const QByteArray &bytes, qint64 delayMs, std::function<void()> then)
{
    const double usPerByte = m_config.lineRate > 0 ? 10e6 / m_config.lineRate : double(m_config.msPerByte) * 1000.0;
    const qsizetype pieceSize = m_config.chunkBytes > 0 ? m_config.chunkBytes
                                : usPerByte > 0         ? 1
                                                        : std::max<qsizetype>(1, bytes.size());
    double atUs = double(std::max<qint64>(0, delayMs)) * 1000.0;
    qint64 lastMs = 0;
    bool first = true;
    for (qsizetype from = 0; first || from < bytes.size(); from += pieceSize) {
        const QByteArray piece = bytes.mid(from, pieceSize);
        if (!first && m_config.chunkBytes > 0)
            atUs += 10000.0;
        atUs += usPerByte * double(piece.size());
        const qint64 atMs = qint64(std::floor(atUs / 1000.0));
        // Bytes of one millisecond travel together.
        if (!first && m_config.chunkBytes <= 0 && atMs == lastMs)
            m_queue.back().bytes += piece;
        else
            m_queue.push_back({atMs - lastMs, piece, {}});
        lastMs = atMs;
        first = false;
    }
    m_queue.back().then = std::move(then);
    if (!m_sending)
        pump();
}

void SimModem::pump()
{
    if (m_queue.empty() || m_dropped) {
        m_sending = false;
        return;
    }
    m_sending = true;
    std::weak_ptr<bool> alive = m_alive;
    m_scheduler.after(m_queue.front().delayMs, [this, alive] {
        if (alive.expired())
            return;
        Piece piece = std::move(m_queue.front());
        m_queue.pop_front();
        if (!m_dropped && !piece.bytes.isEmpty()) {
            m_wireOut += piece.bytes;
            if (transmit)
                transmit(piece.bytes);
        }
        if (!m_dropped && piece.then)
            piece.then();
        pump();
    });
}

void SimModem::reconnect()
{
    m_started = true;
    m_dropped = false;
    m_config.faults.removeIf([](const Fault &f) { return f.kind == Fault::Drop; });
    m_mode = Mode::Data;
    m_loggedIn = false;
    m_pending.clear();
    m_afterCr = false;
    m_recipientsOpen = false;
}

void SimModem::drop()
{
    m_dropped = true;
    m_queue.clear();
    if (dropLine)
        dropLine();
}
