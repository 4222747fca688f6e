// merolan-cli: reads, writes and shows Merolan setups without a window, for
// scripts and for programming many modems at once.

#include "cliprompt.h"
#include "clock.h"
#include "connection.h"
#include "modemrules.h"
#include "qtseriallink.h"
#include "readsetup.h"
#include "recordingview.h"
#include "session.h"
#include "setupfile.h"
#include "setupjson.h"
#include "writesetup.h"

#include "ptymodem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, BadUse = 2 };

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
    bool yes = false;
};

const char *const kUsage = "Usage:\n"
                           "  merolan-cli [CONNECTION] read [--save FILE|FOLDER] [--json]\n"
                           "  merolan-cli [CONNECTION] write FILE [--all] [--yes]\n"
                           "  merolan-cli show FILE [--json]\n"
                           "CONNECTION:\n"
                           "  --port DEVICE      serial device (may be given several times for write,\n"
                           "                     and for read with --save naming a folder)\n"
                           "  --baud RATE        1200, 2400, 4800, 9600 (default), 19200, 38400, 115200\n"
                           "  --password TEXT    the modem's password\n"
                           "  --remote gsm|net   the modem is reached through a GSM data call or a network\n"
                           "  --demo             use the built-in simulated modem\n"
                           "Exit status: 0 done, 1 modem not found, command refused or work stopped,\n"
                           "2 bad arguments or a bad setup file.\n";

void printOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

std::optional<Options> parse(const QStringList &args, QString *error)
{
    Options o;
    const auto value = [&](int &i) -> std::optional<QString> {
        if (i + 1 >= args.size()) {
            *error = args[i] + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        return args[++i];
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--port")) {
            auto v = value(i);
            if (!v)
                return std::nullopt;
            o.ports << *v;
        } else if (a == QLatin1String("--baud")) {
            auto v = value(i);
            if (!v)
                return std::nullopt;
            const QStringList rates = baudRateTexts();
            if (!rates.contains(*v)) {
                *error = QStringLiteral("The baud rate must be one of ") + rates.join(QStringLiteral(", "));
                return std::nullopt;
            }
            o.baud = *v;
        } else if (a == QLatin1String("--password")) {
            auto v = value(i);
            if (!v)
                return std::nullopt;
            // The modem's password rule: anything else would go on the wire
            // as something other than what was typed.
            if (const QString allowed = FilterPassword(*v); allowed != *v) {
                *error = QStringLiteral("The password may have up to 8 characters, each a digit, a capital letter "
                                        "or one of [ \\ ] ^ (suggested: \"%1\")")
                             .arg(allowed);
                return std::nullopt;
            }
            o.password = *v;
        } else if (a == QLatin1String("--remote")) {
            auto v = value(i);
            if (!v)
                return std::nullopt;
            if (*v == QLatin1String("gsm"))
                o.connectionKind = 1;
            else if (*v == QLatin1String("net"))
                o.connectionKind = 2;
            else {
                *error = QStringLiteral("--remote takes gsm or net");
                return std::nullopt;
            }
        } else if (a == QLatin1String("--demo")) {
            o.demo = true;
        } else if (a == QLatin1String("--save")) {
            auto v = value(i);
            if (!v)
                return std::nullopt;
            o.save = *v;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--all")) {
            o.all = true;
        } else if (a == QLatin1String("--yes")) {
            o.yes = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("Unknown option ") + a;
            return std::nullopt;
        } else if (o.command.isEmpty()) {
            o.command = a;
        } else if (o.file.isEmpty() && o.command != QLatin1String("read")) {
            o.file = a;
        } else {
            *error = QStringLiteral("Unexpected argument ") + a;
            return std::nullopt;
        }
    }
    if (o.command != QLatin1String("read") && o.command != QLatin1String("write")
        && o.command != QLatin1String("show")) {
        *error =
            o.command.isEmpty() ? QStringLiteral("No command given") : QStringLiteral("Unknown command ") + o.command;
        return std::nullopt;
    }
    if (o.command != QLatin1String("read") && o.file.isEmpty()) {
        *error = o.command + QStringLiteral(" needs a setup file");
        return std::nullopt;
    }
    if (o.command != QLatin1String("show") && o.ports.isEmpty() && !o.demo) {
        *error = QStringLiteral("Name the modem's port with --port, or use --demo");
        return std::nullopt;
    }
    if (o.command == QLatin1String("read") && o.ports.size() > 1 && !QFileInfo(o.save).isDir()) {
        *error = QStringLiteral("Reading several ports needs --save naming an existing folder");
        return std::nullopt;
    }
    return o;
}

QByteArray setupText(const SetupRecord &record)
{
    QByteArray out;
    for (const auto &[name, value] : setupFields(record)) {
        QString text;
        if (value.isArray()) {
            QStringList items;
            for (const auto &v : value.toArray())
                items << v.toString();
            text = items.join(QLatin1Char(' '));
        } else if (value.isString()) {
            text = value.toString();
        } else {
            text = QString::number(value.toInteger());
        }
        out += (name + QStringLiteral(": ") + text + QLatin1Char('\n')).toLatin1();
    }
    return out;
}

struct PortResult
{
    int exit = Failed;
    QString summary;   // the one result line of this port
    QByteArray output; // what goes to standard output
};

// One modem from connect to hand-back, with its own link and session: several
// run side by side, each in its own thread.
PortResult runPort(const Options &o, const QString &port, const std::optional<SetupRecord> &toWrite, bool several)
{
    RealClock clock;
    QtSerialLink link(clock);
    RecordingView view;
    CliPrompt prompt(several ? QStringLiteral("[%1] ").arg(port) : QString(), o.yes);
    Session s(link, view, prompt);
    s.ConnectionKind = o.connectionKind;
    view.setCaption(SetupView::Item::txtPWD, o.password);
    QObject::connect(&s.state, &OperationState::statusChanged, [&prompt](const QString &text) { prompt.say(text); });

    PortResult result;
    const auto handBack = [&] {
        HandBack(s);
        link.setPortOpen(false);
    };
    switch (Connect(s, port, o.baud)) {
    case ConnectResult::CannotOpen:
    case ConnectResult::NotFound: result.summary = s.state.status(); return result;
    case ConnectResult::ReadFailed:
        handBack();
        result.summary = s.state.status();
        return result;
    case ConnectResult::Ready: break;
    }

    if (o.command == QLatin1String("read")) {
        if (!o.save.isEmpty()) {
            const QString path =
                QFileInfo(o.save).isDir() ? QDir(o.save).filePath(
                    QString(s.SerialNumber).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".mrl"))
                                          : o.save;
            QString error;
            if (!saveSetupFile(path, s.EditSetup, &error)) {
                prompt.say(error);
                handBack();
                result.summary = QStringLiteral("Setup read, but not saved: ") + error;
                return result;
            }
            prompt.say(QStringLiteral("Setup saved to ") + path);
        }
        if (o.json) {
            const QJsonObject object{
                {QStringLiteral("FirmwareVersion"), s.FirmwareVersion},
                {QStringLiteral("SerialNumber"), s.SerialNumber},
                {QStringLiteral("DeviceCount"), s.DeviceCount},
                {QStringLiteral("Setup"), setupToJson(s.EditSetup)},
            };
            result.output = QJsonDocument(object).toJson();
        } else {
            result.output = (QStringLiteral("FirmwareVersion: ") + s.FirmwareVersion
                             + QStringLiteral("\nSerialNumber: ") + s.SerialNumber + QStringLiteral("\nDeviceCount: ")
                             + QString::number(s.DeviceCount) + QLatin1Char('\n'))
                                .toLatin1()
                            + setupText(s.EditSetup);
        }
        handBack();
        result.exit = Ok;
        result.summary = s.state.status();
        return result;
    }

    s.EditSetup = *toWrite;
    if (ValidateSetup(s)) {
        handBack();
        result.summary = QStringLiteral("Setup not written: it did not pass the checks");
        return result;
    }
    const bool written = WriteChanges(s, o.all);
    handBack();
    result.exit = written ? Ok : Failed;
    result.summary = s.state.status();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Merolan programmer"));

    QString error;
    const auto parsed = parse(app.arguments().mid(1), &error);
    if (!parsed) {
        printErr(error);
        std::fputs(kUsage, stderr);
        return BadUse;
    }
    Options o = *parsed;

    std::optional<SetupRecord> fileRecord;
    if (!o.file.isEmpty()) {
        fileRecord = loadSetupFile(o.file, &error);
        if (!fileRecord) {
            printErr(o.file + QStringLiteral(": ") + error);
            return BadUse;
        }
    }

    if (o.command == QLatin1String("show")) {
        printOut(o.json ? QJsonDocument(setupToJson(*fileRecord)).toJson() : setupText(*fileRecord));
        return Ok;
    }

    std::unique_ptr<PtyModemThread> demo;
    if (o.demo) {
        demo = std::make_unique<PtyModemThread>();
        if (!o.password.isEmpty())
            demo->config().password = o.password;
        demo->start();
        o.ports << demo->devicePath();
    }

    if (o.ports.size() == 1) {
        const PortResult r = runPort(o, o.ports.first(), fileRecord, false);
        printOut(r.output);
        return r.exit;
    }

    // The threads share only what nobody changes while they run: a non-const
    // QList index could detach the list under another thread's feet.
    const Options &shared = o;
    std::vector<PortResult> results(size_t(o.ports.size()));
    QList<QThread *> threads;
    for (qsizetype i = 0; i < o.ports.size(); ++i) {
        PortResult *result = &results[size_t(i)];
        const QString port = o.ports.at(i);
        threads << QThread::create(
            [&shared, &fileRecord, result, port] { *result = runPort(shared, port, fileRecord, true); });
        threads.last()->start();
    }
    int exit = Ok;
    for (int i = 0; i < threads.size(); ++i) {
        threads[i]->wait();
        delete threads[i];
        const PortResult &r = results[size_t(i)];
        printOut(r.output);
        printOut((o.ports.at(i) + QStringLiteral(": ") + r.summary + QLatin1Char('\n')).toLocal8Bit());
        if (r.exit != Ok)
            exit = Failed;
    }
    return exit;
}
