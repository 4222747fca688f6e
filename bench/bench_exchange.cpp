// Cost of the serial layer itself, over a real pseudo-terminal against the
// simulated modem answering at once:
//  (a) how long one GetResponse takes beyond its mandated 200 ms pause;
//  (b) how much CPU a look-up burns while it waits out a time-out.
// Targets: median overhead <= 2 ms; CPU <= 1 % of the wall time.

#include "clock.h"
#include "exchange.h"
#include "operationstate.h"
#include "ptymodem.h"
#include "qtseriallink.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kExchanges = 60;
constexpr double kPauseMs = 200.0;
constexpr int kTimeOutMs = 3000;
constexpr double kMaxMedianOverheadMs = 2.0;
constexpr double kMaxCpuShare = 0.01;

double cpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    SimModem::Config config;
    config.inCommandMode = true;
    config.replyDelayMs = 0;
    config.msPerByte = 0;
    config.faults << SimModem::Fault{SimModem::Fault::Silence, QStringLiteral("BAT")};
    PtyModemThread modem(config);
    if (!modem.start()) {
        std::fprintf(stderr, "bench_exchange: %s\n", qPrintable(modem.errorString()));
        return 2;
    }

    RealClock clock;
    QtSerialLink link(clock);
    OperationState state;
    link.setCommPort(modem.devicePath());
    link.setSettings(QStringLiteral("9600,n,8,1"));
    link.setInputMode(0);
    link.setPortOpen(true);
    if (!link.PortOpen()) {
        std::fprintf(stderr, "bench_exchange: %s\n", qPrintable(link.errorString()));
        return 2;
    }
    state.setProgressRange(kExchanges);

    // (a) One warm-up exchange, then the measured ones.
    GetResponse(link, state, QStringLiteral("#SerialNum?"));
    std::vector<double> overheadMs;
    QElapsedTimer timer;
    for (int i = 0; i < kExchanges; ++i) {
        timer.start();
        const QString reply = GetResponse(link, state, QStringLiteral("#SerialNum?"));
        overheadMs.push_back(double(timer.nsecsElapsed()) / 1e6 - kPauseMs);
        if (reply != QLatin1String("Serial Number is: ") + config.serialNumber) {
            std::fprintf(stderr, "bench_exchange: unexpected reply \"%s\"\n", qPrintable(reply));
            return 2;
        }
    }
    std::sort(overheadMs.begin(), overheadMs.end());
    const double median = overheadMs[overheadMs.size() / 2];
    const double best = overheadMs.front();
    const double worst = overheadMs.back();

    // (b) A look-up on a modem that does not answer, with a shortened time-out.
    link.setInBufferCount(0);
    link.OutputLine(QStringLiteral("#BAT?"));
    link.setLookUpText(QStringLiteral("ERROR\r\n|OK\r\n"));
    link.setLookUpSeparator(QLatin1Char('|'));
    link.setLookUpTimeOut(kTimeOutMs);
    const double threadBefore = cpuSeconds(RUSAGE_THREAD);
    const double processBefore = cpuSeconds(RUSAGE_SELF);
    timer.start();
    const int found = link.LookUp();
    const double wall = double(timer.nsecsElapsed()) / 1e9;
    const double threadShare = (cpuSeconds(RUSAGE_THREAD) - threadBefore) / wall;
    const double processShare = (cpuSeconds(RUSAGE_SELF) - processBefore) / wall;

    std::printf("GetResponse overhead beyond the 200 ms pause, %d exchanges over %s:\n", kExchanges,
                qPrintable(modem.devicePath()));
    std::printf("  best %.3f ms, median %.3f ms, worst %.3f ms (target: median <= %.1f ms)\n", best, median, worst,
                kMaxMedianOverheadMs);
    std::printf("LookUp waiting out a %d ms time-out (result %d) for %.3f s of wall time:\n", kTimeOutMs, found, wall);
    std::printf("  CPU of the calling thread %.3f %%, of the whole process (modem thread included) %.3f %%"
                " (target: calling thread <= %.0f %%)\n",
                threadShare * 100, processShare * 100, kMaxCpuShare * 100);

    const bool met = median <= kMaxMedianOverheadMs && threadShare <= kMaxCpuShare && found == -1;
    std::printf("%s\n", met ? "targets met" : "TARGET MISSED");
    link.setPortOpen(false);
    return met ? 0 : 1;
}
