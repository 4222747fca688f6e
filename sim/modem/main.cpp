// merolan-sim: a simulated Merolan modem on a pseudo-terminal, for trying the
// programmer without hardware. Prints the device to open, serves until
// interrupted.

#include "ptymodem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merolan-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Merolan modem on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Modem password (none by default)."),
                                      QStringLiteral("password"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Serial number."),
                                    QStringLiteral("serial"));
    const QCommandLineOption identity(QStringLiteral("identity"), QStringLiteral("Reply to #Version?."),
                                      QStringLiteral("text"));
    const QCommandLineOption syncMs(QStringLiteral("sync-ms"),
                                    QStringLiteral("Synchronisation time after the escape, in ms."),
                                    QStringLiteral("ms"));
    const QCommandLineOption commandMode(QStringLiteral("command-mode"),
                                         QStringLiteral("Start in command mode, logged in."));
    const QCommandLineOption lineRate(QStringLiteral("line-rate"),
                                      QStringLiteral("Model the line delay of this baud rate (e.g. 9600)."),
                                      QStringLiteral("baud"));
    parser.addOptions({password, serial, identity, syncMs, commandMode, lineRate});
    parser.process(app);

    PtyModem pty;
    SimModem::Config &config = pty.modem().config();
    if (parser.isSet(password))
        config.password = parser.value(password);
    if (parser.isSet(serial))
        config.serialNumber = parser.value(serial);
    if (parser.isSet(identity))
        config.identity = parser.value(identity);
    if (parser.isSet(syncMs))
        config.syncMs = parser.value(syncMs).toLongLong();
    if (parser.isSet(lineRate))
        config.lineRate = parser.value(lineRate).toInt();
    config.inCommandMode = parser.isSet(commandMode);

    if (!pty.open()) {
        std::fprintf(stderr, "merolan-sim: cannot create a pseudo-terminal: %s\n", qPrintable(pty.errorString()));
        return 1;
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        std::perror("merolan-sim: socketpair");
        return 1;
    }
    QSocketNotifier quitNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    std::printf("%s\n", qPrintable(pty.devicePath()));
    std::fflush(stdout);
    return app.exec();
}
