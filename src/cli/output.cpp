#include "output.h"

#include "numbervalue.h"
#include "qtseriallink.h"
#include "session.h"
#include "settinglines.h"
#include "setupfile.h"
#include "setupjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

// A value as a terminal may show it: a control character from a file would
// move the cursor or draw a line of its own, so it is written \xNN, and a
// backslash \\ so that no value reads like an escape.
QString shownValue(const QString &value)
{
    QString shown;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            shown += QLatin1String("\\\\");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            shown += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QByteArray jsonDocument(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

// A line each on standard error, "name: fault"; the JSON document holds them
// too, the faults of the checks listed apart.
Printed fileError(const Options &o, const QString &name, const QStringList &faults, bool checks = false)
{
    QString lines;
    for (const QString &fault : faults)
        lines += name + QStringLiteral(": ") + fault + QLatin1Char('\n');
    QJsonObject document{{QStringLiteral("Command"), o.command},
                         {QStringLiteral("Error"), name + QStringLiteral(": ") + faults.join(QStringLiteral("; "))}};
    if (checks)
        document.insert(QStringLiteral("Faults"), QJsonArray::fromStringList(faults));
    return {Exit::BadUse, o.json ? jsonDocument(document) : QByteArray(), lines};
}

Printed done(const Options &o, QJsonObject document, const QString &text)
{
    document.insert(QStringLiteral("Command"), o.command);
    document.insert(QStringLiteral("File"), o.file);
    return {Exit::Ok, o.json ? jsonDocument(document) : text.toLocal8Bit(), {}};
}

} // namespace

QByteArray setupText(const SetupRecord &record)
{
    QString out;
    for (const auto &[name, value] : setupFields(record)) {
        QString text;
        if (value.isArray()) {
            QStringList items;
            for (const auto &v : value.toArray())
                items << v.toString();
            text = items.join(QLatin1Char(' '));
        } else if (value.isString()) {
            text = shownValue(value.toString());
        } else {
            text = QString::number(value.toInteger());
        }
        out += name + QStringLiteral(": ") + text + QLatin1Char('\n');
    }
    return out.toLocal8Bit();
}

std::optional<Printed> fileStep(const Options &o, std::optional<SetupRecord> *record)
{
    if (o.file.isEmpty())
        return std::nullopt;
    QString error;
    SetupForm form = SetupForm::Mrl;
    *record = loadSetupFile(o.file, &error, &form);
    if (!*record)
        return fileError(o, o.file, {error});
    SetupRecord &r = **record;
    if (o.command == QLatin1String("show"))
        return done(o, {{QStringLiteral("Setup"), setupToJson(r)}}, QString::fromLocal8Bit(setupText(r)));
    if (o.command == QLatin1String("convert")) {
        if (!saveSetupFile(o.target, r, &error))
            return fileError(o, o.target, {error});
        return done(o, {{QStringLiteral("SavedTo"), o.target}},
                    o.file + QStringLiteral(": converted to ") + o.target + QLatin1Char('\n'));
    }
    QStringList fields;
    for (const QString &assignment : o.assignments) {
        if (!assignSetupField(r, assignment, &error))
            return fileError(o, o.file, {error});
        fields << assignment.section(QLatin1Char('='), 0, 0);
    }
    // Values no modem may get are refused before any modem is touched. The
    // firmware decides what is sent: check without one judges every line any
    // modem gets; write and set judge what every modem gets, and the rest
    // waits for the firmware the write's read finds.
    constexpr double kLinesOfEveryFirmware = 3.0;
    const bool check = o.command == QLatin1String("check");
    const QStringList faults = setupFileFaults(r, !o.firmware.isEmpty() ? std::optional(numberValue(o.firmware))
                                                  : check               ? std::nullopt
                                                                        : std::optional(kLinesOfEveryFirmware));
    if (check) {
        const QJsonObject verdict{{QStringLiteral("Ok"), faults.isEmpty()},
                                  {QStringLiteral("Faults"), QJsonArray::fromStringList(faults)}};
        if (faults.isEmpty())
            return done(o, verdict, o.file + QStringLiteral(": passes the checks\n"));
        Printed p = fileError(o, o.file, faults);
        if (o.json)
            p.out = done(o, verdict, {}).out;
        return p;
    }
    if (!faults.isEmpty())
        return fileError(o, o.file, faults, true);
    if (!o.assignments.isEmpty()) {
        if (!saveSetupFile(o.file, r, &error, form))
            return fileError(o, o.file, {error});
        fields.removeDuplicates();
        return done(o, {{QStringLiteral("Setup"), setupToJson(r)}},
                    o.file + QStringLiteral(": set ") + fields.join(QStringLiteral(", ")) + QLatin1Char('\n'));
    }
    return std::nullopt;
}

Printed portsOutput(const QList<SerialPortEntry> &ports, bool json)
{
    Printed p;
    QJsonArray entries;
    for (const SerialPortEntry &port : ports) {
        entries.append(QJsonObject{{QStringLiteral("Port"), port.device},
                                   {QStringLiteral("StableName"), port.stableName},
                                   {QStringLiteral("Description"), port.description},
                                   {QStringLiteral("InUse"), port.inUse ? QJsonValue(*port.inUse) : QJsonValue()}});
        QStringList fields{port.device, port.stableName, port.description};
        fields.removeAll(QString());
        fields << QStringLiteral("in use: ")
                      + (!port.inUse   ? QStringLiteral("unknown")
                         : *port.inUse ? QStringLiteral("yes")
                                       : QStringLiteral("no"));
        p.out += (fields.join(QStringLiteral("  ")) + QLatin1Char('\n')).toLocal8Bit();
    }
    if (json)
        p.out =
            jsonDocument({{QStringLiteral("Command"), QStringLiteral("ports")}, {QStringLiteral("Ports"), entries}});
    else if (ports.isEmpty())
        p.err = QStringLiteral("No serial ports found\n");
    return p;
}

int loginExit(const Session &s)
{
    switch (s.LastLogin) {
    case LoginEnd::NotFound: return Exit::NotFound;
    case LoginEnd::PasswordRefused: return Exit::PasswordRefused;
    case LoginEnd::Ready:
    case LoginEnd::LineLost: break;
    }
    return Exit::Failed;
}

Done connectFailed(const Session &s, ConnectResult result)
{
    const QString status = s.state.status();
    switch (result) {
    case ConnectResult::CannotOpen:
        // The status line only names the failure; the message under it says why.
        return {Exit::Failed, status + QStringLiteral(": ") + s.Comm.errorString(), true};
    case ConnectResult::NotFound: return {loginExit(s), status, true};
    case ConnectResult::ReadFailed:
    case ConnectResult::Ready: break;
    }
    return {Exit::Failed, status, true};
}

QString safeFileName(const QString &serial)
{
    QString name;
    for (const QChar c : serial) {
        const bool safe = (c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('-') || c == QLatin1Char('_')
                          || c == QLatin1Char('.');
        name += safe ? c : QLatin1Char('_');
    }
    // "." and ".." are folders; a leading dot hides the file, a trailing one
    // is dropped by Windows.
    if (name.count(QLatin1Char('.')) == name.size())
        return QStringLiteral("unknown");
    if (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    if (name.endsWith(QLatin1Char('.')))
        name[name.size() - 1] = QLatin1Char('_');
#ifdef _WIN32
    // Windows opens these devices whatever the folder and the extension.
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\.|$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(name).hasMatch())
        name.prepend(QLatin1Char('_'));
#endif
    return name;
}

QString interruptedSummary(bool handedBack, std::optional<ConnectResult> connect, bool passwordAsked,
                           const QString &status)
{
    if (handedBack)
        return QStringLiteral("Interrupted: the modem was handed back to automatic operation.");
    // A search that gives up sends "#AUTO" itself; a modem that asked for its
    // password waits for it in command mode.
    if (connect == ConnectResult::NotFound && !passwordAsked)
        return QStringLiteral("Interrupted while searching: the modem was told to return to automatic operation.");
    return QStringLiteral("Interrupted before the modem took commands (%1).").arg(status);
}

void endPort(PortResult &r, const QString &port, const Done &done)
{
    r.exit = done.exit;
    r.summary = done.summary;
    r.object.insert(QStringLiteral("Port"), port);
    r.object.insert(QStringLiteral("Ok"), r.exit == Exit::Ok);
    r.object.insert(QStringLiteral("Result"), r.summary);
}

Printed runOutput(const Options &o, const std::vector<PortResult> &results)
{
    Printed p;
    QJsonArray modems;
    bool interrupted = false;
    for (size_t i = 0; i < results.size(); ++i) {
        const PortResult &r = results[i];
        // Ports that failed alike tell the script how; a mix only that they failed.
        if (r.exit == Exit::Interrupted)
            interrupted = true;
        else if (r.exit != Exit::Ok)
            p.exit = p.exit == Exit::Ok || p.exit == r.exit ? r.exit : Exit::Failed;
        modems.append(r.object);
        if (o.json)
            continue;
        if (results.size() == 1) {
            p.out += r.text;
            continue;
        }
        // Each line names its port: the threads' outputs can be told apart by grep.
        const QByteArray prefix = (o.ports.at(qsizetype(i)) + QStringLiteral(": ")).toLocal8Bit();
        for (const QByteArray &line : r.text.split('\n')) {
            if (!line.isEmpty())
                p.out += prefix + line + '\n';
        }
        p.out += prefix + r.summary.toLocal8Bit() + '\n';
    }
    if (interrupted)
        p.exit = Exit::Interrupted;
    if (o.json)
        p.out = jsonDocument({{QStringLiteral("Command"), o.command},
                              {QStringLiteral("Interrupted"), interrupted},
                              {QStringLiteral("Modems"), modems}});
    return p;
}
