#pragma once

#include "modemthread.h"
#include "simmodem.h"
#include "timerscheduler.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A simulated modem behind a TCP port on 127.0.0.1, as a serial-device server
// offers a modem: a program opens devicePath() ("tcp://127.0.0.1:PORT"). One
// client at a time; another that connects meanwhile is turned away. The
// modem's dropped line closes the client's connection; the port stays open.
// Script the modem before open(); afterwards touch it only from the thread
// the TcpModem lives in.
class TcpModem final : public QObject
{
    Q_OBJECT
public:
    explicit TcpModem(QObject *parent = nullptr);
    ~TcpModem() override;

    SimModem &modem() { return m_modem; }

    // The port open() listens on; 0 (the default) takes any free one.
    void setPort(quint16 port) { m_port = port; }
    // Listens; false with errorString() when the system refuses. Call it in
    // the thread that serves the modem.
    bool open();
    void close();
    QString devicePath() const;
    QString errorString() const { return m_error; }

private:
    void onNewConnection();
    void write(const QByteArray &bytes);

    // Lives in the modem's thread with the modem, as its child.
    TimerScheduler m_scheduler{this};
    SimModem m_modem{m_scheduler};
    QTcpServer m_server{this};
    QTcpSocket *m_client = nullptr;
    quint16 m_port = 0;
    QString m_error;
};

using TcpModemThread = ModemThread<TcpModem>;
