#include "numbervalue.h"
#include "scheduleedit.h"
#include "scheduletime.h"

#include <QTest>

#include <cmath>

using TextRule = QString (*)(const QString &);
Q_DECLARE_METATYPE(TextRule)

// The schedule's texts and times, and the number value every box reads.
class TestScheduleEdit : public QObject
{
    Q_OBJECT
private slots:
    // What each box shows after its text changed, for what a user types or pastes.
    void boxCorrections_data()
    {
        QTest::addColumn<TextRule>("rule");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, TextRule rule, const char *typed, const char *shown) {
            QTest::newRow(name) << rule << QString::fromLatin1(typed) << QString::fromLatin1(shown);
        };
        const TextRule h = normalisedHours;
        const TextRule m = normalisedMinutes;
        row("hours: empty waits", h, "", "");
        row("hours: one digit", h, "7", "07");
        // The caret stays at the end: "1" shows "01", and a "2" typed after it makes 12.
        row("hours: a digit after 01", h, "012", "12");
        row("hours: a digit after 07", h, "071", "00");
        row("hours: last hour", h, "23", "23");
        row("hours: 24", h, "24", "00");
        row("hours: fraction down", h, "7.9", "07");
        row("hours: zero", h, "0", "00");
        row("hours: just below zero", h, "-0.5", "23");
        row("hours: letter", h, "x", "00");
        row("hours: exponent", h, "1e1", "10");
        row("hours: hexadecimal", h, "&H11", "17");
        row("minutes: empty waits", m, "", "");
        row("minutes: one digit is tens", m, "3", "30");
        row("minutes: rounded down", m, "37", "30");
        row("minutes: last step", m, "59", "50");
        row("minutes: 60", m, "60", "00");
        row("minutes: zero", m, "00", "00");
        row("minutes: negative", m, "-5", "50");
        row("minutes: letter", m, "a", "00");
        row("minutes: three digits cut", m, "123", "10");
        row("minutes: exponent cut to no number", m, "1e0", "00");
        row("minutes: hexadecimal cut to no number", m, "&H1", "00");
    }

    void boxCorrections()
    {
        QFETCH(TextRule, rule);
        QFETCH(QString, typed);
        QTEST(rule(typed), "shown");
    }

    void steppersWrap()
    {
        for (const auto &[value, shown] : {std::pair{-1, 23}, {0, 0}, {23, 23}, {24, 0}})
            QCOMPARE(wrappedHours(value), shown);
        for (const auto &[value, shown] : {std::pair{-10, 50}, {0, 0}, {50, 50}, {60, 0}})
            QCOMPARE(wrappedMinutes(value), shown);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<PairKind>("kind");
        QTest::addColumn<bool>("isShort");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *on, const char *off, int minutes, PairKind kind, bool isShort,
                            const char *caption) {
            QTest::newRow(qPrintable(QStringLiteral("%1 to %2").arg(QLatin1String(on), QLatin1String(off))))
                << QString::fromLatin1(on) << QString::fromLatin1(off) << minutes << kind << isShort
                << QString::fromLatin1(caption);
        };
        const PairKind timed = PairKind::Timed;
        row("08:00", "17:30", 570, timed, false, "ON 08:00~17:30");
        row("08:00", "09:00", 60, timed, false, "ON 08:00~09:00");
        row("08:00", "08:50", 50, timed, true, "ON 08:00~08:50");
        row("23:30", "00:10", 40, timed, true, "ON 23:30~00:10");
        row("22:00", "02:10", 250, timed, false, "ON 22:00~02:10");
        row("11:00", "10:50", 1430, PairKind::AlwaysOn, false, "ALWAYS ON");
        row("11:00", "10:40", 1420, timed, false, "ON 11:00~10:40");
        row("10:50", "11:00", 10, timed, true, "ON 10:50~11:00");
        row("06:30", "06:30", 0, PairKind::AlwaysOff, true, "ALWAYS OFF");
    }

    void pairs()
    {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QTEST(periodMinutes(on, off), "minutes");
        QTEST(pairKind(on, off), "kind");
        QTEST(isShortPair(on, off), "isShort");
        QTEST(scheduleCaption(on, off), "caption");
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
        QCOMPARE(scheduleRefusal({DeviceTimeBoxes{"", "00", "09", "00"}, hour, hour}, names),
                 QStringLiteral("Ombrilex data logger: the Time ON hours box is empty"));
    }

    void timeText()
    {
        const std::pair<double, const char *> rows[] = {
            {36526.0 + 0.75, "18:00"},                      // the date part ignored
            {0.9999999, "00:00"},                           // a hair below midnight
            {8.5 / 24 - 1e-9, "08:30"},                     // a hair below 08:30
            {(8 * 3600 + 29 * 60 + 59) / 86400.0, "08:29"}, // seconds cut, not rounded up
            {-1.25, "06:00"},
            {std::nan(""), "00:00"}};
        for (const auto &[dayCount, text] : rows)
            QCOMPARE(::timeText(dayCount), QLatin1String(text));
    }

    // h:mm or hh:mm, optionally :ss, blanks around; -1 for refused.
    void parseTimeOfDay()
    {
        const std::pair<const char *, double> rows[] = {{"6:00", 0.25},
                                                        {"10:50:15", (10 * 3600 + 50 * 60 + 15) / 86400.0},
                                                        {"  23:59 ", (23 * 60 + 59) / 1440.0},
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

    void numberValue()
    {
        const std::pair<const char *, double> rows[] = {
            {"3.01", 3.01},  {"0012", 12},   {".5", 0.5}, {" 96 00", 9600}, {"\t7\n8", 78},
            {"-2.5x", -2.5}, {"+3", 3},      {"-", 0},    {"", 0},          {" sg.2.10", 0},
            {"1.2.3", 1.2},  {"1 e 2", 100}, {"2E", 2},   {"1e+", 1},       {"25e-1", 2.5}};
        for (const auto &[text, value] : rows)
            QCOMPARE(NumberValue(QLatin1String(text)), value);
    }
};

QTEST_GUILESS_MAIN(TestScheduleEdit)
#include "tst_scheduleedit.moc"
