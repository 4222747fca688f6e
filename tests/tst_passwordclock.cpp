#include "connection.h"
#include "modemclock.h"
#include "modemrig.h"
#include "passwordclock.h"

#include <QtTest>

using Item = SetupView::Item;
using Answer = std::optional<QString>;
Q_DECLARE_METATYPE(Answer)

namespace {

const QString kPrompt =
    QStringLiteral("Type up to 8 characters for a new password. Leave field blank to disable the password.");
const QString kNotice = QStringLiteral("When Merolan is connected to:\n- Ombrilex-S v45.1 or newer, or\n"
                                       "- Ombrilex-P v6.12 or newer\nonly the data logger's password is used.\n"
                                       "would you like to change the Merolan password anyway?");

// A logged-in modem with password 4321 whose setup was read a moment ago.
struct Rig : ModemRig
{
    explicit Rig(const QString &firmware = QStringLiteral("3.01"))
    {
        sim.config().inCommandMode = true;
        sim.config().password = QStringLiteral("4321");
        openPort();
        session.FirmwareVersion = firmware;
        session.PasswordTag = QStringLiteral("Enabled");
        session.Password = QStringLiteral("4321");
    }
};

} // namespace

class TestPasswordClock : public QObject
{
    Q_OBJECT
private slots:
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

        const auto tooLong = passwordRetry(QStringLiteral("ABCDEFGHIJ"), QStringLiteral("12"));
        QVERIFY(tooLong);
        QCOMPARE(tooLong->prompt, kPrompt + "\n\nPassword ABCDEFGHIJ contains 10 characters. \n");
        QCOMPARE(tooLong->defaultText, QStringLiteral("12"));
        QCOMPARE(passwordRetry(QStringLiteral("ABCDEFGHI"), QString())->defaultText, QString());
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

QTEST_GUILESS_MAIN(TestPasswordClock)
#include "tst_passwordclock.moc"
