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
        QTest::addColumn<double>("expected"); // -1: refused
        QTest::newRow("h:mm") << "6:00" << 0.25;
        QTest::newRow("with seconds") << "10:50:15" << (10 * 3600 + 50 * 60 + 15) / 86400.0;
        QTest::newRow("blanks around, last minute") << "  23:59 " << (23 * 60 + 59) / 1440.0;
        QTest::newRow("last second") << "00:00:59" << 59 / 86400.0;
        QTest::newRow("hour 24") << "24:00" << -1.0;
        QTest::newRow("minute 60") << "10:60" << -1.0;
        QTest::newRow("second 60") << "10:00:60" << -1.0;
        QTest::newRow("one-digit minute") << "10:5" << -1.0;
        QTest::newRow("trailing text") << "10:50x" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
    }

    void parseTimeOfDay()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(::parseTimeOfDay(text).value_or(-1.0), expected);
    }

    void scheduleCaption_data()
    {
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *on, const char *off, const char *expected) {
            QTest::newRow(name) << QString::fromLatin1(on) << QString::fromLatin1(off) << QString::fromLatin1(expected);
        };
        row("always on", "11:00", "10:50", "ALWAYS ON");
        row("equal times", "07:00", "07:00", "ALWAYS OFF");
        row("daily window", "06:00", "18:30", "ON 06:00~18:30");
        row("swapped always-on pair", "10:50", "11:00", "ON 10:50~11:00");
        row("always-on ON time, other OFF", "11:00", "10:40", "ON 11:00~10:40");
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
