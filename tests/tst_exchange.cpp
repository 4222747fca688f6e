#include "clock.h"
#include "connection.h"
#include "exchange.h"
#include "inprocessmodem.h"
#include "modemrig.h"
#include "openlink.h"
#include "operationstate.h"
#include "portnames.h"
#ifndef _WIN32
#include "ptymodem.h"
#endif
#include "qtseriallink.h"
#ifdef MEROLAN_NETWORK
#include "tcpmodem.h"
#endif

#include <QElapsedTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using Fault = SimModem::Fault;
using Failure = SerialLink::OpenFailure;
using Code = QSerialPort::SerialPortError;
using Error = SerialLink::Error;

namespace {

// A modem taking commands on an open port.
struct Rig : ModemRig
{
    Rig()
    {
        sim.config().inCommandMode = true;
        openPort();
        session.state.setProgressRange(30);
    }
    QString ask(const QString &command = u"#SerialNum?"_s) { return GetResponse(link, session.state, command); }
};

} // namespace

// The exchange of a command and its answer, and the serial layer beneath it.

class TestExchange : public QObject
{
    Q_OBJECT
private slots:
    // One exchange: the answer cleaned, or why there is none.
    void answer_data()
    {
        QTest::addColumn<QString>("reply"); // before the modem's CR LF and "OK"
        QTest::addColumn<std::optional<Fault>>("fault");
        QTest::addColumn<int>("chunkBytes"); // the answer in pieces of this size, or
        QTest::addColumn<int>("lineRate");   // byte by byte at this rate
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<qint64>("elapsedMs"); // at least, and less than 100 ms more; -1: any
        const auto row = [](const char *name, const QString &reply, const QString &expected, int chunk = 0,
                            int rate = 0) {
            QTest::newRow(name) << reply << std::optional<Fault>() << chunk << rate << expected << false << false
                                << qint64(-1);
        };
        const auto faulty = [](const char *name, Fault::Kind kind, const QString &expected, qint64 ms, bool missing,
                               bool lost) {
            QTest::newRow(name) << QString() << std::optional(Fault{kind, u"Version"_s}) << 0 << 0 << expected
                                << missing << lost << ms;
        };
        row("spaces trimmed, inner kept", u"  7 5  "_s, u"7 5"_s);
        row("31 cuts", u"AB\u001FCD"_s, u"AB"_s);
        row("127 kept", u"AB\u007FCD"_s, u"AB\u007FCD"_s);
        row("128 cuts", u"AB\u0080CD"_s, u"AB"_s);
        // The earliest final line decides, and only a whole line is one.
        row("ERROR line before OK", u"X\r\nERROR"_s, u"ERROR"_s);
        row("ERROR inside a line", u"ERRORS 0"_s, u"ERRORS 0"_s);
        row("line ending in OK ends the answer", u"BOOK\r\nMORE"_s, u"BO"_s);
        // 200 characters are kept, the final line among them.
        row("196 characters kept", QString(196, u'x'), QString(196, u'x'));
        row("197 characters cut", QString(197, u'y'), QString(196, u'y'));
        // The final line may arrive in pieces; the exchange must wait for all of it.
        row("3-byte chunks", u"12\r\n34"_s, u"1234"_s, 3);
        row("9600 baud", u"12\r\n34"_s, u"1234"_s, 0, 9600);
        // "ERROR" is a final line: the modem did answer.
        faulty("refused", Fault::Error, u"ERROR"_s, 200, false, false);
        // The 200 ms pause before the line, then the 40-second wait.
        faulty("silence", Fault::Silence, {}, 40200, true, false);
        // A dropped line ends the wait at once.
        faulty("line dropped", Fault::Drop, {}, 200, true, true);
    }

    void answer()
    {
        QFETCH(QString, reply);
        QFETCH(std::optional<Fault>, fault);
        QFETCH(int, chunkBytes);
        QFETCH(int, lineRate);
        QFETCH(bool, missing);
        QFETCH(qint64, elapsedMs);
        Rig rig;
        rig.sim.config().chunkBytes = chunkBytes;
        rig.sim.config().lineRate = lineRate;
        rig.sim.config().replyOverride.insert(u"Version"_s, reply);
        if (fault)
            rig.sim.config().faults << *fault;
        rig.session.state.setProgress(5);
        rig.session.state.ReplyMissing = !missing; // left over from an earlier exchange

        QTEST(rig.ask(u"#Version?"_s), "expected");
        QCOMPARE(rig.session.state.ReplyMissing, missing);
        QTEST(lineLost(rig.link), "lost");
        QCOMPARE(rig.sim.wireIn(), QByteArray("#Version?\r\n"));
        QCOMPARE(rig.session.state.progress(), 6);
        if (elapsedMs >= 0) {
            const qint64 elapsed = rig.clock.now();
            QVERIFY2(elapsed >= elapsedMs && elapsed < elapsedMs + 100, qPrintable(QString::number(elapsed)));
        }
    }

    // A late answer to an earlier command must not pass for the answer to this
    // one, whether it came before the call or during its pause.
    void earlierInputIsDropped()
    {
        for (const auto &[answerDelayMs, waitBeforeCallMs] : {std::pair<qint64, qint64>{5, 50}, {100, 0}}) {
            Rig rig;
            rig.sim.config().replyDelayMs = answerDelayMs;
            rig.link.OutputLine(u"#BAT?"_s);
            rig.sim.config().replyDelayMs = 5;
            rig.clock.advance(waitBeforeCallMs);
            QCOMPARE(rig.ask(), u"Serial Number is: MRL0012345"_s);
        }
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
    }

    void lookUp()
    {
        QFETCH(QString, texts);
        QFETCH(int, inputLen);
        QFETCH(QByteArray, input);
        QFETCH(int, found);
        Rig rig;
        const qsizetype half = input.size() / 2;
        rig.clock.after(10, [&] { rig.sim.transmit(input.left(half)); });
        rig.clock.after(20, [&] { rig.sim.transmit(input.mid(half)); });
        rig.link.setLookUpText(texts);
        rig.link.setLookUpSeparator(u'|');
        rig.link.setLookUpInputLen(inputLen);
        rig.link.setLookUpTimeOut(1000);
        QCOMPARE(rig.link.LookUp(), found);
        QTEST(rig.link.LookUpInput(), "lookUpInput");
        QTEST(rig.link.Input(), "leftOver");
        QCOMPARE(rig.clock.now(), found < 0 ? qint64(1000) : qint64(20));
    }

    // On a real QSerialPort, against the simulated modem behind a
    // pseudo-terminal served from its own thread: what the in-memory port
    // cannot show.
    void opensAndExchangesUntilTheLineDrops()
    {
#ifdef _WIN32
        QSKIP("No pseudo-terminals on Windows: the check under wine runs the program against COM5 instead");
#else
        SimModem::Config config;
        config.password = QStringLiteral("12AB");
        config.escapeReplyMs = 20;
        config.syncMs = 50;
        config.replyDelayMs = 1;
        config.lineRate = 9600;
        config.faults = {{SimModem::Fault::Drop, QStringLiteral("SerialNum")}};
        PtyModemThread modem(config);
        QVERIFY2(modem.start(), qPrintable(modem.errorString()));
        RealClock clock;
        QtSerialLink link(clock);
        OperationState state;
        // A port held by another link is refused by QSerialPort's lock file,
        // and the refusal must not outlive it.
        QtSerialLink holder(clock);
        QVERIFY(openLink(holder, modem.devicePath(), QStringLiteral("9600")));
        QVERIFY(!openLink(link, modem.devicePath(), QStringLiteral("9600")));
        QCOMPARE(link.openFailure(), SerialLink::OpenFailure::InUse);
        holder.setPortOpen(false);
        QVERIFY2(openLink(link, modem.devicePath(), QStringLiteral("9600")), qPrintable(link.errorString()));
        QCOMPARE(link.openFailure(), SerialLink::OpenFailure::None);
        QVERIFY(link.errorString().isEmpty());
        // A pseudo-terminal refuses DTR and RTS; that must leave no mark on the link.
        QCOMPARE(link.lastError(), SerialLink::Error::NoError);

        // "mode from" and the password question come apart: the look-up waits across both.
        link.Output(QStringLiteral("###"));
        link.setLookUpText(QStringLiteral("PASSWORD"));
        link.setLookUpTimeOut(5000);
        QCOMPARE(link.LookUp(), 0);
        QVERIFY(link.LookUpInput().contains(QLatin1String("mode from")));
        QCOMPARE(GetResponse(link, state, QStringLiteral("#PASSWORD=12AB")), QString());

        // The modem hangs up halfway through its answer: no 40-second wait.
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(GetResponse(link, state, QStringLiteral("#SerialNum?")), QString());
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(state.ReplyMissing);
        QCOMPARE(link.lastError(), SerialLink::Error::LineDropped);
        QVERIFY(!link.PortOpen());
#endif
    }

#ifdef MEROLAN_NETWORK
    // Over TCP, against the simulated modem on a port of 127.0.0.1 served from
    // its own thread; port "": the modem's. %1 in a text stands for the port.
    void overTcp_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<Error>("error");
        QTest::addColumn<QString>("errorText");
        const auto fails = [](const char *name, const QString &port, const QString &text) {
            QTest::newRow(name) << port << QString() << QString() << Error::OpenFailed << text;
        };
        const QString write = u". Write it as tcp://HOST:PORT, as in tcp://192.168.1.20:4001."_s;
        const QString range = "%1 is not a network port: the port must be a number from 1 to 65535" + write;
        const QString refused =
            u": Connection refused. Check that the server is on and takes connections on that port."_s;
        QTest::newRow("one setting") << QString() << u"#APN?"_s << u"APN:internet.example"_s << Error::NoError
                                     << QString();
        QTest::newRow("one setting written")
            << QString() << u"#SMSNUM=+306900000001"_s << QString() << Error::NoError << QString();
        // The modem hangs up halfway through its answer: no 40-second wait.
        QTest::newRow("line dropped") << QString() << u"#SerialNum?"_s << QString() << Error::LineDropped
                                      << u"The connection to %1 was lost"_s;
        // Nothing listens on either port: the edges of the range reach the system.
        fails("port 1", u"tcp://127.0.0.1:1"_s, "Could not connect to 127.0.0.1 port 1" + refused);
        fails("port 65535", u"tcp://127.0.0.1:65535"_s, "Could not connect to 127.0.0.1 port 65535" + refused);
        fails("port 0", u"tcp://127.0.0.1:0"_s, range);
        fails("port 65536", u"tcp://127.0.0.1:65536"_s, range);
        fails("no port", u"tcp://modem.example"_s, "%1 is not a network port: the host or the port is missing" + write);
        fails("IPv6 address without brackets", u"tcp://fd00::20:4001"_s,
              "%1 is not a network port: an IPv6 address goes in brackets, as in tcp://[fd00::20]:4001" + write);
    }

    void overTcp()
    {
        QFETCH(QString, port);
        QFETCH(QString, command);
        QFETCH(Error, error);
        QFETCH(QString, errorText);
        SimModem::Config config;
        config.inCommandMode = true;
        config.replyDelayMs = 1;
        config.lineRate = 9600;
        config.faults = {{ Fault::Drop, u"SerialNum"_s }};
        TcpModemThread modem(config);
        QVERIFY2(modem.start(), qPrintable(modem.errorString()));
        RealClock clock;
        QtSerialLink link(clock);
        OperationState state;
        const QString name = port.isEmpty() ? modem.devicePath() : port;

        QCOMPARE(openLink(link, name, u"9600"_s), error != Error::OpenFailed);
        if (link.PortOpen()) {
            const qint64 start = clock.now();
            QTEST(GetResponse(link, state, command), "reply");
            QVERIFY2(clock.now() - start < 5000, qPrintable(QString::number(clock.now() - start)));
            QCOMPARE(state.ReplyMissing, error == Error::LineDropped);
        }
        QCOMPARE(link.lastError(), error);
        QCOMPARE(link.errorString(), errorText.replace(u"%1"_s, name));
        QCOMPARE(link.PortOpen(), error == Error::NoError);
    }
#endif

    // A modem over the network is a remote one whatever the window's choice
    // (a local port): a failed search says so.
    void networkPortIsRemote()
    {
        ModemRig rig;
        rig.link.setPorts({u"tcp://10.1.2.3:4001"_s});
        rig.session.state.AbortRequested = true;
        QCOMPARE(Connect(rig.session, u"tcp://10.1.2.3:4001"_s, u"9600"_s), ConnectResult::NotFound);
        QCOMPARE(rig.prompt.messages().value(0).section(u'\n', 0, 0), u"Could not communicate with remote Merolan."_s);
    }

    // The demo modem inside the program, where no pseudo-terminal serves it
    // (Windows): the link reaches it under its one port name, on real time.
    void inProcessDemoModem()
    {
        RealClock clock;
        SimModem::Config config;
        config.serialNumber = QStringLiteral("MRL0000042");
        config.escapeReplyMs = 20;
        config.syncMs = 50;
        InProcessModem demo(clock, config);
        OperationState state;
        QVERIFY(!openLink(demo.link(), QStringLiteral("COM1"), QStringLiteral("9600")));
        QCOMPARE(demo.link().openFailure(), SerialLink::OpenFailure::NotFound);
        QVERIFY(openLink(demo.link(), QStringLiteral("DEMO"), QStringLiteral("9600")));
        demo.link().Output(QStringLiteral("###"));
        demo.link().setLookUpText(QStringLiteral("NO PASSWORD"));
        demo.link().setLookUpTimeOut(2000);
        QCOMPARE(demo.link().LookUp(), 0);
        QVERIFY(GetResponse(demo.link(), state, QStringLiteral("#SerialNum?")).contains(u"MRL0000042"));
        QCOMPARE(demo.modem().receivedLines(), (QStringList{"###", "#SerialNum?"}));
    }

    // During use, whether the line counts as dropped; at open, the failure on
    // a device the user may use and on one the user may not (a lock held by
    // another program, or a device node the user may not open).
    void errorCode()
    {
        const auto other = Failure::Other;
        const std::tuple<Code, bool, Failure, Failure> rows[] = {
            {QSerialPort::PermissionError, true, Failure::InUse, Failure::NoPermission},
            {QSerialPort::DeviceNotFoundError, true, Failure::NotFound, Failure::NotFound},
            {QSerialPort::WriteError, true, other, other},
            {QSerialPort::ReadError, true, other, other},
            {QSerialPort::ResourceError, true, other, other},
            {QSerialPort::NoError, false, other, other},
            {QSerialPort::OpenError, false, other, other},
            {QSerialPort::UnsupportedOperationError, false, other, other},
            {QSerialPort::UnknownError, false, other, other},
            {QSerialPort::TimeoutError, false, other, other},
            {QSerialPort::NotOpenError, false, other, other}};
        for (const auto &[error, gone, mayUse, mayNot] : rows) {
            QVERIFY2(meansDeviceGone(error) == gone, qPrintable(QString::number(error)));
            QCOMPARE(openFailureFromError(error, true), mayUse);
            QCOMPARE(openFailureFromError(error, false), mayNot);
        }
    }

    // An adapter's stable name is the link that leads to its device now; a
    // dangling link is nobody's name, and without the folder there is none.
    // A stored name follows its link back to the device.
    void stablePortNames()
    {
#ifdef _WIN32
        QSKIP("Windows has no links to its ports");
#endif
        QTemporaryDir temp;
        const QString dir = QFileInfo(temp.path()).canonicalFilePath();
        QFile device(dir + "/ttyUSB1");
        QVERIFY(device.open(QIODevice::WriteOnly) && QDir(dir).mkdir("by-id"));
        QVERIFY(QFile::link(dir + "/ttyUSB7", dir + "/by-id/usb-Gone_B2-if00"));
        QVERIFY(QFile::link(dir + "/ttyUSB1", dir + "/by-id/usb-Maker_A1-if00"));
        QCOMPARE(stablePortName(dir + "/ttyUSB1", dir + "/by-id"), dir + "/by-id/usb-Maker_A1-if00");
        QCOMPARE(stablePortName(dir + "/ttyUSB7", dir + "/by-id"), QString());
        QCOMPARE(stablePortName(dir + "/ttyUSB1", dir + "/none"), QString());
        QCOMPARE(linkedDevice(dir + "/by-id/usb-Maker_A1-if00"), dir + "/ttyUSB1");
        QCOMPARE(linkedDevice(dir + "/by-id/usb-Gone_B2-if00"), dir + "/by-id/usb-Gone_B2-if00");
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
