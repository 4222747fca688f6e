#include "clock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

void Clock::sleep(qint64 ms)
{
    const qint64 deadline = now() + ms;
    for (qint64 left = ms; left > 0; left = deadline - now())
        waitForActivity(left);
}

static qint64 monotonicMs()
{
    QElapsedTimer t;
    t.start();
    return t.msecsSinceReference();
}

RealClock::RealClock() : m_origin(monotonicMs()) {}

qint64 RealClock::now() const
{
    return monotonicMs() - m_origin;
}

void RealClock::waitForActivity(qint64 ms)
{
    if (m_woken || ms <= 0) {
        m_woken = false;
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(int(std::min<qint64>(ms, qint64(24) * 3600 * 1000)));
    m_loops.push_back(&loop);
    loop.exec();
    m_loops.pop_back();
    m_woken = false;
}

void RealClock::wake()
{
    m_woken = true;
    // Every waiter rechecks its own condition; an outer wait interrupted by a
    // nested one (a click handler that waits too) must not miss its data.
    for (QEventLoop *loop : m_loops)
        loop->quit();
}
