#include "ptymodem.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyModem::PtyModem(QObject *parent) : QObject(parent)
{
    m_modem.transmit = [this](const QByteArray &bytes) { write(bytes); };
    m_modem.dropLine = [this] { close(); };
}

PtyModem::~PtyModem()
{
    close();
}

bool PtyModem::open()
{
    if (isOpen())
        return true;
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0
        || ::ptsname_r(m_master, name, sizeof name) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // Raw before any client opens the slave: no echo, no CR/LF translation.
    termios tio{};
    ::tcgetattr(m_master, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(m_master, TCSANOW, &tio);
    // Our own slave descriptor keeps the master from seeing a hang-up (and a
    // notifier from spinning) whenever no client has the device open.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    m_path = QString::fromLocal8Bit(name);

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyModem::onReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyModem::onWritable);
    m_scheduler.start();
    return true;
}

// Also the modem's dropped line: the client's side hangs up.
void PtyModem::close()
{
    // Later deletion: a drop comes from inside the timer's or notifier's signal.
    for (QSocketNotifier *notifier : {m_readNotifier, m_writeNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    m_scheduler.stop();
    m_outBuffer.clear();
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = -1;
    m_slave = -1;
}

void PtyModem::onReadable()
{
    char buffer[4096];
    while (m_master >= 0) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_modem.receive(QByteArray(buffer, n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EIO would mean no slave is open, which our own descriptor rules
        // out; stop listening rather than spin on it.
        if (n == 0 || errno != EAGAIN)
            m_readNotifier->setEnabled(false);
        return;
    }
}

void PtyModem::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    m_outBuffer += bytes;
    flush();
}

void PtyModem::flush()
{
    while (!m_outBuffer.isEmpty()) {
        const ssize_t n = ::write(m_master, m_outBuffer.constData(), size_t(m_outBuffer.size()));
        if (n > 0) {
            m_outBuffer.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_outBuffer.isEmpty());
}

void PtyModem::onWritable()
{
    flush();
}
