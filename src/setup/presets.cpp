#include "presets.h"

#include "settinglines.h"
#include "settingsedit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

// The provider list's last entry, for a record that names none.
//: The provider list's entry for a provider that is not listed
const char *const kOther = QT_TRANSLATE_NOOP("Presets", "Other");
const QString kFileName = QStringLiteral("presets.json");
// A presets file is a few hundred bytes; anything far bigger is not one.
constexpr qint64 kMaxFileBytes = qint64(64) * 1024;

// A host under a name reserved for examples resolves nowhere: a modem given
// one could never reach it, so such a value counts as not given.
QString realValue(const QString &value)
{
    QString host = value.trimmed().toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    for (const QLatin1String reserved : {QLatin1String("example"), QLatin1String("invalid")}) {
        if (host == reserved || host.endsWith(QLatin1Char('.') + reserved))
            return {};
    }
    return value;
}

QString otherName()
{
    return QCoreApplication::translate("Presets", kOther);
}

// A value the file gives, as the modem would take it; empty when it cannot.
QString checkedValue(const QJsonObject &entry, const QString &key, int limit, QString &fault)
{
    const QJsonValue value = entry.value(key);
    if (value.isUndefined())
        return {};
    const QString name = entry.value(QStringLiteral("Name")).toString();
    if (!value.isString())
        //: %1 is a key of the presets file, such as APN; %2 a provider's name
        fault = QCoreApplication::translate("Presets", "%1 of \"%2\" is not a text").arg(key, name);
    else if (value.toString().size() > limit)
        //: %1 is a key of the presets file, such as APN; %2 a provider's name; %3 a number
        fault = QCoreApplication::translate("Presets", "%1 of \"%2\" is longer than %3 characters")
                    .arg(key, name, QString::number(limit));
    else if (!isPrintableAscii(value.toString()))
        //: %1 is a key of the presets file, such as APN; %2 a provider's name
        fault = QCoreApplication::translate("Presets", "%1 of \"%2\" holds a character the modem cannot take")
                    .arg(key, name);
    return value.toString();
}

QString parseProvider(const QJsonValue &value, QList<Provider> &providers)
{
    if (!value.isObject())
        return QCoreApplication::translate("Presets", "a provider is not an object");
    const QJsonObject entry = value.toObject();
    Provider p;
    p.name = entry.value(QStringLiteral("Name")).toString().trimmed();
    if (p.name.isEmpty())
        //: Name is a key of the presets file
        return QCoreApplication::translate("Presets", "a provider has no Name");
    // Either would be taken for the list's own last entry.
    if (p.name == QLatin1String(kOther) || p.name == otherName())
        //: %1 is the name the file gives, the same as the list's entry "Other"
        return QCoreApplication::translate("Presets", "\"%1\" is not a provider's name").arg(p.name);
    if (providerNamed(providers, p.name))
        //: %1 is a provider's name
        return QCoreApplication::translate("Presets", "\"%1\" is listed twice").arg(p.name);
    QString fault;
    p.apn = realValue(checkedValue(entry, QStringLiteral("APN"), kApnLimit, fault));
    p.user = checkedValue(entry, QStringLiteral("User"), kGprsLoginLimit, fault);
    p.password = checkedValue(entry, QStringLiteral("Password"), kGprsLoginLimit, fault);
    p.mailServer = realValue(checkedValue(entry, QStringLiteral("MailServer"), kMailTextLimit, fault));
    const QJsonValue login = entry.value(QStringLiteral("MailLoginRequired"));
    if (!login.isUndefined() && !login.isBool())
        //: MailLoginRequired is a key of the presets file; %1 is a provider's name
        fault = QCoreApplication::translate("Presets", "MailLoginRequired of \"%1\" is not true or false").arg(p.name);
    p.mailLoginRequired = login.toBool();
    if (fault.isEmpty())
        providers.append(p);
    return fault;
}

Presets fallback(const QString &problem)
{
    Presets presets = builtInPresets();
    presets.problem = problem;
    return presets;
}

} // namespace

Presets builtInPresets()
{
    // Cosmote's mail gateway wants the account's user and password. The
    // Vodafone and Wind mail servers and the mediation server are not known
    // here: a technician enters the real ones in the presets file.
    return {{
                {QStringLiteral("Cosmote GR"),
                 QStringLiteral("internet"),
                 {},
                 {},
                 QStringLiteral("mailgate.cosmotemail.gr"),
                 true},
                {QStringLiteral("Vodafone GR"),
                 QStringLiteral("internet"),
                 QStringLiteral("user"),
                 QStringLiteral("kexo"),
                 {},
                 false},
                {QStringLiteral("Wind GR"), QStringLiteral("gint.b-online.gr"), {}, {}, {}, false},
            },
            {},
            {}};
}

Presets parsePresets(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        //: %1 is the parser's own description of the fault
        return fallback(QCoreApplication::translate("Presets", "%1 at character %2")
                            .arg(error.errorString(), QString::number(error.offset)));
    if (!document.isObject())
        return fallback(QCoreApplication::translate("Presets", "the file is not a JSON object"));
    const QJsonObject root = document.object();

    Presets presets;
    const QJsonValue list = root.value(QStringLiteral("Providers"));
    if (!list.isArray())
        //: Providers is a key of the presets file
        return fallback(QCoreApplication::translate("Presets", "\"Providers\" is not a list"));
    for (const QJsonValue entry : list.toArray())
        if (const QString fault = parseProvider(entry, presets.providers); !fault.isEmpty())
            return fallback(fault);

    const QJsonValue host = root.value(QStringLiteral("ServerHost"));
    if (!host.isUndefined() && (!host.isString() || !isPrintableAscii(host.toString())))
        //: ServerHost is a key of the presets file
        return fallback(QCoreApplication::translate("Presets", "\"ServerHost\" is not a host name"));
    presets.serverHost = realValue(host.toString().trimmed());
    return presets;
}

Presets loadPresets(const QStringList &locations)
{
    for (const QString &path : locations) {
        if (!QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fallback(path + QStringLiteral(": ") + file.errorString());
        const QByteArray data = file.read(kMaxFileBytes + 1);
        Presets presets = data.size() > kMaxFileBytes
                              ? fallback(QCoreApplication::translate("Presets", "the file is too big"))
                              : parsePresets(data);
        if (!presets.problem.isEmpty())
            presets.problem = path + QStringLiteral(": ") + presets.problem;
        return presets;
    }
    return builtInPresets();
}

QStringList presetLocations()
{
    const QString own = QStringLiteral("merolan/") + kFileName;
    QStringList locations;
    locations << QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(own);
    if (QCoreApplication::instance())
        locations << QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString path = QDir(folder).filePath(own);
        if (!locations.contains(path))
            locations << path;
    }
    return locations;
}

QStringList providerNames(const QList<Provider> &providers)
{
    QStringList names;
    for (const Provider &p : providers)
        names << p.name;
    names << otherName();
    return names;
}

const Provider *providerNamed(const QList<Provider> &providers, const QString &name)
{
    for (const Provider &p : providers)
        if (p.name == name)
            return &p;
    return nullptr;
}

QString mailServerQuestion(const QString &server)
{
    //: %1 is a mail server's name
    return QCoreApplication::translate("Presets", "Update mail server to '%1' ?").arg(server);
}
