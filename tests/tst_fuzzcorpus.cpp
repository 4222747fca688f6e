#include "faultydialogue.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Replays the dialogue fuzzer's seed corpus on every normal run, so the
// properties the fuzzer checks hold without the fuzzer too. (The setup file's
// seeds hold nothing that tst_setupfile's exact bytes and cuts do not.)
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    // The seeds named here must reach their ends, so a driver that never reads
    // or never breaks anything cannot pass unnoticed.
    void dialogue_data()
    {
        QTest::addColumn<QByteArray>("recipe");
        QTest::addColumn<int>("ends"); // -1 not known, else 2 * readOk + writeOk
        QHash<QString, int> ends{{"clean.bin", 3},
                                 {"clean-password-v3.bin", 3},
                                 {"apn-refused.bin", 0},
                                 {"role-silent.bin", 0},
                                 {"drop-on-baud.bin", 0},
                                 {"logger-unfinished.bin", 0},
                                 {"write-apn-refused.bin", 2},
                                 {"write-mails-silent.bin", 2},
                                 {"write-erecep-drop.bin", 2}};
        const QDir dir(QStringLiteral(MEROLAN_CORPUS_DIR "/dialogue"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll() << ends.value(name, -1);
            ends.remove(name);
        }
        QVERIFY2(ends.isEmpty(), qPrintable(ends.keys().join(QLatin1Char(' '))));
    }

    void dialogue()
    {
        QFETCH(QByteArray, recipe);
        QFETCH(int, ends);
        const DialogueOutcome out = runFaultyDialogue(recipe);
        QVERIFY2(out.violations.isEmpty(), qPrintable(out.violations.join(QLatin1String("; "))));
        if (ends < 0)
            return;
        QVERIFY(out.found);
        QCOMPARE(out.overruns, 0);
        QCOMPARE(2 * out.readOk + out.writeOk, ends);
    }
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
