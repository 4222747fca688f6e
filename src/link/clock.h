#pragma once

#include <QDateTime>
#include <QtGlobal>
#include <vector>

class QEventLoop;

// Every wait and deadline of the modem dialogue goes through a Clock, so that
// tests can run a 40-second time-out on virtual time in microseconds.
class Clock
{
public:
    virtual ~Clock() = default;

    // Monotonic milliseconds since an arbitrary origin; never jumps at midnight.
    virtual qint64 now() const = 0;

    // The computer's local date and time, which the modem's clock is set from
    // and compared with.
    virtual QDateTime wallTime() const = 0;

    // Waits until `ms` have passed, or less when wake() is called or (on the
    // virtual clock) a scheduled event fires. Window events keep running.
    virtual void waitForActivity(qint64 ms) = 0;

    // Ends the current wait early; a wake with no wait running ends the next
    // wait at once, so data that arrived between two waits is never missed.
    virtual void wake() = 0;

    // Waits the whole time, whatever wakes it meanwhile.
    void sleep(qint64 ms);
};

// Wall-clock time; waits run a nested event loop with a precise timer, so the
// window stays responsive and no CPU is burned.
class RealClock final : public Clock
{
public:
    RealClock();
    qint64 now() const override;
    QDateTime wallTime() const override { return QDateTime::currentDateTime(); }
    void waitForActivity(qint64 ms) override;
    void wake() override;

private:
    qint64 m_origin;
    bool m_woken = false;
    std::vector<QEventLoop *> m_loops;
};
