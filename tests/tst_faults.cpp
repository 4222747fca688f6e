#include "connection.h"
#include "faultydialogue.h"
#include "modemrig.h"
#include "passwordclock.h"
#include "readsetup.h"
#include "samplesetup.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

// Every operation against a modem that fails it at one step: what went over
// the wire, what the user was told, and what the program holds afterwards.
// Where the modem may have carried a command out, the program must not say
// that it did not.

using Item = SetupView::Item;
using Fault = SimModem::Fault;

namespace {

enum class Op { Open, Connect, Refresh, Write, Password, Clock, Activate, Finish };

QStringList readUpTo(const char *query)
{
    return QStringList{"###"} + kReadQueries.mid(0, kReadQueries.indexOf(QLatin1String(query)) + 1);
}

const QString kLost = QStringLiteral("Connection to the Merolan lost.\n\nOpen ttyS0 again and log in? Changes not yet "
                                     "written are kept.\n\nNo: check the cable and the modem, then press 'Finish "
                                     "programming' and 'Start programming'.");
const QString kLocalNotFound =
    QStringLiteral("Could not communicate with local Merolan.\n\n"
                   " - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.\r\n"
                   " - Make sure that the selected baud rate is correct.\r\n"
                   " - Make sure that the selected COM port is correct.");

// A logged-in 2.15 modem with password 4321, whose setup (the sample) was
// read a moment ago, when its firmware said 2.10, with three settings edited since.
struct Rig : ModemRig
{
    std::function<void()> click;                 // the operation's button, which is STOP while it runs
    std::function<void(const QString &)> onLine; // a fault's own look at each line the modem gets
    QString setAt;                               // when the clock setting reached the modem, by the computer's clock
    QStringList statuses;

    Rig()
    {
        sim.config().inCommandMode = true;
        sim.config().identity = QStringLiteral("2.15");
        sim.config().password = QStringLiteral("4321");
        sim.lineReceived = [this](const QString &line) {
            if (line.startsWith(QLatin1String("#TIME=")))
                setAt = clock.wallTime().toString(QStringLiteral("HH:mm:ss.zzz"));
            if (onLine)
                onLine(line);
        };
        QObject::connect(&session.state, &OperationState::statusChanged, [this](const QString &s) { statuses << s; });
        openPort();
        session.FirmwareVersion = QStringLiteral("2.10");
        session.SerialNumber = QStringLiteral("MRL0012345");
        session.PasswordTag = QStringLiteral("Enabled");
        session.Password = QStringLiteral("4321");
        session.ModemSetup = sampleSetup();
        session.ModemSetup.XPas = QString(99, QLatin1Char('*')); // the modem never tells it
        session.EditSetup = session.ModemSetup;
        session.EditSetup.SMSNum = QStringLiteral("+3011");
        session.EditSetup.APN = QStringLiteral("new.apn");
        session.EditSetup.GPRSID = QStringLiteral("newuser");
        session.ModemClock = QStringLiteral("05-03-12,14:07:09");
        view.showClockDrift(-218851200);
        clock.setWallTime(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 50)));
    }

    QString fact(const QString &key) const
    {
        const auto join = [](const QStringList &l) { return l.join(QLatin1Char(',')); };
        const WriteOutcome &w = session.LastWrite;
        const std::optional<qint64> drift = view.clockDrift();
        const QMap<QString, QString> facts{
            {"port", link.PortOpen() ? "open" : "closed"},
            {"apn", session.ModemSetup.APN + '/' + session.EditSetup.APN},
            {"firmware", session.FirmwareVersion},
            {"logger", view.isShown(Item::chkOmbrilex) ? "shown" : "hidden"},
            {"written", join(w.accepted) + '/' + join(w.unconfirmed) + '/' + join(w.notWritten)},
            // What the next write sends, and whether the window marks it light red.
            {"pending", join(PendingLines(session, false)) + (view.marked() ? " (marked)" : "")},
            {"password", session.Password + '/' + session.UnconfirmedPassword.value_or("-")},
            {"clock", session.ModemClock + '/' + (drift ? QString::number(*drift) : "-")},
            {"set at", setAt},
            {"activated", sim.activatedDevices().contains(2) ? "2" : ""},
            {"tag", session.PasswordTag},
            // How often a long wait said how long it had waited.
            {"told", QString::number(statuses.filter(QStringLiteral(" of at most ")).size())},
            {"asked", prompt.questions().join('|')},
            {"beeps", QString::number(prompt.beeps())},
            {"seconds", QString::number(double(clock.now()) / 1000.0, 'f', 1)},
        };
        return facts.value(key, QStringLiteral("(no such fact)"));
    }
};

using Scene = std::function<void(Rig &)>;

Scene on(Fault::Kind kind, const char *command)
{
    return [kind, command](Rig &r) { r.sim.config().faults << Fault{kind, QLatin1String(command)}; };
}
// Every answer a byte at a time: slow, but nothing wrong.
const Scene bytewise = [](Rig &r) { r.sim.config().chunkBytes = 1; };
// The user presses STOP while the modem works on the command that begins so.
Scene stopAt(const char *command)
{
    return [command](Rig &r) {
        r.onLine = [&r, command](const QString &line) {
            if (line.startsWith(QLatin1String(command)))
                r.clock.after(2, [&r] { r.click(); });
        };
    };
}
// The line dropped during an earlier exchange; the user answers the offer
// to open the port again, and the line is back.
Scene closed(bool reopen)
{
    return [reopen](Rig &r) {
        r.link.setPortOpen(false);
        r.sim.reconnect();
        r.prompt.answerQuestion(reopen);
    };
}
// A double click: the second arrives while the first searches for the modem.
const Scene clickedTwice = [](Rig &r) { r.clock.at(1000, [&r] { r.click(); }); };
// A modem that is not logged in: it escapes from data mode and asks for its password.
const Scene asking = [](Rig &r) { r.sim.config().inCommandMode = false; };
// A silent modem says this 50 ms after the escape.
Scene says(const char *text)
{
    return [text](Rig &r) {
        on(Fault::Silence, "")(r);
        r.clock.at(2050, [&r, text] { r.sim.transmit(QByteArray(text)); });
    };
}

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(QList<Scene>)

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void operationMeetsFault_data();
    void operationMeetsFault();
    void fuzzSeed_data();
    void fuzzSeed();
};

void TestFaults::operationMeetsFault_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QList<Scene>>("scenes");
    QTest::addColumn<QStringList>("sent");     // command lines the modem got
    QTest::addColumn<QStringList>("messages"); // message boxes shown
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("facts"); // "what: value", see Rig::fact
    const auto row = [](const char *name, Op op, const QList<Scene> &scenes, const QStringList &sent,
                        const QStringList &messages, const QString &status, const QStringList &facts) {
        QTest::newRow(name) << op << scenes << sent << messages << status << facts;
    };
    using enum Fault::Kind;
    using enum Op;

    // The login. The modem announces itself at 2.3 s and asks for its
    // password at 5.3 s; the password goes 1 s later, and a login waits 2 s
    // for its leftovers.
    const QString ready = QStringLiteral("Merolan modem ready.");
    const QString rejected = QStringLiteral(
        "Password rejected\n\nThe Merolan waits for its password: check the password and connect again.");
    row("connect: password taken", Connect, {asking}, {"###", "#PASSWORD=4321"}, {}, ready,
        {"seconds: 8.5", "tag: Enabled", "password: 4321/-"});
    row("connect: spaces only count as none", Connect,
        {asking, [](Rig &r) { r.session.Password = QStringLiteral("   "); }}, {"###"}, {rejected}, "Password rejected",
        {"seconds: 5.3"});
    row("connect: no password, any letter case", Connect, {says("\r\nCommand Mode from PC\r\nNo Password\r\n")},
        {"###"}, {}, ready, {"seconds: 4.2", "tag: Disabled", "password: /-"});
    // The password line draws no answer at all: a time-out counts as accepted.
    row("connect: ERROR, then asked for the password", Connect, {says("ERROR\r\nENTER PASSWORD\r\n")},
        {"###", "#PASSWORD=4321"}, {}, ready, {"seconds: 45.4", "tag: Enabled"});
    // A refused login leaves the modem waiting for its password, refusing
    // every other command, and answering the escape "ERROR" as a logged-in
    // modem does. Connect finds out, and the right password then logs in.
    row("open: after a refused password", Open,
        {asking,
         [](Rig &r) {
             r.session.Password = QStringLiteral("9999");
             ::Connect(r.session, QStringLiteral("ttyS0"), QStringLiteral("9600"));
             r.link.setPortOpen(false);
             r.sim.clearRecord();
             r.prompt.clear();
             r.session.Password = QStringLiteral("4321");
         }},
        QStringList{"###", "#SerialNum?", "#PASSWORD=4321"} + kReadQueries, {}, "Setup read finished.", {"port: open"});

    // The search: a modem that says nothing is nudged once with a line end,
    // given up after 20 s, and handed back to automatic operation.
    const QString notFound = QStringLiteral("Merolan modem not found");
    const QList<Scene> silentModem{asking, on(Silence, "")};
    row("connect: silent modem", Connect, silentModem, {"###", "", "#AUTO"}, {kLocalNotFound}, notFound,
        {"seconds: 22.0", "told: 4", "port: open"});
    // No password question within a minute of the announcement.
    row("connect: synchronisation never ends", Connect, {asking, [](Rig &r) { r.sim.config().syncMs = 90000; }},
        {"###", "#AUTO"}, {kLocalNotFound}, notFound, {"seconds: 62.3", "told: 12"});
    // A lost line is no missing modem.
    row("connect: line lost in the search", Connect,
        {asking, [](Rig &r) { r.clock.at(3000, [&r] { r.sim.dropLine(); }); }}, {"###"},
        {"Connection to the Merolan lost.\n\nCheck the cable and the modem, then connect again: press 'Finish "
         "programming' (if it is shown), then 'Start programming'."},
        "Connection to the Merolan lost", {"port: closed"});
    // After a password change nobody confirmed, the modem refuses the old one:
    // the new one is offered, and only Yes sends it.
    const QString offer =
        QStringLiteral("asked: The last password change, to \"5678\", was not confirmed. Log in with \"5678\"?");
    row("connect: unconfirmed password taken", Connect,
        {asking,
         [](Rig &r) {
             r.sim.config().password = r.session.UnconfirmedPassword.emplace(QStringLiteral("5678"));
             r.prompt.answerQuestion(true);
         }},
        {"###", "#PASSWORD=4321", "###", "#SerialNum?", "#PASSWORD=5678"}, {rejected}, "Merolan modem ready.",
        {offer, "password: 5678/-"});

    // A failed read leaves the setup, the identity and the window as they were.
    const QString readFailed = QStringLiteral("Setup read failed. ");
    const QString readDone = QStringLiteral("Setup read finished.");
    const QStringList readKept{"apn: apn.sample/new.apn", "firmware: 2.10", "port: open"};
    row("read: ERROR", Refresh, {on(Error, "APN")}, readUpTo("#APN?"), {"Error reading setup. Command: APN"},
        readFailed + "Command: APN", readKept);
    row("read: silent logger probe", Refresh, {on(Silence, "Logger")}, readUpTo("#Logger?"),
        {"Error reading setup. Command: Logger"}, readFailed + "Command: Logger", readKept);
    // Modems without a data logger refuse to tell: the read goes on.
    row("read: logger refused", Refresh, {on(Error, "Logger")}, readUpTo("#XUSER?"), {}, readDone,
        {"logger: hidden", "apn: internet.example/internet.example"});
    // The identity steps go on after a fault: the first query on a dead line tells.
    row("read: line lost in the identity", Refresh, {on(Drop, "SerialNum")}, readUpTo("#SerialNum?"),
        {"Connection to the Merolan lost while reading setting: P1ON"}, readFailed + "Connection lost. Command: P1ON",
        {"apn: apn.sample/new.apn", "firmware: 2.10", "port: closed"});
    row("read: STOP in the identity", Refresh, {stopAt("#TIME?")}, {"###", "#Version?", "#TIME?"},
        {"Setup read aborted."}, "Setup read aborted.", readKept);
    row("read: clicked twice", Refresh, {clickedTwice}, readUpTo("#XUSER?"), {}, readDone,
        {"beeps: 1", "apn: internet.example/internet.example", "firmware: 2.15", "logger: shown"});

    // The write: each line the modem accepted is held, the rest is sent next time.
    const QString writeFailed = QStringLiteral("Setup write failed. ");
    const QString writeDone = QStringLiteral("Setup write finished successfully.");
    const QString apn = QStringLiteral("APN=new.apn");
    const QStringList toApn{"###", "#SerialNum?", "#SMSNUM=+3011", "#APN=new.apn"};
    const QStringList all = toApn + QStringList{"#GPRSID=newuser"};
    row("write: ERROR", Write, {on(Error, "APN")}, toApn, {"Error writing setting: " + apn},
        writeFailed + "Command: " + apn,
        {"written: SMSNUM=+3011//APN=new.apn,GPRSID=newuser", "pending: APN=new.apn,GPRSID=newuser (marked)"});
    // A setting the modem never confirmed may or may not be stored: no success.
    row("write: stored, answer lost", Write, {on(Unfinished, "APN")}, toApn,
        {"The Merolan did not answer setting: " + apn}, writeFailed + "No answer. Command: " + apn,
        {"written: SMSNUM=+3011/APN=new.apn/GPRSID=newuser", "pending: APN=new.apn,GPRSID=newuser (marked)"});
    // A STOP only stops: the empty APN of a client was agreed to (twice: for
    // the mail and for the role) when the write started.
    row("write: STOP asks nothing", Write,
        {[](Rig &r) {
             r.session.ModemSetup.Role = r.session.EditSetup.Role = 1;
             r.session.EditSetup.APN.clear();
             r.prompt.answerQuestion(true);
             r.prompt.answerQuestion(true);
         },
         stopAt("#SMSNUM=")},
        {"###", "#SerialNum?", "#SMSNUM=+3011"}, {"Setup write aborted."}, "Setup write aborted.",
        {"written: SMSNUM=+3011//APN=,GPRSID=newuser"});
    // Too late to stop anything: the modem accepted the last line.
    row("write: STOP during the last line", Write, {stopAt("#GPRSID=")}, all, {}, writeDone,
        {"written: SMSNUM=+3011,APN=new.apn,GPRSID=newuser//", "pending: "});
    // An unknown modem is not taken for another one and sent everything.
    row("write: serial number unanswered", Write, {on(Silence, "SerialNum")}, {"###", "#SerialNum?"},
        {"The Merolan did not answer: #SerialNum?"}, writeFailed + "No answer. Command: #SerialNum?",
        {"written: //", "pending: SMSNUM=+3011,APN=new.apn,GPRSID=newuser"});
    row("write: other modem, version unanswered", Write,
        {[](Rig &r) { r.session.SerialNumber = QStringLiteral("MRL0099999"); }, on(Silence, "Version")},
        {"###", "#SerialNum?", "#Version?"}, {"The Merolan did not answer: #Version?"},
        writeFailed + "No answer. Command: #Version?", {"written: //", "firmware: 2.10"});
    row("write: line lost before, reopened", Write, {closed(true)}, QStringList{"###", "#PASSWORD=4321"} + all.mid(1),
        {}, writeDone, {"written: SMSNUM=+3011,APN=new.apn,GPRSID=newuser//", "apn: new.apn/new.apn"});
    row("write: line lost before, not reopened", Write, {closed(false)}, {}, {}, "Connection to the Merolan lost",
        {"written: //", "pending: SMSNUM=+3011,APN=new.apn,GPRSID=newuser", "asked: " + kLost});

    // The password: the modem may have taken the new one whose answer never came.
    const QString unconfirmed = QStringLiteral("Password change not confirmed: the Merolan did not answer. The Merolan "
                                               "now asks for the old password (\"4321\") or the new one (\"5678\").");
    const QStringList toPassword{"###", "#PASSWORD=4321,5678"};
    row("password: refused", Password, {on(Error, "PASSWORD")}, toPassword, {}, "Password set failed.",
        {"password: 4321/-"});
    row("password: changed, answer lost", Password, {on(Unfinished, "PASSWORD")}, toPassword, {unconfirmed},
        unconfirmed, {"password: 4321/5678"});

    // The clock goes out as its second begins. What the modem reports after
    // the set stands in place of the clock read before, and a set nobody
    // confirmed leaves it unknown.
    const QStringList toClock{"###", "#TIME=07-12-26,23:59:55"};
    row("clock: refused", Clock, {on(Error, "TIME")}, toClock, {}, "Time set failed.",
        {"clock: 05-03-12,14:07:09/-218851200"});
    row("clock: line lost", Clock, {on(Drop, "TIME")}, toClock, {},
        "Time set not confirmed: connection to the Merolan lost.", {"clock: /-", "port: closed"});
    const QString noReadBack = QStringLiteral("Time set successfully, but the Merolan did not report its clock back.");
    const QStringList readBack = toClock + QStringList{"#TIME?"};
    row("clock: read-back refused", Clock, {[](Rig &r) {
            // The modem refuses the read-back only.
            r.onLine = [&r](const QString &line) {
                if (line == QLatin1String("#TIME?"))
                    on(Error, "TIME")(r);
            };
        }},
        readBack, {}, noReadBack, {"clock: ERROR/-"});
    row("clock: answers byte by byte", Clock, {bytewise}, readBack, {}, "Time set successfully.",
        {"clock: 07-12-26,23:59:55/0", "set at: 23:59:55.000"});

    // The activation: unanswered, the device may be on all the same.
    const QStringList toActivate{"#P2ON", ""};
    row("activate: refused", Activate, {on(Error, "P2ON")}, toActivate,
        {"Merolan peripheral 2 port failed to activate"}, "Merolan peripheral 2 port failed to activate",
        {"activated: ", "port: open"});
    row("activate: line lost", Activate, {on(Drop, "P2ON")}, toActivate,
        {"Device 2 activation not confirmed: connection to the Merolan lost. The device may be on."},
        "Device 2 activation not confirmed: connection to the Merolan lost. The device may be on.",
        {"activated: 2", "port: closed"});

    // A device is switched on only after Yes, and after leaving unwritten
    // edits behind; once on, the modem is handed back and the port closed.
    const QString leave = QStringLiteral("Do you want to leave without writing changes to the Merolan?");
    const QString activate = QStringLiteral("Merolan programmer will now bring online Device 2 and terminate.\n"
                                            "Merolan will start executing its schedule at the Device 2 OFF time.\n\n"
                                            "Do you want to proceed?");
    const auto answers = [](QList<bool> yes, bool edited = true) {
        return Scene([yes, edited](Rig &r) {
            r.prompt.clear();
            if (!edited)
                r.session.EditSetup = r.session.ModemSetup;
            for (const bool y : yes)
                r.prompt.answerQuestion(y);
        });
    };
    row("activate: nothing edited", Activate, {answers({true}, false)}, {"#P2ON", "", "#AUTO"}, {}, {},
        {"activated: 2", "port: closed", "asked: " + activate});
    row("activate: edits kept", Activate, {answers({false})}, {}, {}, {}, {"activated: ", "asked: " + leave});
    row("activate: declined", Activate, {answers({true, false})}, {}, {}, {},
        {"activated: ", "port: open", "asked: " + leave + "|" + activate});

    // Finish hands the modem back and gives it a second before the port closes.
    row("finish", Finish, {}, {"#AUTO"}, {}, {}, {"seconds: 1.0", "port: closed"});
}

void TestFaults::operationMeetsFault()
{
    QFETCH(Op, op);
    QFETCH(QList<Scene>, scenes);
    QFETCH(QStringList, facts);
    Rig rig;
    switch (op) {
    case Op::Open: rig.click = [&rig] { Connect(rig.session, QStringLiteral("ttyS0"), QStringLiteral("9600")); }; break;
    case Op::Connect: rig.click = [&rig] { FindModem(rig.session); }; break;
    case Op::Refresh: rig.click = [&rig] { RefreshClicked(rig.session); }; break;
    case Op::Write: rig.click = [&rig] { WriteClicked(rig.session); }; break;
    case Op::Password:
        rig.session.FirmwareVersion = QStringLiteral("3.01"); // no data-logger notice
        rig.prompt.answerInput(QStringLiteral("5678"));
        rig.click = [&rig] { PasswordClicked(rig.session); };
        break;
    case Op::Clock: rig.click = [&rig] { SetClock(rig.session); }; break;
    case Op::Activate:
        rig.prompt.answerQuestion(true); // leave the edits unwritten
        rig.prompt.answerQuestion(true); // switch device 2 on
        rig.click = [&rig] { ActivateDevice(rig.session, 2); };
        break;
    case Op::Finish:
        rig.prompt.answerQuestion(true); // leave the edits unwritten
        rig.click = [&rig] { FinishProgramming(rig.session); };
        break;
    }
    for (const Scene &scene : scenes)
        scene(rig);

    rig.click();

    QTEST(rig.sim.receivedLines(), "sent");
    QTEST(rig.prompt.messages(), "messages");
    QTEST(rig.session.state.status(), "status");
    for (const QString &f : facts) {
        const QString key = f.section(QStringLiteral(": "), 0, 0);
        QCOMPARE(key + QStringLiteral(": ") + rig.fact(key), f);
    }
    // Each question the row scripted was asked, and none other.
    QCOMPARE(rig.prompt.unexpected(), QStringList{});
    QCOMPARE(rig.prompt.unusedAnswers(), 0);
    QCOMPARE(rig.statuses.contains(QStringLiteral("Aborting. Please wait...")),
             QByteArray(QTest::currentDataTag()).contains("STOP"));
    QVERIFY(!rig.session.state.anyRunning());
    QCOMPARE(rig.session.Stoppable, Session::Operation::None);
    // The search leaves the flag to the operation that searched.
    if (op != Op::Connect && op != Op::Open)
        QVERIFY(!rig.session.state.AbortRequested);
    // The activation's empty line follows its command at once, by design, and
    // a search given up hands back a modem still busy synchronising.
    if (op != Op::Activate && op != Op::Connect && op != Op::Open)
        QCOMPARE(rig.sim.overruns(), 0);
    // One time-out at most, never one for every step left.
    QVERIFY2(rig.clock.now() < 65000, qPrintable(QString::number(rig.clock.now())));
}

// The dialogue fuzzer's seeds, replayed on every normal run, so that the
// properties the fuzzer checks hold without the fuzzer too. (The setup file's
// seeds hold nothing that tst_setupfile's exact bytes and cuts do not.) The
// seeds named here must reach their ends, so a driver that never reads or
// never breaks anything cannot pass unnoticed.
void TestFaults::fuzzSeed_data()
{
    QTest::addColumn<QByteArray>("recipe");
    QTest::addColumn<int>("ends"); // -1 not known, else 2 * readOk + writeOk
    QHash<QString, int> ends;
    for (const QString &seed : QStringLiteral("clean.bin=3 clean-password-v3.bin=3 apn-refused.bin=0 role-silent.bin=0 "
                                              "drop-on-baud.bin=0 logger-unfinished.bin=0 write-apn-refused.bin=2 "
                                              "write-mails-silent.bin=2 write-erecep-drop.bin=2")
                                   .split(QLatin1Char(' ')))
        ends.insert(seed.section(QLatin1Char('='), 0, 0), seed.section(QLatin1Char('='), 1).toInt());
    const QDir dir(QStringLiteral(MEROLAN_CORPUS_DIR "/dialogue"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(name)) << file.readAll() << ends.value(name, -1);
        ends.remove(name);
    }
    QVERIFY2(ends.isEmpty(), qPrintable(ends.keys().join(QLatin1Char(' '))));
}

void TestFaults::fuzzSeed()
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

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
