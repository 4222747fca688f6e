#include "setupfile.h"

#include <QtTest>

#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Every field distinct from every other, so a swapped, skipped or mis-sized
// field changes the bytes. Fields in record order, as below.
const SetupRecord kDistinct{
    2,        1,      u"ip"_s, 50000,  u"apn"_s, u"u"_s,  u"p\u00E9"_s,      u"+30"_s,          6,
    u"a,b"_s, u"s"_s, 24,      u"m"_s, u"xu"_s,  u"**"_s, {0.25, 0.5, 0.75}, {0.125, -1.0, 2.0}};

// The same record as the file holds it (fromHex skips the blanks).
const QByteArray kDistinctBytes = QByteArray::fromHex("0200"                  // Role
                                                      "0100"                  // Logger
                                                      "0200 6970"             // HostIP "ip"
                                                      "50c3 0000"             // HostPort 50000
                                                      "0300 6170 6e"          // APN "apn"
                                                      "0100 75"               // GPRSID "u"
                                                      "0200 70e9"             // GPRSPass "pé"
                                                      "0300 2b33 30"          // SMSNum "+30"
                                                      "0600 0000"             // Baud 6
                                                      "0300 612c 62"          // ERecep "a,b"
                                                      "0100 73"               // ESender "s"
                                                      "1800"                  // EmailInterval 24
                                                      "0100 6d"               // MailServer "m"
                                                      "0200 7875"             // XUser "xu"
                                                      "0200 2a2a"             // XPas "**"
                                                      "0000 0000 0000 d03f"   // OnTime 0.25
                                                      "0000 0000 0000 e03f"   //        0.5
                                                      "0000 0000 0000 e83f"   //        0.75
                                                      "0000 0000 0000 c03f"   // OffTime 0.125
                                                      "0000 0000 0000 f0bf"   //         -1.0
                                                      "0000 0000 0000 0040"); //         2.0

} // namespace

class TestSetupFile : public QObject
{
    Q_OBJECT

private slots:
    // Encoder and decoder each against the bytes; bytes after the record, as
    // older, longer saves left them, are ignored, and every shorter file is refused.
    void recordHasExactBytes()
    {
        QString error;
        QCOMPARE(encodeSetup(kDistinct, &error).toHex(), kDistinctBytes.toHex());
        const auto decoded = decodeSetup(kDistinctBytes + "leftover", &error);
        QVERIFY2(decoded, qPrintable(error));
        QVERIFY(*decoded == kDistinct);
        for (qsizetype n = 0; n < kDistinctBytes.size(); ++n) {
            QString cut;
            QVERIFY2(!decodeSetup(kDistinctBytes.left(n), &cut), qPrintable(QString::number(n)));
            QVERIFY2(cut.startsWith(QLatin1String("The setup file ends in the middle of ")), qPrintable(cut));
        }
    }

    void badFileNamesTheField_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        const QByteArray empty(82, '\0');
        const auto withTime = [&](double value) {
            QByteArray bytes = empty;
            qToLittleEndian(value, bytes.data() + 58 + 8); // OffTime of device 2
            return bytes;
        };
        // Offsets in the empty record: HostPort 6, MailServer 28, OnTime 34, OffTime 58.
        QTest::newRow("cut inside HostPort") << empty.left(9) << "middle of HostPort (";
        QTest::newRow("cut before MailServer") << empty.left(28) << "middle of MailServer (";
        QTest::newRow("cut in second ON time") << empty.left(45) << "middle of OnTime of device 2 (";
        QTest::newRow("cut in last OFF time") << empty.left(81) << "middle of OffTime of device 3 (";
        QTest::newRow("NaN time") << withTime(std::numeric_limits<double>::quiet_NaN()) << "OffTime of device 2";
        QTest::newRow("minus infinity") << withTime(-std::numeric_limits<double>::infinity()) << "OffTime of device 2";
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
        QTest::newRow("last 8-bit code") << QStringLiteral("\u00FF") << 83;
        QTest::newRow("first code beyond 8 bits") << QStringLiteral("pass\u0100") << 0;
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

    // A file at the limit loads (the record, then what older saves left); one
    // byte more is refused without being read whole. A failed save keeps the
    // old file, a good one leaves nothing of it. A device, a pipe (whose open
    // would wait for a writer) or a folder is not opened at all.
    void sizeLimitAndSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.mrl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write(kDistinctBytes + QByteArray(1048576 - kDistinctBytes.size(), 'x')) == 1048576);
        file.close();
        QString error;
        const auto atLimit = loadSetupFile(path, &error);
        QVERIFY2(atLimit && *atLimit == kDistinct, qPrintable(error));

        QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
        file.close();
        QVERIFY(!loadSetupFile(path, &error));
        QCOMPARE(error, QStringLiteral("The file is larger than a setup file can be (more than 1 MiB)"));

        SetupRecord bad;
        bad.APN = QString(70000, QLatin1Char('a'));
        QVERIFY(!saveSetupFile(path, bad, &error));
        QCOMPARE(QFileInfo(path).size(), 1048577);
        QVERIFY2(saveSetupFile(path, kDistinct, &error), qPrintable(error));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toHex(), kDistinctBytes.toHex());

        const QString pipe = dir.filePath(QStringLiteral("pipe.mrl"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString &other : {QStringLiteral("/dev/zero"), pipe, dir.path()}) {
            error.clear();
            QVERIFY(!loadSetupFile(other, &error));
            QCOMPARE(error, QStringLiteral("It is not a regular file (a folder, a device or a pipe)"));
        }
    }

    // The file holds passwords: a new one is the owner's alone, a replaced one
    // keeps its mode, and a writable file in a locked folder is still saved. A
    // read-only file is refused, except to root, for whom it stays read-only.
    void permissions()
    {
        using P = QFileDevice;
        const bool root = geteuid() == 0;
        QTemporaryDir dir;
        QString error;
        const QString fresh = dir.filePath(QStringLiteral("new.mrl"));
        QVERIFY2(saveSetupFile(fresh, SetupRecord{}, &error), qPrintable(error));
        QCOMPARE(QFile::permissions(fresh) & 0x7077, P::ReadOwner | P::WriteOwner);
        // A link is never written through: its target keeps its bytes and mode.
        const QString link = dir.filePath(QStringLiteral("link.mrl"));
        QVERIFY(QFile::link(fresh, link));
        QVERIFY(!saveSetupFile(link, kDistinct, &error));
        QCOMPARE(error, QStringLiteral("It is a symbolic link, and a setup file is never written through one"));
        QCOMPARE(loadSetupFile(fresh, &error), std::optional(SetupRecord{}));
        QVERIFY(QFileInfo(link).isSymLink());

        for (const auto &[name, mode, replaced] :
             {std::tuple{"shared.mrl", P::ReadOwner | P::WriteOwner | P::ReadGroup, true},
              std::tuple{"ro.mrl", P::ReadOwner | P::ReadGroup | P::ReadOther, root}}) {
            const QString path = dir.filePath(QLatin1String(name));
            QVERIFY(saveSetupFile(path, SetupRecord{}, &error));
            QVERIFY(QFile::setPermissions(path, mode));
            QCOMPARE(saveSetupFile(path, kDistinct, &error), replaced);
            QCOMPARE(QFile::permissions(path) & 0x7077, mode);
            QCOMPARE(loadSetupFile(path, &error), std::optional(replaced ? kDistinct : SetupRecord{}));
        }

        // Root writes anywhere: the locked folder tells nothing then.
        if (root)
            return;
        const QString lockedDir = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(lockedDir));
        const QString inLocked = lockedDir + QStringLiteral("/site.mrl");
        QVERIFY(saveSetupFile(inLocked, SetupRecord{}, &error));
        QVERIFY(QFile::setPermissions(lockedDir, P::ReadOwner | P::ExeOwner));
        const bool savedInPlace = saveSetupFile(inLocked, kDistinct, &error);
        const bool newRefused = !saveSetupFile(lockedDir + QStringLiteral("/other.mrl"), kDistinct, &error);
        QFile::setPermissions(lockedDir, P::ReadOwner | P::WriteOwner | P::ExeOwner);
        QVERIFY2(savedInPlace, qPrintable(error));
        QVERIFY(newRefused);
        QCOMPARE(loadSetupFile(inLocked, &error), std::optional(kDistinct));
    }
};

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"
