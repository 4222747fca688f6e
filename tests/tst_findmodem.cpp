#include "connection.h"
#include "modemrig.h"
#include "session.h"

#include <QtTest>

using Item = SetupView::Item;

namespace {

const QString kLocalNotFound =
    QStringLiteral("Could not communicate with local Merolan.\n\n"
                   " - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.\r\n"
                   " - Make sure that the selected baud rate is correct.\r\n"
                   " - Make sure that the selected COM port is correct.");

// A modem on an open port, as Connect leaves it before the search.
struct Rig : ModemRig
{
    Rig() { openPort(); }
    QByteArray wire() const { return sim.wireIn(); }
    // The search ended up to 0.3 s (three polls) after the virtual instant.
    void checkEndedAt(qint64 ms) const
    {
        QVERIFY2(clock.now() >= ms && clock.now() < ms + 300, qPrintable(QString::number(clock.now())));
    }
};

} // namespace

class TestFindModem : public QObject
{
    Q_OBJECT
private slots:
    void silentModem_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("endsAt");
        QTest::addColumn<QString>("message");
        const QString remote = QStringLiteral(
            "Could not communicate with remote Merolan.\nIf connection dropped please Disconnect and Connect again.");
        QTest::newRow("local") << 0 << 0 << 22000 << kLocalNotFound;
        QTest::newRow("gsm") << 1 << 0 << 22000 << remote;
        QTest::newRow("network") << 2 << 0 << 22000 << remote;
        QTest::newRow("STOP during the search") << 0 << 8000 << 8000 << kLocalNotFound;
    }

    // A silent modem is nudged once, then given up after 20 s or at STOP;
    // either way it is handed back to automatic mode.
    void silentModem()
    {
        QFETCH(int, kind);
        QFETCH(int, stopAt);
        QFETCH(int, endsAt);
        QFETCH(QString, message);
        Rig rig;
        rig.sim.config().silent = true;
        rig.session.ConnectionKind = qint16(kind);
        if (stopAt)
            rig.clock.at(stopAt, [&] { rig.session.state.AbortRequested = true; });
        // The escape goes out after 2 s of quiet, the nudge 5 s later.
        QByteArray beforeNudge, afterNudge;
        rig.clock.at(6950, [&] { beforeNudge = rig.wire(); });
        rig.clock.at(7150, [&] { afterNudge = rig.wire(); });
        QStringList statuses;
        connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });

        QVERIFY(!FindModem(rig.session));
        // Every 5 s the search says how long it has waited: 4 times in 20 s.
        QCOMPARE(statuses.filter(QStringLiteral(" s of at most 20 s")).size(), stopAt ? 1 : 4);

        QCOMPARE(beforeNudge, QByteArray("###"));
        QCOMPARE(afterNudge, QByteArray("###\r\n"));
        QCOMPARE(rig.wire(), QByteArray("###\r\n#AUTO\r\n"));
        rig.checkEndedAt(endsAt);
        QCOMPARE(rig.session.state.status(), QStringLiteral("Merolan modem not found"));
        QCOMPARE(rig.prompt.messages(), QStringList{message});
        QCOMPARE(rig.prompt.shown().first().icon, UserPrompt::Icon::Warning);
        QVERIFY(!rig.session.state.Busy);
    }

    void login_data()
    {
        QTest::addColumn<QString>("modemPassword");
        QTest::addColumn<QByteArray>("says");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("endsAt");
        const auto row = [](const char *name, QString password, QByteArray says, QString typed, bool found,
                            QStringList sent, QString tag, int endsAt) {
            QTest::newRow(name) << password << says << typed << found << sent << tag << endsAt;
        };
        // The modem announces itself at 2.3 s and asks for its password at 5.3 s; the
        // password goes 1 s later, and a login waits 2 s for its leftovers.
        row("right", "1234", "", "1234", true, {"#PASSWORD=1234"}, "Enabled", 8500);
        row("wrong", "1234", "", "9999", false, {"#PASSWORD=9999"}, "Enabled", 6500);
        row("spaces kept as typed", " 12 ", "", " 12 ", true, {"#PASSWORD= 12 "}, "Enabled", 8500);
        row("spaces only count as none", "1234", "", "   ", false, {}, "Enabled", 5300);
        // A modem otherwise silent says this at 2.05 s, right after the escape.
        row("already in command mode", "", "ERROR\r\n", "77", true, {}, "earlier", 4100);
        row("no password, any letter case", "", "\r\nCommand Mode from PC\r\nNo Password\r\n", "77", true, {},
            "Disabled", 4200);
        // The password line draws no answer at all: a time-out counts as accepted.
        row("ERROR asking for the password", "", "ERROR\r\nENTER PASSWORD\r\n", "77", true, {"#PASSWORD=77"}, "Enabled",
            45300);
    }

    void login()
    {
        QFETCH(QString, modemPassword);
        QFETCH(QByteArray, says);
        QFETCH(QString, typed);
        QFETCH(bool, found);
        QFETCH(QStringList, sent);
        QFETCH(QString, tag);
        QFETCH(int, endsAt);
        Rig rig;
        rig.sim.config().password = modemPassword;
        rig.sim.config().silent = !says.isEmpty();
        rig.clock.at(2050, [&] { rig.sim.transmit(says); });
        rig.session.PasswordTag = QStringLiteral("earlier");
        rig.view.setCaption(Item::lblPWD, QStringLiteral("earlier"));
        rig.session.showPassword(typed);

        QCOMPARE(FindModem(rig.session), found);

        QCOMPARE(rig.sim.receivedLines().filter(QStringLiteral("#PASSWORD")), sent);
        QCOMPARE(rig.session.PasswordTag, tag);
        // The password line shows what this modem said, not an earlier one.
        QCOMPARE(rig.view.caption(Item::lblPWD),
                 tag == QLatin1String("earlier") ? tag : QStringLiteral("Password: ") + tag);
        // A modem without a password empties the password box.
        QCOMPARE(rig.view.caption(Item::txtPWD), tag == QLatin1String("Disabled") ? QString() : typed);
        // A refused login is not a missing modem: no hand-back, no not-found text.
        QVERIFY(!rig.wire().contains("#AUTO"));
        QCOMPARE(rig.prompt.messages(),
                 found ? QStringList()
                       : QStringList{QStringLiteral("Password rejected\n\nThe Merolan waits for its password: check "
                                                    "the password and connect again.")});
        QCOMPARE(rig.session.state.status(),
                 found ? QStringLiteral("Merolan modem ready.") : QStringLiteral("Password rejected"));
        QVERIFY(!rig.session.state.Busy);
        rig.checkEndedAt(endsAt);
    }

    // A refused login leaves the modem waiting for its password, refusing
    // every other command; it answers the next escape with "ERROR" as a
    // logged-in modem does. Connect must find out, and the right password
    // then logs in; a modem that is logged in is asked nothing more.
    void connectAfterRefusedPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("loggedInBefore");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("passwords");
        QTest::newRow("right password") << "1234" << false << int(ConnectResult::Ready)
                                        << QStringList{"#PASSWORD=1234"};
        QTest::newRow("no password") << "" << false << int(ConnectResult::NotFound) << QStringList{};
        QTest::newRow("logged in already") << "1234" << true << int(ConnectResult::Ready) << QStringList{};
    }

    void connectAfterRefusedPassword()
    {
        QFETCH(QString, typed);
        QFETCH(bool, loggedInBefore);
        QFETCH(int, result);
        QFETCH(QStringList, passwords);
        Rig rig;
        rig.sim.config().password = QStringLiteral("1234");
        rig.session.showPassword(loggedInBefore ? QStringLiteral("1234") : QStringLiteral("9999"));
        QCOMPARE(Connect(rig.session, QStringLiteral("ttyS0"), QStringLiteral("9600")),
                 loggedInBefore ? ConnectResult::Ready : ConnectResult::NotFound);
        QCOMPARE(rig.sim.loggedIn(), loggedInBefore);
        // The program ended without handing the modem back; a new one starts.
        rig.link.setPortOpen(false);
        rig.sim.clearRecord();
        rig.prompt.clear();
        rig.session.showPassword(typed);

        QCOMPARE(int(Connect(rig.session, QStringLiteral("ttyS0"), QStringLiteral("9600"))), result);

        QCOMPARE(rig.sim.receivedLines().filter(QStringLiteral("#PASSWORD")), passwords);
        QCOMPARE(rig.sim.receivedLines().mid(0, 2), (QStringList{"###", "#SerialNum?"}));
        QCOMPARE(rig.view.programming(), result == int(ConnectResult::Ready));
        if (result != int(ConnectResult::Ready))
            QCOMPARE(rig.prompt.messages().size(), 1);
    }

    // The bar runs through the search and again through the minute the modem
    // may take to synchronise with its data logger, and the status says every
    // 5 s how far the wait is; a minute without the password question is given up.
    void synchronisation()
    {
        Rig rig;
        rig.sim.config().escapeReplyMs = 1000;
        rig.sim.config().syncMs = 90000;
        int progressAtSyncStart = -1;
        std::pair<int, int> halfway;
        rig.clock.at(2000 + 950, [&] { progressAtSyncStart = rig.session.state.progress(); });
        rig.clock.at(2000 + 1000 + 30050, [&] {
            halfway = {rig.session.state.progress(), rig.session.state.progressMaximum()};
        });
        QStringList statuses;
        connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });

        QVERIFY(!FindModem(rig.session));

        QVERIFY2(progressAtSyncStart >= 8 && progressAtSyncStart <= 10,
                 qPrintable(QString::number(progressAtSyncStart)));
        QVERIFY2(halfway.first >= 299 && halfway.first <= 301 && halfway.second == 600,
                 qPrintable(QStringLiteral("%1 of %2").arg(halfway.first).arg(halfway.second)));
        QCOMPARE(statuses.filter(QStringLiteral("Synchronizing with data logger: ")).size(), 12); // 5 s to 60 s
        QVERIFY(statuses.contains(QStringLiteral("Synchronizing with data logger: 30 s of at most a minute...")));
        QVERIFY(statuses.contains(QStringLiteral("Merolan modem found. Synchronizing with data logger. This may take "
                                                 "up to a minute..")));
        // Escape at 2 s, announcement at 3 s, then 60 s of waiting.
        rig.checkEndedAt(63000);
        QVERIFY(rig.wire().endsWith("#AUTO\r\n"));
        QCOMPARE(rig.prompt.messages(), QStringList{kLocalNotFound});
    }
};

QTEST_GUILESS_MAIN(TestFindModem)
#include "tst_findmodem.moc"
