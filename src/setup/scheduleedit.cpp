#include "scheduleedit.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <optional>

namespace {

// A number as the schedule boxes accept one: decimal with sign, point and
// exponent, or &H hexadecimal and &O octal, blanks around it allowed.
std::optional<double> numberOf(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double value = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        value = double(t.mid(2).toLongLong(&ok, 16));
    else if (t.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        value = double(t.mid(2).toLongLong(&ok, 8));
    else
        value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

int minutesOfDay(const QString &hhnn)
{
    return hhnn.section(QLatin1Char(':'), 0, 0).toInt() * 60 + hhnn.section(QLatin1Char(':'), 1, 1).toInt();
}

} // namespace

QString normalisedHours(const QString &text)
{
    if (text.isEmpty())
        return text;
    const std::optional<double> number = numberOf(text);
    if (!number)
        return QStringLiteral("00");
    const double hour = std::floor(*number);
    if (hour < 0)
        return QStringLiteral("23");
    if (hour > 23)
        return QStringLiteral("00");
    return twoDigits(int(hour));
}

QString normalisedMinutes(const QString &text)
{
    if (text.isEmpty())
        return text;
    if (!numberOf(text))
        return QStringLiteral("00");
    // One typed digit is the tens of minutes.
    const QString cut = (text.size() == 1 ? text + QLatin1Char('0') : text).left(2);
    const std::optional<double> number = numberOf(cut);
    if (!number)
        return QStringLiteral("00");
    const double minutes = std::floor(*number / 10) * 10;
    if (minutes < 0)
        return QStringLiteral("50");
    if (minutes > 50)
        return QStringLiteral("00");
    return twoDigits(int(minutes));
}

int wrappedHours(int value)
{
    return value < 0 ? 23 : value > 23 ? 0 : value;
}

int wrappedMinutes(int value)
{
    return value < 0 ? 50 : value > 50 ? 0 : value;
}

int periodMinutes(const QString &on, const QString &off)
{
    const int length = minutesOfDay(off) - minutesOfDay(on);
    return length < 0 ? length + 1440 : length;
}

PairKind pairKind(const QString &on, const QString &off)
{
    if (on == QLatin1String("11:00") && off == QLatin1String("10:50"))
        return PairKind::AlwaysOn;
    return on == off ? PairKind::AlwaysOff : PairKind::Timed;
}

bool isShortPair(const QString &on, const QString &off)
{
    switch (pairKind(on, off)) {
    case PairKind::AlwaysOn: return false;
    case PairKind::AlwaysOff: return true;
    case PairKind::Timed: break;
    }
    return periodMinutes(on, off) < 60;
}

QString scheduleRefusal(const std::array<DeviceTimeBoxes, 3> &devices, const std::array<QString, 3> &deviceNames)
{
    for (size_t i = 0; i < devices.size(); ++i) {
        const DeviceTimeBoxes &d = devices[i];
        const std::array<std::pair<const QString *, const char *>, 4> boxes{
            {{&d.onHours, QT_TRANSLATE_NOOP("ScheduleEdit", "Time ON hours")},
             {&d.onMinutes, QT_TRANSLATE_NOOP("ScheduleEdit", "Time ON minutes")},
             {&d.offHours, QT_TRANSLATE_NOOP("ScheduleEdit", "Time OFF hours")},
             {&d.offMinutes, QT_TRANSLATE_NOOP("ScheduleEdit", "Time OFF minutes")}}};
        for (const auto &[text, box] : boxes) {
            if (text->isEmpty())
                //: %1 is a device's name, %2 the name of a box, such as "Time ON hours"
                return QCoreApplication::translate("ScheduleEdit", "%1: the %2 box is empty")
                    .arg(deviceNames[i], QCoreApplication::translate("ScheduleEdit", box));
        }
    }
    for (const DeviceTimeBoxes &d : devices) {
        if (!isShortPair(d.onHours + QLatin1Char(':') + d.onMinutes, d.offHours + QLatin1Char(':') + d.offMinutes))
            return {};
    }
    return QCoreApplication::translate("ScheduleEdit", "At least one device must be ON for 1 hour or more");
}
