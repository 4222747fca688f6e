#include "numbervalue.h"
#include "scheduleedit.h"
#include "scheduletime.h"

#include <QTest>

#include <cmath>

using TextRule = QString (*)(const QString &);

// The schedule's texts and times, and the number value every box reads.
class TestScheduleEdit : public QObject
{
    Q_OBJECT
private slots:
    // What each box shows after its text changed, for what a user types or
    // pastes. The caret stays at the end: "1" shows "01", and a "2" typed
    // after it makes 12. One digit typed in a minutes box is the tens.
    void boxCorrections()
    {
        const TextRule h = normalisedHours;
        const TextRule m = normalisedMinutes;
        const std::tuple<TextRule, const char *, const char *> rows[] = {
            {h, "", ""},       {h, "7", "07"},  {h, "012", "12"},  {h, "23", "23"},  {h, "24", "00"},
            {h, "7.9", "07"},  {h, "0", "00"},  {h, "-0.5", "23"}, {h, "x", "00"},   {h, "1e1", "10"},
            {h, "&H11", "17"}, {m, "", ""},     {m, "3", "30"},    {m, "59", "50"},  {m, "60", "00"},
            {m, "00", "00"},   {m, "-5", "50"}, {m, "a", "00"},    {m, "123", "10"}, {m, "1e0", "00"},
        };
        for (const auto &[rule, typed, shown] : rows)
            QCOMPARE(rule(QLatin1String(typed)), QLatin1String(shown));
    }

    void steppersWrap()
    {
        for (const auto &[value, shown] : {std::pair{-1, 23}, {0, 0}, {23, 23}, {24, 0}})
            QCOMPARE(wrappedHours(value), shown);
        for (const auto &[value, shown] : {std::pair{-10, 50}, {0, 0}, {50, 50}, {60, 0}})
            QCOMPARE(wrappedMinutes(value), shown);
    }

    // An hour is not short; only 11:00 to 10:50 is always on.
    void pairs()
    {
        const PairKind timed = PairKind::Timed;
        const std::tuple<const char *, const char *, int, PairKind, bool, const char *> rows[] = {
            {"08:00", "09:00", 60, timed, false, "ON 08:00~09:00"},
            {"08:00", "08:50", 50, timed, true, "ON 08:00~08:50"},
            {"23:30", "00:10", 40, timed, true, "ON 23:30~00:10"},
            {"22:00", "02:10", 250, timed, false, "ON 22:00~02:10"},
            {"11:00", "10:50", 1430, PairKind::AlwaysOn, false, "ALWAYS ON"},
            {"06:30", "06:30", 0, PairKind::AlwaysOff, true, "ALWAYS OFF"},
        };
        for (const auto &[on, off, minutes, kind, isShort, caption] : rows) {
            const QString from = QLatin1String(on);
            const QString to = QLatin1String(off);
            QCOMPARE(periodMinutes(from, to), minutes);
            QCOMPARE(pairKind(from, to), kind);
            QCOMPARE(isShortPair(from, to), isShort);
            QCOMPARE(scheduleCaption(from, to), QLatin1String(caption));
        }
    }

    // OK wants every box filled and one device on for an hour, whichever it is.
    void okCheck()
    {
        const std::array<QString, 3> names{"Ombrilex data logger", "Device 2", "Device 3"};
        const DeviceTimeBoxes off{"12", "00", "12", "00"};
        const DeviceTimeBoxes hour{"08", "00", "09", "00"};
        const DeviceTimeBoxes fiftyMinutes{"23", "30", "00", "20"};
        const QString refused = QStringLiteral("At least one device must be ON for 1 hour or more");
        QCOMPARE(scheduleRefusal({fiftyMinutes, off, off}, names), refused);
        QCOMPARE(scheduleRefusal({off, off, hour}, names), QString());
        QCOMPARE(scheduleRefusal({DeviceTimeBoxes{"11", "00", "10", "50"}, off, off}, names), QString());
        QCOMPARE(scheduleRefusal({hour, DeviceTimeBoxes{"08", "00", "09", ""}, off}, names),
                 QStringLiteral("Device 2: the Time OFF minutes box is empty"));
    }

    // The date part is ignored; a hair below midnight or 08:30 is still
    // that minute, but seconds are cut, not rounded up (08:29:59 is 08:29).
    void timeText()
    {
        const std::pair<double, const char *> rows[] = {{36526.0 + 0.75, "18:00"},  {0.9999999, "00:00"},
                                                        {8.5 / 24 - 1e-9, "08:30"}, {30599 / 86400.0, "08:29"},
                                                        {-1.25, "06:00"},           {std::nan(""), "00:00"}};
        for (const auto &[dayCount, text] : rows)
            QCOMPARE(::timeText(dayCount), QLatin1String(text));
    }

    // h:mm or hh:mm, optionally :ss, blanks around; -1 for refused.
    void parseTimeOfDay()
    {
        const std::pair<const char *, double> rows[] = {{"6:00", 0.25},
                                                        {"10:50:15", 39015 / 86400.0},
                                                        {"  23:59 ", 1439 / 1440.0},
                                                        {"00:00:59", 59 / 86400.0},
                                                        {"24:00", -1},
                                                        {"10:60", -1},
                                                        {"10:00:60", -1},
                                                        {"10:5", -1},
                                                        {"10:50x", -1},
                                                        {"", -1}};
        for (const auto &[text, dayCount] : rows)
            QCOMPARE(::parseTimeOfDay(QLatin1String(text)).value_or(-1.0), dayCount);
    }

    void numberValues()
    {
        const std::pair<const char *, double> rows[] = {
            {"3.01", 3.01},  {"0012", 12},   {".5", 0.5}, {" 96 00", 9600}, {"\t7\n8", 78},
            {"-2.5x", -2.5}, {"+3", 3},      {"-", 0},    {"", 0},          {" sg.2.10", 0},
            {"1.2.3", 1.2},  {"1 e 2", 100}, {"2E", 2},   {"1e+", 1},       {"25e-1", 2.5}};
        for (const auto &[text, value] : rows)
            QCOMPARE(numberValue(QLatin1String(text)), value);
    }
};

QTEST_GUILESS_MAIN(TestScheduleEdit)
#include "tst_scheduleedit.moc"
