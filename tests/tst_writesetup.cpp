#include "connection.h"
#include "modemclock.h"
#include "modemrig.h"
#include "passwordclock.h"
#include "samplesetup.h"
#include "verifywrite.h"
#include "writesetup.h"

#include <QtTest>

#include <functional>

using Change = std::function<void(SetupRecord &)>;
using Changes = QList<Change>;
Q_DECLARE_METATYPE(Changes)
using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)
using Script = std::function<void(SimModem::Config &)>;
Q_DECLARE_METATYPE(Script)

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
const QString kPrompt =
    QStringLiteral("Type up to 8 characters for a new password. Leave field blank to disable the password.");
const QString kNotice = QStringLiteral("When Merolan is connected to:\n- Ombrilex-S v45.1 or newer, or\n"
                                       "- Ombrilex-P v6.12 or newer\nonly the data logger's password is used.\n"
                                       "would you like to change the Merolan password anyway?");

// A logged-in modem with password 4321 whose setup, the sample, was read a
// moment ago; the mail password is a read's placeholder.
struct Rig : ModemRig
{
    explicit Rig(const QString &firmware = QStringLiteral("2.10"))
    {
        sim.config().inCommandMode = true;
        sim.config().password = QStringLiteral("4321");
        openPort();
        session.FirmwareVersion = firmware;
        session.SerialNumber = QStringLiteral("MRL0012345");
        session.PasswordTag = QStringLiteral("Enabled");
        session.Password = QStringLiteral("4321");
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

// What changes the modem: the setup write, the password and the clock.
class TestWriteSetup : public QObject
{
    Q_OBJECT
private slots:
    // Another modem on the line gets every setting its firmware takes.
    void otherModemGetsEverything()
    {
        for (const auto &[firmware, loggerAndMail] : {std::pair{"2.50", true}, {"3.00", false}}) {
            Rig rig;
            rig.session.SerialNumber = QStringLiteral("MRL0099999");
            rig.sim.config().identity = QStringLiteral("BRANTHOLM MEROLAN si.") + QLatin1String(firmware);
            // The modem read before was a 1.0 (mail, no logger): the one on the line decides.
            rig.session.FirmwareVersion = QStringLiteral("1.0");
            // One line a recipient: more steps than the bar has, and it stays full.
            rig.session.EditSetup.ERecep =
                QStringLiteral("a@b.cd,e@f.gh,i@j.kl,m@n.op,q@r.st,u@v.wx,y@z.ab,c@d.ef,g@h.ij,k@l.mn,o@p.qr,s@t.uv");
            int highest = 0;
            connect(&rig.session.state, &OperationState::progressChanged,
                    [&](int value, int) { highest = qMax(highest, value); });

            WriteClicked(rig.session);

            // Every setting but the placeholder password; the format and order of the
            // lines are the setting lines' test.
            const QStringList sent = rig.sentAfterSerial();
            QCOMPARE(sent.size(), loggerAndMail ? 32 : 15);
            QCOMPARE(highest, loggerAndMail ? 30 : 14); // a step a setting line
            QCOMPARE(sent.contains(QStringLiteral("#Logger=1")), loggerAndMail);
            QCOMPARE(rig.sim.setting("XPAS"), QStringLiteral("mailpass"));
            QCOMPARE(rig.sim.setting("ERecep"),
                     loggerAndMail ? rig.session.EditSetup.ERecep : QStringLiteral("ops@example.net"));
            QCOMPARE(rig.session.FirmwareVersion, QLatin1String(firmware));
            QCOMPARE(rig.session.state.status(), kSuccess);
            QVERIFY(rig.view.markCalls() > 0 && !rig.view.marked());
            // The write does not adopt the other modem: its next write sends everything again.
            QCOMPARE(rig.session.SerialNumber, QStringLiteral("MRL0099999"));
        }
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

        row("as read", {}, go);
        // A client with mail on is asked in the mail check and again in the role check.
        row("client, mail on, no APN: yes then no", {kClient, kNoApn}, go, "2.10", {true, false});
        // 3.0 has no mail settings, so no mail check.
        row("client, mail on at 3.0, no APN: asked once", {kClient, kNoApn}, go, "3.0", {true});
        row("server, mail on, no APN", {kNoApn}, "APN may not be empty", "2.10", {true});

        const QString badRecipient = QStringLiteral("Email recipient is not valid");
        row("recipient without a dot, interval 1",
            {set(&SetupRecord::EmailInterval, 1), set(&SetupRecord::ERecep, QStringLiteral("ops@example"))},
            badRecipient);
        row("recipient, mail off", {set(&SetupRecord::EmailInterval, 0), set(&SetupRecord::ERecep, QString())}, go);
        row("sender", {set(&SetupRecord::ESender, QStringLiteral("merolan@localhost"))}, "Email sender is not valid");
        row("blank mail server, before the role's problem",
            {kClient, set(&SetupRecord::MailServer, QStringLiteral("   ")), set(&SetupRecord::HostIP, QString())},
            "Email (SMTP) server may not be empty");
        row("client without server address", {kClient, set(&SetupRecord::HostIP, QStringLiteral("  "))},
            "Tessarin address may not be empty");
        row("client with port 0", {kClient, set(&SetupRecord::HostPort, 0)}, "Tessarin Port may not be 0");
        row("server with port 0", {set(&SetupRecord::HostPort, 0)}, go);

        // A CR would end the command line early and send the rest as a command of
        // its own; the first and the last field the check knows.
        for (const auto &[name, field] :
             {std::pair{"Tessarin address", &SetupRecord::HostIP}, {"Email (SMTP) password", &SetupRecord::XPas}})
            row(name, {set(field, QStringLiteral("a\rb"))},
                QLatin1String(name) + QStringLiteral(" contains characters that the Merolan cannot store"));
        row("unsendable text before the APN question", {kNoApn, set(&SetupRecord::XUser, QStringLiteral("\r"))},
            "Email (SMTP) user contains characters that the Merolan cannot store");
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
        rig.session.EditSetup.HostPort = 5020;

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
    }

    // A whole write read back: each setting against what was sent, passwords
    // masked, the mail password never asked; the next write sends what the
    // modem holds otherwise. A second look reports the same: it goes by what
    // was sent, not by what the first one took.
    void verifiedWrite_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<Script>("modem"); // how the modem answers after the write
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<QStringList>("outcome");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("resend");
        const Change sms = set(&SetupRecord::SMSNum, QStringLiteral("+306900000001"));
        QTest::newRow("as sent, mail password")
            << Changes{[](SetupRecord &r) { r.OnTime[1] = 0.3; }, set(&SetupRecord::Baud, 6),
                       set(&SetupRecord::XPas, QStringLiteral("mail-Pw9")),
                       set(&SetupRecord::ERecep, QStringLiteral("ops@site.example,,duty@site.example"))}
            << Script() << QStringList{"#P2ON?", "#BAUD?", "#ERecep?"}
            << QStringList{"Verified: P2ON", "Verified: BAUD", "Verified: ERecep", "Not verifiable: XPAS"}
            << "Setup verify finished." << QStringList{};
        QTest::newRow("other SMS number and GPRS password")
            << Changes{sms, set(&SetupRecord::GPRSPass, QStringLiteral("gprs-S3cret"))}
            << Script([](SimModem::Config &c) {
                   c.replyOverride = {{"SMSNUM", "SMSNUM=+306800000001"}, {"GPRSPass", "GPRS Password:gprs-0ther"}};
               })
            << QStringList{"#SMSNUM?", "#GPRSPass?"}
            << QStringList{"Mismatch: SMSNUM: sent +306900000001, the Merolan reports +306800000001",
                           "Mismatch: GPRSPass: sent ***, the Merolan reports ***"}
            << "Setup verify failed. Mismatch: SMSNUM, GPRSPass"
            << QStringList{"SMSNUM=+306900000001", "GPRSPass=gprs-S3cret"};
        QTest::newRow("refused and silent queries")
            << Changes{sms, set(&SetupRecord::APN, QStringLiteral("fleet.apn")), set(&SetupRecord::HostPort, 5020)}
            << Script([](SimModem::Config &c) {
                   c.faults = {{SimModem::Fault::Silence, "SMSNUM?"}, {SimModem::Fault::Error, "APN?"}};
               })
            << QStringList{"#SMSNUM?", "#APN?", "#HSTPORTNUMBER?"}
            << QStringList{"Verified: HSTPORTNUMBER", "Not confirmed: SMSNUM", "Not confirmed: APN"}
            << "Setup verify incomplete. Not confirmed: SMSNUM, APN" << QStringList{};
    }

    void verifiedWrite()
    {
        QFETCH(Changes, changes);
        QFETCH(Script, modem);
        QFETCH(QStringList, queries);
        Rig rig;
        for (const Change &change : changes)
            change(rig.session.EditSetup);
        WriteClicked(rig.session);
        QCOMPARE(rig.session.state.status(), kSuccess);
        if (modem)
            modem(rig.sim.config());
        rig.sim.clearRecord();

        VerifyWrite(rig.session);
        const VerifyOutcome v = VerifyWrite(rig.session);

        QStringList outcome;
        for (const QString &key : v.verified)
            outcome << "Verified: " + key;
        for (const VerifyOutcome::Mismatch &m : v.mismatched)
            outcome << "Mismatch: " + m.text();
        for (const auto &[heading, keys] :
             {std::pair{"Not verifiable: ", v.notVerifiable}, {"Not confirmed: ", v.notConfirmed}})
            for (const QString &key : keys)
                outcome << heading + key;
        QTEST(outcome, "outcome");
        QCOMPARE(rig.sim.receivedLines(), queries + queries);
        QTEST(rig.session.state.status(), "status");
        QTEST(PendingLines(rig.session, false), "resend");
        QCOMPARE(rig.session.Stoppable, Session::Operation::None);
        // Nothing left to send, though a typed mail password is no placeholder:
        // the next write says so and sends nothing.
        if (PendingLines(rig.session, false).isEmpty()) {
            rig.sim.clearRecord();
            WriteClicked(rig.session);
            QCOMPARE(rig.sentAfterSerial(), QStringList{});
            QCOMPARE(rig.prompt.messages(), QStringList{kNoChanges});
        }
    }

    void clockText()
    {
        const QDateTime fifthOfMarch(QDate(2012, 3, 5), QTime(14, 7, 9));
        QCOMPARE(modemClockText(fifthOfMarch), QStringLiteral("05-03-12,14:07:09"));
        QCOMPARE(parseModemClock(QStringLiteral("05-03-12,14:07:09")), std::optional(fifthOfMarch));
        QCOMPARE(parseModemClock(QStringLiteral("Time 05-03-12,14:07:09 UTC")), std::optional(fifthOfMarch));
        for (const char *noTime : {"", "ERROR", "31-02-12,14:07:09", "05-03-12 14:07:09", "05-03-12,24:00:00"})
            QCOMPARE(parseModemClock(QLatin1String(noTime)), std::nullopt);

        // The modem counts whole seconds: the arrival's fraction rounds.
        const QDateTime modem(QDate(2026, 12, 6), QTime(9, 17, 13));
        QCOMPARE(clockDrift(modem, modem.addMSecs(-133499)), 133);
        QCOMPARE(clockDrift(modem, modem.addMSecs(-133500)), 134);
        QCOMPARE(clockDrift(modem, modem.addMSecs(499)), 0);
        QCOMPARE(clockDrift(modem, modem.addMSecs(500)), -1);
        QCOMPARE(clockDrift(modem, modem.addDays(2)), -172800);
    }

    // The drift's words, whether Set is urged (past a minute), and what the tip says.
    void driftWords()
    {
        const std::tuple<qint64, const char *, bool, QStringList> rows[] = {
            {0, "0 s", false, {"The Merolan's clock agrees with this computer's local time."}},
            {60, "+1 min 0 s", false, {"clock is 1 min 0 s ahead of this computer's local time."}},
            {61, "+1 min 1 s", true, {"1 min 1 s ahead"}},
            {-3720, "-1 h 2 min", true, {"1 h 2 min behind", "about 1 h is usually a time zone"}}};
        for (const auto &[seconds, text, wantsSet, tipSays] : rows) {
            QCOMPARE(driftText(seconds), QLatin1String(text));
            QCOMPARE(driftWantsSet(seconds), wantsSet);
            const QString tip = driftToolTip(seconds);
            for (const QString &part : tipSays)
                QVERIFY2(tip.contains(part), qPrintable(tip));
            QCOMPARE(tip.contains(QLatin1String("Click Set to set it from this computer's clock.")), wantsSet);
            QCOMPARE(tip.contains(QLatin1String("time zone")), seconds == -3720);
        }
        // Two minutes past whole hours is no longer a time zone.
        QVERIFY(!driftToolTip(3600 + 121).contains(QLatin1String("time zone")));
    }

    void retryBoxes()
    {
        QCOMPARE(passwordRetry(QString(), QString()), std::nullopt);
        QCOMPARE(passwordRetry(QStringLiteral("AZ09[\\]^"), QString()), std::nullopt);

        const auto invalid = passwordRetry(QStringLiteral("abc12"), QStringLiteral("OLD"));
        QVERIFY(invalid);
        QCOMPARE(invalid->prompt, kPrompt + "\n\nPassword abc12 contains invalid characters. \nSuggested password:");
        QCOMPARE(invalid->defaultText, QStringLiteral("12"));

        // One past the eight the modem keeps; the box offers the old password.
        const auto tooLong = passwordRetry(QStringLiteral("ABCDEFGHI"), QStringLiteral("12"));
        QVERIFY(tooLong);
        QCOMPARE(tooLong->prompt, kPrompt + "\n\nPassword ABCDEFGHI contains 9 characters. \n");
        QCOMPARE(tooLong->defaultText, QStringLiteral("12"));
    }

    // The Change link: what the user answers, what goes on the wire, what the
    // session holds afterwards. Firmware 2.x first warns that the data
    // logger's password may rule.
    void changePassword_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QList<bool>>("notice");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("tagAfter");
        const auto row = [](const char *name, const char *firmware, QList<bool> notice, QList<Answer> answers,
                            const char *sent, const char *status, const char *password, const char *tag = "Enabled",
                            const char *tagAfter = "Enabled") {
            QTest::newRow(name) << QString(firmware) << QString(tag) << notice << answers << QString(sent)
                                << QString(status) << QString(password) << QString(tagAfter);
        };
        const char *enabled = "Password Enabled successfully.";
        row("new password", "3.00", {}, {"5678"}, "#PASSWORD=4321,5678", enabled, "5678");
        row("invalid, then the suggestion", "1.90", {}, {"abc12", "12"}, "#PASSWORD=4321,12", enabled, "12");
        row("empty disables", "3.01", {}, {""}, "#PASSWORD=4321,", "Password Disabled successfully.", "", "Enabled",
            "Disabled");
        // Backing out never removes the modem's protection.
        row("cancel", "3.01", {}, {std::nullopt}, "", "", "4321");
        row("cancel in the retry box", "3.01", {}, {"ABCDEFGHIJ", std::nullopt}, "", "", "4321");
        row("disabled stays disabled", "3.01", {}, {""}, "", "Password is disabled already.", "4321", "Disabled",
            "Disabled");
        row("notice at 2.00, no", "2.00", {false}, {}, "", "", "4321");
        row("notice at 2.99, yes", "2.99", {true}, {"77"}, "#PASSWORD=4321,77", enabled, "77");
    }

    void changePassword()
    {
        QFETCH(QString, firmware);
        QFETCH(QString, tag);
        QFETCH(QList<bool>, notice);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, sent);
        Rig rig(firmware);
        rig.session.PasswordTag = tag;
        for (const bool yes : notice)
            rig.prompt.answerQuestion(yes);
        for (const Answer &a : answers)
            rig.prompt.answerInput(a);

        PasswordClicked(rig.session);

        QCOMPARE(rig.sim.receivedLines().filter(QLatin1String("#PASSWORD")),
                 sent.isEmpty() ? QStringList{} : QStringList{sent});
        QTEST(rig.session.state.status(), "status");
        QTEST(rig.session.Password, "password");
        QTEST(rig.session.PasswordTag, "tagAfter");
        QCOMPARE(rig.prompt.questions(), QStringList(notice.size(), kNotice));
        QCOMPARE(rig.prompt.unusedAnswers(), 0);
        QCOMPARE(rig.prompt.unexpected(), QStringList{});
        QCOMPARE(rig.prompt.messages(), QStringList{});
    }
};

QTEST_GUILESS_MAIN(TestWriteSetup)
#include "tst_writesetup.moc"