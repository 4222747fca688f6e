#include "setupfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <limits>

class TestSetupFile : public QObject
{
    Q_OBJECT

private:
    // Every field different from its neighbours and from its default, so a
    // swapped or skipped field cannot round-trip.
    static SetupRecord fullRecord()
    {
        SetupRecord r;
        r.Role = 2;
        r.Logger = 1;
        r.HostIP = QStringLiteral("mediation.example.net");
        r.HostPort = 1023;
        r.APN = QStringLiteral("internet.provider");
        r.GPRSID = QStringLiteral("gprsuser");
        r.GPRSPass = QStringLiteral("gprs\u00E9pass"); // é: an 8-bit character above ASCII
        r.SMSNum = QStringLiteral("+306900000000");
        r.Baud = 7;
        r.ERecep = QStringLiteral("a@example.com,b@example.com");
        r.ESender = QStringLiteral("modem@example.com");
        r.EmailInterval = -24;
        r.MailServer = QStringLiteral("smtp.example.com");
        r.XUser = QStringLiteral("smtpuser");
        r.XPas = QStringLiteral("smtppass");
        r.OnTime = {11.0 / 24, 6.5 / 24, -1.25};
        r.OffTime = {10.0 / 24 + 50.0 / 1440, 18.5 / 24, 36526.75};
        return r;
    }

    static QByteArray encoded(const SetupRecord &record)
    {
        QString error;
        const QByteArray bytes = encodeSetup(record, &error);
        if (bytes.isEmpty())
            qWarning("encodeSetup failed: %s", qPrintable(error));
        return bytes;
    }

private slots:
    void emptyRecordIs82Bytes()
    {
        const QByteArray bytes = encoded(SetupRecord{});
        QCOMPARE(bytes.size(), 82);
        QCOMPARE(bytes, QByteArray(82, '\0'));
    }

    void smallRecordHasExactBytes()
    {
        SetupRecord r;
        r.Role = 1;
        r.Logger = -2;
        r.HostIP = QStringLiteral("ab");
        r.HostPort = 0x01020304;
        r.GPRSID = QStringLiteral("x");
        r.Baud = 7;
        r.EmailInterval = 0x0102;
        r.MailServer = QStringLiteral("m");
        r.OnTime = {0.5, 0, 0};
        r.OffTime = {-1.0, 0, 0.25};

        const QByteArray expected = QByteArray::fromHex(
            "0100"             // Role
            "feff"             // Logger -2
            "0200" "6162"      // HostIP "ab"
            "04030201"         // HostPort
            "0000"             // APN
            "0100" "78"        // GPRSID "x"
            "0000"             // GPRSPass
            "0000"             // SMSNum
            "07000000"         // Baud
            "0000"             // ERecep
            "0000"             // ESender
            "0201"             // EmailInterval
            "0100" "6d"        // MailServer "m", right after the 16-bit interval
            "0000"             // XUser
            "0000"             // XPas
            "000000000000e03f" // OnTime 0.5
            "0000000000000000"
            "0000000000000000"
            "000000000000f0bf" // OffTime -1.0
            "0000000000000000"
            "000000000000d03f" // 0.25
        );
        QCOMPARE(encoded(r).toHex(), expected.toHex());

        QString error;
        const auto decoded = decodeSetup(expected, &error);
        QVERIFY2(decoded, qPrintable(error));
        QVERIFY(*decoded == r);
    }

    void everyFieldRoundTrips()
    {
        const SetupRecord r = fullRecord();
        QString error;
        const auto decoded = decodeSetup(encoded(r), &error);
        QVERIFY2(decoded, qPrintable(error));
        QVERIFY(*decoded == r);
    }

    void recordAfterReadIs181Bytes()
    {
        SetupRecord r;
        r.XPas = QString(99, QLatin1Char('*'));
        const QByteArray bytes = encoded(r);
        QCOMPARE(bytes.size(), 181);
        QCOMPARE(bytes.mid(32, 2), QByteArray::fromHex("6300"));
        QCOMPARE(bytes.mid(34, 99), QByteArray(99, '*'));
    }

    void everyTruncationIsRefused()
    {
        const QByteArray bytes = encoded(fullRecord());
        QVERIFY(!bytes.isEmpty());
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            QString error;
            const auto decoded = decodeSetup(bytes.left(n), &error);
            QVERIFY2(!decoded, qPrintable(QStringLiteral("prefix of %1 bytes was accepted").arg(n)));
            QVERIFY2(error.startsWith(QLatin1String("The setup file ends in the middle of ")),
                     qPrintable(error));
        }
    }

    void truncationNamesTheField_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("field");
        // Offsets in the empty record: Role 0, Logger 2, HostIP 4, HostPort 6,
        // ..., EmailInterval 26, MailServer 28, XUser 30, XPas 32, OnTime 34,
        // OffTime 58.
        QTest::newRow("inside Role") << 1 << "Role";
        QTest::newRow("inside HostIP length") << 5 << "HostIP";
        QTest::newRow("inside HostPort") << 9 << "HostPort";
        QTest::newRow("before MailServer") << 28 << "MailServer";
        QTest::newRow("second ON time") << 45 << "OnTime of device 2";
        QTest::newRow("last OFF time") << 81 << "OffTime of device 3";
    }

    void truncationNamesTheField()
    {
        QFETCH(int, length);
        QFETCH(QString, field);
        QString error;
        QVERIFY(!decodeSetup(QByteArray(82, '\0').left(length), &error));
        QVERIFY2(error.contains(QLatin1String("middle of ") + field + QLatin1String(" (")), qPrintable(error));
    }

    void textLongerThanItsLengthIsRefused()
    {
        // HostIP claims 5 bytes but the file holds only 3 more.
        QString error;
        QVERIFY(!decodeSetup(QByteArray::fromHex("01000000" "0500" "616263"), &error));
        QVERIFY2(error.contains(QLatin1String("HostIP")), qPrintable(error));
    }

    void trailingBytesAreIgnored()
    {
        const SetupRecord r = fullRecord();
        QString error;
        const auto decoded = decodeSetup(encoded(r) + QByteArray("leftover of an older, longer save"), &error);
        QVERIFY2(decoded, qPrintable(error));
        QVERIFY(*decoded == r);
    }

    void overlongTextIsRefused()
    {
        SetupRecord r;
        r.ERecep = QString(65535, QLatin1Char('a'));
        QCOMPARE(encoded(r).size(), 82 + 65535);

        r.ERecep = QString(65536, QLatin1Char('a'));
        QString error;
        QVERIFY(encodeSetup(r, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("ERecep")) && error.contains(QLatin1String("65536")), qPrintable(error));
    }

    void wideCharacterIsRefused()
    {
        SetupRecord r;
        r.XUser = QStringLiteral("user\u20AC");
        QString error;
        QVERIFY(encodeSetup(r, &error).isEmpty());
        QVERIFY2(error.contains(QLatin1String("XUser")), qPrintable(error));
    }

    void nonFiniteTimeIsRefused_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
    }

    void nonFiniteTimeIsRefused()
    {
        QFETCH(double, value);
        QByteArray bytes(82, '\0');
        qToLittleEndian(value, bytes.data() + 58 + 8); // OffTime of device 2
        QString error;
        QVERIFY(!decodeSetup(bytes, &error));
        QVERIFY2(error.contains(QLatin1String("OffTime of device 2")), qPrintable(error));
    }

    void saveReplacesLongerFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(500, 'x'));
        }
        const SetupRecord r = fullRecord();
        QString error;
        QVERIFY2(saveSetupFile(path, r, &error), qPrintable(error));

        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), encoded(r));

        const auto loaded = loadSetupFile(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        QVERIFY(*loaded == r);
    }

    void saveOfUnstorableRecordKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
        QString error;
        QVERIFY(saveSetupFile(path, fullRecord(), &error));

        SetupRecord bad;
        bad.APN = QString(70000, QLatin1Char('a'));
        QVERIFY(!saveSetupFile(path, bad, &error));
        QVERIFY(error.contains(QLatin1String("APN")));
        QVERIFY(loadSetupFile(path, &error) == fullRecord());
    }

    void fileErrorsGiveTheSystemsDescription()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.mrl"));
        QString error;
        QVERIFY(!loadSetupFile(missing, &error));
        QVERIFY(!error.isEmpty());

        error.clear();
        QVERIFY(!saveSetupFile(dir.filePath(QStringLiteral("no/such/dir/Setup.mrl")), SetupRecord{}, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"
