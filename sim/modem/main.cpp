// merolan-sim: a simulated Merolan modem on a pseudo-terminal or a TCP port,
// for trying the programmer without hardware. Prints the port to open, serves
// until interrupted.

#include "ptymodem.h"
#include "tcpmodem.h"

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
    parser.setApplicationDescription(QStringLiteral("Simulated Merolan modem on a pseudo-terminal or a TCP port."));
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
    const QCommandLineOption tcp(QStringLiteral("tcp"),
                                 QStringLiteral("Listen on this TCP port of 127.0.0.1 (0: any free one) instead of a "
                                                "pseudo-terminal, one client at a time."),
                                 QStringLiteral("port"));
    parser.addOptions({password, serial, identity, syncMs, commandMode, lineRate, tcp});
    parser.process(app);

    PtyModem pty;
    TcpModem network;
    const bool onTcp = parser.isSet(tcp);
    SimModem::Config &config = onTcp ? network.modem().config() : pty.modem().config();
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

    if (onTcp) {
        bool ok = false;
        const uint port = parser.value(tcp).toUInt(&ok);
        if (!ok || port > 65535) {
            std::fprintf(stderr, "merolan-sim: --tcp takes a port number from 0 to 65535\n");
            return 2;
        }
        network.setPort(quint16(port));
        if (!network.open()) {
            std::fprintf(stderr, "merolan-sim: cannot listen on 127.0.0.1:%u: %s\n", port,
                         qPrintable(network.errorString()));
            return 1;
        }
    } else if (!pty.open()) {
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

    std::printf("%s\n", qPrintable(onTcp ? network.devicePath() : pty.devicePath()));
    std::fflush(stdout);
    return app.exec();
}
