#include "scheduletime.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

static constexpr int kSecondsPerDay = 24 * 60 * 60;

QString timeText(double dayCount)
{
    const double fraction = std::isfinite(dayCount) ? std::abs(dayCount - std::trunc(dayCount)) : 0.0;
    const int seconds = int(std::round(fraction * kSecondsPerDay)) % kSecondsPerDay;
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

std::optional<double> parseTimeOfDay(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return double(hours * 3600 + minutes * 60 + seconds) / kSecondsPerDay;
}

QString scheduleCaption(const QString &on, const QString &off)
{
    if (on == off)
        //: A device's schedule on the setup diagram
        return QCoreApplication::translate("ScheduleTime", "ALWAYS OFF");
    if (on == QLatin1String("11:00") && off == QLatin1String("10:50"))
        //: A device's schedule on the setup diagram
        return QCoreApplication::translate("ScheduleTime", "ALWAYS ON");
    //: A device's schedule on the setup diagram: %1 the time it is switched on, %2 off
    return QCoreApplication::translate("ScheduleTime", "ON %1~%2").arg(on, off);
}
