#include "findmodem.h"
#include "modemrig.h"
#include "session.h"

#include <QtTest>

using Item = SetupView::Item;

namespace {

const QString kLocalNotFound = QStringLiteral(
    "Could not communicate with local Merolan.\n\n"
    " - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.\r\n"
    " - Make sure that the selected baud rate is correct.\r\n"
    " - Make sure that the selected COM port is correct.");
const QString kRemoteNotFound = QStringLiteral(
    "Could not communicate with remote Merolan.\nIf connection dropped please Disconnect and Connect again.");

// A modem on an open port, as Connect leaves it before the search.
struct Rig : ModemRig
{

    Rig()
    {
        openPort();
    }
    QByteArray wire() const { return sim.wireIn(); }
    // The modem says something unusual at a virtual instant.
    void modemSays(qint64 at, const QByteArray &text)
    {
        clock.at(at, [this, text] { sim.transmit(text); });
    }
};

} // namespace

class TestFindModem : public QObject
{
    Q_OBJECT
private slots:
    void silentModemIsNudgedOnceThenGivenUp_data();
    void silentModemIsNudgedOnceThenGivenUp();
    void passwordLogin_data();
    void passwordLogin();
    void noPasswordInAnyLetterCase();
    void modemAlreadyInCommandMode();
    void errorWithPasswordTextGoesToLogin();
    void progressDuringSearchAndSync();
    void synchronisationGivesUpAfterAMinute();
    void stopDuringSearch();
};

void TestFindModem::silentModemIsNudgedOnceThenGivenUp_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("local") << 0 << kLocalNotFound;
    QTest::newRow("gsm") << 1 << kRemoteNotFound;
    QTest::newRow("network") << 2 << kRemoteNotFound;
}

void TestFindModem::silentModemIsNudgedOnceThenGivenUp()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    Rig rig;
    rig.sim.config().silent = true;
    rig.session.ConnectionKind = qint16(kind);
    QByteArray beforeNudge, afterNudge;
    // The escape goes out after 2 s of quiet, the nudge 5 s later.
    rig.clock.at(6950, [&] { beforeNudge = rig.wire(); });
    rig.clock.at(7150, [&] { afterNudge = rig.wire(); });

    QVERIFY(!FindModem(rig.session));

    QCOMPARE(beforeNudge, QByteArray("###"));
    QCOMPARE(afterNudge, QByteArray("###\r\n"));
    QCOMPARE(rig.wire(), QByteArray("###\r\n#AUTO\r\n"));
    QVERIFY2(rig.clock.now() >= 22000 && rig.clock.now() < 22300, qPrintable(QString::number(rig.clock.now())));
    QCOMPARE(rig.session.state.status(), QStringLiteral("Merolan modem not found"));
    QCOMPARE(rig.prompt.messages(), QStringList{message});
    QCOMPARE(rig.prompt.shown().first().icon, UserPrompt::Icon::Warning);
    QVERIFY(!rig.session.state.Busy);
}

void TestFindModem::passwordLogin_data()
{
    QTest::addColumn<QString>("modemPassword");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("passwordLine");
    QTest::newRow("right") << "1234" << "1234" << true << QByteArray("#PASSWORD=1234\r\n");
    QTest::newRow("wrong") << "1234" << "9999" << false << QByteArray("#PASSWORD=9999\r\n");
    QTest::newRow("spaces kept as typed") << " 12 " << " 12 " << true << QByteArray("#PASSWORD= 12 \r\n");
    QTest::newRow("spaces only count as none") << "1234" << "   " << false << QByteArray();
    QTest::newRow("empty") << "1234" << "" << false << QByteArray();
}

void TestFindModem::passwordLogin()
{
    QFETCH(QString, modemPassword);
    QFETCH(QString, typed);
    QFETCH(bool, found);
    QFETCH(QByteArray, passwordLine);
    Rig rig;
    rig.sim.config().password = modemPassword;
    rig.view.setCaption(Item::txtPWD, typed);

    QCOMPARE(FindModem(rig.session), found);

    QCOMPARE(rig.view.caption(Item::lblPWD), QStringLiteral("Password: Enabled"));
    QCOMPARE(rig.session.PasswordTag, QStringLiteral("Enabled"));
    QCOMPARE(rig.wire().count("#PASSWORD="), passwordLine.isEmpty() ? 0 : 1);
    if (!passwordLine.isEmpty())
        QVERIFY(rig.wire().contains(passwordLine));
    QVERIFY(!rig.session.state.Busy);
    if (found) {
        QVERIFY(rig.sim.loggedIn());
        QVERIFY(rig.prompt.messages().isEmpty());
        QCOMPARE(rig.session.state.status(), QStringLiteral("Merolan modem ready."));
    } else {
        // A refused login is not a missing modem: no hand-back, no not-found text.
        QVERIFY(!rig.wire().contains("#AUTO"));
        QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Password rejected")});
        QCOMPARE(rig.session.state.status(), QStringLiteral("Password rejected"));
    }
}

void TestFindModem::noPasswordInAnyLetterCase()
{
    Rig rig;
    rig.sim.config().silent = true;
    rig.view.setCaption(Item::txtPWD, QStringLiteral("OLD"));
    rig.modemSays(2500, "\r\nCommand Mode from PC\r\n");
    rig.modemSays(4000, "\r\nNo Password\r\n");

    QVERIFY(FindModem(rig.session));

    QVERIFY(!rig.wire().contains("#PASSWORD"));
    QCOMPARE(rig.session.PasswordTag, QStringLiteral("Disabled"));
    QCOMPARE(rig.view.caption(Item::txtPWD), QString());
    QVERIFY(rig.prompt.messages().isEmpty());
}

void TestFindModem::modemAlreadyInCommandMode()
{
    Rig rig;
    rig.sim.config().inCommandMode = true;
    QStringList statuses;
    connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });

    QVERIFY(FindModem(rig.session));

    QCOMPARE(statuses, (QStringList{QStringLiteral("Searching for Merolan modem..."), QStringLiteral("Merolan modem ready.")}));
    QVERIFY(!rig.wire().contains("#PASSWORD"));
    QVERIFY(!rig.wire().contains("\r\n")); // ready at the first poll: no nudge
    // 2 s of quiet, the first poll, then 2 s for the login's leftovers.
    QVERIFY2(rig.clock.now() >= 4100 && rig.clock.now() < 4400, qPrintable(QString::number(rig.clock.now())));
}

void TestFindModem::errorWithPasswordTextGoesToLogin()
{
    Rig rig;
    rig.sim.config().silent = true;
    rig.view.setCaption(Item::txtPWD, QStringLiteral("77"));
    rig.modemSays(2050, "ERROR\r\nENTER PASSWORD\r\n");

    // The password line draws no answer at all: a time-out counts as accepted.
    QVERIFY(FindModem(rig.session));

    QVERIFY(rig.wire().contains("#PASSWORD=77\r\n"));
    QCOMPARE(rig.session.PasswordTag, QStringLiteral("Enabled"));
    QVERIFY2(rig.clock.now() >= 45300 && rig.clock.now() < 45600, qPrintable(QString::number(rig.clock.now())));
}

void TestFindModem::progressDuringSearchAndSync()
{
    Rig rig;
    rig.sim.config().escapeReplyMs = 1000;
    rig.sim.config().syncMs = 30000;
    int progressAtSyncStart = -1;
    rig.clock.at(2000 + 1000 + 250, [&] { progressAtSyncStart = rig.session.state.progress(); });

    QVERIFY(FindModem(rig.session));

    QCOMPARE(rig.session.state.progressMaximum(), 300);
    QVERIFY2(progressAtSyncStart >= 9 && progressAtSyncStart <= 11, qPrintable(QString::number(progressAtSyncStart)));
    // Half a minute of synchronisation does not move the bar.
    QCOMPARE(rig.session.state.progress(), progressAtSyncStart);
}

void TestFindModem::synchronisationGivesUpAfterAMinute()
{
    Rig rig;
    rig.sim.config().escapeReplyMs = 500;
    rig.sim.config().syncMs = 90000;

    QVERIFY(!FindModem(rig.session));

    // Escape at 2 s, announcement seen at the poll of 2.5 s, then 60 s of waiting.
    QVERIFY2(rig.clock.now() >= 62500 && rig.clock.now() < 62700, qPrintable(QString::number(rig.clock.now())));
    QVERIFY(rig.wire().endsWith("#AUTO\r\n"));
    QCOMPARE(rig.prompt.messages(), QStringList{kLocalNotFound});
}

void TestFindModem::stopDuringSearch()
{
    Rig rig;
    rig.sim.config().silent = true;
    rig.clock.at(3000, [&] { rig.session.state.AbortRequested = true; });

    QVERIFY(!FindModem(rig.session));

    QVERIFY(rig.clock.now() < 3300);
    QCOMPARE(rig.wire(), QByteArray("####AUTO\r\n"));
    QCOMPARE(rig.session.state.status(), QStringLiteral("Merolan modem not found"));
    QVERIFY(!rig.session.state.Busy);
}

QTEST_GUILESS_MAIN(TestFindModem)
#include "tst_findmodem.moc"
