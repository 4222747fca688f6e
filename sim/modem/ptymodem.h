#pragma once

#include "modemthread.h"
#include "simmodem.h"
#include "timerscheduler.h"

#include <QObject>
#include <QString>

class QSocketNotifier;

// A simulated modem behind a pseudo-terminal: a program opens devicePath()
// as it would open a serial port. Script the modem (modem().config()) before
// open(); afterwards touch it only from the thread the PtyModem lives in.
//
// A pseudo-terminal has no line delay; set config().lineRate (9600 models
// the modem's usual 1.04 ms a byte) where timing matters.
class PtyModem final : public QObject
{
    Q_OBJECT
public:
    explicit PtyModem(QObject *parent = nullptr);
    ~PtyModem() override;

    SimModem &modem() { return m_modem; }

    // Creates the pseudo-terminal; false with errorString() when the system
    // refuses. Call it in the thread that serves the modem.
    bool open();
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_path; }
    QString errorString() const { return m_error; }

private:
    void onReadable();
    void onWritable();
    void write(const QByteArray &bytes);
    void flush();

    // Lives in the modem's thread with the modem, as its child.
    TimerScheduler m_scheduler{this};
    SimModem m_modem{m_scheduler};
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QString m_error;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_outBuffer;
};

using PtyModemThread = ModemThread<PtyModem>;
