#include "numbervalue.h"

#include <QTest>

class TestNumberValue : public QObject
{
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("decimal") << "1.23" << 1.23;
        QTest::newRow("version 3.01") << "3.01" << 3.01;
        QTest::newRow("leading zeros") << "0012" << 12.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("blanks inside the digits") << " 96 00" << 9600.0;
        QTest::newRow("tab and line feed inside") << "\t7\n8" << 78.0;
        QTest::newRow("minus, stops at a letter") << "-2.5x" << -2.5;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("GPS modem version text") << " sg.2.10" << 0.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("baud with suffix") << "9600_xyz" << 9600.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent with blanks") << "1 e 2" << 100.0;
        QTest::newRow("exponent without digits") << "2E" << 2.0;
        QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
    }

    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(NumberValue(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberValue)
#include "tst_numbervalue.moc"
