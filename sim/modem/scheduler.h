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
};
