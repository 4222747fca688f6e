#include "modemrig.h"
#include "showsetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

namespace {

struct Rig : ModemRig
{
    // A setup that has just become the baseline, as a load leaves it.
    void show(const Change &change)
    {
        change(session.EditSetup);
        session.ModemSetup = session.EditSetup;
        ShowSetup(session);
    }
};

} // namespace

class TestShowSetup : public QObject
{
    Q_OBJECT
private slots:
    // Caption forms checked with the read (APN, e-mail, rates) or with the
    // schedule times are not repeated here.
    void captions_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Item>("item");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const Change &change, Item item, QString caption) {
            QTest::newRow(name) << change << item << caption;
        };
        // Times are fractions of a day.
        row(
            "device 3",
            [](SetupRecord &r) {
                r.OnTime[2] = 650 / 1440.0;
                r.OffTime[2] = 660 / 1440.0;
            },
            Item::lblTime2, "ON 10:50~11:00");
        row(
            "baud outside the table", [](SetupRecord &r) { r.Baud = 8; }, Item::lblBaud, "Baud: ");
        // Showing a logger setup keeps its rate: only a click on the box sets 9600.
        row(
            "logger keeps its rate",
            [](SetupRecord &r) {
                r.Logger = 1;
                r.Baud = 7;
            },
            Item::lblBaud, "Baud: 115200");
        row(
            "server port", [](SetupRecord &r) { r.HostPort = 1023; }, Item::lblServerPort, "Server IP port: 1023");
        row(
            "address cleaned", [](SetupRecord &r) { r.HostIP = " host\r\nX"; }, Item::lblTessarinIP, "host");
        row(
            "email 12", [](SetupRecord &r) { r.EmailInterval = 12; }, Item::lblEmail, "Email: per 12h");
        // Cleaned first: a number of line ends only is none.
        row(
            "sms line ends", [](SetupRecord &r) { r.SMSNum = "\r\n"; }, Item::lblSMS, "Alarm SMS: Disabled");
        row(
            "user shortened after cleaning", [](SetupRecord &r) { r.GPRSID = "user\tabcdefghijklmnop"; },
            Item::lblProviderUser, "User: user");
        row(
            "password in clear", [](SetupRecord &r) { r.GPRSPass = "0123456789abcdefXYZ"; }, Item::lblProviderPWD,
            "PWD: 0123456789abcd...");
    }

    void captions()
    {
        QFETCH(Change, change);
        QFETCH(Item, item);
        QFETCH(QString, caption);
        Rig rig;
        rig.show(change);
        QCOMPARE(rig.view.caption(item), caption);
    }

    void roleAndLogger_data()
    {
        QTest::addColumn<qint16>("role");
        QTest::addColumn<qint16>("logger");
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("client, logger") << qint16(1) << qint16(1) << 0 << true;
        QTest::newRow("server, devices") << qint16(2) << qint16(0) << 1 << false;
        QTest::newRow("data calls") << qint16(3) << qint16(0) << 2 << false;
        // Values no control has: shown as the read shows them, and kept.
        QTest::newRow("role 7, logger 2") << qint16(7) << qint16(2) << -1 << true;
    }

    // Showing a record leaves it as it is: right after a load both records are
    // equal, whatever the controls would store on a user's click.
    void roleAndLogger()
    {
        QFETCH(qint16, role);
        QFETCH(qint16, logger);
        QFETCH(int, entry);
        QFETCH(bool, ticked);
        Rig rig;
        rig.show([&](SetupRecord &r) {
            r.Role = role;
            r.Logger = logger;
            r.Baud = 6;
        });

        QCOMPARE(rig.view.roleEntry(), entry);
        QCOMPARE(rig.view.loggerTicked(), ticked);
        QVERIFY(rig.session.EditSetup == rig.session.ModemSetup);
        QCOMPARE(rig.session.EditSetup.Role, role);
        QCOMPARE(rig.session.EditSetup.Logger, logger);
        QCOMPARE(rig.session.EditSetup.Baud, 6);
        QVERIFY(rig.prompt.shown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShowSetup)
#include "tst_showsetup.moc"
