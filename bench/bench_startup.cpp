// Start-up of the programmer's window against a bare Qt window with as many
// widgets: the time from launching the process to the end of the window's
// first paint, and the peak memory (VmHWM) at that moment. Each start runs in
// a fresh child process of this same executable, alternating the two kinds.
// Targets: programmer <= 1.5 x the bare window's time, <= 1.3 x its memory.

#include "clock.h"
#include "frmselcon.h"
#include "qtseriallink.h"
#include "qtuserprompt.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kRounds = 9;
constexpr double kMaxTimeRatio = 1.5;
constexpr double kMaxMemoryRatio = 1.3;

qint64 monotonicNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Reports once the first paint of `window` has gone through, then quits.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            m_seen = true;
            // Runs after the whole paint pass and its flush.
            QTimer::singleShot(0, this, [this] {
                const qint64 at = monotonicNs();
                std::printf("painted %lld hwm %ld widgets %lld\n", static_cast<long long>(at), peakMemoryKb(),
                            static_cast<long long>(m_window->findChildren<QWidget *>().size()));
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

int runProgrammer(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RealClock clock;
    QtSerialLink link(clock);
    QtUserPrompt prompt;
    frmSelCon window(link, prompt);
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}

// A main window with menus, two tabs, a status bar and `widgets` widgets in all.
int runBare(int argc, char *argv[], int widgets)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Load"));
    file->addAction(QStringLiteral("Save"));
    file->addAction(QStringLiteral("Exit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Contents"));
    help->addAction(QStringLiteral("About"));
    auto *tabs = new QTabWidget;
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    QWidget *pages[2] = {new QWidget, new QWidget};
    QGridLayout *grids[2] = {new QGridLayout(pages[0]), new QGridLayout(pages[1])};
    tabs->addTab(pages[0], QStringLiteral("First"));
    tabs->addTab(pages[1], QStringLiteral("Second"));
    for (int i = 0; window.findChildren<QWidget *>().size() < widgets; ++i) {
        QWidget *page = pages[i % 2];
        QWidget *w = i % 5 == 4 ? static_cast<QWidget *>(new QPushButton(QStringLiteral("Button %1").arg(i), page))
                                : new QLabel(QStringLiteral("Label %1").arg(i), page);
        grids[i % 2]->addWidget(w, (i / 2) / 4, (i / 2) % 4);
    }
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}

struct Start
{
    double ms = 0;
    long hwmKb = 0;
    int widgets = 0;
};

bool launch(const QString &program, const QStringList &args, Start *out)
{
    QProcess child;
    const qint64 launched = monotonicNs();
    child.start(program, args);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s", child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
    if (f.size() != 6 || f[0] != "painted")
        return false;
    out->ms = double(f[1].toLongLong() - launched) / 1e6;
    out->hwmKb = f[3].toLong();
    out->widgets = f[5].toInt();
    return true;
}

template <typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0) {
        if (qstrcmp(argv[2], "programmer") == 0)
            return runProgrammer(argc, argv);
        if (qstrcmp(argv[2], "bare") == 0 && argc >= 4)
            return runBare(argc, argv, std::atoi(argv[3]));
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString self = QString::fromLocal8Bit(argv[0]);

    // One start of each first, unmeasured: the files come into the page cache.
    Start warm;
    if (!launch(self, {QStringLiteral("--child"), QStringLiteral("programmer")}, &warm)) {
        std::fprintf(stderr, "bench_startup: the programmer did not start\n");
        return 1;
    }
    const QString widgets = QString::number(warm.widgets);
    if (!launch(self, {QStringLiteral("--child"), QStringLiteral("bare"), widgets}, &warm)) {
        std::fprintf(stderr, "bench_startup: the bare window did not start\n");
        return 1;
    }

    std::vector<double> programmerMs, bareMs;
    std::vector<long> programmerKb, bareKb;
    int bareWidgets = 0;
    for (int round = 0; round < kRounds; ++round) {
        Start p, b;
        if (!launch(self, {QStringLiteral("--child"), QStringLiteral("programmer")}, &p)
            || !launch(self, {QStringLiteral("--child"), QStringLiteral("bare"), widgets}, &b)) {
            std::fprintf(stderr, "bench_startup: a child failed\n");
            return 1;
        }
        programmerMs.push_back(p.ms);
        bareMs.push_back(b.ms);
        programmerKb.push_back(p.hwmKb);
        bareKb.push_back(b.hwmKb);
        bareWidgets = b.widgets;
    }

    const double pMs = median(programmerMs), bMs = median(bareMs);
    const long pKb = median(programmerKb), bKb = median(bareKb);
    const double timeRatio = pMs / bMs, memoryRatio = double(pKb) / double(bKb);
    std::printf("platform %s, %d starts each, medians\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "xcb" : qgetenv("QT_QPA_PLATFORM").constData(), kRounds);
    std::printf("  programmer  %4s widgets  first paint %7.1f ms  peak memory %6ld kB\n", qPrintable(widgets), pMs,
                pKb);
    std::printf("  bare window %4d widgets  first paint %7.1f ms  peak memory %6ld kB\n", bareWidgets, bMs, bKb);
    std::printf("  ratio time %.2f (target <= %.1f)  memory %.2f (target <= %.1f)  %s\n", timeRatio, kMaxTimeRatio,
                memoryRatio, kMaxMemoryRatio,
                timeRatio <= kMaxTimeRatio && memoryRatio <= kMaxMemoryRatio ? "within targets" : "OVER TARGET");
    return 0;
}
