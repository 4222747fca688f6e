#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program's arguments ask for. Options of our own begin with "--"; a
// setup file ends in ".mrl" (a double-click on one starts the program so) or
// ".json";
// everything else is the comma-separated setup line that a calling program
// hands over (password, port number, logger type, connection kind, devices).
struct ProgramOptions
{
    bool demo = false;    // --demo: run on the built-in simulated modem
    QString port;         // --port DEVICE: preselect this device
    QString language;     // --lang el|en: the windows' language instead of the user's
    QString setupFile;    // an argument ending in .mrl or .json: the file to load, as File > Load does
    QString commandLine;  // the remaining arguments, joined by spaces
    QStringList unknown;  // options we do not know, reported and otherwise ignored
    bool help = false;    // -h, --help: print programHelp() instead of opening the window
    bool version = false; // -v, --version
};

// `arguments` without the program name.
ProgramOptions splitProgramOptions(const QStringList &arguments);

// The usage text of the window program.
QString programHelp();

// The fields of the setup line that apply. A line of fewer than two or more
// than six fields applies as a whole not at all; a field that does not fit is
// left out on its own.
struct CommandLine
{
    std::optional<QString> password;      // field 1
    std::optional<QString> portNumber;    // field 2 when numeric, as written: the port is "COM" + it
    std::optional<QString> loggerType;    // field 3 as a number text, "0" for no number
    std::optional<qint16> connectionKind; // field 4: 1, 2, anything else 0
    std::optional<qint16> deviceCount;    // field 5 by its number value
};

CommandLine parseCommandLine(const QString &line);
