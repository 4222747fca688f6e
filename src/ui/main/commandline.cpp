#include "commandline.h"

#include "captions.h"
#include "numbervalue.h"

#include <QCommandLineParser>
#include <QLatin1String>
#include <limits>

ProgramOptions splitProgramOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption demo(QStringLiteral("demo"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("device"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"));
    parser.addOptions({demo, port, help, version, lang});
    // An unknown option is reported, and the rest of the arguments still count.
    parser.parse(QStringList{QStringLiteral("merolan")} + arguments);

    ProgramOptions options;
    options.demo = parser.isSet(demo);
    options.port = parser.value(port);
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.language = parser.value(lang);
    QStringList rest = parser.positionalArguments();
    for (qsizetype i = rest.size() - 1; i >= 0; --i) {
        if (rest[i].endsWith(QLatin1String(".mrl"), Qt::CaseInsensitive)
            || rest[i].endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
            options.setupFile = rest.takeAt(i);
            break;
        }
    }
    options.commandLine = rest.join(QLatin1Char(' '));
    for (const QString &name : parser.unknownOptionNames())
        options.unknown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return options;
}

QString programHelp()
{
    return QStringLiteral("Usage: merolan [--demo] [--port DEVICE] [--lang el|en] [FILE.mrl|FILE.json] [SETUP-LINE]\n"
                          "Merolan programmer: reads, edits and writes the setup of a Merolan GSM/GPRS modem.\n\n"
                          "Options:\n"
                          "  --demo          start a simulated Merolan inside the program and select it\n"
                          "  --port DEVICE   preselect this serial device\n"
                          "  --lang el|en    speak Greek or English, whatever the user's language\n"
                          "  -h, --help      show this text\n"
                          "  -v, --version   show the program's version\n"
                          "  FILE.mrl, FILE.json  load this setup file, as File > Load Setup from file does\n\n"
                          "SETUP-LINE, as a calling program hands it over:\n"
                          "  ,password,COM port number,data-logger type,connection kind,device count\n");
}

CommandLine parseCommandLine(const QString &line)
{
    CommandLine result;
    const QStringList fields = line.split(QLatin1Char(','));
    const qsizetype count = line.isEmpty() ? 0 : fields.size();
    if (count < 2 || count > 6)
        return result;

    result.password = fields[1];
    if (count >= 3) {
        bool numeric = false;
        fields[2].trimmed().toDouble(&numeric);
        if (numeric)
            result.portNumber = fields[2];
    }
    if (count >= 4)
        result.loggerType = numberText(numberValue(fields[3]));
    if (count >= 5) {
        const QString kind = fields[4].trimmed();
        result.connectionKind = kind == QLatin1String("1") ? 1 : kind == QLatin1String("2") ? 2 : 0;
    }
    if (count == 6) {
        // A count the window does not know shows all three devices.
        const double value = numberValue(fields[5]);
        const bool fits = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
        result.deviceCount = fits ? qint16(qRound(value)) : qint16(3);
    }
    return result;
}
