#pragma once

#include "scheduler.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <map>

// The simulated modem's delayed answers on real timers, run in the thread the
// scheduler lives in, while it is started.
class TimerScheduler final : public QObject, public Scheduler
{
public:
    explicit TimerScheduler(QObject *parent = nullptr);

    // The clock starts again from nought; answers due meanwhile run from here on.
    void start();
    // Nothing runs until the next start; what is due stays due.
    void stop();

    void after(qint64 ms, std::function<void()> fn) override;
    qint64 now() const override { return m_elapsed.isValid() ? m_elapsed.elapsed() : 0; }

private:
    void runDue();
    void arm();

    QTimer m_timer{this};
    QElapsedTimer m_elapsed;
    bool m_running = false;
    std::multimap<qint64, std::function<void()>> m_events;
};
