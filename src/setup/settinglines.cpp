#include "settinglines.h"

#include "exchange.h"
#include "scheduletime.h"
#include "setuprecord.h"

#include <QCoreApplication>

QString emailIntervalText(qint16 hours)
{
    const QString digits = QString::number(qAbs(int(hours))).rightJustified(2, QLatin1Char('0'));
    return hours < 0 ? QLatin1Char('-') + digits : digits;
}

QStringList recipientLines(const QString &recipients)
{
    const QString key = QStringLiteral("ERecep=");
    const QStringList parts = recipients.split(QLatin1Char(','));
    QStringList lines;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (!parts.at(i).isEmpty())
            lines << key + parts.at(i) + QLatin1Char(',');
    }
    lines << key + parts.last();
    return lines;
}

bool matchesAddressPattern(const QString &text)
{
    // The earliest "@" after the first character leaves the most room for
    // the "." that must follow it, one character on, with one after it.
    const qsizetype at = text.indexOf(QLatin1Char('@'), 1);
    if (at < 0)
        return false;
    const qsizetype dot = text.indexOf(QLatin1Char('.'), at + 2);
    return dot >= 0 && dot + 1 < text.size();
}

bool isPrintableAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    }
    return true;
}

bool isPasswordPlaceholder(const QString &password)
{
    if (password.size() > 100)
        return false;
    for (const QChar c : password) {
        if (c != QLatin1Char('*'))
            return false;
    }
    return true;
}

bool sameMailPassword(const QString &a, const QString &b)
{
    return a == b || (isPasswordPlaceholder(a) && isPasswordPlaceholder(b));
}

QStringList settingLines(const SetupRecord &edit, const SetupRecord &modem, bool writeAll, double firmware)
{
    QStringList lines;
    const auto add = [&](bool differs, const QString &key, const QString &value) {
        if (writeAll || differs)
            lines << key + value;
    };

    for (size_t n = 0; n < 3; ++n) {
        const QString device = QStringLiteral("P") + QString::number(n + 1);
        add(edit.OnTime[n] != modem.OnTime[n], device + QStringLiteral("ON="), timeText(edit.OnTime[n]));
        add(edit.OffTime[n] != modem.OffTime[n], device + QStringLiteral("OFF="), timeText(edit.OffTime[n]));
    }
    if (firmware >= 2.0 && firmware < 3.0)
        add(edit.Logger != modem.Logger, QStringLiteral("Logger="), QString::number(edit.Logger));
    add(edit.Role != modem.Role, QStringLiteral("MODEMROLE="), QString::number(edit.Role));
    add(edit.SMSNum != modem.SMSNum, QStringLiteral("SMSNUM="), edit.SMSNum);
    add(edit.Baud != modem.Baud, QStringLiteral("BAUD="), QString::number(edit.Baud));
    add(edit.APN != modem.APN, QStringLiteral("APN="), edit.APN);
    add(edit.GPRSID != modem.GPRSID, QStringLiteral("GPRSID="), edit.GPRSID);
    add(edit.GPRSPass != modem.GPRSPass, QStringLiteral("GPRSPass="), edit.GPRSPass);
    // A changed mail server sends the server address again as well.
    add(edit.HostIP != modem.HostIP || edit.MailServer != modem.MailServer, QStringLiteral("HOSTIP="), edit.HostIP);
    add(edit.HostPort != modem.HostPort, QStringLiteral("HSTPORTNUMBER="), QString::number(edit.HostPort));

    if (firmware >= 3.0)
        return lines;

    add(edit.EmailInterval != modem.EmailInterval, QStringLiteral("Email="), emailIntervalText(edit.EmailInterval));
    add(edit.MailServer != modem.MailServer, QStringLiteral("MAILS="), edit.MailServer);
    add(edit.XUser != modem.XUser, QStringLiteral("XUSER="), edit.XUser);
    if (!isPasswordPlaceholder(edit.XPas))
        lines << QStringLiteral("XPAS=") + edit.XPas;
    add(edit.ESender != modem.ESender, QStringLiteral("ESender="), edit.ESender);
    if (writeAll || edit.ERecep != modem.ERecep)
        lines << recipientLines(edit.ERecep);
    return lines;
}

void acceptSettingLine(const QString &line, const SetupRecord &edit, SetupRecord &modem)
{
    const QString key = line.section(QLatin1Char('='), 0, 0);
    for (size_t n = 0; n < 3; ++n) {
        const QString device = QStringLiteral("P") + QString::number(n + 1);
        if (key == device + QStringLiteral("ON"))
            modem.OnTime[n] = edit.OnTime[n];
        else if (key == device + QStringLiteral("OFF"))
            modem.OffTime[n] = edit.OffTime[n];
    }
    using Copy = void (*)(const SetupRecord &, SetupRecord &);
    static const std::pair<const char *, Copy> kFields[] = {
        {"Logger", [](const SetupRecord &e, SetupRecord &m) { m.Logger = e.Logger; }},
        {"MODEMROLE", [](const SetupRecord &e, SetupRecord &m) { m.Role = e.Role; }},
        {"SMSNUM", [](const SetupRecord &e, SetupRecord &m) { m.SMSNum = e.SMSNum; }},
        {"BAUD", [](const SetupRecord &e, SetupRecord &m) { m.Baud = e.Baud; }},
        {"APN", [](const SetupRecord &e, SetupRecord &m) { m.APN = e.APN; }},
        {"GPRSID", [](const SetupRecord &e, SetupRecord &m) { m.GPRSID = e.GPRSID; }},
        {"GPRSPass", [](const SetupRecord &e, SetupRecord &m) { m.GPRSPass = e.GPRSPass; }},
        {"HOSTIP", [](const SetupRecord &e, SetupRecord &m) { m.HostIP = e.HostIP; }},
        {"HSTPORTNUMBER", [](const SetupRecord &e, SetupRecord &m) { m.HostPort = e.HostPort; }},
        {"Email", [](const SetupRecord &e, SetupRecord &m) { m.EmailInterval = e.EmailInterval; }},
        {"MAILS", [](const SetupRecord &e, SetupRecord &m) { m.MailServer = e.MailServer; }},
        {"XUSER", [](const SetupRecord &e, SetupRecord &m) { m.XUser = e.XUser; }},
        {"XPAS", [](const SetupRecord &e, SetupRecord &m) { m.XPas = e.XPas; }},
        {"ESender", [](const SetupRecord &e, SetupRecord &m) { m.ESender = e.ESender; }},
    };
    for (const auto &[name, copy] : kFields) {
        if (key == QLatin1String(name))
            copy(edit, modem);
    }
    // Only the last recipient line ends without the comma that says more follow.
    if (key == QLatin1String("ERecep") && !line.endsWith(QLatin1Char(',')))
        modem.ERecep = edit.ERecep;
}

namespace {

// A stored time is the fraction of a day, from midnight up to not including the next.
bool isTimeOfDay(double time)
{
    return time >= 0 && time < 1;
}

// key: "P1ON" to "P3OFF".
QString timeProblem(const QString &key)
{
    //: %1 is the device's number, %2 is ON or OFF (the setting's own words)
    return QCoreApplication::translate("SettingLines", "Device %1 %2 time is not a time of day")
        .arg(key.mid(1, 1), key.mid(2));
}

} // namespace

QStringList setupFileProblems(const SetupRecord &r)
{
    QStringList problems;
    if (r.HostPort < 0 || r.HostPort > 65535)
        //: %1 is the port number found in the file
        problems << QCoreApplication::translate("SettingLines", "Server port %1 is not valid: it must be 0 to 65535")
                        .arg(r.HostPort);
    if (r.EmailInterval < 0 || r.EmailInterval > 24)
        //: %1 is the number of hours found in the file
        problems << QCoreApplication::translate("SettingLines",
                                                "Email interval %1 is not valid: it must be 0 to 24 hours")
                        .arg(r.EmailInterval);
    for (size_t n = 0; n < 3; ++n) {
        const QString device = QStringLiteral("P") + QString::number(n + 1);
        if (!isTimeOfDay(r.OnTime[n]))
            problems << timeProblem(device + QStringLiteral("ON"));
        if (!isTimeOfDay(r.OffTime[n]))
            problems << timeProblem(device + QStringLiteral("OFF"));
    }
    return problems;
}

QString setupFileProblem(const SetupRecord &record)
{
    return setupFileProblems(record).value(0);
}

QStringList unsendableSettings(const QStringList &lines, const SetupRecord &edit)
{
    // name and allowed are English: they are translated where they are told.
    struct Setting
    {
        const char *key;
        const char *name;
        int low = 0; // a number setting's range; low > high for a text
        int high = -1;
        const char *allowed = nullptr;
    };
    static constexpr Setting kSettings[] = {
        {"Logger", QT_TRANSLATE_NOOP("SettingLines", "Logger mode"), 0, 1, QT_TRANSLATE_NOOP("SettingLines", "0 or 1")},
        {"MODEMROLE", QT_TRANSLATE_NOOP("SettingLines", "Operating role"), 1, 3,
         QT_TRANSLATE_NOOP("SettingLines", "1, 2 or 3")},
        {"BAUD", QT_TRANSLATE_NOOP("SettingLines", "Baud rate index"), 1, 7,
         QT_TRANSLATE_NOOP("SettingLines", "1 to 7")},
        // 0 is no port: whether a role needs one is the write's to judge.
        {"HSTPORTNUMBER", QT_TRANSLATE_NOOP("SettingLines", "Server port"), 0, 65535,
         QT_TRANSLATE_NOOP("SettingLines", "0 to 65535")},
        {"Email", QT_TRANSLATE_NOOP("SettingLines", "Email interval"), 0, 24,
         QT_TRANSLATE_NOOP("SettingLines", "0 to 24 hours")},
        {"SMSNUM", QT_TRANSLATE_NOOP("SettingLines", "Alarm SMS number")},
        {"APN", "APN"},
        {"GPRSID", QT_TRANSLATE_NOOP("SettingLines", "GPRS user")},
        {"GPRSPass", QT_TRANSLATE_NOOP("SettingLines", "GPRS password")},
        {"HOSTIP", QT_TRANSLATE_NOOP("SettingLines", "Tessarin address")},
        {"MAILS", QT_TRANSLATE_NOOP("SettingLines", "Email (SMTP) server")},
        {"XUSER", QT_TRANSLATE_NOOP("SettingLines", "Email (SMTP) user")},
        {"XPAS", QT_TRANSLATE_NOOP("SettingLines", "Email (SMTP) password")},
        {"ESender", QT_TRANSLATE_NOOP("SettingLines", "Email sender")},
        {"ERecep", QT_TRANSLATE_NOOP("SettingLines", "Email recipient")},
    };
    QStringList faults;
    const auto add = [&faults](const QString &fault) {
        if (!faults.contains(fault))
            faults << fault;
    };
    for (const QString &line : lines) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        for (size_t n = 0; n < 3; ++n) {
            const QString device = QStringLiteral("P") + QString::number(n + 1);
            if ((key == device + QStringLiteral("ON") && !isTimeOfDay(edit.OnTime[n]))
                || (key == device + QStringLiteral("OFF") && !isTimeOfDay(edit.OffTime[n])))
                add(timeProblem(key));
        }
        for (const Setting &setting : kSettings) {
            if (key != QLatin1String(setting.key))
                continue;
            const QString name = QCoreApplication::translate("SettingLines", setting.name);
            if (setting.low > setting.high) {
                if (!isPrintableAscii(value))
                    //: %1 is the name of a setting, such as "Email sender"
                    add(QCoreApplication::translate("SettingLines",
                                                    "%1 contains characters that the Merolan cannot store")
                            .arg(name));
            } else if (const int number = value.toInt(); number < setting.low || number > setting.high) {
                //: %1 is the name of a setting, %2 its value, %3 the values allowed, such as "1 to 7"
                add(QCoreApplication::translate("SettingLines", "%1 %2 is not valid: it must be %3")
                        .arg(name, value, QCoreApplication::translate("SettingLines", setting.allowed)));
            }
        }
    }
    return faults;
}

QString unsendableSetting(const QStringList &lines, const SetupRecord &edit)
{
    return unsendableSettings(lines, edit).value(0);
}

WriteFaults writeFaults(const SetupRecord &e, const QStringList &lines, std::optional<double> firmware)
{
    WriteFaults faults;
    faults.unsendable = unsendableSettings(lines, e);
    faults.mailJudged = firmware && *firmware < 3.0 && e.EmailInterval >= 1;
    if (faults.mailJudged) {
        if (!matchesAddressPattern(CleanReply(e.ERecep)))
            faults.mail << QCoreApplication::translate("SettingLines", "Email recipient is not valid");
        if (!matchesAddressPattern(CleanReply(e.ESender)))
            faults.mail << QCoreApplication::translate("SettingLines", "Email sender is not valid");
        if (CleanReply(e.MailServer).isEmpty())
            faults.mail << QCoreApplication::translate("SettingLines", "Email (SMTP) server may not be empty");
    }
    if (e.Role == 1) {
        if (CleanReply(e.HostIP).isEmpty())
            faults.role << QCoreApplication::translate("SettingLines", "Tessarin address may not be empty");
        if (e.HostPort == 0)
            faults.role << QCoreApplication::translate("SettingLines", "Tessarin Port may not be 0");
    } else if (e.Role == 2 && CleanReply(e.APN).isEmpty()) {
        faults.role << QCoreApplication::translate("SettingLines", "APN may not be empty");
    }
    return faults;
}

QStringList setupFileFaults(const SetupRecord &record, std::optional<double> firmware)
{
    // A firmware of 2.x takes every line there is.
    constexpr double kEveryLineFirmware = 2.5;
    QStringList faults =
        writeFaults(record, settingLines(record, SetupRecord{}, true, firmware.value_or(kEveryLineFirmware)), firmware)
            .all();
    for (const QString &problem : setupFileProblems(record)) {
        if (!faults.contains(problem))
            faults << problem;
    }
    return faults;
}

QString maskedSettingLine(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    const QString key = line.left(eq);
    // An empty password is shown as empty: sending it clears the modem's.
    if (eq < 0 || eq + 1 == line.size()
        || (key.compare(QLatin1String("GPRSPass"), Qt::CaseInsensitive) != 0
            && key.compare(QLatin1String("XPAS"), Qt::CaseInsensitive) != 0))
        return line;
    return key + QStringLiteral("=***");
}
