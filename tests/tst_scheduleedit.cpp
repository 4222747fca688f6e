#include "scheduleedit.h"

#include <QtTest>

class TestScheduleEdit : public QObject
{
    Q_OBJECT
private slots:
    // What each box shows after its text changed, for what a user types or pastes.
    void boxCorrections_data()
    {
        QTest::addColumn<bool>("hours");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, bool hours, const char *typed, const char *shown) {
            QTest::newRow(name) << hours << QString::fromLatin1(typed) << QString::fromLatin1(shown);
        };
        row("hours: empty waits", true, "", "");
        row("hours: one digit", true, "7", "07");
        // The caret stays at the end: "1" shows "01", and a "2" typed after it makes 12.
        row("hours: a digit after 01", true, "012", "12");
        row("hours: a digit after 07", true, "071", "00");
        row("hours: two digits", true, "12", "12");
        row("hours: last hour", true, "23", "23");
        row("hours: 24", true, "24", "00");
        row("hours: 99", true, "99", "00");
        row("hours: fraction down", true, "7.9", "07");
        row("hours: negative", true, "-3", "23");
        row("hours: just below zero", true, "-0.5", "23");
        row("hours: letter", true, "x", "00");
        row("hours: exponent", true, "1e1", "10");
        row("hours: hexadecimal", true, "&H11", "17");
        row("minutes: empty waits", false, "", "");
        row("minutes: one digit is tens", false, "3", "30");
        row("minutes: rounded down", false, "37", "30");
        row("minutes: last step", false, "59", "50");
        row("minutes: 60", false, "60", "00");
        row("minutes: 75", false, "75", "00");
        row("minutes: negative", false, "-5", "50");
        row("minutes: letter", false, "a", "00");
        row("minutes: three digits cut", false, "123", "10");
        row("minutes: exponent cut to no number", false, "1e0", "00");
        row("minutes: hexadecimal cut to no number", false, "&H1", "00");
    }

    void boxCorrections()
    {
        QFETCH(bool, hours);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(hours ? normalisedHours(typed) : normalisedMinutes(typed), shown);
    }

    void steppersWrap()
    {
        const QList<QPair<int, int>> hours{{-1, 23}, {0, 0}, {23, 23}, {24, 0}};
        for (const auto &[value, shown] : hours)
            QCOMPARE(wrappedHours(value), shown);
        const QList<QPair<int, int>> minutes{{-10, 50}, {0, 0}, {50, 50}, {60, 0}};
        for (const auto &[value, shown] : minutes)
            QCOMPARE(wrappedMinutes(value), shown);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("isShort");
        const int timed = int(PairKind::Timed);
        QTest::newRow("day") << "08:00"
                             << "17:30" << 570 << timed << false;
        QTest::newRow("exactly an hour") << "08:00"
                                         << "09:00" << 60 << timed << false;
        QTest::newRow("fifty minutes") << "08:00"
                                       << "08:50" << 50 << timed << true;
        QTest::newRow("across midnight, short") << "23:30"
                                                << "00:10" << 40 << timed << true;
        QTest::newRow("across midnight") << "22:00"
                                         << "02:10" << 250 << timed << false;
        QTest::newRow("always on") << "11:00"
                                   << "10:50" << 1430 << int(PairKind::AlwaysOn) << false;
        QTest::newRow("nearly always on") << "11:00"
                                          << "10:40" << 1420 << timed << false;
        QTest::newRow("always off") << "12:00"
                                    << "12:00" << 0 << int(PairKind::AlwaysOff) << true;
        QTest::newRow("equal elsewhere") << "06:30"
                                         << "06:30" << 0 << int(PairKind::AlwaysOff) << true;
    }

    void pairs()
    {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(int, minutes);
        QFETCH(int, kind);
        QFETCH(bool, isShort);
        QCOMPARE(periodMinutes(on, off), minutes);
        QCOMPARE(int(pairKind(on, off)), kind);
        QCOMPARE(isShortPair(on, off), isShort);
    }

    // OK wants every box filled and one device on for an hour, whichever it is.
    void okCheck()
    {
        const std::array<QString, 3> names{"Ombrilex data logger", "Device 2", "Device 3"};
        const DeviceTimeBoxes off{"12", "00", "12", "00"};
        const DeviceTimeBoxes hour{"08", "00", "09", "00"};
        const DeviceTimeBoxes fortyMinutes{"23", "30", "00", "10"};
        const QString refused = QStringLiteral("At least one device must be ON for 1 hour or more");
        QCOMPARE(scheduleRefusal({fortyMinutes, off, off}, names), refused);
        QCOMPARE(scheduleRefusal({off, off, off}, names), refused);
        QCOMPARE(scheduleRefusal({off, off, hour}, names), QString());
        QCOMPARE(scheduleRefusal({DeviceTimeBoxes{"11", "00", "10", "50"}, off, off}, names), QString());

        DeviceTimeBoxes noMinutes = hour;
        noMinutes.offMinutes.clear();
        QCOMPARE(scheduleRefusal({hour, noMinutes, off}, names),
                 QStringLiteral("Device 2: the Time OFF minutes box is empty"));
        DeviceTimeBoxes noHours = hour;
        noHours.onHours.clear();
        QCOMPARE(scheduleRefusal({noHours, hour, hour}, names),
                 QStringLiteral("Ombrilex data logger: the Time ON hours box is empty"));
    }
};

QTEST_GUILESS_MAIN(TestScheduleEdit)
#include "tst_scheduleedit.moc"
