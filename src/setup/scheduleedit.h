#pragma once

#include <QString>
#include <array>

// The rules of the schedule editor: its hours and minutes boxes correct
// themselves as they change, its steppers wrap, and OK wants one device on
// for an hour or more. Times are "hh:nn" texts, minutes in steps of ten.

// The hours box after its text changed: not a number is "00", the number's
// integer part (towards minus infinity), below 0 "23", above 23 "00", two
// digits. An empty text stays empty, so a cleared box waits for typing.
QString normalisedHours(const QString &text);

// The minutes box after its text changed: not a number is "00", one
// character is the tens ("3" is "30"), then the first two characters, rounded
// down to ten, below 0 "50", above 50 "00", two digits. A text that stops
// being a number when cut to two characters ("1e0") is "00". Empty stays empty.
QString normalisedMinutes(const QString &text);

// A stepper one step beyond an end shows the other end: hours -1 is 23 and
// 24 is 0; minutes -10 is 50 and 60 is 0. Minutes never carry into hours.
int wrappedHours(int value);
int wrappedMinutes(int value);

// Minutes from on to off, across midnight when off is earlier ("23:30" to
// "00:10" is 40); 0 for equal times.
int periodMinutes(const QString &on, const QString &off);

enum class PairKind {
    Timed,
    AlwaysOn,  // exactly ON "11:00", OFF "10:50"
    AlwaysOff, // ON equal to OFF
};
PairKind pairKind(const QString &on, const QString &off);

// Less than an hour on a day; always on never is, always off always is.
bool isShortPair(const QString &on, const QString &off);

// One device's four boxes as they read.
struct DeviceTimeBoxes
{
    QString onHours;
    QString onMinutes;
    QString offHours;
    QString offMinutes;
};

// Why OK may not write: a box left empty, named by its device (deviceNames,
// the frames' captions) and side; or every device short: "At least one device
// must be ON for 1 hour or more". Empty when OK may write. All three devices
// count, also those the modem does not have.
QString scheduleRefusal(const std::array<DeviceTimeBoxes, 3> &devices, const std::array<QString, 3> &deviceNames);
