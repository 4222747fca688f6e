// How long the main window's event loop stands still while the window
// connects to, reads, changes and writes a simulated modem over a real
// QSerialPort on a pseudo-terminal. A 1 ms precise timer ticks all along; the
// gap between two ticks is the time the window could not react to anything.
// Target: no gap over 16 ms (one frame at 60 Hz) in any phase of the work.
// "at ms" tells when the longest gap ended, from the start of the phase's
// action, to find what caused it.

#include "clock.h"
#include "frmselcon.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "userprompt.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qint64 kTargetNs = 16'000'000;
constexpr int kIdleMs = 1000;
// The window enables its controls on a 500 ms timer after a read.
constexpr int kSettleLimitMs = 5000;

// A user who answers Yes to everything and reads every message (a modal box
// would stop the run).
class AnswerYes final : public UserPrompt
{
public:
    void message(const QString &text, Icon) override { m_told << text; }
    bool question(const QString &text, Icon, Answer) override
    {
        m_told << text;
        return true;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    std::optional<QString> openFileName(const FileDialog &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialog &) override { return std::nullopt; }
    void beep() override {}

    const QStringList &told() const { return m_told; }

private:
    QStringList m_told;
};

struct Figures
{
    qint64 gaps = 0;
    qint64 longestNs = 0;
    qint64 longestEndNs = 0; // when the longest gap ended, from the start of the action
    qint64 p99Ns = 0;
    qint64 overTarget = 0;
    qint64 wallNs = 0;
};

// Ticks every millisecond in whichever event loop runs, outer or nested.
// A phase's action starts from the event loop after the first tick, and the
// phase ends at the first tick after the action is over, so a stall at either
// end is counted too.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tick(); });
    }

    // `action` runs to its end before the phase ends; with idleMs > 0 the
    // phase is that long a wait with nothing to do.
    void run(std::function<void()> action, int idleMs, std::function<void(const Figures &)> done)
    {
        m_action = std::move(action);
        m_idleMs = idleMs;
        m_done = std::move(done);
        m_ticks.clear();
        m_stage = Stage::WaitingForFirstTick;
        m_clock.start();
        m_timer.start();
    }

private:
    enum class Stage { WaitingForFirstTick, Acting, Finishing };

    void tick()
    {
        m_ticks.push_back(m_clock.nsecsElapsed());
        if (m_stage == Stage::WaitingForFirstTick) {
            m_stage = Stage::Acting;
            QTimer::singleShot(0, &m_timer, [this] { act(); });
        } else if (m_stage == Stage::Finishing) {
            m_timer.stop();
            m_done(figures());
        }
    }

    void act()
    {
        m_actionStart = m_clock.nsecsElapsed();
        if (m_idleMs > 0) {
            QTimer::singleShot(m_idleMs, Qt::PreciseTimer, &m_timer, [this] { finish(); });
            return;
        }
        m_action();
        finish();
    }

    void finish()
    {
        m_actionEnd = m_clock.nsecsElapsed();
        m_stage = Stage::Finishing;
    }

    Figures figures() const
    {
        Figures f;
        std::vector<qint64> gaps;
        for (size_t i = 1; i < m_ticks.size(); ++i) {
            const qint64 gap = m_ticks[i] - m_ticks[i - 1];
            if (gap > f.longestNs) {
                f.longestNs = gap;
                f.longestEndNs = m_ticks[i] - m_actionStart;
            }
            gaps.push_back(gap);
        }
        std::sort(gaps.begin(), gaps.end());
        f.gaps = qint64(gaps.size());
        f.wallNs = m_actionEnd - m_actionStart;
        if (gaps.empty())
            return f;
        // Nearest rank.
        const auto rank = size_t(std::ceil(0.99 * double(gaps.size())));
        f.p99Ns = gaps[rank - 1];
        f.overTarget = std::count_if(gaps.begin(), gaps.end(), [](qint64 g) { return g > kTargetNs; });
        return f;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<qint64> m_ticks;
    Stage m_stage = Stage::WaitingForFirstTick;
    std::function<void()> m_action;
    int m_idleMs = 0;
    std::function<void(const Figures &)> m_done;
    qint64 m_actionStart = 0;
    qint64 m_actionEnd = 0;
};

void printFigures(const char *phase, const Figures &f)
{
    std::printf("  %-14s %7lld %11.2f %8.0f %9.2f %11lld %10.0f\n", phase, static_cast<long long>(f.gaps),
                double(f.longestNs) / 1e6, double(f.longestEndNs) / 1e6, double(f.p99Ns) / 1e6,
                static_cast<long long>(f.overTarget), double(f.wallNs) / 1e6);
    std::fflush(stdout);
}

// Calls `then(true)` once `ready` holds, `then(false)` when it has not after
// kSettleLimitMs. Not measured: it stands for the user waiting for the window.
void waitUntil(std::function<bool()> ready, std::function<void(bool)> then)
{
    auto *poll = new QTimer;
    QElapsedTimer waited;
    waited.start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, ready, then] {
        const bool ok = ready();
        if (!ok && waited.elapsed() < kSettleLimitMs)
            return;
        poll->stop();
        poll->deleteLater();
        then(ok);
    });
    poll->start();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    PtyModemThread demo;
    demo.config().lineRate = 9600;
    if (!demo.start()) {
        std::fprintf(stderr, "bench_responsiveness: cannot start the simulated modem: %s\n",
                     qPrintable(demo.errorString()));
        return 1;
    }

    RealClock clock;
    QtSerialLink link(clock);
    AnswerYes prompt;
    StartOptions options;
    options.extraPorts = QStringList{demo.devicePath()};
    frmSelCon window(link, prompt, options);
    window.show();

    auto *connectButton = window.findChild<QPushButton *>(QStringLiteral("cmdConnect"));
    auto *writeButton = window.findChild<QPushButton *>(QStringLiteral("cmdWrite"));
    auto *roleBox = window.findChild<QComboBox *>(QStringLiteral("cboRole"));
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab"));
    if (!connectButton || !writeButton || !roleBox || !tabs) {
        std::fprintf(stderr, "bench_responsiveness: the window lacks a control it needs\n");
        return 1;
    }
    Session &session = window.session();
    const auto modemSetting = [&demo](const QString &key) {
        return demo.call([key](SimModem &m) { return m.setting(key); });
    };

    StallProbe probe;
    std::vector<qint64> longest; // of the connect, change and write phases
    int newRole = -1;
    const auto fail = [&](const char *what) {
        std::fprintf(stderr, "bench_responsiveness: %s\n", what);
        for (const QString &text : prompt.told())
            std::fprintf(stderr, "  the window said: %s\n", qPrintable(text));
        QApplication::exit(1);
    };

    std::function<void()> idle, connectAndRead, change, write, conclude;

    idle = [&] {
        std::printf("platform %s, simulated modem on %s at 9600 baud, tick 1 ms, target <= 16 ms\n",
                    qgetenv("QT_QPA_PLATFORM").constData(), qPrintable(demo.devicePath()));
        std::printf("  %-14s %7s %11s %8s %9s %11s %10s\n", "phase", "gaps", "longest ms", "at ms", "p99 ms",
                    "over 16 ms", "wall ms");
        probe.run({}, kIdleMs, [&](const Figures &f) {
            printFigures("idle (1 s)", f);
            connectAndRead();
        });
    };

    connectAndRead = [&] {
        probe.run([&] { connectButton->click(); }, 0,
                  [&](const Figures &f) {
                      printFigures("connect+read", f);
                      longest.push_back(f.longestNs);
                      const QString serial = demo.call([](SimModem &m) { return m.config().serialNumber; });
                      if (tabs->currentIndex() != 1 || session.SerialNumber != serial
                          || session.ModemSetup.APN != modemSetting(QStringLiteral("APN"))) {
                          fail("the window did not connect and read the modem");
                          return;
                      }
                      waitUntil([&] { return roleBox->isEnabled() && writeButton->isEnabled(); },
                                [&](bool ready) {
                                    if (ready)
                                        change();
                                    else
                                        fail("the window did not free its controls after the read");
                                });
                  });
    };

    change = [&] {
        newRole = (roleBox->currentIndex() + 1) % roleBox->count();
        probe.run(
            [&] {
                roleBox->setCurrentIndex(newRole);
                emit roleBox->activated(newRole);
            },
            0,
            [&](const Figures &f) {
                printFigures("change", f);
                longest.push_back(f.longestNs);
                if (session.EditSetup.Role != newRole + 1 || session.EditSetup == session.ModemSetup) {
                    fail("the role change did not reach the setup being edited");
                    return;
                }
                write();
            });
    };

    write = [&] {
        probe.run([&] { writeButton->click(); }, 0,
                  [&](const Figures &f) {
                      printFigures("write", f);
                      longest.push_back(f.longestNs);
                      if (session.ModemSetup != session.EditSetup
                          || modemSetting(QStringLiteral("MODEMROLE")) != QString::number(newRole + 1)) {
                          fail("the write did not reach the modem");
                          return;
                      }
                      conclude();
                  });
    };

    conclude = [&] {
        const qint64 worst = *std::max_element(longest.begin(), longest.end());
        std::printf("16 ms target %s: longest stall of connect, change and write %.2f ms\n",
                    worst <= kTargetNs ? "held" : "MISSED", double(worst) / 1e6);
        std::fflush(stdout);
        QApplication::exit(0);
    };

    QTimer::singleShot(0, &window, [&] { idle(); });
    return QApplication::exec();
}
