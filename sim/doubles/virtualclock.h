#pragma once

#include "clock.h"
#include "scheduler.h"

#include <functional>
#include <map>

// Time that moves only when the program waits: a wait jumps straight to the
// next scheduled event (a byte from the simulated modem, a user's click), so a
// 40-second time-out costs microseconds and every run is the same.
class VirtualClock final : public Clock, public Scheduler
{
public:
    qint64 now() const override { return m_now; }
    // Local time that moves with now(); it starts as the simulated modem's
    // clock does, so the two agree until either is set.
    QDateTime wallTime() const override { return m_wallOrigin.addMSecs(m_now); }
    void setWallTime(const QDateTime &time) { m_wallOrigin = time.addMSecs(-m_now); }
    void waitForActivity(qint64 ms) override;
    void wake() override { m_woken = true; }

    // Runs fn when virtual time reaches now() + ms (during some wait).
    void after(qint64 ms, std::function<void()> fn) override;
    // Runs fn at the absolute virtual instant `at`.
    void at(qint64 at, std::function<void()> fn);

    // Moves time forward by ms, running whatever falls due (for tests that
    // need time to pass outside any wait of the program).
    void advance(qint64 ms);

    bool hasPending() const { return !m_events.empty(); }

private:
    bool runNextDue(qint64 deadline);

    qint64 m_now = 0;
    QDateTime m_wallOrigin{QDate(2026, 12, 6), QTime(9, 15)};
    bool m_woken = false;
    std::multimap<qint64, std::function<void()>> m_events;
};
