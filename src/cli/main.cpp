// merolan-cli: reads, writes and shows Merolan setups, sets the modem's clock
// and password and switches on its devices without a window, for scripts and
// for programming many modems at once.

#include "cliprompt.h"
#include "clock.h"
#include "commands.h"
#include "connection.h"
#include "options.h"
#include "output.h"
#include "qtseriallink.h"
#include "recordingview.h"
#include "session.h"
#include "terminal.h"

#ifdef _WIN32
#include "inprocessmodem.h"
#else
#include "ptymodem.h"
#endif

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The demo modem knows the password given on the command line.
SimModem::Config demoConfig(const Options &o)
{
    SimModem::Config config;
    if (!o.password.isEmpty())
        config.password = o.password;
    return config;
}

void print(const Printed &p)
{
    if (!p.err.isEmpty())
        writeError(p.err);
    std::fwrite(p.out.constData(), 1, size_t(p.out.size()), stdout);
    std::fflush(stdout);
}

// One modem from connect to hand-back, with its own link and session: several
// run side by side, each in its own thread.
PortResult runPort(const Options &o, int slot, const std::optional<SetupRecord> &toWrite, bool several)
{
    const QString &port = o.ports.at(slot);
    RealClock clock;
    QtSerialLink serial(clock);
#ifdef _WIN32
    // Without pseudo-terminals the demo modem, the last port, lives in its
    // port's thread, joined to the link.
    std::optional<InProcessModem> demo;
    if (o.demo && slot == o.ports.size() - 1)
        demo.emplace(clock, demoConfig(o));
    SerialLink &link = demo ? demo->link() : serial;
#else
    SerialLink &link = serial;
#endif
    RecordingView view;
    CliPrompt prompt(several ? QStringLiteral("[%1] ").arg(port) : QString(), o.yes, !several && stdinIsTerminal());
    Session s(link, view, prompt);
    s.ConnectionKind = o.connectionKind;
    s.showPassword(o.password);
    QObject::connect(&s.state, &OperationState::statusChanged, [&prompt](const QString &text) { prompt.say(text); });
    // An interrupt reaches the operation as its STOP button: a signal handler
    // may not touch the session, so the session looks at the flag while it waits.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&s, &serial, slot] {
        setHandBackPort(slot, serial.nativeHandle());
        if (interrupted())
            s.state.AbortRequested = true;
    });
    watch.start(50);

    PortResult r;
    std::optional<ConnectResult> connect;
    const auto finish = [&](Done done) {
        if (!done.hint.isEmpty())
            prompt.say(done.hint);
        const bool handedBack = link.PortOpen();
        if (handedBack) {
            HandBack(s);
            setHandBackPort(slot, -1);
            link.setPortOpen(false);
        }
        if (interrupted())
            done = {Exit::Interrupted, interruptedSummary(handedBack, connect,
                                                          s.PasswordTag == QLatin1String("Enabled"), s.state.status())};
        if (!done.said)
            prompt.say(done.summary);
        endPort(r, port, done);
        return r;
    };

    if (interrupted())
        return finish({Exit::Interrupted});
    connect = Connect(s, port, o.baud);
    if (connect != ConnectResult::Ready || interrupted())
        return finish(connectFailed(s, *connect));
    // A password typed when the modem asked is the known one from now on,
    // as if it had been given.
    if (const std::optional<QString> typed = prompt.typedSecret();
        typed && s.Password.isEmpty() && s.PasswordTag == QLatin1String("Enabled"))
        s.showPassword(*typed);
    return finish(runCommand(s, o, toWrite, r));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merolan-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MEROLAN_VERSION));

    std::variant<Options, Printed> line = readCommandLine(QCoreApplication::arguments());
    if (const Printed *printed = std::get_if<Printed>(&line)) {
        print(*printed);
        return printed->exit;
    }
    Options &o = *std::get_if<Options>(&line);
    if (o.command == QLatin1String("ports")) {
        const Printed ports = portsOutput(serialPortList(), o.json);
        print(ports);
        return ports.exit;
    }
    installInterruptHandlers();

    std::optional<SetupRecord> fileRecord;
    if (const std::optional<Printed> printed = fileStep(o, &fileRecord)) {
        print(*printed);
        return printed->exit;
    }

#ifdef _WIN32
    if (o.demo)
        o.ports << InProcessModem::portName();
#else
    std::unique_ptr<PtyModemThread> demo;
    if (o.demo) {
        demo = std::make_unique<PtyModemThread>(demoConfig(o));
        if (!demo->start()) {
            writeError(QStringLiteral("Cannot start the demo modem: ") + demo->errorString() + QLatin1Char('\n'));
            return Exit::Failed;
        }
        o.ports << demo->devicePath();
    }
#endif

    const bool several = o.ports.size() > 1;
    std::vector<PortResult> results(size_t(o.ports.size()));
    if (!several) {
        results[0] = runPort(o, 0, fileRecord, false);
    } else {
        // The threads share only what nobody changes while they run: a
        // non-const QList index could detach the list under another thread's feet.
        const Options &shared = o;
        QList<QThread *> threads;
        for (qsizetype i = 0; i < o.ports.size(); ++i) {
            PortResult *result = &results[size_t(i)];
            threads << QThread::create(
                [&shared, &fileRecord, result, i] { *result = runPort(shared, int(i), fileRecord, true); });
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            thread->wait();
            delete thread;
        }
    }
    const Printed printed = runOutput(o, results);
    print(printed);
    return printed.exit;
}
