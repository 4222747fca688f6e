#include "modemrig.h"
#include "samplesetup.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
using Changes = QList<Change>;
Q_DECLARE_METATYPE(Changes)

template <typename T, typename V>
Change set(T SetupRecord::*field, V value)
{
    return [field, value](SetupRecord &r) { r.*field = value; };
}

namespace {

const QString kSuccess = QStringLiteral("Setup write finished successfully.");
const QString kNoChanges = QStringLiteral("Write will not be performed because there are no changes.");
const QString kApnQuestion = QStringLiteral("WARNING: APN field is empty\nDo you want to proceed?");
const Change kClient = set(&SetupRecord::Role, 1);
const Change kNoApn = set(&SetupRecord::APN, QStringLiteral(" "));

// A logged-in modem whose setup, the sample, was read a moment ago; the mail
// password is a read's placeholder.
struct Rig : ModemRig
{
    Rig()
    {
        sim.config().inCommandMode = true;
        openPort();
        session.FirmwareVersion = QStringLiteral("2.10");
        session.SerialNumber = QStringLiteral("MRL0012345");
        session.ModemSetup = sampleSetup();
        session.ModemSetup.XPas = QString(99, QLatin1Char('*'));
        session.EditSetup = session.ModemSetup;
    }

    // The command lines that followed the serial-number check.
    QStringList sentAfterSerial() const
    {
        const QStringList &lines = sim.receivedLines();
        return lines.mid(lines.indexOf(QStringLiteral("#SerialNum?")) + 1);
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
        QCOMPARE(sent.size(), loggerAndMail ? 21 : 15);
        QCOMPARE(sent.contains(QStringLiteral("#Logger=1")), loggerAndMail);
        QCOMPARE(rig.sim.setting("XPAS"), QStringLiteral("mailpass"));
        QCOMPARE(rig.session.FirmwareVersion, firmware);
        QCOMPARE(rig.session.state.status(), kSuccess);
        QCOMPARE(rig.session.Stoppable, Session::Operation::None);
        QVERIFY(rig.view.markCalls() > 0 && !rig.view.marked());
        // The write does not adopt the other modem: its next write sends everything again.
        QCOMPARE(rig.session.SerialNumber, QStringLiteral("MRL0099999"));
    }

    void validation_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<QString>("message"); // empty: the write may go
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QList<bool>>("answers"); // each to a question about the empty APN
        const auto row = [](const char *name, const Changes &changes, const QString &message,
                            const char *firmware = "2.10", const QList<bool> &answers = {}) {
            QTest::newRow(name) << changes << message << QString::fromLatin1(firmware) << answers;
        };
        const QString go;
        const auto time = [](std::array<double, 3> SetupRecord::*times, int device, double value) {
            return Change([times, device, value](SetupRecord &r) { (r.*times)[device] = value; });
        };

        row("as read", {}, go);
        // A client with mail on is asked in the mail check and again in the role check.
        row("client, mail on, no APN: yes then no", {kClient, kNoApn}, go, "2.10", {true, false});
        row("client, mail on, no APN: no", {kClient, kNoApn}, go, "2.10", {false});
        // 3.0 has no mail settings, so no mail check.
        row("client, mail on at 3.0, no APN: asked once", {kClient, kNoApn}, go, "3.0", {true});
        row("server, mail on, no APN", {kNoApn}, "APN may not be empty", "2.10", {true});
        row("data calls, mail off, no APN", {set(&SetupRecord::Role, 3), set(&SetupRecord::EmailInterval, 0), kNoApn},
            go);

        const QString badRecipient = QStringLiteral("Email recipient is not valid");
        row("recipient without a dot, interval 1",
            {set(&SetupRecord::EmailInterval, 1), set(&SetupRecord::ERecep, QStringLiteral("ops@example"))},
            badRecipient);
        row("recipient, mail off", {set(&SetupRecord::EmailInterval, 0), set(&SetupRecord::ERecep, QString())}, go);
        row("sender", {set(&SetupRecord::ESender, QStringLiteral("merolan@localhost"))}, "Email sender is not valid");
        row("recipient and sender: the first only",
            {set(&SetupRecord::ERecep, QString()), set(&SetupRecord::ESender, QString())}, badRecipient);
        row("blank mail server, before the role's problem",
            {kClient, set(&SetupRecord::MailServer, QStringLiteral("   ")), set(&SetupRecord::HostIP, QString())},
            "Email (SMTP) server may not be empty");
        row("client without server address", {kClient, set(&SetupRecord::HostIP, QStringLiteral("  "))},
            "Tessarin address may not be empty");
        row("client with port 0", {kClient, set(&SetupRecord::HostPort, 0)}, "Tessarin Port may not be 0");
        row("server with port 0", {set(&SetupRecord::HostPort, 0)}, go);

        // A CR would end the command line early and send the rest as a command of its own.
        for (const auto &[name, field] : {std::pair{"Tessarin address", &SetupRecord::HostIP},
                                          {"APN", &SetupRecord::APN},
                                          {"GPRS user", &SetupRecord::GPRSID},
                                          {"GPRS password", &SetupRecord::GPRSPass},
                                          {"Alarm SMS number", &SetupRecord::SMSNum},
                                          {"Email recipient", &SetupRecord::ERecep},
                                          {"Email sender", &SetupRecord::ESender},
                                          {"Email (SMTP) server", &SetupRecord::MailServer},
                                          {"Email (SMTP) user", &SetupRecord::XUser},
                                          {"Email (SMTP) password", &SetupRecord::XPas}})
            row(name, {set(field, QStringLiteral("a\rb"))},
                QLatin1String(name) + QStringLiteral(" contains characters that the Merolan cannot store"));
        row("unsendable text before the APN question", {kNoApn, set(&SetupRecord::XUser, QStringLiteral("\r"))},
            "Email (SMTP) user contains characters that the Merolan cannot store");

        row("role 0", {set(&SetupRecord::Role, 0)}, "Operating role 0 is not valid: it must be 1, 2 or 3");
        row("role 4", {set(&SetupRecord::Role, 4)}, "Operating role 4 is not valid: it must be 1, 2 or 3");
        row("logger -1 where it is sent", {set(&SetupRecord::Logger, -1)},
            "Logger mode -1 is not valid: it must be 0 or 1", "2.99");
        row("logger 2 where it is not sent", {set(&SetupRecord::Logger, 2)}, go, "3.0");
        row("baud 0", {set(&SetupRecord::Baud, 0)}, "Baud rate index 0 is not valid: it must be 1 to 7");
        row("baud 8", {set(&SetupRecord::Baud, 8)}, "Baud rate index 8 is not valid: it must be 1 to 7");
        // A port of 0 is the role's to judge (above): a client needs one.
        row("port -1", {set(&SetupRecord::HostPort, -1)}, "Server port -1 is not valid: it must be 0 to 65535");
        row("port 65535", {set(&SetupRecord::HostPort, 65535)}, go);
        row("port 65536", {set(&SetupRecord::HostPort, 65536)},
            "Server port 65536 is not valid: it must be 0 to 65535");
        row("interval 24", {set(&SetupRecord::EmailInterval, 24)}, go);
        row("interval 25", {set(&SetupRecord::EmailInterval, 25)},
            "Email interval 25 is not valid: it must be 0 to 24 hours");
        row("interval -3, as sent", {set(&SetupRecord::EmailInterval, -3)},
            "Email interval -03 is not valid: it must be 0 to 24 hours");
        row("time 1e300", {time(&SetupRecord::OnTime, 0, 1e300)}, "Device 1 ON time is not a time of day");
        row("time -5", {time(&SetupRecord::OffTime, 2, -5.0)}, "Device 3 OFF time is not a time of day");
        row("time a hair before midnight", {time(&SetupRecord::OffTime, 1, 0.9999)}, go);
        row("time midnight of the next day", {time(&SetupRecord::OnTime, 1, 1.0)},
            "Device 2 ON time is not a time of day");
    }

    void validation()
    {
        QFETCH(Changes, changes);
        QFETCH(QString, message);
        QFETCH(QList<bool>, answers);
        Rig rig;
        QFETCH(QString, firmware);
        rig.session.FirmwareVersion = firmware;
        for (const Change &change : changes)
            change(rig.session.EditSetup);
        for (const bool yes : answers)
            rig.prompt.answerQuestion(yes);

        const bool refused = ValidateSetup(rig.session);

        const bool userStopped = !answers.isEmpty() && !answers.last();
        QCOMPARE(refused, !message.isEmpty() || userStopped);
        QCOMPARE(rig.prompt.messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(rig.prompt.questions(), QStringList(answers.size(), kApnQuestion));
        QCOMPARE(rig.prompt.unusedAnswers(), 0);
        QVERIFY(rig.sim.wireIn().isEmpty());
    }

    // A read can leave values the modem itself reported but would not take back
    // (an empty role answer stores 0, a DEL passes the reply cleaning): they must
    // not block a write that does not send them, and must stop one that does.
    void oddValuesAreJudgedOnlyWhenSent()
    {
        Rig rig;
        SetupRecord &odd = rig.session.ModemSetup;
        odd.Role = 0;
        odd.Baud = 0;
        odd.Logger = 2;
        odd.APN = QStringLiteral("internet\x7f");
        rig.session.EditSetup = odd;

        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{});
        QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
        QCOMPARE(rig.session.state.status(), kNoChanges);

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
        QCOMPARE(rig.session.Stoppable, Session::Operation::None);
        QVERIFY(!rig.session.state.Writing);
    }

    // Forty recipients are more steps than the bar has: it stays full.
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
        QCOMPARE(highest, 30);
    }

    // What the pending view shows is what goes on the wire, the passwords in
    // clear there and masked on screen; a typed mail password alone is no change.
    void pendingLinesAreWhatTheWriteSends()
    {
        Rig rig;
        SetupRecord &e = rig.session.EditSetup;
        e.OffTime[1] = 0.75;
        e.GPRSPass = QStringLiteral("gprs-S3cret");
        e.XPas = QStringLiteral("mail-Pw9");
        QCOMPARE(PendingLines(rig.session, false),
                 (QStringList{"P2OFF=18:00", "GPRSPass=gprs-S3cret", "XPAS=mail-Pw9"}));
        QCOMPARE(ShownPendingLines(rig.session, false), (QStringList{"P2OFF=18:00", "GPRSPass=***", "XPAS=***"}));

        WriteClicked(rig.session);

        QCOMPARE(rig.sentAfterSerial(), (QStringList{"#P2OFF=18:00", "#GPRSPass=gprs-S3cret", "#XPAS=mail-Pw9"}));
        QCOMPARE(rig.session.state.status(), kSuccess);
        // Now the records agree, though the typed mail password is no placeholder.
        rig.sim.clearRecord();
        WriteClicked(rig.session);
        QCOMPARE(rig.sentAfterSerial(), QStringList{});
        QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
    }
};

QTEST_GUILESS_MAIN(TestWriteSetup)
#include "tst_writesetup.moc"