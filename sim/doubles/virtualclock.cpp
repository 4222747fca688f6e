#include "virtualclock.h"

#include <QCoreApplication>

void VirtualClock::after(qint64 ms, std::function<void()> fn)
{
    at(m_now + std::max<qint64>(0, ms), std::move(fn));
}

void VirtualClock::at(qint64 at, std::function<void()> fn)
{
    // multimap keeps insertion order among equal keys: same-instant events run
    // in the order they were scheduled, as bytes on a line would.
    m_events.emplace(std::max(at, m_now), std::move(fn));
}

bool VirtualClock::runNextDue(qint64 deadline)
{
    if (m_events.empty() || m_events.begin()->first > deadline)
        return false;
    auto it = m_events.begin();
    m_now = it->first;
    auto fn = std::move(it->second);
    m_events.erase(it);
    fn();
    return true;
}

void VirtualClock::waitForActivity(qint64 ms)
{
    // Window events (posted clicks, deferred deletes) run as they would
    // during a real wait.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents();
    if (m_woken) {
        m_woken = false;
        return;
    }
    const qint64 deadline = m_now + std::max<qint64>(0, ms);
    if (!runNextDue(deadline))
        m_now = deadline;
    m_woken = false;
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 deadline = m_now + ms;
    while (runNextDue(deadline)) {
    }
    m_now = deadline;
}
