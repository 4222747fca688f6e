#include "commandline.h"

#include "captions.h"
#include "numbervalue.h"

#include <QLatin1String>
#include <limits>

ProgramOptions splitProgramOptions(const QStringList &arguments)
{
    ProgramOptions options;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            rest << arg;
            continue;
        }
        if (arg == QLatin1String("--demo")) {
            options.demo = true;
        } else if (arg == QLatin1String("--port") && i + 1 < arguments.size()) {
            options.port = arguments[++i];
        } else if (arg.startsWith(QLatin1String("--port="))) {
            options.port = arg.mid(7);
        } else {
            options.unknown << arg;
        }
    }
    options.commandLine = rest.join(QLatin1Char(' '));
    return options;
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
        result.loggerType = numberText(NumberValue(fields[3]));
    if (count >= 5) {
        const QString kind = fields[4].trimmed();
        result.connectionKind = kind == QLatin1String("1") ? 1 : kind == QLatin1String("2") ? 2 : 0;
    }
    if (count == 6) {
        // A count the window does not know shows all three devices.
        const double value = NumberValue(fields[5]);
        const bool fits = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
        result.deviceCount = fits ? qint16(qRound(value)) : qint16(3);
    }
    return result;
}
