#include "timerscheduler.h"

#include <algorithm>

TimerScheduler::TimerScheduler(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TimerScheduler::runDue);
}

void TimerScheduler::start()
{
    m_running = true;
    m_elapsed.start();
    arm();
}

void TimerScheduler::stop()
{
    m_running = false;
    m_timer.stop();
}

void TimerScheduler::after(qint64 ms, std::function<void()> fn)
{
    m_events.emplace(now() + std::max<qint64>(0, ms), std::move(fn));
    arm();
}

void TimerScheduler::runDue()
{
    while (m_running && !m_events.empty() && m_events.begin()->first <= m_elapsed.elapsed()) {
        auto fn = std::move(m_events.begin()->second);
        m_events.erase(m_events.begin());
        fn();
    }
    arm();
}

void TimerScheduler::arm()
{
    if (!m_running || m_events.empty()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::max<qint64>(0, m_events.begin()->first - m_elapsed.elapsed())));
}
