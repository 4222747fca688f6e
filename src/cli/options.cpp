#include "options.h"

#include "modemrules.h"
#include "numbervalue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kPasswordVariable = QStringLiteral("MEROLAN_PASSWORD");

QString passwordProblem(const QString &password)
{
    // The modem's password rule: anything else would go on the wire as
    // something other than what was typed.
    const QString allowed = FilterPassword(password);
    if (allowed == password)
        return {};
    return QStringLiteral("may have up to 8 characters, each a digit, a capital letter or one of [ \\ ] ^ "
                          "(suggested: \"%1\")")
        .arg(allowed);
}

// Why the setup of a read cannot be saved at target, checked before the
// connect so that nobody waits for a read that has nowhere to go.
QString saveTargetProblem(const QString &target, bool severalPorts)
{
    const QFileInfo info(target);
    if (info.isDir())
        return info.isWritable() ? QString() : QStringLiteral("the folder %1 is not writable").arg(target);
    if (severalPorts)
        return QStringLiteral("reading several ports needs --save naming an existing folder");
    if (info.isSymLink())
        return QStringLiteral("%1 is a symbolic link, and a setup file is never written through one").arg(target);
    if (info.exists()) {
        if (!info.isFile())
            return QStringLiteral("%1 is not a regular file").arg(target);
        return info.isWritable() ? QString() : QStringLiteral("%1 is not writable").arg(target);
    }
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    return folder.isWritable() ? QString() : QStringLiteral("the folder %1 is not writable").arg(folder.filePath());
}

// The command line: its options, the checks made before any modem is
// touched, and the usage text.
class Parser
{
public:
    Parser();
    QString helpText() const;

    enum class Outcome { Run, Help, Version, Error };
    Outcome parse(const QStringList &arguments, Options *o, QString *error);

private:
    QCommandLineParser m_parser;
};

Parser::Outcome fail(QString *error, const QString &text)
{
    *error = text;
    return Parser::Outcome::Error;
}

Parser::Parser()
{
    m_parser.setApplicationDescription(
        QStringLiteral("Reads, writes and shows Merolan setups, sets the modem's clock and password and\n"
                       "switches on its devices, without a window.\n\n"
                       "Commands:\n"
                       "  read         the modem's identity and whole setup (--save keeps it in a file)\n"
                       "  write FILE   the setup file to the modem: the settings that differ (all with --all);\n"
                       "               --dry-run shows the setting lines it would send and sends none\n"
                       "  show FILE    a setup file\n"
                       "  check FILE   a setup file against the checks of a write of all of it, with no modem,\n"
                       "               naming every fault; --firmware judges it as a write to that firmware\n"
                       "  convert IN OUT  the setup file IN written as OUT, .mrl or .json by OUT's name\n"
                       "  set FILE FIELD=VALUE...  changes fields of a setup file in place, as named in the\n"
                       "               JSON setup (Baud=9600, OnTime=06:00,11:00,07:00, OnTime.2=07:30)\n"
                       "  clock        the modem's clock beside the computer's (--set sets it from the computer's)\n"
                       "  password     a new password for the modem (--new), or none (--disable)\n"
                       "  activate N   switches on device N (1 to 3) and hands the modem back: it runs\n"
                       "               its schedule from the device's OFF time (asks: --yes)\n"
                       "  ports        the serial ports: device, stable name, adapter, in use (none is opened)\n\n"
                       "A setup file is .mrl or .json (any other name: JSON when it starts with \"{\")."));
    m_parser.addOptions({
        {QStringLiteral("port"),
         QStringLiteral("Serial device of the modem; several for write, clock and password, and for read "
                        "with --json or with --save naming a folder."),
         QStringLiteral("device")},
        {QStringLiteral("baud"), QStringLiteral("Baud rate: %1 (default 9600).").arg(baudRateTexts().join(u", ")),
         QStringLiteral("rate")},
        {QStringLiteral("password"),
         QStringLiteral("The modem's password (visible to other users in the process list: prefer %1, or "
                        "type it when asked).")
             .arg(kPasswordVariable),
         QStringLiteral("text")},
        {QStringLiteral("remote"), QStringLiteral("The modem is reached through a GSM data call or a network."),
         QStringLiteral("gsm|net")},
        {QStringLiteral("demo"), QStringLiteral("Use the built-in simulated modem.")},
        {QStringLiteral("save"), QStringLiteral("read: save the setup to a file, or into a folder by serial number."),
         QStringLiteral("file|folder")},
        {QStringLiteral("json"), QStringLiteral("Standard output holds one JSON document.")},
        {QStringLiteral("all"), QStringLiteral("write: every setting, not only those that differ.")},
        {QStringLiteral("dry-run"),
         QStringLiteral("write: read the modem and show the setting lines the write would send (passwords "
                        "masked), without sending them.")},
        {QStringLiteral("verify"),
         QStringLiteral("write: after the write, read back each setting written and compare it with what was "
                        "sent (exit status 1 on a mismatch).")},
        {QStringLiteral("set"), QStringLiteral("clock: set the modem's clock to the computer's local time.")},
        {QStringLiteral("new"),
         QStringLiteral("password: the new password, by the rule of --password (visible in the process list "
                        "too)."),
         QStringLiteral("text")},
        {QStringLiteral("disable"), QStringLiteral("password: the modem asks for no password any more.")},
        {QStringLiteral("firmware"),
         QStringLiteral("check: judge the file as a write to a modem of this firmware version (e.g. 2.10)."),
         QStringLiteral("version")},
        {QStringLiteral("yes"), QStringLiteral("Answer Yes to the questions of the checks and of activate (else No).")},
    });
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("read, write, show, check, convert, set, clock, password, activate or ports."),
        QStringLiteral("read|write|show|check|convert|set|clock|password|activate|ports"));
    m_parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("The setup file of write, show, check, convert and set; the device of activate."),
        QStringLiteral("[FILE|N]"));
    m_parser.addPositionalArgument(QStringLiteral("more"),
                                   QStringLiteral("convert: the file to write; set: the fields to change."),
                                   QStringLiteral("[OUT|FIELD=VALUE...]"));
}

QString Parser::helpText() const
{
    return m_parser.helpText()
           + QStringLiteral("\nEnvironment:\n"
                            "  %1  the modem's password when --password is not given. With neither, a\n"
                            "                    modem that asks for a password is answered from the terminal.\n"
                            "\nExit status: 0 done; 2 bad arguments or a bad setup file; 3 modem not found;\n"
                            "4 password rejected; 5 a setting or command refused by the modem (\"ERROR\");\n"
                            "6 a setting or command sent but never answered (the modem's state is unknown);\n"
                            "130 interrupted (Ctrl-C, SIGTERM), with the modem handed back; 1 anything else\n"
                            "(the port would not open, a read failed, a save went elsewhere, a question was\n"
                            "answered No). Several ports: the status they all failed with, else 1.\n")
                 .arg(kPasswordVariable);
}

Parser::Outcome Parser::parse(const QStringList &arguments, Options *o, QString *error)
{
    if (!m_parser.parse(arguments)) {
        *error = m_parser.errorText();
        return Outcome::Error;
    }
    if (m_parser.isSet(QStringLiteral("help")))
        return Outcome::Help;
    if (m_parser.isSet(QStringLiteral("version")))
        return Outcome::Version;

    o->ports = m_parser.values(QStringLiteral("port"));
    o->demo = m_parser.isSet(QStringLiteral("demo"));
    o->save = m_parser.value(QStringLiteral("save"));
    o->json = m_parser.isSet(QStringLiteral("json"));
    o->all = m_parser.isSet(QStringLiteral("all"));
    o->dryRun = m_parser.isSet(QStringLiteral("dry-run"));
    o->verify = m_parser.isSet(QStringLiteral("verify"));
    o->yes = m_parser.isSet(QStringLiteral("yes"));
    o->setClock = m_parser.isSet(QStringLiteral("set"));
    const QStringList positional = m_parser.positionalArguments();
    o->command = positional.value(0);
    const bool read = o->command == QLatin1String("read");
    const bool password = o->command == QLatin1String("password");
    const bool activate = o->command == QLatin1String("activate");
    const bool convert = o->command == QLatin1String("convert");
    const bool set = o->command == QLatin1String("set");
    const bool ports = o->command == QLatin1String("ports");
    const bool takesFile = o->command == QLatin1String("write") || o->command == QLatin1String("show")
                           || o->command == QLatin1String("check") || convert || set;
    if (takesFile)
        o->file = positional.value(1);
    if (convert)
        o->target = positional.value(2);
    if (set)
        o->assignments = positional.mid(2);

    if (m_parser.isSet(QStringLiteral("baud"))) {
        o->baud = m_parser.value(QStringLiteral("baud"));
        if (!baudRateTexts().contains(o->baud))
            return fail(error, QStringLiteral("The baud rate must be one of ") + baudRateTexts().join(u", "));
    }
    if (m_parser.isSet(QStringLiteral("password"))) {
        o->password = m_parser.value(QStringLiteral("password"));
        if (const QString problem = passwordProblem(o->password); !problem.isEmpty())
            return fail(error, QStringLiteral("The password ") + problem);
    } else if (qEnvironmentVariableIsSet(kPasswordVariable.toLatin1().constData())) {
        o->password = qEnvironmentVariable(kPasswordVariable.toLatin1().constData());
        if (const QString problem = passwordProblem(o->password); !problem.isEmpty())
            return fail(error, QStringLiteral("The password in %1 ").arg(kPasswordVariable) + problem);
    }
    if (m_parser.isSet(QStringLiteral("remote"))) {
        const QString remote = m_parser.value(QStringLiteral("remote"));
        if (remote == QLatin1String("gsm"))
            o->connectionKind = 1;
        else if (remote == QLatin1String("net"))
            o->connectionKind = 2;
        else
            return fail(error, QStringLiteral("--remote takes gsm or net"));
    }

    if (!read && !password && !activate && !takesFile && !ports && o->command != QLatin1String("clock"))
        return fail(error, o->command.isEmpty() ? QStringLiteral("No command given")
                                                : QStringLiteral("Unknown command ") + o->command);
    if (!set && positional.size() > (convert ? 3 : takesFile || activate ? 2 : 1))
        return fail(error, QStringLiteral("Unexpected argument ") + positional.last());
    if (takesFile && o->file.isEmpty())
        return fail(error, o->command + QStringLiteral(" needs a setup file"));
    if (convert && o->target.isEmpty())
        return fail(error, QStringLiteral("convert needs the file to write: convert IN OUT"));
    if (set && o->assignments.isEmpty())
        return fail(error, QStringLiteral("set needs at least one FIELD=VALUE"));
    for (const QString &assignment : o->assignments) {
        if (!assignment.contains(QLatin1Char('=')))
            return fail(error, QStringLiteral("set takes FIELD=VALUE, not ") + assignment);
    }
    if (m_parser.isSet(QStringLiteral("firmware"))) {
        if (o->command != QLatin1String("check"))
            return fail(error, QStringLiteral("--firmware belongs to the check command"));
        o->firmware = m_parser.value(QStringLiteral("firmware"));
        if (!isNumber(o->firmware))
            return fail(error, QStringLiteral("--firmware takes a version number, such as 2.10"));
    }
    if (o->dryRun && o->command != QLatin1String("write"))
        return fail(error, QStringLiteral("--dry-run belongs to the write command"));
    if (o->verify && o->command != QLatin1String("write"))
        return fail(error, QStringLiteral("--verify belongs to the write command"));
    if (o->verify && o->dryRun)
        return fail(error, QStringLiteral("--verify reads back a write, and --dry-run writes nothing"));
    if (o->setClock && o->command != QLatin1String("clock"))
        return fail(error, QStringLiteral("--set belongs to the clock command"));
    const bool newGiven = m_parser.isSet(QStringLiteral("new"));
    const bool disable = m_parser.isSet(QStringLiteral("disable"));
    if ((newGiven || disable) && !password)
        return fail(error, QStringLiteral("--new and --disable belong to the password command"));
    if (password && newGiven == disable)
        return fail(error, QStringLiteral("password takes either --new NEW or --disable"));
    if (newGiven) {
        o->newPassword = m_parser.value(QStringLiteral("new"));
        // An empty one would remove the password: that is what --disable says.
        if (o->newPassword.isEmpty())
            return fail(error, QStringLiteral("--new needs a password; --disable removes it"));
        if (const QString problem = passwordProblem(o->newPassword); !problem.isEmpty())
            return fail(error, QStringLiteral("The new password ") + problem);
    }
    if (activate) {
        const QString device = positional.value(1);
        if (device != QLatin1String("1") && device != QLatin1String("2") && device != QLatin1String("3"))
            return fail(error, QStringLiteral("activate takes the device 1, 2 or 3"));
        o->device = device.toInt();
    }
    const bool noModem =
        o->command == QLatin1String("show") || o->command == QLatin1String("check") || convert || set || ports;
    if (!noModem && o->ports.isEmpty() && !o->demo)
        return fail(error, QStringLiteral("Name the modem's port with --port, or use --demo"));
    // Several setups read at once go to one folder or one JSON document.
    const bool severalPorts = o->ports.size() + (o->demo ? 1 : 0) > 1;
    // Switching a device on is a decision about one site's modem, never a batch.
    if (activate && severalPorts)
        return fail(error, QStringLiteral("activate switches on a device of one modem: give one --port"));
    if (read && severalPorts && o->save.isEmpty() && !o->json)
        return fail(error, QStringLiteral("Reading several ports needs --json, or --save naming an existing folder"));
    if (read && !o->save.isEmpty()) {
        if (const QString problem = saveTargetProblem(o->save, severalPorts); !problem.isEmpty())
            return fail(error, QStringLiteral("Cannot save to %1: %2").arg(o->save, problem));
    }
    return Outcome::Run;
}

} // namespace

std::variant<Options, Printed> readCommandLine(const QStringList &arguments)
{
    Options o;
    QString error;
    Parser parser;
    switch (parser.parse(arguments, &o, &error)) {
    case Parser::Outcome::Run: return o;
    case Parser::Outcome::Help: return Printed{Exit::Ok, parser.helpText().toLocal8Bit(), {}};
    case Parser::Outcome::Version:
        return Printed{
            Exit::Ok, QStringLiteral("merolan-cli %1\n").arg(QCoreApplication::applicationVersion()).toLocal8Bit(), {}};
    case Parser::Outcome::Error: break;
    }
    // A script that asked for JSON gets JSON, whatever went wrong.
    QByteArray json;
    if (arguments.contains(QStringLiteral("--json")))
        json = QJsonDocument(QJsonObject{{QStringLiteral("Error"), error}}).toJson();
    return Printed{Exit::BadUse, json, error + QStringLiteral("\nTry merolan-cli --help\n")};
}
