#include "tcpmodem.h"

#include <QTcpSocket>

#include <utility>

TcpModem::TcpModem(QObject *parent) : QObject(parent)
{
    m_modem.transmit = [this](const QByteArray &bytes) { write(bytes); };
    // What was sent before the hang-up still goes out.
    m_modem.dropLine = [this] {
        if (m_client)
            m_client->disconnectFromHost();
    };
    connect(&m_server, &QTcpServer::newConnection, this, &TcpModem::onNewConnection);
}

TcpModem::~TcpModem()
{
    close();
}

bool TcpModem::open()
{
    if (m_server.isListening())
        return true;
    if (!m_server.listen(QHostAddress::LocalHost, m_port)) {
        m_error = m_server.errorString();
        return false;
    }
    m_scheduler.start();
    return true;
}

void TcpModem::close()
{
    m_server.close();
    m_scheduler.stop();
    if (QTcpSocket *client = std::exchange(m_client, nullptr)) {
        client->abort();
        client->deleteLater();
    }
}

QString TcpModem::devicePath() const
{
    return m_server.isListening() ? QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()) : QString();
}

void TcpModem::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_client) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        // Later deletion: a hang-up comes from inside the socket's signal.
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (m_client == socket)
                m_client = nullptr;
            socket->deleteLater();
        });
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { m_modem.receive(socket->readAll()); });
    }
}

void TcpModem::write(const QByteArray &bytes)
{
    if (m_client) {
        m_client->write(bytes);
        m_client->flush();
    }
}
