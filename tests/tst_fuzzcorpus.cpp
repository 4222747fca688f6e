#include "faultydialogue.h"
#include "setupfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

// Replays the fuzzers' seed corpora on every normal run, so the properties the
// fuzzers check hold without the fuzzers too.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void setupFile_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(MEROLAN_CORPUS_DIR "/setupfile"));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 5, qPrintable(dir.path()));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void setupFile()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();

        QString error;
        const auto record = decodeSetup(bytes, &error);
        if (!record) {
            QVERIFY2(!error.isEmpty(), "a refused file must say why");
            return;
        }
        const QByteArray again = encodeSetup(*record, &error);
        QVERIFY2(!again.isEmpty(), qPrintable(error));
        QCOMPARE(again.toHex(), bytes.left(again.size()).toHex());
    }

    void dialogue_data()
    {
        QTest::addColumn<QByteArray>("recipe");
        const QDir dir(QStringLiteral(MEROLAN_CORPUS_DIR "/dialogue"));
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 10, qPrintable(dir.path()));
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
        // And dialogues the corpus does not hold, the same on every run.
        QRandomGenerator random(20261206);
        for (int n = 0; n < 150; ++n) {
            QByteArray recipe(1 + int(random.bounded(40)), Qt::Uninitialized);
            for (char &c : recipe)
                c = char(random.bounded(256));
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(n))) << recipe;
        }
    }

    void dialogue()
    {
        QFETCH(QByteArray, recipe);
        const DialogueOutcome out = runFaultyDialogue(recipe);
        QVERIFY2(out.violations.isEmpty(), qPrintable(out.violations.join(QLatin1String("; "))));
        if (out.readBroken)
            QVERIFY(!out.readOk);
        if (out.writeBroken)
            QVERIFY(!out.writeOk);
    }

    // The seeds that must reach each end, so a driver that never reads or
    // never breaks anything cannot pass unnoticed.
    void dialogueSeedsReachTheirEnds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOk");
        QTest::addColumn<bool>("writeOk");
        QTest::newRow("clean") << "clean.bin" << true << true;
        QTest::newRow("password, firmware 3") << "clean-password-v3.bin" << true << true;
        QTest::newRow("APN refused") << "apn-refused.bin" << false << false;
        QTest::newRow("role silent") << "role-silent.bin" << false << false;
        QTest::newRow("line drops at baud") << "drop-on-baud.bin" << false << false;
        QTest::newRow("logger without final line") << "logger-unfinished.bin" << false << false;
        QTest::newRow("write: APN refused") << "write-apn-refused.bin" << true << false;
        QTest::newRow("write: mail server silent") << "write-mails-silent.bin" << true << false;
        QTest::newRow("write: line drops at recipients") << "write-erecep-drop.bin" << true << false;
    }

    void dialogueSeedsReachTheirEnds()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOk);
        QFETCH(bool, writeOk);
        QFile file(QStringLiteral(MEROLAN_CORPUS_DIR "/dialogue/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const DialogueOutcome out = runFaultyDialogue(file.readAll());
        QVERIFY(out.found);
        QCOMPARE(out.overruns, 0);
        QCOMPARE(out.readOk, readOk);
        QCOMPARE(out.writeOk, writeOk);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
