#pragma once

#include "connection.h"
#include "options.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

class Session;
struct SerialPortEntry;
struct SetupRecord;

// The setup as "Name: value" lines in the terminal's encoding.
QByteArray setupText(const SetupRecord &record);

// What a command on a setup file prints before any modem is touched: the
// file's fault, or all that show and check print. Nothing for a command
// that goes on to the modems; record then holds the file's setup, if any.
std::optional<Printed> fileStep(const Options &o, std::optional<SetupRecord> *record);

// How a command ended on one port.
struct Done
{
    Done(int exit = Exit::Failed, QString summary = {}, bool said = false)
        : exit(exit), summary(std::move(summary)), said(said)
    {}

    int exit;
    QString summary; // the result line
    bool said;       // the summary is the operation's own status line, said already
    QString hint;    // advice said before the summary
};

// What one port's run leaves for the output.
struct PortResult
{
    int exit = Exit::Failed;
    QString summary{};    // the one result line of this port
    QByteArray text;      // what goes to standard output without --json
    QJsonObject object{}; // this port's entry in the JSON document
};

// What the ports command prints: a line per port, or its JSON document.
Printed portsOutput(const QList<SerialPortEntry> &ports, bool json);

// The exit status of a search and login that failed.
int loginExit(const Session &session);

// How a port ends when the connect left no modem ready: the exit status and
// the result line with the reason, as standard error gave them.
Done connectFailed(const Session &session, ConnectResult result);

// A file name that stands for the modem's serial number in any folder: only
// letters, digits, '-', '_' and inner dots are kept, anything else is '_'.
QString safeFileName(const QString &serial);

// The result line of a run an interrupt stopped. handedBack: the port was
// open, so the modem got "#AUTO"; connect: how far the connect came, if it
// started; passwordAsked: the login met the modem's password question.
QString interruptedSummary(bool handedBack, std::optional<ConnectResult> connect, bool passwordAsked,
                           const QString &status);

// Closes a port's result: its exit status, result line and entry fields.
void endPort(PortResult &r, const QString &port, const Done &done);

// Standard output and exit status of the run over all ports, in their order.
Printed runOutput(const Options &o, const std::vector<PortResult> &results);
