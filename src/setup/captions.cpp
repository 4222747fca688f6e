#include "captions.h"

#include "scheduletime.h"
#include "setuprecord.h"

#include <QCoreApplication>

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
    //: The mobile provider's user name on the setup diagram
    return shortCaption(QCoreApplication::translate("Captions", "User: "), user);
}

QString providerPasswordCaption(const QString &password)
{
    //: The mobile provider's password on the setup diagram, kept short
    return shortCaption(QCoreApplication::translate("Captions", "PWD: "), password);
}

QString deviceScheduleCaption(const SetupRecord &record, int device)
{
    return scheduleCaption(timeText(record.OnTime.at(size_t(device))), timeText(record.OffTime.at(size_t(device))));
}

QString emailCaption(double hours)
{
    if (hours > 0)
        //: %1 is the number of hours between two e-mails
        return QCoreApplication::translate("Captions", "Email: per %1h").arg(numberText(hours));
    return QCoreApplication::translate("Captions", "Email: Disabled");
}

QString smsCaption(const QString &number)
{
    if (number.isEmpty())
        return QCoreApplication::translate("Captions", "Alarm SMS: Disabled");
    //: %1 is the phone number the low-power alarm goes to
    return QCoreApplication::translate("Captions", "Alarm SMS: %1").arg(number);
}

QString baudCaption(qint32 index)
{
    const qint32 rate = baudRateOfIndex(index);
    return baudRateCaption(rate ? QString::number(rate) : QString());
}

QString baudRateCaption(const QString &rate)
{
    //: %1 is a baud rate, such as 9600, or nothing
    return QCoreApplication::translate("Captions", "Baud: %1").arg(rate);
}

QString serialCaption(const QString &serial)
{
    //: %1 is the modem's serial number
    return QCoreApplication::translate("Captions", "S/N: %1").arg(serial);
}

QString firmwareCaption(const QString &version)
{
    //: %1 is the modem's firmware version, such as 2.13
    return QCoreApplication::translate("Captions", "F/W: v%1").arg(version);
}

QString tessarinPortCaption(const QString &port)
{
    //: %1 is the Tessarin server's port number
    return QCoreApplication::translate("Captions", "Port: %1").arg(port);
}

QString serverPortCaption(const QString &port)
{
    //: %1 is the port number the modem listens on as a server
    return QCoreApplication::translate("Captions", "Server IP port: %1").arg(port);
}

const std::array<RoleCaptions, 3> &roleCaptions()
{
    static constexpr std::array<RoleCaptions, 3> roles{{
        {QT_TRANSLATE_NOOP("Captions", "Merolan is Tessarin GPRS Client"),
         QT_TRANSLATE_NOOP("Captions", "GPRS network"), QT_TRANSLATE_NOOP("Captions", "Merolan (Client)"), "Tessarin",
         QT_TRANSLATE_NOOP("Captions", "Merolan is used with a Ombrilex data logger.")},
        {QT_TRANSLATE_NOOP("Captions", "Merolan is GPRS Server"), QT_TRANSLATE_NOOP("Captions", "GPRS network"),
         QT_TRANSLATE_NOOP("Captions", "Merolan (Server)"),
         //: The far end of the setup diagram when the Merolan is a server
         QT_TRANSLATE_NOOP("Captions", "Internet"),
         QT_TRANSLATE_NOOP("Captions", "Merolan is used with a Ombrilex data logger.")},
        {QT_TRANSLATE_NOOP("Captions", "Merolan accepts data calls"), QT_TRANSLATE_NOOP("Captions", "GSM network"),
         QT_TRANSLATE_NOOP("Captions", "Merolan expects data calls"),
         //: The far end of the setup diagram for data calls: the calling modem
         QT_TRANSLATE_NOOP("Captions", "Modem"),
         QT_TRANSLATE_NOOP("Captions",
                           "Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries.")},
    }};
    return roles;
}
