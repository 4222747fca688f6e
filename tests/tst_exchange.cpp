#include "exchange.h"
#include "memorylink.h"
#include "operationstate.h"
#include "simmodem.h"
#include "virtualclock.h"

#include <QtTest>

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

    explicit Rig(bool commandMode = true)
    {
        modem.config().inCommandMode = commandMode;
        link.setCommPort(QStringLiteral("ttyS0"));
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setPortOpen(true);
        state.setProgressRange(30);
    }
    QString ask(const QString &command) { return GetResponse(link, state, command); }
};

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT
private slots:
    void answerIsCleaned_data();
    void answerIsCleaned();
    void abortSendsNothing();
    void silenceTimesOutAfterFortySeconds();
    void progressAdvancesPerCompletedCall();
    void pauseComesBeforeTheLine();
    void earlierInputIsDropped_data();
    void earlierInputIsDropped();
    void splitAnswer_data();
    void splitAnswer();
    void droppedLineReturnsPromptly();
    void lookUp_data();
    void lookUp();
    void escapeAndLogin_data();
    void escapeAndLogin();
    void modemSettings_data();
    void modemSettings();
    void passwordChange_data();
    void passwordChange();
    void deviceActivationWithItsExtraLineEnd();
};

void TestExchange::answerIsCleaned_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one line") << QStringLiteral("1.23") << QStringLiteral("1.23");
    QTest::newRow("two lines joined") << QStringLiteral("A\r\nB") << QStringLiteral("AB");
    QTest::newRow("bare OK") << QString() << QString();
    QTest::newRow("spaces trimmed, inner kept") << QStringLiteral("  7 5  ") << QStringLiteral("7 5");
    QTest::newRow("tab cuts") << QStringLiteral("AB\tCD") << QStringLiteral("AB");
    QTest::newRow("above 127 cuts") << (QStringLiteral("AB") + QChar(0xE9) + QStringLiteral("CD")) << QStringLiteral("AB");
    QTest::newRow("lone CR cuts") << QStringLiteral("AB\rCD") << QStringLiteral("AB");
    QTest::newRow("lone LF cuts") << QStringLiteral("AB\nCD") << QStringLiteral("AB");
    QTest::newRow("ERROR line before OK") << QStringLiteral("X\r\nERROR") << QStringLiteral("ERROR");
    QTest::newRow("line merely ending in ERROR") << QStringLiteral("NO ERROR") << QStringLiteral("ERROR");
    QTest::newRow("line ending in OK ends the answer") << QStringLiteral("BOOK\r\nMORE") << QStringLiteral("BO");
}

void TestExchange::answerIsCleaned()
{
    QFETCH(QString, reply);
    QFETCH(QString, expected);
    Rig rig;
    rig.modem.config().replyOverride.insert(QStringLiteral("Version"), reply);
    QCOMPARE(rig.ask(QStringLiteral("#Version?")), expected);
}

void TestExchange::abortSendsNothing()
{
    Rig rig;
    rig.state.setProgress(5);
    rig.state.AbortRequested = true;
    const qint64 start = rig.clock.now();
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), QStringLiteral("ERROR"));
    QVERIFY(rig.modem.wireIn().isEmpty());
    QCOMPARE(rig.state.progress(), 5);
    QCOMPARE(rig.clock.now(), start);
}

void TestExchange::silenceTimesOutAfterFortySeconds()
{
    Rig rig;
    rig.modem.config().silentOn.insert(QStringLiteral("SerialNum"));
    const qint64 start = rig.clock.now();
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), QString());
    const qint64 elapsed = rig.clock.now() - start;
    QVERIFY2(elapsed >= 40200 && elapsed < 40300, qPrintable(QString::number(elapsed)));
    QCOMPARE(rig.state.progress(), 1);
}

void TestExchange::progressAdvancesPerCompletedCall()
{
    Rig rig;
    rig.modem.config().silentOn.insert(QStringLiteral("BAT"));
    rig.state.setProgressRange(2);
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);
    QCOMPARE(rig.state.progress(), 1);
    QCOMPARE(rig.ask(QStringLiteral("#Nonsense?")), QStringLiteral("ERROR"));
    QCOMPARE(rig.state.progress(), 2);
    QCOMPARE(rig.ask(QStringLiteral("#BAT?")), QString());
    QCOMPARE(rig.state.progress(), 2);
    QCOMPARE(rig.state.progressMaximum(), 2);
}

void TestExchange::pauseComesBeforeTheLine()
{
    Rig rig;
    qint64 receivedAt = -1;
    rig.modem.lineReceived = [&](const QString &) { receivedAt = rig.clock.now(); };
    const qint64 start = rig.clock.now();
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);
    QCOMPARE(receivedAt - start, qint64(200));
    QCOMPARE(rig.modem.wireIn(), QByteArray("#SerialNum?\r\n"));
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
    QTest::newRow("1-byte chunks") << 1 << 0;
    QTest::newRow("3-byte chunks") << 3 << 0;
    QTest::newRow("9600 baud, byte by byte") << 0 << 9600;
}

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

void TestExchange::droppedLineReturnsPromptly()
{
    Rig rig;
    rig.modem.config().dropOn = QStringLiteral("SerialNum");
    const qint64 start = rig.clock.now();
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), QString());
    QVERIFY(rig.clock.now() - start < 1000);
    QCOMPARE(rig.link.lastError(), SerialLink::Error::LineDropped);
    QVERIFY(!rig.link.PortOpen());
    QCOMPARE(rig.modem.wireOut(), kSerialReply.toLatin1().append("\r\nOK\r\n").left(17));
}

void TestExchange::lookUp_data()
{
    QTest::addColumn<QString>("texts");
    QTest::addColumn<int>("inputLen");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("found");
    QTest::addColumn<QString>("lookUpInput");
    QTest::addColumn<QString>("leftOver");
    QTest::newRow("later text ends first") << QStringLiteral("OK\r\n|ERROR\r\n") << 200 << QByteArray("xERROR\r\nOK\r\n")
                                           << 1 << QStringLiteral("xERROR\r\n") << QStringLiteral("OK\r\n");
    QTest::newRow("shorter text inside a longer one") << QStringLiteral("ABCD|BC") << 200 << QByteArray("zABCD") << 1
                                                      << QStringLiteral("zABC") << QStringLiteral("D");
    QTest::newRow("same end: earlier text") << QStringLiteral("ABCD|CD") << 200 << QByteArray("ABCD") << 0
                                            << QStringLiteral("ABCD") << QString();
    QTest::newRow("cap keeps the found text") << QStringLiteral("OK\r\n") << 10 << QByteArray(30, 'x').append("OK\r\nz")
                                              << 0 << QStringLiteral("xxxxxxOK\r\n") << QStringLiteral("z");
    QTest::newRow("case matters") << QStringLiteral("OK\r\n") << 200 << QByteArray("ok\r\n") << -1
                                  << QStringLiteral("ok\r\n") << QString();
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

void TestExchange::escapeAndLogin_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("question");
    QTest::newRow("password") << QStringLiteral("12AB") << QStringLiteral("ENTER PASSWORD");
    QTest::newRow("no password") << QString() << QStringLiteral("NO PASSWORD");
}

void TestExchange::escapeAndLogin()
{
    QFETCH(QString, password);
    QFETCH(QString, question);
    Rig rig(false);
    rig.modem.config().password = password;
    rig.modem.config().escapeReplyMs = 300;
    rig.modem.config().syncMs = 3000;
    rig.link.setLookUpSeparator(QLatin1Char('|'));
    rig.link.setLookUpTimeOut(60000);

    // A line end before the announcement is ignored, not refused.
    rig.link.Output(QStringLiteral("###"));
    rig.link.Output(QStringLiteral("\r\n"));
    rig.link.setLookUpText(QStringLiteral("mode from"));
    QCOMPARE(rig.link.LookUp(), 0);
    QCOMPARE(rig.clock.now(), qint64(300));
    rig.link.setLookUpText(QStringLiteral("PASSWORD\r\n"));
    QCOMPARE(rig.link.LookUp(), 0);
    QCOMPARE(rig.clock.now(), qint64(3300));
    QVERIFY(rig.link.LookUpInput().endsWith(question + QStringLiteral("\r\n")));
    QVERIFY(!rig.modem.wireOut().contains("ERROR"));

    if (!password.isEmpty()) {
        QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), QStringLiteral("ERROR"));
        QCOMPARE(rig.ask(QStringLiteral("#PASSWORD=") + password.toLower()), QStringLiteral("ERROR"));
        QCOMPARE(rig.ask(QStringLiteral("#PASSWORD=") + password), QString());
    }
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), kSerialReply);

    // Taking commands now: a second escape is refused at once.
    rig.link.Output(QStringLiteral("###"));
    rig.link.setLookUpText(QStringLiteral("ERROR\r\n"));
    QCOMPARE(rig.link.LookUp(), 0);

    // Back to data mode: commands are data for the logger, nobody answers.
    rig.link.OutputLine(QStringLiteral("#AUTO"));
    QVERIFY(!rig.modem.inCommandMode());
    QCOMPARE(rig.ask(QStringLiteral("#SerialNum?")), QString());
    QCOMPARE(rig.modem.receivedLines().first(), QStringLiteral("###"));
}

void TestExchange::modemSettings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("lastReply");
    QTest::newRow("recipients accumulate") << QStringList{u"#ERecep=A,"_s, u"#ERecep=B"_s, u"#ERecep?"_s}
                                           << u"ERecep"_s << u"A,B"_s << u"the recepient is: A,B"_s;
    QTest::newRow("trailing comma, then empty") << QStringList{u"#ERecep=A,"_s, u"#ERecep="_s} << u"ERecep"_s << u"A,"_s << QString();
    QTest::newRow("closed list is replaced") << QStringList{u"#ERecep=A,"_s, u"#ERecep=B"_s, u"#ERecep=C"_s} << u"ERecep"_s
                                             << u"C"_s << QString();
    QTest::newRow("interval as given") << QStringList{u"#Email=04"_s, u"#Email?"_s} << u"Email"_s << u"04"_s
                                       << u"Email Interval:04"_s;
    QTest::newRow("baud by index") << QStringList{u"#BAUD=7"_s, u"#BAUD?"_s} << u"BAUD"_s << u"115200"_s
                                   << u"The baud rate is 115200"_s;
    QTest::newRow("baud index outside the table") << QStringList{u"#BAUD=8"_s} << u"BAUD"_s << u"9600"_s << u"ERROR"_s;
    QTest::newRow("mail password never read back") << QStringList{u"#XPAS=s3cret"_s, u"#XPAS?"_s} << u"XPAS"_s << u"s3cret"_s
                                                   << u"ERROR"_s;
    QTest::newRow("keys are case-sensitive") << QStringList{u"#apn=x"_s} << u"APN"_s << u"internet.example"_s << u"ERROR"_s;
    QTest::newRow("clock as given") << QStringList{u"#TIME=05-03-12,14:07:09"_s, u"#TIME?"_s} << QString() << QString()
                                    << u"05-03-12,14:07:09"_s;
    QTest::newRow("a bare line is refused") << QStringList{QString()} << QString() << QString() << u"ERROR"_s;
}

void TestExchange::modemSettings()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, lastReply);
    Rig rig;
    QString reply;
    for (const QString &line : lines)
        reply = rig.ask(line);
    QCOMPARE(reply, lastReply);
    if (!key.isEmpty())
        QCOMPARE(rig.modem.setting(key), stored);
}

void TestExchange::passwordChange_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("password");
    QTest::newRow("old matches") << QStringLiteral("#PASSWORD=11,22") << QString() << QStringLiteral("22");
    QTest::newRow("old wrong") << QStringLiteral("#PASSWORD=12,22") << QStringLiteral("ERROR") << QStringLiteral("11");
    QTest::newRow("disable") << QStringLiteral("#PASSWORD=11,") << QString() << QString();
}

void TestExchange::passwordChange()
{
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, password);
    Rig rig;
    rig.modem.config().password = QStringLiteral("11");
    QCOMPARE(rig.ask(line), reply);
    QCOMPARE(rig.modem.config().password, password);
}

// The program sends "#P3ON" + CR LF through the exchange, which adds its own
// line end: the modem accepts the command and refuses the empty line after.
void TestExchange::deviceActivationWithItsExtraLineEnd()
{
    Rig rig;
    QCOMPARE(rig.ask(QStringLiteral("#P3ON\r\n")), QString());
    QCOMPARE(rig.modem.activatedDevices(), QList<int>{3});
    QCOMPARE(rig.modem.receivedLines(), (QStringList{QStringLiteral("#P3ON"), QString()}));
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
