#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// What merolan-cli is asked to do.
struct Options
{
    QStringList ports;
    QString baud = QStringLiteral("9600");
    QString password;
    qint16 connectionKind = 0;
    bool demo = false;
    QString command;
    QString file;
    QString save;
    bool json = false;
    bool all = false;
    bool dryRun = false; // write: show the pending lines, send none
    bool yes = false;
    bool setClock = false;
    QString newPassword; // empty with --disable
    int device = 0;      // of activate
};

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
