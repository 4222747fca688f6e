#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class Scheduler;

// A Merolan modem as seen from its serial port: it escapes from data mode on
// "###", synchronises with its data logger, asks for its password, then
// answers queries and stores settings the way the modem's firmware does.
//
// Faults are scripted per test through Config. Every byte in both directions
// is recorded, so tests assert on what went over the wire.
class SimModem
{
public:
    // How the modem fails one command: the command as the modem knows it
    // (without "#", before "?" or "="), its query alone with the "?", or
    // every line when empty (the escape then only goes unanswered).
    struct Fault
    {
        enum Kind {
            Error,      // answered "ERROR", not carried out
            Silence,    // neither answered nor carried out
            Unfinished, // carried out, answered without the final "OK" or "ERROR" line
            Drop,       // carried out, the line drops halfway through the answer
        } kind;
        QString command;
    };

    struct Config
    {
        QString identity = QStringLiteral("BRANTHOLM MEROLAN si.2.10"); // reply to #Version?
        QString serialNumber = QStringLiteral("MRL0012345");            // #SerialNum?
        QString password;                                               // empty: "NO PASSWORD" after synchronising
        // #TIME?: the clock when the modem started, or when #TIME= last set
        // it; it runs on from there. A text that is no time is answered as it is.
        QString clock = QStringLiteral("06-12-26,09:15:00");
        QString battery = QStringLiteral("12.6V"); // #BAT?

        bool inCommandMode = false; // already taking commands (logged in): "###" draws "ERROR"
        qint64 syncMs = 3000;       // "mode from" to the password question
        qint64 escapeReplyMs = 300; // "###" to the "mode from" announcement
        qint64 replyDelayMs = 5;    // a command line to the first byte of its answer
        qint64 msPerByte = 0;       // line rate; about 1 ms a byte at 9600 baud
        qint32 lineRate = 0;        // > 0: each byte takes 10 bits at this rate (overrides msPerByte)

        // Command (as above) -> whole reply text before "OK"; a CR LF is added
        // unless the text is empty or already ends in one. The command is
        // still carried out.
        QMap<QString, QString> replyOverride;
        QList<Fault> faults; // the first that names a command applies to it
        int chunkBytes = 0;  // > 0: answers go out in pieces of this size, 10 ms apart

        std::optional<Fault::Kind> faultOn(const QString &command) const;
    };

    explicit SimModem(Scheduler &scheduler);
    // What #TIME? answers now.
    QString clockNow() const;
    ~SimModem();

    SimModem(const SimModem &) = delete;
    SimModem &operator=(const SimModem &) = delete;

    Config &config() { return m_config; }

    // The stored setup, by the key the modem knows it under ("APN", "P1ON",
    // "BAUD" ...), as the modem would report the value ("08:30", "9600", ...).
    QMap<QString, QString> &settings() { return m_settings; }
    QString setting(const QString &key) const { return m_settings.value(key); }

    // Bytes the program sent; the carrier (in-memory link or pseudo-terminal)
    // calls this.
    void receive(const QByteArray &bytes);

    // Set by the carrier: how bytes reach the program, and how the line drops.
    std::function<void(const QByteArray &)> transmit;
    std::function<void()> dropLine;
    // Called as each line (or escape) is complete, for tests that note when.
    std::function<void(const QString &)> lineReceived;

    // Every command line received (without CR LF), "###" for an escape.
    const QStringList &receivedLines() const { return m_lines; }
    const QByteArray &wireIn() const { return m_wireIn; }
    const QByteArray &wireOut() const { return m_wireOut; }
    bool inCommandMode() const;
    bool loggedIn() const;
    bool lineIsDropped() const { return m_dropped; }
    // The line is back after a drop, its fault mended; the modem went back to
    // automatic operation when it lost the line.
    void reconnect();
    // Command lines that came while an earlier answer was still going out:
    // from then on the answers are out of step with the commands.
    int overruns() const { return m_overruns; }
    // Devices switched on with "#P" + n + "ON", in order.
    const QList<int> &activatedDevices() const { return m_activated; }
    void clearRecord();

private:
    enum class Mode { Data, Synchronising, Command };
    struct Piece
    {
        qint64 delayMs;
        QByteArray bytes;
        std::function<void()> then;
    };

    void start();
    void endLine();
    void escape();
    void handleLine(const QString &line);
    bool query(const QString &key, QString *text);
    bool store(const QString &key, const QString &value);
    bool act(const QString &key);
    void answer(const QString &command, const QString &text, bool ok);
    void send(const QByteArray &bytes, qint64 delayMs, std::function<void()> then = {});
    void pump();
    void drop();

    Scheduler &m_scheduler;
    qint64 m_clockSetAt = 0; // scheduler time at which config.clock held
    Config m_config;
    QMap<QString, QString> m_settings;
    QByteArray m_pending;
    bool m_afterCr = false;
    QStringList m_lines;
    QByteArray m_wireIn;
    QByteArray m_wireOut;
    QList<int> m_activated;
    bool m_started = false;
    Mode m_mode = Mode::Data;
    bool m_loggedIn = false;
    bool m_recipientsOpen = false;
    bool m_dropped = false;
    std::deque<Piece> m_queue;
    bool m_sending = false;
    int m_overruns = 0;
    // Scheduled callbacks check it, so a modem destroyed before its clock
    // runs them is left alone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>();
};
