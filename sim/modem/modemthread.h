#pragma once

#include "simmodem.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <type_traits>

// Serves a simulated modem (a PtyModem, a TcpModem) from a thread of its own,
// so that a client's nested event loops on the calling thread never hold the
// modem up. Served has modem(), open(), close(), devicePath() and
// errorString().
template <typename Served>
class ModemThread
{
public:
    explicit ModemThread(const SimModem::Config &config = {}) : m_served(std::make_unique<Served>())
    {
        m_served->modem().config() = config;
        m_thread.setObjectName(QStringLiteral("SimModem"));
    }
    ~ModemThread() { stop(); }

    ModemThread(const ModemThread &) = delete;
    ModemThread &operator=(const ModemThread &) = delete;

    // The modem's script; change it before start(), afterwards use call().
    SimModem::Config &config() { return m_served->modem().config(); }

    // Opens the device in the modem's thread; false with errorString().
    bool start()
    {
        if (m_thread.isRunning())
            return true;
        m_anchor = std::make_unique<QObject>();
        m_anchor->moveToThread(&m_thread);
        m_served->moveToThread(&m_thread);
        m_thread.start();
        bool opened = false;
        run([&] {
            opened = m_served->open();
            m_path = m_served->devicePath();
            m_error = m_served->errorString();
        });
        return opened;
    }

    // Closes the device; the records stay readable through call().
    void stop()
    {
        if (!m_thread.isRunning())
            return;
        // The modem's timers and notifiers belong to its thread and end there;
        // the modem itself comes back, so its records stay readable.
        QThread *caller = QThread::currentThread();
        run([this, caller] {
            m_served->close();
            m_served->moveToThread(caller);
        });
        m_thread.quit();
        m_thread.wait();
        m_anchor.reset();
    }

    // What a client opens as its port.
    QString devicePath() const { return m_path; }
    QString errorString() const { return m_error; }

    // Runs fn on the modem's thread and waits for it: the way to read the
    // modem's records or change its script while it serves.
    template <typename F>
    auto call(F &&fn)
    {
        using Result = std::invoke_result_t<F, SimModem &>;
        if constexpr (std::is_void_v<Result>) {
            run([&] { fn(m_served->modem()); });
        } else {
            Result result{};
            run([&] { result = fn(m_served->modem()); });
            return result;
        }
    }

private:
    void run(const std::function<void()> &fn)
    {
        if (!m_thread.isRunning() || QThread::currentThread() == &m_thread) {
            fn();
            return;
        }
        QMetaObject::invokeMethod(m_anchor.get(), fn, Qt::BlockingQueuedConnection);
    }

    QThread m_thread;
    std::unique_ptr<QObject> m_anchor;
    std::unique_ptr<Served> m_served;
    QString m_path;
    QString m_error;
};
