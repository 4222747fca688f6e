#include "modemclock.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdlib>

namespace {

const QString kFormat = QStringLiteral("dd-MM-yy,HH:mm:ss");

} // namespace

QString modemClockText(const QDateTime &time)
{
    return time.toString(kFormat);
}

std::optional<QDateTime> parseModemClock(const QString &reply)
{
    static const QRegularExpression pattern(QStringLiteral("\\d\\d-\\d\\d-\\d\\d,\\d\\d:\\d\\d:\\d\\d"));
    const QRegularExpressionMatch match = pattern.match(reply);
    if (!match.hasMatch())
        return std::nullopt;
    // Qt reads a two-digit year as 19yy; the modem means 20yy.
    const QDateTime time = QDateTime::fromString(match.captured(), kFormat);
    if (!time.isValid())
        return std::nullopt;
    return time.addYears(100);
}

qint64 clockDrift(const QDateTime &modem, const QDateTime &arrived)
{
    // The modem's clock has whole seconds: the computer's fraction goes to
    // the nearer second.
    const qint64 ms = arrived.msecsTo(modem);
    return (ms >= 0 ? ms + 500 : ms - 500) / 1000;
}

QString driftText(qint64 seconds)
{
    if (seconds == 0)
        return QStringLiteral("0 s");
    const QString sign = seconds > 0 ? QStringLiteral("+") : QStringLiteral("-");
    const qint64 s = std::llabs(seconds);
    const auto part = [](qint64 n, const char *unit) { return QString::number(n) + QLatin1String(unit); };
    if (s < 60)
        return sign + part(s, " s");
    if (s < 3600)
        return sign + part(s / 60, " min ") + part(s % 60, " s");
    if (s < 86400)
        return sign + part(s / 3600, " h ") + part(s % 3600 / 60, " min");
    return sign + part(s / 86400, " d ") + part(s % 86400 / 3600, " h");
}

bool driftWantsSet(qint64 seconds)
{
    return std::llabs(seconds) > kDriftToleranceSeconds;
}

QString driftToolTip(qint64 seconds)
{
    const qint64 s = std::llabs(seconds);
    if (s == 0)
        return QCoreApplication::translate("ModemClock", "The Merolan's clock agrees with this computer's local time.");
    // driftText without its sign
    const QString drift = driftText(s).mid(1);
    //: %1 is a time difference, such as "3 min 5 s"
    const QString ahead =
        QCoreApplication::translate("ModemClock", "The Merolan's clock is %1 ahead of this computer's local time.");
    //: %1 is a time difference, such as "3 min 5 s"
    const QString behind =
        QCoreApplication::translate("ModemClock", "The Merolan's clock is %1 behind this computer's local time.");
    QString tip = (seconds > 0 ? ahead : behind).arg(drift);
    // Within two minutes of whole hours (and no more than a time zone can be).
    const qint64 hours = (s + 120) / 3600;
    if (hours >= 1 && hours <= 14 && std::llabs(s - hours * 3600) <= 120)
        //: %1 is a whole number of hours
        tip +=
            QStringLiteral("\n")
            + QCoreApplication::translate(
                  "ModemClock", "A difference of about %1 h is usually a time zone or daylight-saving time: the modem "
                                "keeps the local time it was set to and does not change it for daylight "
                                "saving.")
                  .arg(hours);
    if (driftWantsSet(seconds))
        //: Set is the caption of the button beside the clock
        tip += QStringLiteral("\n")
               + QCoreApplication::translate("ModemClock", "Click Set to set it from this computer's clock.");
    return tip;
}
