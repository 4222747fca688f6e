#include "setupfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

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
    // The layout itself, which a round trip alone cannot pin down.
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

        const QByteArray expected = QByteArray::fromHex("0100"
                                                        "feff"
                                                        "0200"
                                                        "6162"
                                                        "04030201" // Role, Logger -2, HostIP "ab", HostPort
                                                        "0000"
                                                        "0100"
                                                        "78"
                                                        "0000"
                                                        "0000" // APN, GPRSID "x", GPRSPass, SMSNum
                                                        "07000000"
                                                        "0000"
                                                        "0000"
                                                        "0201" // Baud, ERecep, ESender, EmailInterval
                                                        "0100"
                                                        "6d"
                                                        "0000"
                                                        "0000" // MailServer "m", no padding before it; XUser, XPas
                                                        "000000000000e03f"
                                                        "0000000000000000"
                                                        "0000000000000000" // OnTime 0.5, 0, 0
                                                        "000000000000f0bf"
                                                        "0000000000000000"
                                                        "000000000000d03f" // OffTime -1.0, 0, 0.25
        );
        QCOMPARE(encoded(r).toHex(), expected.toHex());
    }

    // Bytes after the record, as older, longer saves left them, are ignored.
    void everyFieldRoundTrips()
    {
        const SetupRecord r = fullRecord();
        for (const QByteArray &tail : {QByteArray(), QByteArray("leftover of an older save")}) {
            QString error;
            const auto decoded = decodeSetup(encoded(r) + tail, &error);
            QVERIFY2(decoded, qPrintable(error));
            QVERIFY(*decoded == r);
        }
    }

    void everyTruncationIsRefused()
    {
        const QByteArray bytes = encoded(fullRecord());
        QVERIFY(!bytes.isEmpty());
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            QString error;
            const auto decoded = decodeSetup(bytes.left(n), &error);
            QVERIFY2(!decoded, qPrintable(QStringLiteral("prefix of %1 bytes was accepted").arg(n)));
            QVERIFY2(error.startsWith(QLatin1String("The setup file ends in the middle of ")), qPrintable(error));
        }
    }

    void badFileNamesTheField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        using Limits = std::numeric_limits<double>;
        const QByteArray empty(82, '\0');
        const auto withTime = [&](double value) {
            QByteArray bytes = empty;
            qToLittleEndian(value, bytes.data() + 58 + 8); // OffTime of device 2
            return bytes;
        };
        // Offsets in the empty record: HostPort 6, EmailInterval 26, MailServer 28,
        // OnTime 34, OffTime 58.
        QTest::newRow("cut inside HostPort") << empty.left(9) << "middle of HostPort (";
        QTest::newRow("cut before MailServer") << empty.left(28) << "middle of MailServer (";
        QTest::newRow("cut in second ON time") << empty.left(45) << "middle of OnTime of device 2 (";
        QTest::newRow("cut in last OFF time") << empty.left(81) << "middle of OffTime of device 3 (";
        QTest::newRow("NaN time") << withTime(Limits::quiet_NaN()) << "OffTime of device 2";
        QTest::newRow("minus infinity") << withTime(-Limits::infinity()) << "OffTime of device 2";
    }

    void badFileNamesTheField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QString error;
        QVERIFY(!decodeSetup(bytes, &error));
        QVERIFY2(error.contains(field), qPrintable(error));
    }

    void recordSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size"); // 0: refused
        QTest::newRow("empty record") << QString() << 82;
        QTest::newRow("99 asterisks, as a read leaves it") << QString(99, QLatin1Char('*')) << 181;
        QTest::newRow("65535 characters fit") << QString(65535, QLatin1Char('a')) << 82 + 65535;
        QTest::newRow("65536 characters") << QString(65536, QLatin1Char('a')) << 0;
        QTest::newRow("no 8-bit code") << QStringLiteral("pass\u20AC") << 0;
    }

    void recordSize()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        SetupRecord r;
        r.XPas = text;
        QString error;
        QCOMPARE(encodeSetup(r, &error).size(), size);
        QVERIFY2(error.contains(QLatin1String("XPas")) == (size == 0), qPrintable(error));
    }

    // A failed save keeps the old file; a good one leaves nothing of it.
    void saveReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Setup.mrl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(500, 'x'));
        file.close();

        SetupRecord bad;
        bad.APN = QString(70000, QLatin1Char('a'));
        QString error;
        QVERIFY(!saveSetupFile(path, bad, &error));
        QCOMPARE(QFileInfo(path).size(), 500);

        const SetupRecord r = fullRecord();
        QVERIFY2(saveSetupFile(path, r, &error), qPrintable(error));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), encoded(r));
        const auto loaded = loadSetupFile(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        QVERIFY(*loaded == r);
    }
};

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"
