#include "clock.h"
#include "commandline.h"
#include "frmselcon.h"
#include "language.h"
#include "platform.h"
#include "qtseriallink.h"
#include "qtuserprompt.h"

#ifdef _WIN32
#include "inprocessmodem.h"
#else
#include "ptymodem.h"
#endif

#include <QApplication>
#include <QLocale>

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
    start.language = languageOfUiLanguages(QLocale::system().uiLanguages());
    if (!options.language.isEmpty()) {
        if (const auto chosen = languageOfName(options.language))
            start.language = *chosen;
        else
            std::fprintf(stderr, "merolan: unknown language %s ignored: use el or en\n", qPrintable(options.language));
    }
    for (const QString &missing : installTranslations(start.language, platform::systemPlatform().programFolders()))
        std::fprintf(stderr, "merolan: %s not found: its texts stay in English\n", qPrintable(missing));
    start.commandLine = options.commandLine;
    start.setupFile = options.setupFile;
    if (!options.port.isEmpty())
        start.extraPorts << options.port;

    RealClock clock;
    QtSerialLink serial(clock);
    SerialLink *link = &serial;
#ifdef _WIN32
    // No pseudo-terminals here: the window's link joins the demo modem
    // itself, which then is the one port offered.
    std::unique_ptr<InProcessModem> demo;
    if (options.demo) {
        SimModem::Config config;
        config.lineRate = 9600;
        demo = std::make_unique<InProcessModem>(clock, config);
        link = &demo->link();
        start.extraPorts << InProcessModem::portName();
    }
#else
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
#endif

    QtUserPrompt prompt;
    frmSelCon window(*link, prompt, start);
    window.show();
    const int status = QApplication::exec();
    // The port goes before the modem behind it.
    link->setPortOpen(false);
    return status;
}
