#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The modem's clock as it reads and takes it, and how far it is from the
// computer's.

// "dd-mm-yy,hh:mm:ss" (5 March 2012, 14:07:09 is "05-03-12,14:07:09").
QString modemClockText(const QDateTime &time);

// The first "dd-mm-yy,hh:mm:ss" in a reply, years counted in this century;
// none when the reply holds no valid time.
std::optional<QDateTime> parseModemClock(const QString &reply);

// Whole seconds the modem's clock is ahead of the computer's (negative:
// behind), from the modem's time and the moment its answer arrived.
qint64 clockDrift(const QDateTime &modem, const QDateTime &arrived);

// "+2 min 13 s", "-45 s", "0 s", "+1 h 5 min", "-3 d 4 h".
QString driftText(qint64 seconds);

// A clock more than a minute off wants setting.
constexpr qint64 kDriftToleranceSeconds = 60;
bool driftWantsSet(qint64 seconds);

// What the drift means and what to do about it; a drift near whole hours is
// probably a time zone or daylight-saving time, and says so.
QString driftToolTip(qint64 seconds);
