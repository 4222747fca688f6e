#include "setupfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Replays the fuzzer's seed corpus through the decoder on every normal run, so
// the property the fuzzer checks holds without the fuzzer too.
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
};

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
