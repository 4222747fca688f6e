#pragma once

#include <QString>
#include <optional>

// Schedule times are stored as day counts since 30 December 1899; the fraction
// is the time of day, which the modem and the window use as "hh:nn".

// The time of day of a day count as "hh:nn", 24-hour, two digits each. The
// time is rounded to the second first, so a value a hair below midnight is
// 00:00, never 24:00. A negative count's fraction counts from midnight, as
// with any date before 1899.
QString timeText(double dayCount);

// The day fraction of a time-of-day text "h:mm" or "hh:mm", optionally with
// ":ss", blanks around it allowed; no value for any other text or a time
// outside the day.
std::optional<double> parseTimeOfDay(const QString &text);

// The caption of one device's schedule from its two "hh:nn" texts.
QString scheduleCaption(const QString &on, const QString &off);
