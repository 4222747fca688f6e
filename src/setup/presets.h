#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The values the settings dialogs offer ready-made: the mobile networks with
// their GPRS access and mail server, and the mediation server the modem
// reports to when nobody has named one. They live in a small JSON file beside
// the program, which a technician may edit to add a network; the same values
// are compiled in for when the file is missing or damaged.
struct Provider
{
    QString name; // as listed in the provider box; never "Other"
    QString apn;
    QString user;
    QString password;
    QString mailServer;
    bool mailLoginRequired = false; // its mail server wants the SMTP user and password

    bool operator==(const Provider &) const = default;
};

struct Presets
{
    QList<Provider> providers; // in the file's order; "Other" follows them in the lists
    QString serverHost;        // the mediation server's host name; empty when not known
    // Why the file could not be used (its path and the fault); empty when it
    // was used or when there was none. The defaults stand in for it then.
    QString problem;
};

// The values compiled into the program.
Presets builtInPresets();

// A presets file's text: {"Providers": [{"Name", "APN", "User", "Password",
// "MailServer", "MailLoginRequired"}, ...], "ServerHost": "..."}. Names must
// be unique and not "Other"; every value must fit its box and be printable
// ASCII, as the modem takes it. Any fault gives the built-in values and the
// fault in problem. An APN, mail server or server host under the names
// reserved for examples (".example", ".invalid") is taken as not given.
Presets parsePresets(const QByteArray &json);

// The first file of presetLocations() that exists, parsed; the built-in values
// when none exists. problem names the file.
Presets loadPresets(const QStringList &locations);

// Where the presets file is looked for, first found wins: the user's own data
// folder, the program's folder, the system's data folders.
QStringList presetLocations();

// The provider box's list: the providers' names, then "Other".
QStringList providerNames(const QList<Provider> &providers);
// The provider of a box text, exactly as listed; nullptr for any other text.
const Provider *providerNamed(const QList<Provider> &providers, const QString &name);
// "Update mail server to '<server>' ?"
QString mailServerQuestion(const QString &server);
