#include "modemrig.h"
#include "session.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QString kIdle = QStringLiteral("Write setup to Merolan");
const QString kStop = QStringLiteral("STOP Writing setup...");
const QString kSuccess = QStringLiteral("Setup write finished successfully.");
const QString kNoChanges = QStringLiteral("Write will not be performed because there are no changes.");
const QString kApnQuestion = QStringLiteral("WARNING: APN field is empty\nDo you want to proceed?");

// The simulated modem's factory setup as a read records it.
SetupRecord simSetup()
{
    SetupRecord r;
    r.OnTime = {6.0 / 24, 11.0 / 24, 7.0 / 24};
    r.OffTime = {18.5 / 24, 10.0 / 24 + 50.0 / 1440, 7.0 / 24};
    r.Logger = 0;
    r.Role = 1;
    r.SMSNum = QStringLiteral("+306912345678");
    r.Baud = 4;
    r.HostIP = QStringLiteral("gw.tessarin.example.net");
    r.HostPort = 1023;
    r.APN = QStringLiteral("internet.example");
    r.GPRSID = QStringLiteral("gprsuser");
    r.GPRSPass = QStringLiteral("gprspass");
    r.EmailInterval = 4;
    r.ERecep = QStringLiteral("ops@example.net");
    r.ESender = QStringLiteral("merolan@example.net");
    r.MailServer = QStringLiteral("smtp.example.net");
    r.XUser = QStringLiteral("mailer");
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
        session.ModemSetup = simSetup();
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
    void noChangesSendsNothing();
    void otherModemGetsEverything();
    void firmwareDecidesLoggerAndMail_data();
    void firmwareDecidesLoggerAndMail();
    void mailServerResendsServerAddress();
    void recipientsOnTheWire_data();
    void recipientsOnTheWire();
    void refusedLineEndsTheWrite();
    void droppedLineIsAFailure();
    void silentModemIsAFailure();
    void stopDuringTheWrite();
    void validation_data();
    void validation();
    void refusedSetupSendsNothing();
    void longRecipientListKeepsProgressAtMaximum();
};

void TestWriteSetup::noChangesSendsNothing()
{
    Rig rig;
    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), QStringList{});
    QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
    QCOMPARE(rig.session.state.status(), kNoChanges);
    QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
}

void TestWriteSetup::otherModemGetsEverything()
{
    Rig rig;
    rig.session.SerialNumber = QStringLiteral("MRL0099999");
    // The modem read before was newer; the one on the line now identifies as 2.10.
    rig.session.FirmwareVersion = QStringLiteral("3.5");
    QString captionAtVersion;
    rig.sim.lineReceived = [&](const QString &line) {
        if (line == QLatin1String("#Version?"))
            captionAtVersion = rig.view.caption(Item::cmdWrite);
    };

    WriteClicked(rig.session);

    const QStringList expected{
        "#Version?",
        "#P1ON=06:00", "#P1OFF=18:30", "#P2ON=11:00", "#P2OFF=10:50", "#P3ON=07:00", "#P3OFF=07:00",
        "#Logger=0", "#MODEMROLE=1", "#SMSNUM=+306912345678", "#BAUD=4", "#APN=internet.example",
        "#GPRSID=gprsuser", "#GPRSPass=gprspass", "#HOSTIP=gw.tessarin.example.net", "#HSTPORTNUMBER=1023",
        "#Email=04", "#MAILS=smtp.example.net", "#XUSER=mailer", "#ESender=merolan@example.net",
        "#ERecep=ops@example.net"};
    QCOMPARE(rig.sentAfterSerial(), expected);
    QCOMPARE(rig.sim.setting("XPAS"), QStringLiteral("mailpass"));
    QCOMPARE(captionAtVersion, kStop);
    QCOMPARE(rig.session.FirmwareVersion, QStringLiteral("2.10"));
    QCOMPARE(rig.view.caption(Item::lblVersion), QStringLiteral("F/W: v2.10"));
    QVERIFY(!rig.view.isShown(Item::chkOmbrilex));
    QVERIFY(!rig.view.isShown(Item::lblEmail));
    QCOMPARE(rig.session.state.status(), kSuccess);
    QCOMPARE(rig.prompt.messages(), QStringList{});
    QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
    QVERIFY(rig.view.markCalls() > 0 && !rig.view.marked());
    // The write does not adopt the other modem: its next write sends everything again.
    QCOMPARE(rig.session.SerialNumber, QStringLiteral("MRL0099999"));
}

void TestWriteSetup::firmwareDecidesLoggerAndMail_data()
{
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("2.5") << "2.5" << QStringList{"#Logger=1", "#SMSNUM=+3011", "#Email=04"};
    QTest::newRow("1.9") << "1.9" << QStringList{"#SMSNUM=+3011", "#Email=04"};
    QTest::newRow("3.0") << "3.0" << QStringList{"#SMSNUM=+3011"};
}

void TestWriteSetup::firmwareDecidesLoggerAndMail()
{
    QFETCH(QString, firmware);
    QFETCH(QStringList, lines);
    Rig rig;
    rig.session.FirmwareVersion = firmware;
    rig.session.ModemSetup.EmailInterval = 0;
    rig.session.EditSetup.Logger = 1;
    rig.session.EditSetup.SMSNum = QStringLiteral("+3011");

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), lines);
    QCOMPARE(rig.session.state.status(), kSuccess);
    QCOMPARE(rig.session.ModemSetup, rig.session.EditSetup);
}

void TestWriteSetup::mailServerResendsServerAddress()
{
    Rig rig;
    rig.session.EditSetup.MailServer = QStringLiteral("smtp2.example.net");

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(),
             (QStringList{"#HOSTIP=gw.tessarin.example.net", "#MAILS=smtp2.example.net"}));
    QCOMPARE(rig.sim.setting("MAILS"), QStringLiteral("smtp2.example.net"));
    QCOMPARE(rig.session.ModemSetup, rig.session.EditSetup);
    QVERIFY(!rig.view.marked());
}

void TestWriteSetup::recipientsOnTheWire_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("stored");
    QTest::newRow("A,B") << "a@x.net,b@y.net" << QStringList{"#ERecep=a@x.net,", "#ERecep=b@y.net"}
                         << "a@x.net,b@y.net";
    QTest::newRow("A,") << "a@x.net," << QStringList{"#ERecep=a@x.net,", "#ERecep="} << "a@x.net,";
    QTest::newRow("A,,B") << "a@x.net,,b@y.net" << QStringList{"#ERecep=a@x.net,", "#ERecep=b@y.net"}
                          << "a@x.net,b@y.net";
}

void TestWriteSetup::recipientsOnTheWire()
{
    QFETCH(QString, field);
    QFETCH(QStringList, lines);
    QFETCH(QString, stored);
    Rig rig;
    rig.session.EditSetup.ERecep = field;

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), lines);
    QCOMPARE(rig.sim.setting("ERecep"), stored);
    QCOMPARE(rig.session.state.status(), kSuccess);
}

void TestWriteSetup::refusedLineEndsTheWrite()
{
    Rig rig;
    rig.sim.config().errorOn = {QStringLiteral("APN")};
    rig.session.EditSetup.SMSNum = QStringLiteral("+3011");
    rig.session.EditSetup.APN = QStringLiteral("new.apn");
    rig.session.EditSetup.GPRSID = QStringLiteral("newuser");

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), (QStringList{"#SMSNUM=+3011", "#APN=new.apn"}));
    QCOMPARE(rig.prompt.messages(), QStringList{"Error writing setting: APN=new.apn"});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup write failed. Command: APN=new.apn"));
    QCOMPARE(rig.session.ModemSetup, simSetup());
    QCOMPARE(rig.sim.setting("SMSNUM"), QStringLiteral("+3011"));
    QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
    QVERIFY(!rig.session.state.Writing);
    QVERIFY(rig.view.marked());
}

void TestWriteSetup::droppedLineIsAFailure()
{
    Rig rig;
    rig.sim.config().dropOn = QStringLiteral("APN");
    rig.session.EditSetup.APN = QStringLiteral("new.apn");
    rig.session.EditSetup.GPRSID = QStringLiteral("newuser");

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), QStringList{"#APN=new.apn"});
    QCOMPARE(rig.prompt.messages(),
             QStringList{"Connection to the Merolan lost while writing setting: APN=new.apn"});
    QVERIFY(rig.session.state.status().startsWith(QLatin1String("Setup write failed.")));
    QCOMPARE(rig.session.ModemSetup, simSetup());
    QVERIFY(!rig.session.state.Writing);
}

// A setting the modem never confirmed may or may not be stored: no success.
void TestWriteSetup::silentModemIsAFailure()
{
    Rig rig;
    rig.sim.config().silentOn = {QStringLiteral("APN")};
    rig.session.EditSetup.APN = QStringLiteral("new.apn");
    rig.session.EditSetup.GPRSID = QStringLiteral("newuser");

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), QStringList{"#APN=new.apn"});
    QCOMPARE(rig.prompt.messages(), QStringList{"The Merolan did not answer setting: APN=new.apn"});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup write failed. No answer. Command: APN=new.apn"));
    QCOMPARE(rig.session.ModemSetup, simSetup());
    QVERIFY(!rig.session.state.Writing);
    QVERIFY(rig.view.marked());
}

void TestWriteSetup::stopDuringTheWrite()
{
    Rig rig;
    rig.session.EditSetup.SMSNum = QStringLiteral("+3011");
    rig.session.EditSetup.APN = QStringLiteral("new.apn");
    rig.session.EditSetup.GPRSID = QStringLiteral("newuser");
    // The user clicks the STOP caption while the modem is busy with the APN.
    rig.sim.lineReceived = [&](const QString &line) {
        if (line.startsWith(QLatin1String("#APN=")))
            rig.clock.after(2, [&] { WriteClicked(rig.session); });
    };
    QStringList statuses;
    connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial(), (QStringList{"#SMSNUM=+3011", "#APN=new.apn"}));
    QVERIFY(statuses.contains(QStringLiteral("Aborting. Please wait...")));
    QCOMPARE(rig.prompt.messages(), QStringList{"Setup write aborted."});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup write aborted."));
    QVERIFY(!rig.session.state.AbortRequested);
    QCOMPARE(rig.session.ModemSetup, simSetup());
    QCOMPARE(rig.view.caption(Item::cmdWrite), kIdle);
}

void TestWriteSetup::validation_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("message"); // empty: the write may go
    const auto row = [](const char *name, Change change, const char *firmware, QList<bool> answers,
                        int questions, const QString &message) {
        QTest::newRow(name) << change << QString::fromLatin1(firmware) << answers << questions << message;
    };
    const QString go;
    const auto noApn = [](SetupRecord &r) { r.APN = QStringLiteral(" "); };

    row("as read", [](SetupRecord &) {}, "2.10", {}, 0, go);
    row("client, mail on, no APN: yes then no", noApn, "2.10", {true, false}, 2, go);
    row("client, mail on, no APN: no", noApn, "2.10", {false}, 1, go);
    row("client, mail on, no APN: yes twice", noApn, "2.10", {true, true}, 2, go);
    row("client, mail on at 3.0, no APN: asked once", noApn, "3.0", {true}, 1, go);
    row("server, mail off, no APN", [](SetupRecord &r) { r.Role = 2; r.EmailInterval = 0; r.APN.clear(); },
        "2.10", {}, 0, "APN may not be empty");
    row("server, mail on, no APN", [](SetupRecord &r) { r.Role = 2; r.APN.clear(); },
        "2.10", {true}, 1, "APN may not be empty");
    row("data calls, no APN", [](SetupRecord &r) { r.Role = 3; r.EmailInterval = 0; r.APN.clear(); },
        "2.10", {}, 0, go);
    row("recipient", [](SetupRecord &r) { r.ERecep = QStringLiteral("ops(at)example.net"); }, "2.10", {}, 0,
        "Email recipient is not valid");
    row("recipient without a dot, interval 1",
        [](SetupRecord &r) { r.EmailInterval = 1; r.ERecep = QStringLiteral("ops@example"); }, "2.10", {}, 0,
        "Email recipient is not valid");
    row("recipient, mail off", [](SetupRecord &r) { r.EmailInterval = 0; r.ERecep.clear(); }, "2.10", {}, 0, go);
    row("recipient, 3.0", [](SetupRecord &r) { r.ERecep.clear(); }, "3.0", {}, 0, go);
    row("sender", [](SetupRecord &r) { r.ESender = QStringLiteral("merolan@localhost"); }, "2.10", {}, 0,
        "Email sender is not valid");
    row("recipient and sender: the first only",
        [](SetupRecord &r) { r.ERecep.clear(); r.ESender.clear(); }, "2.10", {}, 0,
        "Email recipient is not valid");
    row("mail server blank", [](SetupRecord &r) { r.MailServer = QStringLiteral("   "); }, "2.10", {}, 0,
        "Email (SMTP) server may not be empty");
    row("mail problem comes before the role's",
        [](SetupRecord &r) { r.MailServer.clear(); r.HostIP.clear(); }, "2.10", {}, 0,
        "Email (SMTP) server may not be empty");
    row("client without server address", [](SetupRecord &r) { r.HostIP = QStringLiteral("  "); }, "2.10", {}, 0,
        "Tessarin address may not be empty");
    row("client with port 0", [](SetupRecord &r) { r.HostPort = 0; }, "2.10", {}, 0,
        "Tessarin Port may not be 0");
    row("server with port 0", [](SetupRecord &r) { r.Role = 2; r.HostPort = 0; }, "2.10", {}, 0, go);

    const QString cannot = QStringLiteral(" contains characters that the Merolan cannot store");
    row("CR in the APN", [](SetupRecord &r) { r.APN = QStringLiteral("internet\r#AUTO"); }, "2.10", {}, 0,
        "APN" + cannot);
    row("LF in the server address", [](SetupRecord &r) { r.HostIP = QStringLiteral("a\nb"); }, "2.10", {}, 0,
        "Tessarin address" + cannot);
    row("tab in the GPRS user", [](SetupRecord &r) { r.GPRSID = QStringLiteral("a\tb"); }, "2.10", {}, 0,
        "GPRS user" + cannot);
    row("DEL in the GPRS password", [](SetupRecord &r) { r.GPRSPass = QStringLiteral("a\x7f"); }, "2.10", {}, 0,
        "GPRS password" + cannot);
    row("ESC in the SMS number", [](SetupRecord &r) { r.SMSNum = QStringLiteral("\x1b"); }, "2.10", {}, 0,
        "Alarm SMS number" + cannot);
    row("CR LF after the recipient", [](SetupRecord &r) { r.ERecep += QStringLiteral("\r\n"); }, "2.10", {}, 0,
        "Email recipient" + cannot);
    row("accent in the sender", [](SetupRecord &r) { r.ESender = QStringLiteral("m\u00E9@x.net"); }, "2.10", {},
        0, "Email sender" + cannot);
    row("NUL in the mail server", [](SetupRecord &r) { r.MailServer += QChar(0); }, "2.10", {}, 0,
        "Email (SMTP) server" + cannot);
    row("LF in the SMTP user", [](SetupRecord &r) { r.XUser = QStringLiteral("\n"); }, "2.10", {}, 0,
        "Email (SMTP) user" + cannot);
    row("euro in the SMTP password", [](SetupRecord &r) { r.XPas = QStringLiteral("\u20AC"); }, "3.0", {}, 0,
        "Email (SMTP) password" + cannot);
    row("unsendable text before the APN question",
        [](SetupRecord &r) { r.APN.clear(); r.XUser = QStringLiteral("\r"); }, "2.10", {}, 0,
        "Email (SMTP) user" + cannot);

    row("role 0", [](SetupRecord &r) { r.Role = 0; }, "2.10", {}, 0,
        "Operating role 0 is not valid: it must be 1, 2 or 3");
    row("role 4", [](SetupRecord &r) { r.Role = 4; }, "2.10", {}, 0,
        "Operating role 4 is not valid: it must be 1, 2 or 3");
    row("logger 2 where it is sent", [](SetupRecord &r) { r.Logger = 2; }, "2.10", {}, 0,
        "Logger mode 2 is not valid: it must be 0 or 1");
    row("logger -1 where it is sent", [](SetupRecord &r) { r.Logger = -1; }, "2.99", {}, 0,
        "Logger mode -1 is not valid: it must be 0 or 1");
    row("logger 2 where it is not sent", [](SetupRecord &r) { r.Logger = 2; }, "3.0", {}, 0, go);
    row("baud 0", [](SetupRecord &r) { r.Baud = 0; }, "2.10", {}, 0,
        "Baud rate index 0 is not valid: it must be 1 to 7");
    row("baud 8", [](SetupRecord &r) { r.Baud = 8; }, "2.10", {}, 0,
        "Baud rate index 8 is not valid: it must be 1 to 7");
}

void TestWriteSetup::validation()
{
    QFETCH(Change, change);
    QFETCH(QString, firmware);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(QString, message);
    Rig rig;
    rig.session.FirmwareVersion = firmware;
    change(rig.session.EditSetup);
    for (const bool yes : answers)
        rig.prompt.answerQuestion(yes);

    const bool refused = ValidateSetup(rig.session);

    const bool userStopped = !answers.isEmpty() && !answers.last();
    QCOMPARE(refused, !message.isEmpty() || userStopped);
    QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(rig.prompt.questions(), QStringList(questions, kApnQuestion));
    for (const auto &shown : rig.prompt.shown()) {
        if (shown.kind == ScriptedPrompt::Shown::Question)
            QCOMPARE(shown.icon, UserPrompt::Icon::Information);
    }
    QCOMPARE(rig.prompt.unusedAnswers(), 0);
    QVERIFY(rig.sim.wireIn().isEmpty());
}

void TestWriteSetup::refusedSetupSendsNothing()
{
    Rig rig;
    rig.session.EditSetup.APN = QStringLiteral("internet\r\n#AUTO");

    WriteClicked(rig.session);

    QVERIFY(rig.sim.wireIn().isEmpty());
    QCOMPARE(rig.prompt.messages(), QStringList{"APN contains characters that the Merolan cannot store"});
    QCOMPARE(rig.session.ModemSetup, simSetup());
}

void TestWriteSetup::longRecipientListKeepsProgressAtMaximum()
{
    Rig rig;
    QStringList addresses;
    for (int i = 0; i < 40; ++i)
        addresses << QStringLiteral("user%1@example.net").arg(i);
    rig.session.EditSetup.ERecep = addresses.join(QLatin1Char(','));
    int highest = 0;
    connect(&rig.session.state, &OperationState::progressChanged, [&](int value, int) { highest = qMax(highest, value); });

    WriteClicked(rig.session);

    QCOMPARE(rig.sentAfterSerial().size(), 40);
    QCOMPARE(rig.session.state.status(), kSuccess);
    QCOMPARE(rig.sim.setting("ERecep"), rig.session.EditSetup.ERecep);
    QCOMPARE(rig.session.state.progressMaximum(), 30);
    QCOMPARE(rig.session.state.progress(), 30);
    QCOMPARE(highest, 30);
}

QTEST_GUILESS_MAIN(TestWriteSetup)
#include "tst_writesetup.moc"
