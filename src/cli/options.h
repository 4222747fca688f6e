#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>

// What merolan-cli is asked to do.
struct Options
{
    QStringList ports{};
    QString baud = QStringLiteral("9600");
    QString password{};
    qint16 connectionKind = 0;
    bool demo = false;
    QString command{};
    QString file{};
    QString target{};          // convert: the file written
    QStringList assignments{}; // set: FIELD=VALUE each
    QString firmware{};        // check --firmware: judge as a write to a modem of this version
    QString save{};
    bool json = false;
    bool all = false;
    bool dryRun = false; // write: show the pending lines, send none
    bool verify = false; // write: read back each setting written and compare
    bool yes = false;
    bool setClock = false;
    QString newPassword{}; // empty with --disable
    int device = 0;        // of activate

    bool operator==(const Options &) const = default;
};

namespace Exit {
constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int BadUse = 2;
constexpr int NotFound = 3;        // the search found no modem
constexpr int PasswordRefused = 4; // the modem did not take the login's password
constexpr int Refused = 5;         // the modem answered "ERROR" to a setting or command
constexpr int Unconfirmed = 6;     // sent, never answered: the modem's state is unknown
constexpr int Interrupted = 130;
} // namespace Exit

// What a step of the program prints, and the exit status it ends with.
struct Printed
{
    int exit = Exit::Ok;
    QByteArray out; // standard output
    QString err;    // standard error
};

// The command line, checked as far as it can be before any modem is
// touched: the options to run with, or what the program prints instead
// (help, version, a bad argument).
std::variant<Options, Printed> readCommandLine(const QStringList &arguments);
