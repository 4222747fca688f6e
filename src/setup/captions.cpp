#include "captions.h"

#include "scheduletime.h"
#include "setuprecord.h"

#include <cmath>

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15).toUpper();
}

QString shortCaption(const QString &prefix, const QString &text)
{
    constexpr qsizetype kFits = 16;
    constexpr qsizetype kKept = 14;
    if (text.size() > kFits)
        return prefix + text.left(kKept) + QStringLiteral("...");
    return prefix + text;
}

QString apnCaption(const QString &apn)
{
    return shortCaption(QStringLiteral("APN: "), apn);
}

QString providerUserCaption(const QString &user)
{
    return shortCaption(QStringLiteral("User: "), user);
}

QString providerPasswordCaption(const QString &password)
{
    return shortCaption(QStringLiteral("PWD: "), password);
}

QString deviceScheduleCaption(const SetupRecord &record, int device)
{
    return scheduleCaption(timeText(record.OnTime.at(size_t(device))), timeText(record.OffTime.at(size_t(device))));
}

QString emailCaption(double hours)
{
    if (hours > 0)
        return QStringLiteral("Email: per ") + numberText(hours) + QLatin1Char('h');
    return QStringLiteral("Email: Disabled");
}

QString smsCaption(const QString &number)
{
    if (number.isEmpty())
        return QStringLiteral("Alarm SMS: Disabled");
    return QStringLiteral("Alarm SMS: ") + number;
}

QString baudCaption(qint32 index)
{
    const qint32 rate = baudRateOfIndex(index);
    return QStringLiteral("Baud: ") + (rate ? QString::number(rate) : QString());
}

QString tessarinPortCaption(const QString &port)
{
    return QStringLiteral("Port: ") + port;
}

QString serverPortCaption(const QString &port)
{
    return QStringLiteral("Server IP port: ") + port;
}

const std::array<RoleCaptions, 3> &roleCaptions()
{
    static constexpr std::array<RoleCaptions, 3> roles{{
        {"Merolan is Tessarin GPRS Client", "GPRS network", "Merolan (Client)", "Tessarin",
         "Merolan is used with a Ombrilex data logger."},
        {"Merolan is GPRS Server", "GPRS network", "Merolan (Server)", "Internet",
         "Merolan is used with a Ombrilex data logger."},
        {"Merolan accepts data calls", "GSM network", "Merolan expects data calls", "Modem",
         "Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries."},
    }};
    return roles;
}
