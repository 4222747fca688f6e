#pragma once

#include <QtGlobal>
#include <functional>

// Where the simulated modem puts its delayed answers: on virtual time in unit
// tests, on real timers on a pseudo-terminal.
class Scheduler
{
public:
    virtual ~Scheduler() = default;
    virtual void after(qint64 ms, std::function<void()> fn) = 0;
    // Milliseconds since an arbitrary origin: the modem's clock runs on it.
    virtual qint64 now() const = 0;
};
