#include "clock.h"
#include "commandline.h"
#include "frmselcon.h"
#include "ptymodem.h"
#include "qtseriallink.h"
#include "qtuserprompt.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // Help and version need no display: they are answered before the
    // application connects to one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramOptions options = splitProgramOptions(arguments);
    if (options.help || options.version) {
        const QString text =
            options.help ? programHelp() : QStringLiteral("merolan %1\n").arg(QStringLiteral(MEROLAN_VERSION));
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Merolan programmer"));
    QApplication::setApplicationVersion(QStringLiteral(MEROLAN_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Merolan"));
    QGuiApplication::setDesktopFileName(QStringLiteral("merolan"));

    for (const QString &unknown : options.unknown)
        std::fprintf(stderr, "merolan: unknown option %s ignored\n", qPrintable(unknown));

    StartOptions start;
    start.commandLine = options.commandLine;
    if (!options.port.isEmpty())
        start.extraPorts << options.port;

    // The demo modem answers from a thread of its own, so the window's waits
    // never hold it up.
    std::unique_ptr<PtyModemThread> demo;
    if (options.demo) {
        demo = std::make_unique<PtyModemThread>();
        demo->config().lineRate = 9600;
        if (demo->start()) {
            start.extraPorts << demo->devicePath();
        } else {
            std::fprintf(stderr, "merolan: cannot start the demo modem: %s\n", qPrintable(demo->errorString()));
            demo.reset();
        }
    }

    RealClock clock;
    QtSerialLink link(clock);
    QtUserPrompt prompt;
    frmSelCon window(link, prompt, start);
    window.show();
    const int status = QApplication::exec();
    // The port goes before the modem behind it.
    link.setPortOpen(false);
    return status;
}
