#pragma once

#include "simmodem.h"
#include "timerscheduler.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <type_traits>

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

// Serves a PtyModem from a thread of its own, so that a client's nested
// event loops on the calling thread never hold the modem up.
class PtyModemThread
{
public:
    explicit PtyModemThread(const SimModem::Config &config = {});
    ~PtyModemThread();

    PtyModemThread(const PtyModemThread &) = delete;
    PtyModemThread &operator=(const PtyModemThread &) = delete;

    // The modem's script; change it before start(), afterwards use call().
    SimModem::Config &config() { return m_pty->modem().config(); }

    // Opens the pseudo-terminal in the modem's thread; false with errorString().
    bool start();
    // Closes the pseudo-terminal; the records stay readable through call().
    void stop();
    QString devicePath() const { return m_path; }
    QString errorString() const { return m_error; }

    // Runs fn on the modem's thread and waits for it: the way to read the
    // modem's records or change its script while it serves.
    template <typename F>
    auto call(F &&fn)
    {
        using Result = std::invoke_result_t<F, SimModem &>;
        if constexpr (std::is_void_v<Result>) {
            run([&] { fn(m_pty->modem()); });
        } else {
            Result result{};
            run([&] { result = fn(m_pty->modem()); });
            return result;
        }
    }

private:
    void run(const std::function<void()> &fn);

    QThread m_thread;
    QObject *m_anchor = nullptr;
    PtyModem *m_pty = nullptr;
    QString m_path;
    QString m_error;
};
