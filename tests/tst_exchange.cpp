#include "exchange.h"
#include "memorylink.h"
#include "operationstate.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

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
        link.setCommPort(u"ttyS0"_s);
        link.setSettings(u"9600,n,8,1"_s);
        link.setPortOpen(true);
        state.setProgressRange(30);
    }
    QString ask(const QString &command = u"#SerialNum?"_s) { return GetResponse(link, state, command); }
};

using Fault = std::function<void(Rig &)>;

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestExchange : public QObject
{
    Q_OBJECT
private slots:
    void answerIsCleaned_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("chunkBytes"); // the answer in pieces of this size, or
        QTest::addColumn<int>("lineRate");   // byte by byte at this rate
        const auto row = [](const char *name, const QString &reply, const QString &expected, int chunk = 0,
                            int rate = 0) { QTest::newRow(name) << reply << expected << chunk << rate; };
        row("one line", u"1.23"_s, u"1.23"_s);
        row("bare OK", {}, {});
        row("spaces trimmed, inner kept", u"  7 5  "_s, u"7 5"_s);
        row("tab cuts", u"AB\tCD"_s, u"AB"_s);
        row("127 kept", u"AB\u007FCD"_s, u"AB\u007FCD"_s);
        row("128 cuts", u"AB\u0080CD"_s, u"AB"_s);
        row("lone CR cuts", u"AB\rCD"_s, u"AB"_s);
        row("ERROR line before OK", u"X\r\nERROR"_s, u"ERROR"_s);
        row("line merely ending in ERROR", u"NO ERROR"_s, u"ERROR"_s);
        row("line ending in OK ends the answer", u"BOOK\r\nMORE"_s, u"BO"_s);
        // The final line may arrive in pieces; the exchange must wait for all of it.
        row("3-byte chunks", u"12\r\n34"_s, u"1234"_s, 3);
        row("9600 baud", u"12\r\n34"_s, u"1234"_s, 0, 9600);
    }

    void answerIsCleaned()
    {
        QFETCH(QString, reply);
        QFETCH(QString, expected);
        QFETCH(int, chunkBytes);
        QFETCH(int, lineRate);
        Rig rig;
        rig.modem.config().chunkBytes = chunkBytes;
        rig.modem.config().lineRate = lineRate;
        rig.modem.config().replyOverride.insert(u"Version"_s, reply);
        QCOMPARE(rig.ask(u"#Version?"_s), expected);
    }

    void unusableAnswer_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<qint64>("elapsedMs"); // at least, and less than 100 ms more
        QTest::addColumn<bool>("missing");
        QTest::addColumn<bool>("lost");
        const auto row = [](const char *name, const Fault &fault, const QString &reply, qint64 ms, bool missing,
                            bool lost) { QTest::newRow(name) << fault << reply << ms << missing << lost; };
        row(
            "abort: nothing sent", [](Rig &r) { r.state.AbortRequested = true; }, u"ERROR"_s, 0, false, false);
        // "ERROR" is a final line: the modem did answer.
        row(
            "refused", [](Rig &r) { r.modem.config().errorOn = {u"SerialNum"_s}; }, u"ERROR"_s, 200, false, false);
        // The 200 ms pause before the line, then the 40-second wait.
        row(
            "silence", [](Rig &r) { r.modem.config().silentOn = {u"SerialNum"_s}; }, {}, 40200, true, false);
        row(
            "no final line", [](Rig &r) { r.modem.config().unfinishedOn = {u"SerialNum"_s}; }, {}, 40200, true, false);
        // A dropped line ends the wait at once.
        row(
            "line dropped", [](Rig &r) { r.modem.config().dropOn = u"SerialNum"_s; }, {}, 200, true, true);
    }

    void unusableAnswer()
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
        QCOMPARE(rig.ask(), reply);
        QCOMPARE(rig.state.ReplyMissing, missing);
        QCOMPARE(LineLost(rig.link), lost);
        const qint64 elapsed = rig.clock.now();
        QVERIFY2(elapsed >= elapsedMs && elapsed < elapsedMs + 100, qPrintable(QString::number(elapsed)));
        QCOMPARE(rig.modem.wireIn(), aborted ? QByteArray() : QByteArray("#SerialNum?\r\n"));
        QCOMPARE(rig.state.progress(), aborted ? 5 : 6);
    }

    void earlierInputIsDropped_data()
    {
        QTest::addColumn<qint64>("answerDelayMs");
        QTest::addColumn<qint64>("waitBeforeCallMs");
        QTest::newRow("arrived before the call") << qint64(5) << qint64(50);
        QTest::newRow("arrives during the pause") << qint64(100) << qint64(0);
    }

    // A late answer to an earlier command must not pass for the answer to this one.
    void earlierInputIsDropped()
    {
        QFETCH(qint64, answerDelayMs);
        QFETCH(qint64, waitBeforeCallMs);
        Rig rig;
        rig.modem.config().replyDelayMs = answerDelayMs;
        rig.link.OutputLine(u"#BAT?"_s);
        rig.modem.config().replyDelayMs = 5;
        rig.clock.advance(waitBeforeCallMs);
        QCOMPARE(rig.ask(), u"Serial Number is: MRL0012345"_s);
    }

    // The input comes in two bursts, so the look-up must gather across its waits.
    void lookUp_data()
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
        QTest::newRow("same end: earlier text")
            << u"ABCD|CD"_s << 200 << QByteArray("ABCD") << 0 << u"ABCD"_s << QString();
        QTest::newRow("cap keeps the found text")
            << u"OK\r\n"_s << 10 << QByteArray(30, 'x').append("OK\r\nz") << 0 << u"xxxxxxOK\r\n"_s << u"z"_s;
        QTest::newRow("case matters") << u"OK\r\n"_s << 200 << QByteArray("ok\r\n") << -1 << u"ok\r\n"_s << QString();
    }

    void lookUp()
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
        rig.link.setLookUpSeparator(u'|');
        rig.link.setLookUpInputLen(inputLen);
        rig.link.setLookUpTimeOut(1000);
        QCOMPARE(rig.link.LookUp(), found);
        QCOMPARE(rig.link.LookUpInput(), lookUpInput);
        QCOMPARE(rig.link.Input(), leftOver);
        QCOMPARE(rig.clock.now(), found < 0 ? qint64(1000) : qint64(20));
    }

    // A technician turns the wire log on for a bug report: every byte both
    // ways, with the link's time, and nothing at all unless asked for.
    void wireLog()
    {
        static QStringList lines;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &c, const QString &text) {
                if (QLatin1String(c.category) == QLatin1String("merolan.wire"))
                    lines << text;
            });
        const auto restore = qScopeGuard([previous] {
            qInstallMessageHandler(previous);
            QLoggingCategory::setFilterRules(QString());
        });
        Rig rig;
        rig.ask();
        QCOMPARE(lines, QStringList());

        QLoggingCategory::setFilterRules(u"merolan.wire.debug=true"_s);
        rig.ask();
        rig.modem.transmit(QByteArray("\x1f ~\x7f\\\xe9", 6));
        rig.clock.sleep(10);
        QCOMPARE(lines,
                 (QStringList{u"405 ms > #SerialNum?\\r\\n"_s, u"410 ms < Serial Number is: MRL0012345\\r\\nOK\\r\\n"_s,
                              u"410 ms < \\x1f ~\\x7f\\\\\\xe9"_s}));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
