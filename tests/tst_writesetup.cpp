#include "modemrig.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

template <typename T, typename V>
Change set(T SetupRecord::*field, V value)
{
    return [field, value](SetupRecord &r) { r.*field = value; };
}

namespace {

const QString kIdle = QStringLiteral("Write setup to Merolan");
const QString kSuccess = QStringLiteral("Setup write finished successfully.");
const QString kNoChanges = QStringLiteral("Write will not be performed because there are no changes.");
const QString kApnQuestion = QStringLiteral("WARNING: APN field is empty\nDo you want to proceed?");

// A client setup with mail on that passes every check (the fields left empty
// need no value for that), with the mail password a read's placeholder.
SetupRecord baseSetup()
{
    SetupRecord r;
    r.Role = 1;
    r.Baud = 4;
    r.HostIP = QStringLiteral("gw.tessarin.example.net");
    r.HostPort = 1023;
    r.APN = QStringLiteral("internet.example");
    r.EmailInterval = 4;
    r.ERecep = QStringLiteral("ops@example.net");
    r.ESender = QStringLiteral("merolan@example.net");
    r.MailServer = QStringLiteral("smtp.example.net");
    r.XPas = QString(99, QLatin1Char('*'));
    return r;
}

// A logged-in modem whose setup was read a moment ago.
struct Rig : ModemRig
{
    Rig()
    {
        sim.config().inCommandMode = true;
        openPort();
        session.FirmwareVersion = QStringLiteral("2.10");
        session.SerialNumber = QStringLiteral("MRL0012345");
        session.ModemSetup = baseSetup();
        session.EditSetup = session.ModemSetup;
        view.setCaption(Item::cmdWrite, kIdle);
    }

    // The command lines that followed the serial-number check.
    QStringList sentAfterSerial() const
    {
        const QStringList &lines = sim.receivedLines();
        const qsizetype at = lines.indexOf(QStringLiteral("#SerialNum?"));
        return at < 0 ? QStringList{QStringLiteral("(no serial-number check)")} : lines.mid(at + 1);
    }
};

} // namespace

class TestWriteSetup : public QObject
{
    Q_OBJECT
private slots:
    void otherModemGetsEverything_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("loggerAndMail");
        QTest::newRow("2.5") << "2.50" << true;
        QTest::newRow("3.0") << "3.00" << false;
    }

    void otherModemGetsEverything()
    {
        QFETCH(QString, firmware);
        QFETCH(bool, loggerAndMail);
        Rig rig;
        rig.session.SerialNumber = QStringLiteral("MRL0099999");
        rig.sim.config().identity = QStringLiteral("BRANTHOLM MEROLAN si.") + firmware;
        // The modem read before was a 1.0 (mail, no logger): the one on the line decides.
        rig.session.FirmwareVersion = QStringLiteral("1.0");

        WriteClicked(rig.session);

        // Every setting but the placeholder password; the format and order of the
        // lines are the setting lines' test.
        const QStringList sent = rig.sentAfterSerial();
        QCOMPARE(sent.value(0), QStringLiteral("#Version?"));
        QCOMPARE(sent.size(), loggerAndMail ? 21 : 15); // 3.0: no logger, no mail lines
        QCOMPARE(sent.contains(QStringLiteral("#Logger=0")), loggerAndMail);
        QCOMPARE(rig.sim.setting("XPAS"), QStringLiteral("mailpass"));
        QCOMPARE(rig.session.FirmwareVersion, firmware);
        QCOMPARE(rig.session.state.status(), kSuccess);
        QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
        QVERIFY(rig.view.markCalls() > 0 && !rig.view.marked());
        // The write does not adopt the other modem: its next write sends everything again.
        QCOMPARE(rig.session.SerialNumber, QStringLiteral("MRL0099999"));
    }

    void validation_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message"); // empty: the write may go
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QList<bool>>("answers"); // one a question about the empty APN
        const auto row = [](const char *name, Change change, const QString &message, const char *firmware = "2.10",
                            QList<bool> answers = {}) {
            QTest::newRow(name) << change << message << QString::fromLatin1(firmware) << answers;
        };
        const QString go;
        const auto noApn = set(&SetupRecord::APN, QStringLiteral(" "));

        row(
            "as read", [](SetupRecord &) {}, go);
        // A client with mail on is asked in the mail check and again in the role check.
        row("client, mail on, no APN: yes then no", noApn, go, "2.10", {true, false});
        row("client, mail on, no APN: no", noApn, go, "2.10", {false});
        // 3.0 has no mail settings, so no mail check.
        row("client, mail on at 3.0, no APN: asked once", noApn, go, "3.0", {true});
        row("server, mail on, no APN",
            [](SetupRecord &r) {
                r.Role = 2;
                r.APN.clear();
            },
            "APN may not be empty", "2.10", {true});
        row(
            "data calls, no APN",
            [](SetupRecord &r) {
                r.Role = 3;
                r.EmailInterval = 0;
                r.APN.clear();
            },
            go);

        const QString badRecipient = QStringLiteral("Email recipient is not valid");
        row(
            "recipient without a dot, interval 1",
            [](SetupRecord &r) {
                r.EmailInterval = 1;
                r.ERecep = QStringLiteral("ops@example");
            },
            badRecipient);
        row(
            "recipient, mail off",
            [](SetupRecord &r) {
                r.EmailInterval = 0;
                r.ERecep.clear();
            },
            go);
        row("sender", set(&SetupRecord::ESender, QStringLiteral("merolan@localhost")), "Email sender is not valid");
        row(
            "recipient and sender: the first only",
            [](SetupRecord &r) {
                r.ERecep.clear();
                r.ESender.clear();
            },
            badRecipient);
        const QString noMailServer = QStringLiteral("Email (SMTP) server may not be empty");
        row(
            "blank mail server, before the role's problem",
            [](SetupRecord &r) {
                r.MailServer = QStringLiteral("   ");
                r.HostIP.clear();
            },
            noMailServer);
        row("client without server address", set(&SetupRecord::HostIP, QStringLiteral("  ")),
            "Tessarin address may not be empty");
        row("client with port 0", set(&SetupRecord::HostPort, 0), "Tessarin Port may not be 0");
        row(
            "server with port 0",
            [](SetupRecord &r) {
                r.Role = 2;
                r.HostPort = 0;
            },
            go);

        // A CR would end the command line early and send the rest as a command of its own.
        const auto withCr = [&](const char *name, QString SetupRecord::*field) {
            row(
                name, [field](SetupRecord &r) { r.*field += QLatin1Char('\r'); },
                QLatin1String(name) + QStringLiteral(" contains characters that the Merolan cannot store"));
        };
        withCr("Tessarin address", &SetupRecord::HostIP);
        withCr("APN", &SetupRecord::APN);
        withCr("GPRS user", &SetupRecord::GPRSID);
        withCr("GPRS password", &SetupRecord::GPRSPass);
        withCr("Alarm SMS number", &SetupRecord::SMSNum);
        withCr("Email recipient", &SetupRecord::ERecep);
        withCr("Email sender", &SetupRecord::ESender);
        withCr("Email (SMTP) server", &SetupRecord::MailServer);
        withCr("Email (SMTP) user", &SetupRecord::XUser);
        withCr("Email (SMTP) password", &SetupRecord::XPas);
        row(
            "unsendable text before the APN question",
            [](SetupRecord &r) {
                r.APN.clear();
                r.XUser = "\r";
            },
            "Email (SMTP) user contains characters that the Merolan cannot store");

        row("role 0", set(&SetupRecord::Role, 0), "Operating role 0 is not valid: it must be 1, 2 or 3");
        row("role 4", set(&SetupRecord::Role, 4), "Operating role 4 is not valid: it must be 1, 2 or 3");
        row("logger -1 where it is sent", set(&SetupRecord::Logger, -1),
            "Logger mode -1 is not valid: it must be 0 or 1", "2.99");
        row("logger 2 where it is not sent", set(&SetupRecord::Logger, 2), go, "3.0");
        row("baud 0", set(&SetupRecord::Baud, 0), "Baud rate index 0 is not valid: it must be 1 to 7");
        row("baud 8", set(&SetupRecord::Baud, 8), "Baud rate index 8 is not valid: it must be 1 to 7");
        // Every number sent is judged at its exact edges.
        // A port of 0 is the role's to judge (above): a client needs one.
        const QString port = QStringLiteral("Server port %1 is not valid: it must be 0 to 65535");
        row("port -1", set(&SetupRecord::HostPort, -1), port.arg(-1));
        row("port 65535", set(&SetupRecord::HostPort, 65535), go);
        row("port 65536", set(&SetupRecord::HostPort, 65536), port.arg(65536));
        const QString interval = QStringLiteral("Email interval %1 is not valid: it must be 0 to 24 hours");
        row("interval 24", set(&SetupRecord::EmailInterval, 24), go);
        row("interval 25", set(&SetupRecord::EmailInterval, 25), interval.arg(25));
        row("interval -3, as sent", set(&SetupRecord::EmailInterval, -3), interval.arg(QStringLiteral("-03")));
        const QString noTime = QStringLiteral("Device %1 time is not a time of day");
        row(
            "time 1e300", [](SetupRecord &r) { r.OnTime[0] = 1e300; }, noTime.arg(QStringLiteral("1 ON")));
        row(
            "time -5", [](SetupRecord &r) { r.OffTime[2] = -5.0; }, noTime.arg(QStringLiteral("3 OFF")));
        row(
            "time a hair before midnight", [](SetupRecord &r) { r.OffTime[1] = 0.9999; }, go);
        row(
            "time midnight of the next day", [](SetupRecord &r) { r.OnTime[1] = 1.0; },
            noTime.arg(QStringLiteral("2 ON")));
    }

    void validation()
    {
        QFETCH(Change, change);
        QFETCH(QString, message);
        QFETCH(QString, firmware);
        QFETCH(QList<bool>, answers);
        Rig rig;
        rig.session.FirmwareVersion = firmware;
        change(rig.session.EditSetup);
        for (const bool yes : answers)
            rig.prompt.answerQuestion(yes);

        const bool refused = ValidateSetup(rig.session);

        const bool userStopped = !answers.isEmpty() && !answers.last();
        QCOMPARE(refused, !message.isEmpty() || userStopped);
        QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(rig.prompt.questions(), QStringList(answers.size(), kApnQuestion));
        for (const auto &shown : rig.prompt.shown()) {
            if (shown.kind == ScriptedPrompt::Shown::Question)
                QCOMPARE(shown.icon, UserPrompt::Icon::Information);
        }
        QCOMPARE(rig.prompt.unusedAnswers(), 0);
        QVERIFY(rig.sim.wireIn().isEmpty());
    }

    // A read can leave values the modem itself reported but would not take back
    // (an empty role answer stores 0, a DEL passes the reply cleaning): they must
    // not block a write that does not send them, and must stop one that does.
    void oddValuesAreJudgedOnlyWhenSent()
    {
        Rig rig;
        SetupRecord odd = baseSetup();
        odd.Role = 0;
        odd.Baud = 0;
        odd.Logger = 2;
        odd.APN = QStringLiteral("internet\x7f");
        rig.session.ModemSetup = rig.session.EditSetup = odd;

        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{});
        QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
        QCOMPARE(rig.session.state.status(), kNoChanges);
        QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);

        rig.session.EditSetup.HostPort = 5020;
        rig.sim.clearRecord();
        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{QStringLiteral("#HSTPORTNUMBER=5020")});
        QCOMPARE(rig.session.state.status(), kSuccess);

        // Another modem gets everything, so the same values now count.
        rig.session.SerialNumber = QStringLiteral("MRL0099999");
        rig.session.EditSetup.HostPort = 5021;
        rig.sim.clearRecord();
        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{QStringLiteral("#Version?")});
        QCOMPARE(rig.prompt.messages().last(), QStringLiteral("Logger mode 2 is not valid: it must be 0 or 1"));
        QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
        QVERIFY(!rig.session.state.Writing);
    }

    void longRecipientListKeepsProgressAtMaximum()
    {
        Rig rig;
        QStringList addresses;
        for (int i = 0; i < 40; ++i)
            addresses << QStringLiteral("user%1@example.net").arg(i);
        rig.session.EditSetup.ERecep = addresses.join(QLatin1Char(','));
        int highest = 0;
        connect(&rig.session.state, &OperationState::progressChanged,
                [&](int value, int) { highest = qMax(highest, value); });

        WriteClicked(rig.session);

        QCOMPARE(rig.sentAfterSerial().size(), 40);
        QCOMPARE(rig.sim.setting("ERecep"), rig.session.EditSetup.ERecep);
        QCOMPARE(rig.session.state.progressMaximum(), 30);
        QCOMPARE(highest, 30);
    }

    // What the pending view shows is what goes on the wire, the passwords in
    // clear there and masked on screen; a typed mail password alone is no change.
    void pendingLinesAreWhatTheWriteSends()
    {
        Rig rig;
        SetupRecord &e = rig.session.EditSetup;
        e.OffTime[1] = 0.75;
        e.APN = QStringLiteral("fleet.apn");
        e.GPRSPass = QStringLiteral("gprs-S3cret");
        e.HostPort = 5020;
        e.XPas = QStringLiteral("mail-Pw9");
        const QStringList pending = PendingLines(rig.session, false);
        const QStringList shown = ShownPendingLines(rig.session, false);

        WriteClicked(rig.session);

        QCOMPARE(pending, (QStringList{"P2OFF=18:00", "APN=fleet.apn", "GPRSPass=gprs-S3cret", "HSTPORTNUMBER=5020",
                                       "XPAS=mail-Pw9"}));
        QCOMPARE(shown,
                 (QStringList{"P2OFF=18:00", "APN=fleet.apn", "GPRSPass=***", "HSTPORTNUMBER=5020", "XPAS=***"}));
        QCOMPARE(rig.sentAfterSerial(), (QStringList{"#P2OFF=18:00", "#APN=fleet.apn", "#GPRSPass=gprs-S3cret",
                                                     "#HSTPORTNUMBER=5020", "#XPAS=mail-Pw9"}));
        QCOMPARE(rig.session.state.status(), kSuccess);

        // Now the records agree, though the typed mail password is no placeholder.
        QCOMPARE(PendingLines(rig.session, false), QStringList{});
        rig.sim.clearRecord();
        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{});
        QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
    }
};

QTEST_GUILESS_MAIN(TestWriteSetup)
#include "tst_writesetup.moc"
