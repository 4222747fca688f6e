#include "exchange.h"
#include "memorylink.h"
#include "operationstate.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kSerialReply = QStringLiteral("Serial Number is: MRL0012345");

// A modem taking commands on an open port, on virtual time.
struct Rig
{
    VirtualClock clock;
    SimModem modem{clock};
    MemorySerialLink link{clock, modem};
    OperationState state;

    Rig()
    {
        modem.config().inCommandMode = true;
        link.setCommPort(QStringLiteral("ttyS0"));
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
        state.setProgressRange(30);
    }
    QString ask(const QString &command) { return GetResponse(link, state, command); }
};

using Fault = std::function<void(Rig &)>;

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestExchange : public QObject
{
    Q_OBJECT
private slots:
    void answerIsCleaned_data();
    void answerIsCleaned();
    void unusableAnswer_data();
    void unusableAnswer();
    void progressStopsAtItsMaximum();
    void earlierInputIsDropped_data();
    void earlierInputIsDropped();
    void splitAnswer_data();
    void splitAnswer();
    void lookUp_data();
    void lookUp();
    void wireLog();
};

void TestExchange::answerIsCleaned_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << u"1.23"_s << u"1.23"_s;
    QTest::newRow("two lines joined") << u"A\r\nB"_s << u"AB"_s;
    QTest::newRow("bare OK") << QString() << QString();
    QTest::newRow("spaces trimmed, inner kept") << u"  7 5  "_s << u"7 5"_s;
    QTest::newRow("tab cuts") << u"AB\tCD"_s << u"AB"_s;
    QTest::newRow("above 127 cuts") << u"AB\u00E9CD"_s << u"AB"_s;
    QTest::newRow("lone CR cuts") << u"AB\rCD"_s << u"AB"_s;
    QTest::newRow("ERROR line before OK") << u"X\r\nERROR"_s << u"ERROR"_s;
    QTest::newRow("line merely ending in ERROR") << u"NO ERROR"_s << u"ERROR"_s;
    QTest::newRow("line ending in OK ends the answer") << u"BOOK\r\nMORE"_s << u"BO"_s;
}

void TestExchange::answerIsCleaned()
{
    QFETCH(QString, reply);
    QFETCH(QString, expected);
    Rig rig;
    rig.modem.config().replyOverride.insert(QStringLiteral("Version"), reply);
    QCOMPARE(rig.ask(QStringLiteral("#Version?")), expected);
}

void TestExchange::unusableAnswer_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<qint64>("elapsedMs"); // at least, and less than 100 ms more
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("lost");
    QTest::newRow("abort: nothing sent") << Fault([](Rig &r) { r.state.AbortRequested = true; }) << u"ERROR"_s
                                         << qint64(0) << false << false;
    // "ERROR" is a final line: the modem did answer.
    QTest::newRow("refused") << Fault([](Rig &r) { r.modem.config().errorOn = {u"SerialNum"_s}; }) << u"ERROR"_s
                             << qint64(200) << false << false;
    // The 200 ms pause before the line, then the 40-second wait.
    QTest::newRow("silence") << Fault([](Rig &r) { r.modem.config().silentOn = {u"SerialNum"_s}; }) << QString()
                             << qint64(40200) << true << false;
    QTest::newRow("no final line") << Fault([](Rig &r) { r.modem.config().unfinishedOn = {u"SerialNum"_s}; })
                                   << QString() << qint64(40200) << true << false;
    // A dropped line ends the wait at once.
    QTest::newRow("line dropped") << Fault([](Rig &r) { r.modem.config().dropOn = u"SerialNum"_s; }) << QString()
                                  << qint64(200) << true << true;
}

void TestExchange::unusableAnswer()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reply);
    QFETCH(qint64, elapsedMs);
    QFETCH(bool, missing);
    QFETCH(bool, lost);
    Rig rig;
    rig.state.setProgress(5);
    rig.state.ReplyMissing = !missing; // left over from an earlier exchange
    fault(rig);
    const bool aborted = rig.state.AbortRequested;
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), reply);
    QCOMPARE(rig.state.ReplyMissing, missing);
    QCOMPARE(LineLost(rig.link), lost);
    const qint64 elapsed = rig.clock.now();
    QVERIFY2(elapsed >= elapsedMs && elapsed < elapsedMs + 100, qPrintable(QString::number(elapsed)));
    QCOMPARE(rig.modem.wireIn(), aborted ? QByteArray() : QByteArray("#SerialNum?\r\n"));
    QCOMPARE(rig.state.progress(), aborted ? 5 : 6);
}

void TestExchange::progressStopsAtItsMaximum()
{
    Rig rig;
    rig.state.setProgressRange(2);
    for (const int expected : {1, 2, 2}) {
        QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);
        QCOMPARE(rig.state.progress(), expected);
    }
    QCOMPARE(rig.state.progressMaximum(), 2);
}

void TestExchange::earlierInputIsDropped_data()
{
    QTest::addColumn<qint64>("answerDelayMs");
    QTest::addColumn<qint64>("waitBeforeCallMs");
    QTest::newRow("arrived before the call") << qint64(5) << qint64(50);
    QTest::newRow("arrives during the pause") << qint64(100) << qint64(0);
}

// A late answer to an earlier command must not pass for the answer to this one.
void TestExchange::earlierInputIsDropped()
{
    QFETCH(qint64, answerDelayMs);
    QFETCH(qint64, waitBeforeCallMs);
    Rig rig;
    rig.modem.config().replyDelayMs = answerDelayMs;
    rig.link.OutputLine(QStringLiteral("#BAT?"));
    rig.modem.config().replyDelayMs = 5;
    rig.clock.advance(waitBeforeCallMs);
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);
}

void TestExchange::splitAnswer_data()
{
    QTest::addColumn<int>("chunkBytes");
    QTest::addColumn<int>("lineRate");
    QTest::newRow("3-byte chunks") << 3 << 0;
    QTest::newRow("9600 baud, byte by byte") << 0 << 9600;
}

// The final line may arrive in pieces; the exchange must wait for all of it.
void TestExchange::splitAnswer()
{
    QFETCH(int, chunkBytes);
    QFETCH(int, lineRate);
    Rig rig;
    rig.modem.config().chunkBytes = chunkBytes;
    rig.modem.config().lineRate = lineRate;
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);
    QCOMPARE(rig.ask(QStringLiteral("#Nonsense?")), QStringLiteral("ERROR"));
}

void TestExchange::lookUp_data()
{
    QTest::addColumn<QString>("texts");
    QTest::addColumn<int>("inputLen");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("lookUpInput");
    QTest::addColumn<QString>("leftOver");
    QTest::newRow("later text ends first")
        << u"OK\r\n|ERROR\r\n"_s << 200 << QByteArray("xERROR\r\nOK\r\n") << 1 << u"xERROR\r\n"_s << u"OK\r\n"_s;
    QTest::newRow("shorter text inside a longer one")
        << u"ABCD|BC"_s << 200 << QByteArray("zABCD") << 1 << u"zABC"_s << u"D"_s;
    QTest::newRow("same end: earlier text") << u"ABCD|CD"_s << 200 << QByteArray("ABCD") << 0 << u"ABCD"_s << QString();
    QTest::newRow("cap keeps the found text")
        << u"OK\r\n"_s << 10 << QByteArray(30, 'x').append("OK\r\nz") << 0 << u"xxxxxxOK\r\n"_s << u"z"_s;
    QTest::newRow("case matters") << u"OK\r\n"_s << 200 << QByteArray("ok\r\n") << -1 << u"ok\r\n"_s << QString();
}

// The input comes in two bursts, so the look-up must gather across its waits.
void TestExchange::lookUp()
{
    QFETCH(QString, texts);
    QFETCH(int, inputLen);
    QFETCH(QByteArray, input);
    QFETCH(int, found);
    QFETCH(QString, lookUpInput);
    QFETCH(QString, leftOver);
    Rig rig;
    const qsizetype half = input.size() / 2;
    rig.clock.after(10, [&] { rig.modem.transmit(input.left(half)); });
    rig.clock.after(20, [&] { rig.modem.transmit(input.mid(half)); });
    rig.link.setLookUpText(texts);
    rig.link.setLookUpSeparator(QLatin1Char('|'));
    rig.link.setLookUpInputLen(inputLen);
    rig.link.setLookUpTimeOut(1000);
    QCOMPARE(rig.link.LookUp(), found);
    QCOMPARE(rig.link.LookUpInput(), lookUpInput);
    QCOMPARE(rig.link.Input(), leftOver);
    QCOMPARE(rig.clock.now(), found < 0 ? qint64(1000) : qint64(20));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"

namespace {

QStringList g_wireLines;

void keepWireLines(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (QLatin1String(context.category) == QLatin1String("merolan.wire"))
        g_wireLines << text;
}

} // namespace

// A technician turns the wire log on for a bug report: every byte both ways,
// with the link's time, and nothing at all unless asked for.
void TestExchange::wireLog()
{
    Rig rig;
    g_wireLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWireLines);
    const auto restore = qScopeGuard([previous] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
    });

    rig.ask(QStringLiteral("#SerialNum?"));
    QCOMPARE(g_wireLines, QStringList());

    QLoggingCategory::setFilterRules(QStringLiteral("merolan.wire.debug=true"));
    const qint64 start = rig.clock.now();
    rig.ask(QStringLiteral("#SerialNum?"));
    rig.modem.transmit(QByteArray("\x07\\\xe9", 3));
    rig.clock.sleep(10);
    QCOMPARE(g_wireLines, (QStringList{
                              QStringLiteral("%1 ms > #SerialNum?\\r\\n").arg(start + 200),
                              QStringLiteral("%1 ms < Serial Number is: MRL0012345\\r\\nOK\\r\\n").arg(start + 205),
                              QStringLiteral("%1 ms < \\x07\\\\\\xe9").arg(start + 205),
                          }));
}
