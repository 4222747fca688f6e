#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class Clock;

// Line parameters from a settings string such as "9600,n,8,1".
struct LineSettings
{
    qint32 baud = 9600;
    char parity = 'n';   // n, e, o, m, s
    int dataBits = 8;    // 5 to 8
    double stopBits = 1; // 1, 1.5 or 2

    static bool parse(const QString &text, LineSettings *out);
};

// The operations the program needs of a serial port. Text crosses this
// interface as Latin-1: one character per byte, both ways.
//
// The buffering and look-up logic lives here; an implementation supplies only
// the device (open, close, write) and hands received bytes to received().
class SerialLink : public QObject
{
    Q_OBJECT
public:
    enum class Error {
        NoError,
        OpenFailed,  // absent, in use, or refused by the system
        BadSettings, // the settings string cannot be applied
        WriteFailed, // bytes could not be handed to the device
        LineDropped, // the device went away while open
    };
    Q_ENUM(Error)

    // Why the last open failed, for telling the user what to do about it.
    enum class OpenFailure {
        None,
        NotFound,     // no such device: unplugged adapter, mistyped name
        InUse,        // another program holds the port
        NoPermission, // the user may not open the device
        Other,
    };
    Q_ENUM(OpenFailure)

    explicit SerialLink(Clock &clock, QObject *parent = nullptr);
    ~SerialLink() override;

    Clock &clock() const { return m_clock; }

    virtual QStringList CommPorts() const = 0;
    // A longer description of a port for tool tips (adapter, maker); may be empty.
    virtual QString portDescription(const QString &) const { return {}; }

    QString CommPort() const { return m_port; }
    void setCommPort(const QString &name) { m_port = name; }

    bool setSettings(const QString &settings);
    QString settings() const { return m_settingsText; }

    // 0 is text mode, the only mode the program uses.
    void setInputMode(int mode) { m_inputMode = mode; }

    bool PortOpen() const { return m_open; }
    void setPortOpen(bool open);

    void setAutoReceive(bool on) { m_autoReceive = on; }

    void Pause(int ms);
    void Output(const QString &text);
    void OutputLine(const QString &text);
    QString Input();
    // Only 0 is meaningful: discards everything received and not yet taken.
    void setInBufferCount(int count);
    int InBufferCount() const { return int(m_rx.size()); }

    void setLookUpText(const QString &text) { m_lookUpText = text; }
    void setLookUpSeparator(QChar sep) { m_lookUpSeparator = sep; }
    void setLookUpInputLen(int len) { m_lookUpInputLen = len; }
    void setLookUpTimeOut(int ms) { m_lookUpTimeOut = ms; }
    // Waits until the input holds one of the look-up texts; returns its
    // 0-based position in the list, or -1 when the time-out passed (or the
    // line dropped: see lastError()).
    int LookUp();
    QString LookUpInput() const { return m_lookUpInput; }

    Error lastError() const { return m_error; }
    QString errorString() const { return m_errorString; }
    OpenFailure openFailure() const { return m_openFailure; }

signals:
    // Everything that crosses the line, for the serial-traffic window.
    void bytesSent(const QByteArray &bytes);
    void bytesReceived(const QByteArray &bytes);

protected:
    virtual bool openDevice(const QString &port, const LineSettings &settings) = 0;
    virtual void closeDevice() = 0;
    virtual bool writeDevice(const QByteArray &bytes) = 0;

    // Called by the implementation when bytes arrive.
    void received(const QByteArray &bytes);
    void setError(Error error, const QString &text);
    // Called by the implementation when the device will not open; systemText
    // is the system's own words, shown only when the reason is Other.
    void openFailed(OpenFailure failure, const QString &systemText);
    // Called by the implementation when the device goes away under us.
    void lineDropped(const QString &text);

private:
    void send(const QByteArray &bytes);

    Clock &m_clock;
    QString m_port;
    QString m_settingsText;
    LineSettings m_settings;
    bool m_settingsValid = true;
    int m_inputMode = 0;
    bool m_open = false;
    bool m_autoReceive = true;
    QByteArray m_rx;
    QString m_lookUpText;
    QChar m_lookUpSeparator = QLatin1Char('|');
    int m_lookUpInputLen = 200;
    int m_lookUpTimeOut = 40000;
    QString m_lookUpInput;
    Error m_error = Error::NoError;
    QString m_errorString;
    OpenFailure m_openFailure = OpenFailure::None;
};

// Whether a port name reaches the modem over the network, as
// "tcp://HOST:PORT" (a modem or a serial-device server), not a serial device.
bool isNetworkPort(const QString &port);

// The reason a port would not open, in plain words for the user; systemText
// stands for Other. The caller puts its own heading above it.
QString openFailureText(SerialLink::OpenFailure failure, const QString &port, const QString &systemText);
