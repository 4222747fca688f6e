#include "connection.h"
#include "modemrig.h"
#include "passwordclock.h"
#include "readsetup.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

// Every operation against a modem that fails it at one step: what went over
// the wire, what the user was told, and what the program holds afterwards.
// Where the modem may have carried a command out, the program must not say
// that it did not.

using Item = SetupView::Item;

namespace {

enum class Op { Refresh, Write, Password, Clock, Activate, Login };

// The read asks a 2.15 modem this, in this order.
const QStringList kRead{"#Version?",  "#TIME?",  "#BAT?",     "#SerialNum?",     "#P1ON?",   "#P1OFF?",
                        "#P2ON?",     "#P2OFF?", "#P3ON?",    "#P3OFF?",         "#Logger?", "#MODEMROLE?",
                        "#SMSNUM?",   "#BAUD?",  "#HOSTIP?",  "#HSTPORTNUMBER?", "#APN?",    "#GPRSID?",
                        "#GPRSPass?", "#Email?", "#ESender?", "#ERecep?",        "#MAILS?",  "#XUSER?"};

QStringList readUpTo(const char *query)
{
    return QStringList{"###"} + kRead.mid(0, kRead.indexOf(QLatin1String(query)) + 1);
}

const QString kLost = QStringLiteral("Connection to the Merolan lost.\n\nOpen ttyS0 again and log in? Changes not yet "
                                     "written are kept.\n\nNo: check the cable and the modem, then press 'Finish "
                                     "programming' and 'Start programming'.");

// A logged-in 2.15 modem with password 4321, whose setup was read a moment
// ago (its firmware then said 2.10), with three settings edited since.
struct Rig : ModemRig
{
    std::function<void()> click; // the operation's button, which is STOP while it runs

    Rig()
    {
        sim.config().inCommandMode = true;
        sim.config().identity = QStringLiteral("2.15");
        sim.config().password = QStringLiteral("4321");
        openPort();
        session.FirmwareVersion = QStringLiteral("2.10");
        session.SerialNumber = QStringLiteral("MRL0012345");
        session.PasswordTag = QStringLiteral("Enabled");
        session.showPassword(QStringLiteral("4321"));
        SetupRecord &m = session.ModemSetup;
        m.Role = 1;
        m.Baud = 4;
        m.HostIP = QStringLiteral("gw.tessarin.example.net");
        m.HostPort = 1023;
        m.APN = QStringLiteral("old.apn");
        m.XPas = QString(99, QLatin1Char('*'));
        session.EditSetup = m;
        session.EditSetup.SMSNum = QStringLiteral("+3011");
        session.EditSetup.APN = QStringLiteral("new.apn");
        session.EditSetup.GPRSID = QStringLiteral("newuser");
        view.setCaption(Item::cmdRefresh, QStringLiteral("Refresh setup from Merolan"));
        view.setCaption(Item::cmdWrite, QStringLiteral("Write setup to Merolan"));
        view.setCaption(Item::lblClock, QStringLiteral("05-03-12,14:07:09"));
        view.showClockDrift(-218851200);
        clock.setWallTime(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 50)));
    }

    QString fact(const QString &key) const
    {
        if (key == QLatin1String("port"))
            return link.PortOpen() ? QStringLiteral("open") : QStringLiteral("closed");
        if (key == QLatin1String("apn"))
            return session.ModemSetup.APN + QLatin1Char('/') + session.EditSetup.APN;
        if (key == QLatin1String("firmware"))
            return session.FirmwareVersion;
        if (key == QLatin1String("shown"))
            return view.caption(Item::lblVersion) + QLatin1Char('/') + view.caption(Item::lblAPN);
        if (key == QLatin1String("written")) {
            const WriteOutcome &w = session.LastWrite;
            return (QStringList{w.accepted.join(QLatin1Char(',')), w.unconfirmed.join(QLatin1Char(',')),
                                w.notWritten.join(QLatin1Char(','))})
                .join(QLatin1Char('/'));
        }
        // What the next write sends, and whether the window marks it light red.
        if (key == QLatin1String("pending"))
            return PendingLines(session, false).join(QLatin1Char(',')) + (view.marked() ? " (marked)" : "");
        if (key == QLatin1String("buttons"))
            return view.caption(Item::cmdRefresh) + QLatin1Char('/') + view.caption(Item::cmdWrite);
        if (key == QLatin1String("password"))
            return view.caption(Item::txtPWD) + QLatin1Char('/') + session.UnconfirmedPassword.value_or("-");
        if (key == QLatin1String("clock")) {
            const std::optional<qint64> drift = view.clockDrift();
            return view.caption(Item::lblClock) + QLatin1Char('/')
                   + (drift ? QString::number(*drift) : QStringLiteral("-"));
        }
        if (key == QLatin1String("activated")) {
            QStringList devices;
            for (const int d : sim.activatedDevices())
                devices << QString::number(d);
            return devices.join(QLatin1Char(','));
        }
        return QStringLiteral("(no such fact: ") + key + QLatin1Char(')');
    }
};

using Fault = std::function<void(Rig &)>;

// The modem answers the command "ERROR", nothing, or without its final line.
using Faults = QSet<QString> SimModem::Config::*;
constexpr Faults Error = &SimModem::Config::errorOn;
constexpr Faults Silent = &SimModem::Config::silentOn;
constexpr Faults Unfinished = &SimModem::Config::unfinishedOn;
Fault on(Faults faults, const char *key)
{
    return [faults, key](Rig &r) { (r.sim.config().*faults).insert(QLatin1String(key)); };
}
Fault drop(const char *key)
{
    return [key](Rig &r) { r.sim.config().dropOn = QLatin1String(key); };
}
// Every answer a byte at a time: slow, but nothing wrong.
const Fault bytewise = [](Rig &r) { r.sim.config().chunkBytes = 1; };
// The user presses STOP while the modem works on the command that begins so.
Fault stopAt(const char *command)
{
    return [command](Rig &r) {
        r.sim.lineReceived = [&r, command](const QString &line) {
            if (line.startsWith(QLatin1String(command)))
                r.clock.after(2, [&r] { r.click(); });
        };
    };
}
// The fault strikes the command only after the given line went out.
Fault after(const char *line, Faults faults, const char *key)
{
    return [line, faults, key](Rig &r) {
        r.sim.lineReceived = [&r, line, faults, key](const QString &got) {
            if (got == QLatin1String(line))
                (r.sim.config().*faults).insert(QLatin1String(key));
        };
    };
}
// The line dropped during an earlier exchange; the user answers the offer
// to open the port again, and the line is back.
Fault closed(bool reopen)
{
    return [reopen](Rig &r) {
        r.link.setPortOpen(false);
        r.sim.reconnect();
        r.prompt.answerQuestion(reopen);
    };
}

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Fault)

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void operationMeetsFault_data();
    void operationMeetsFault();
};

void TestFaults::operationMeetsFault_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("sent");     // command lines the modem got
    QTest::addColumn<QStringList>("messages"); // message boxes shown
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("facts"); // "what: value", see Rig::fact
    const auto row = [](const char *name, Op op, const Fault &fault, const QStringList &sent,
                        const QStringList &messages, const QString &status, const QStringList &facts) {
        QTest::newRow(name) << op << fault << sent << messages << status << facts;
    };

    // A failed read leaves the setup, the identity and the window as they were.
    const QString readFailed = QStringLiteral("Setup read failed. ");
    const QStringList readKept{"apn: old.apn/new.apn", "firmware: 2.10", "shown: F/W: v2.10/APN: new.apn",
                               "port: open"};
    row("read: ERROR", Op::Refresh, on(Error, "APN"), readUpTo("#APN?"), {"Error reading setup. Command: APN"},
        readFailed + "Command: APN", readKept);
    // Without the modem's final line an empty reply is no value.
    row("read: no final line", Op::Refresh, on(Unfinished, "APN"), readUpTo("#APN?"),
        {"Error reading setup. Command: APN"}, readFailed + "Command: APN", readKept);
    row("read: silent role", Op::Refresh, on(Silent, "MODEMROLE"), readUpTo("#MODEMROLE?"),
        {"Error reading setup. Command: MODEMROLE"}, readFailed + "Command: MODEMROLE", readKept);
    row("read: silent logger probe", Op::Refresh, on(Silent, "Logger"), readUpTo("#Logger?"),
        {"Error reading setup. Command: Logger"}, readFailed + "Command: Logger", readKept);
    // The identity steps go on after a fault: the first query on a dead line tells.
    row("read: line lost in the identity", Op::Refresh, drop("SerialNum"), readUpTo("#SerialNum?"),
        {"Connection to the Merolan lost while reading setting: P1ON"}, readFailed + "Connection lost. Command: P1ON",
        {"apn: old.apn/new.apn", "firmware: 2.10", "port: closed"});
    row("read: line lost at the last query", Op::Refresh, drop("XUSER"), readUpTo("#XUSER?"),
        {"Connection to the Merolan lost while reading setting: XUSER"}, readFailed + "Connection lost. Command: XUSER",
        {"apn: old.apn/new.apn", "port: closed"});
    row("read: STOP in the identity", Op::Refresh, stopAt("#TIME?"), {"###", "#Version?", "#TIME?"},
        {"Setup read aborted."}, "Setup read aborted.", readKept);
    row("read: answers byte by byte", Op::Refresh, bytewise, readUpTo("#XUSER?"), {}, "Setup read finished.",
        {"apn: internet.example/internet.example", "firmware: 2.15"});
    // A line lost since: the port opens again on Yes, and the modem, back in
    // automatic operation, is logged in anew.
    row("read: line lost before, reopened", Op::Refresh, closed(true),
        QStringList{"###", "#PASSWORD=4321"} + readUpTo("#XUSER?").mid(1), {}, "Setup read finished.",
        {"apn: internet.example/internet.example", "port: open"});
    row("read: line lost before, not reopened", Op::Refresh, closed(false), {}, {}, "Connection to the Merolan lost",
        {"apn: old.apn/new.apn", "port: closed"});

    // The write: each line the modem accepted is held, the rest is sent next time.
    const QString writeFailed = QStringLiteral("Setup write failed. ");
    const QString apn = QStringLiteral("APN=new.apn");
    const QStringList toApn{"###", "#SerialNum?", "#SMSNUM=+3011", "#APN=new.apn"};
    const QStringList all = toApn + QStringList{"#GPRSID=newuser"};
    row("write: ERROR", Op::Write, on(Error, "APN"), toApn, {"Error writing setting: " + apn},
        writeFailed + "Command: " + apn,
        {"written: SMSNUM=+3011//APN=new.apn,GPRSID=newuser", "pending: APN=new.apn,GPRSID=newuser (marked)"});
    row("write: line lost", Op::Write, drop("APN"), toApn,
        {"Connection to the Merolan lost while writing setting: " + apn},
        writeFailed + "Connection lost. Command: " + apn,
        {"written: SMSNUM=+3011/APN=new.apn/GPRSID=newuser", "pending: APN=new.apn,GPRSID=newuser (marked)",
         "port: closed"});
    // A setting the modem never confirmed may or may not be stored: no success.
    row("write: silent", Op::Write, on(Silent, "APN"), toApn, {"The Merolan did not answer setting: " + apn},
        writeFailed + "No answer. Command: " + apn,
        {"written: SMSNUM=+3011/APN=new.apn/GPRSID=newuser", "pending: APN=new.apn,GPRSID=newuser (marked)"});
    row("write: STOP", Op::Write, stopAt("#APN="), toApn, {"Setup write aborted."}, "Setup write aborted.",
        {"written: SMSNUM=+3011,APN=new.apn//GPRSID=newuser", "pending: GPRSID=newuser (marked)",
         "buttons: Refresh setup from Merolan/Write setup to Merolan"});
    // A STOP only stops: the empty APN was agreed to when the write started.
    row("write: STOP asks nothing", Op::Write,
        [](Rig &r) {
            r.session.EditSetup.APN.clear();
            r.prompt.answerQuestion(true);
            stopAt("#SMSNUM=")(r);
        },
        {"###", "#SerialNum?", "#SMSNUM=+3011"}, {"Setup write aborted."}, "Setup write aborted.",
        {"written: SMSNUM=+3011//APN=,GPRSID=newuser"});
    // Too late to stop anything: the modem accepted the last line.
    row("write: STOP during the last line", Op::Write, stopAt("#GPRSID="), all, {},
        "Setup write finished successfully.", {"written: SMSNUM=+3011,APN=new.apn,GPRSID=newuser//", "pending: "});
    // An unknown modem is not taken for another one and sent everything.
    row("write: serial number unanswered", Op::Write, on(Silent, "SerialNum"), {"###", "#SerialNum?"},
        {"The Merolan did not answer: #SerialNum?"}, writeFailed + "No answer. Command: #SerialNum?",
        {"written: //", "pending: SMSNUM=+3011,APN=new.apn,GPRSID=newuser"});
    row("write: line lost at the serial number", Op::Write, drop("SerialNum"), {"###", "#SerialNum?"},
        {"Connection to the Merolan lost while checking it before the write: #SerialNum?"},
        writeFailed + "Connection lost. Command: #SerialNum?", {"written: //", "port: closed"});
    const auto other = [](Fault then) {
        return [then](Rig &r) {
            r.session.SerialNumber = QStringLiteral("MRL0099999");
            then(r);
        };
    };
    row("write: other modem, version unanswered", Op::Write, other(on(Silent, "Version")),
        {"###", "#SerialNum?", "#Version?"}, {"The Merolan did not answer: #Version?"},
        writeFailed + "No answer. Command: #Version?", {"written: //", "firmware: 2.10"});
    row("write: other modem, STOP at the version", Op::Write, other(stopAt("#Version?")),
        {"###", "#SerialNum?", "#Version?"}, {"Setup write aborted."}, "Setup write aborted.", {"written: //"});
    row("write: answers byte by byte", Op::Write, bytewise, all, {}, "Setup write finished successfully.",
        {"written: SMSNUM=+3011,APN=new.apn,GPRSID=newuser//"});
    row("write: line lost before, reopened", Op::Write, closed(true), QStringList{"###", "#PASSWORD=4321"} + all.mid(1),
        {}, "Setup write finished successfully.",
        {"written: SMSNUM=+3011,APN=new.apn,GPRSID=newuser//", "apn: new.apn/new.apn"});
    row("write: line lost before, not reopened", Op::Write, closed(false), {}, {}, "Connection to the Merolan lost",
        {"written: //", "pending: SMSNUM=+3011,APN=new.apn,GPRSID=newuser"});
    row("write: line lost before, port gone", Op::Write,
        [](Rig &r) {
            closed(true)(r);
            r.link.setPorts({});
        },
        {},
        {"Cannot open COM port\n\nThe port ttyS0 does not exist. Check that the adapter is plugged in and that the "
         "port name is right."},
        "Cannot open COM port", {"port: closed"});

    // The password: the modem may have taken the new one whose answer never came.
    const QString unconfirmed = QStringLiteral("Password change not confirmed: %1 The Merolan now asks for the old "
                                               "password (\"4321\") or the new one (\"5678\").");
    const QStringList toPassword{"###", "#PASSWORD=4321,5678"};
    row("password: refused", Op::Password, on(Error, "PASSWORD"), toPassword, {}, "Password set failed.",
        {"password: 4321/-"});
    row("password: silent", Op::Password, on(Silent, "PASSWORD"), toPassword,
        {unconfirmed.arg("the Merolan did not answer.")}, unconfirmed.arg("the Merolan did not answer."),
        {"password: 4321/5678"});
    row("password: line lost", Op::Password, drop("PASSWORD"), toPassword,
        {unconfirmed.arg("connection to the Merolan lost.")}, unconfirmed.arg("connection to the Merolan lost."),
        {"password: 4321/5678", "port: closed"});
    row("password: answers byte by byte", Op::Password, bytewise, toPassword, {}, "Password Enabled successfully.",
        {"password: 5678/-"});
    row("password: line lost before, not reopened", Op::Password, closed(false), {}, {},
        "Connection to the Merolan lost", {"password: 4321/-"});

    // The clock: what the modem reports after the set stands in place of the
    // clock read before, and a set nobody confirmed leaves it unknown.
    const QStringList toClock{"###", "#TIME=07-12-26,23:59:55"};
    row("clock: refused", Op::Clock, on(Error, "TIME"), toClock, {}, "Time set failed.",
        {"clock: 05-03-12,14:07:09/-218851200"});
    row("clock: silent", Op::Clock, on(Silent, "TIME"), toClock, {},
        "Time set not confirmed: the Merolan did not answer.", {"clock: /-"});
    row("clock: line lost", Op::Clock, drop("TIME"), toClock, {},
        "Time set not confirmed: connection to the Merolan lost.", {"clock: /-", "port: closed"});
    const QString noReadBack = QStringLiteral("Time set successfully, but the Merolan did not report its clock back.");
    const QStringList readBack = toClock + QStringList{"#TIME?"};
    row("clock: read-back refused", Op::Clock, after("#TIME?", Error, "TIME"), readBack, {}, noReadBack,
        {"clock: ERROR/-"});
    row("clock: read-back unanswered", Op::Clock, after("#TIME?", Silent, "TIME"), readBack, {}, noReadBack,
        {"clock: /-"});
    row("clock: read-back no time", Op::Clock,
        [](Rig &r) { r.sim.config().replyOverride.insert(QStringLiteral("TIME"), QStringLiteral("clock not set")); },
        readBack, {}, "Time set successfully.", {"clock: clock not set/-"});
    row("clock: answers byte by byte", Op::Clock, bytewise, readBack, {}, "Time set successfully.",
        {"clock: 07-12-26,23:59:55/0"});

    // The activation: unanswered, the device may be on all the same.
    const QStringList toActivate{"#P2ON", ""};
    row("activate: refused", Op::Activate, on(Error, "P2ON"), toActivate,
        {"Merolan peripheral 2 port failed to activate"}, "Merolan peripheral 2 port failed to activate",
        {"activated: ", "port: open"});
    row("activate: silent", Op::Activate, [](Rig &r) { r.sim.config().silent = true; }, toActivate,
        {"Device 2 activation not confirmed: the Merolan did not answer. The device may be on."},
        "Device 2 activation not confirmed: the Merolan did not answer. The device may be on.",
        {"activated: ", "port: open"});
    row("activate: line lost", Op::Activate, drop("P2ON"), toActivate,
        {"Device 2 activation not confirmed: connection to the Merolan lost. The device may be on."},
        "Device 2 activation not confirmed: connection to the Merolan lost. The device may be on.",
        {"activated: 2", "port: closed"});

    // The login of a modem that asks for its password: a modem gone while it
    // checks the password took none, and a lost line is no missing modem.
    const auto asking = [](Fault then) {
        return [then](Rig &r) {
            r.sim.config().inCommandMode = false;
            then(r);
        };
    };
    row("login: line lost at the password", Op::Login, asking(drop("PASSWORD")), {"###", "#PASSWORD=4321"},
        {"Connection to the Merolan lost while sending the password."}, "Connection to the Merolan lost",
        {"port: closed"});
    row("login: line lost in the search", Op::Login,
        asking([](Rig &r) { r.clock.at(3000, [&r] { r.sim.dropLine(); }); }), {"###"},
        {"Connection to the Merolan lost.\n\nCheck the cable and the modem, then connect again: press 'Finish "
         "programming' (if it is shown), then 'Start programming'."},
        "Connection to the Merolan lost", {"port: closed"});
}

void TestFaults::operationMeetsFault()
{
    QFETCH(Op, op);
    QFETCH(Fault, fault);
    QFETCH(QStringList, facts);
    Rig rig;
    switch (op) {
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
    case Op::Login: rig.click = [&rig] { FindModem(rig.session); }; break;
    }
    fault(rig);

    QStringList statuses;
    connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });

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
    const QByteArray tag = QTest::currentDataTag();
    QCOMPARE(statuses.contains(QStringLiteral("Aborting. Please wait...")), tag.contains("STOP"));
    if (tag.contains("before,"))
        QCOMPARE(rig.prompt.questions().value(0), kLost);
    QVERIFY(!rig.session.state.anyRunning());
    QVERIFY(!rig.session.state.AbortRequested);
    // The activation's empty line follows its command at once, by design.
    if (op != Op::Activate)
        QCOMPARE(rig.sim.overruns(), 0);
    // One time-out at most, never one for every step left.
    QVERIFY2(rig.clock.now() < 65000, qPrintable(QString::number(rig.clock.now())));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"
