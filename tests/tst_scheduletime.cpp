#include "scheduletime.h"

#include <QTest>

#include <cmath>

class TestScheduleTime : public QObject
{
    Q_OBJECT

private slots:
    void timeText_data()
    {
        QTest::addColumn<double>("dayCount");
        QTest::addColumn<QString>("expected");

        QTest::newRow("date part ignored") << 36526.0 + 0.75 << "18:00";
        QTest::newRow("a hair below midnight") << 0.9999999 << "00:00";
        QTest::newRow("a hair below 08:30") << 8.5 / 24 - 1e-9 << "08:30";
        QTest::newRow("seconds cut, not rounded up") << (8 * 3600 + 29 * 60 + 59) / 86400.0 << "08:29";
        QTest::newRow("negative count") << -1.25 << "06:00";
        QTest::newRow("not a number") << std::nan("") << "00:00";
    }

    void timeText()
    {
        QFETCH(double, dayCount);
        QFETCH(QString, expected);
        QCOMPARE(::timeText(dayCount), expected);
    }

    void parseTimeOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("seconds");

        QTest::newRow("h:mm") << "6:00" << true << 6 * 3600;
        QTest::newRow("with seconds") << "10:50:15" << true << 10 * 3600 + 50 * 60 + 15;
        QTest::newRow("blanks around") << "  23:59 " << true << 23 * 3600 + 59 * 60;
        QTest::newRow("hour 24") << "24:00" << false << 0;
        QTest::newRow("minute 60") << "10:60" << false << 0;
        QTest::newRow("second 60") << "10:00:60" << false << 0;
        QTest::newRow("one-digit minute") << "10:5" << false << 0;
        QTest::newRow("trailing text") << "10:50x" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }

    void parseTimeOfDay()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, seconds);
        const std::optional<double> parsed = ::parseTimeOfDay(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, seconds / 86400.0);
    }

    void scheduleCaption_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("expected");

        QTest::newRow("always on") << "11:00"
                                   << "10:50"
                                   << "ALWAYS ON";
        QTest::newRow("equal times") << "07:00"
                                     << "07:00"
                                     << "ALWAYS OFF";
        QTest::newRow("daily window") << "06:00"
                                      << "18:30"
                                      << "ON 06:00~18:30";
        QTest::newRow("swapped always-on pair") << "10:50"
                                                << "11:00"
                                                << "ON 10:50~11:00";
    }

    void scheduleCaption()
    {
        QFETCH(QString, on);
        QFETCH(QString, off);
        QFETCH(QString, expected);
        QCOMPARE(::scheduleCaption(on, off), expected);
    }
};

QTEST_GUILESS_MAIN(TestScheduleTime)
#include "tst_scheduletime.moc"
