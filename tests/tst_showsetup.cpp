#include "modemrig.h"
#include "samplesetup.h"
#include "showsetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

class TestShowSetup : public QObject
{
    Q_OBJECT
private slots:
    // Caption forms checked with the read (APN, e-mail, rates) or with the
    // schedule times are not repeated here. Showing a record leaves it as it
    // is: right after a load both records are equal, whatever the controls
    // would store on a user's click.
    void show_data()
    {
        QTest::addColumn<Change>("change"); // to the sample: a server with a logger
        QTest::addColumn<Item>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("roleEntry");
        QTest::addColumn<bool>("loggerTicked");
        // Each row: the caption, the role entry and the logger box after the change.
        const auto row = [](const char *name, Item item, const char *caption, int entry, bool ticked,
                            const Change &change) {
            QTest::newRow(name) << change << item << QString::fromUtf8(caption) << entry << ticked;
        };
        // Times are fractions of a day.
        row("device 3", Item::lblTime2, "ON 10:50~21:00", 1, true, [](SetupRecord &r) { r.OnTime[2] = 650 / 1440.0; });
        row("baud outside the table", Item::lblBaud, "Baud: ", 1, true, [](SetupRecord &r) { r.Baud = 8; });
        // Showing a logger setup keeps its rate: only a click on the box sets 9600.
        row("logger keeps its rate", Item::lblBaud, "Baud: 115200", 1, true, [](SetupRecord &r) { r.Baud = 7; });
        row("server port", Item::lblServerPort, "Server IP port: 4001", 1, true, [](SetupRecord &) {});
        row("address cleaned", Item::lblTessarinIP, "host", 1, true, [](SetupRecord &r) { r.HostIP = " host\r\nX"; });
        // Cleaned first: a number of line ends only is none.
        row("sms line ends", Item::lblSMS, "Alarm SMS: Disabled", 1, true, [](SetupRecord &r) { r.SMSNum = "\r\n"; });
        row("user shortened after cleaning", Item::lblProviderUser, "User: user", 1, true,
            [](SetupRecord &r) { r.GPRSID = "user\tabcdefghijklmnop"; });
        row("client", Item::lblEmail, "Email: per 12h", 0, true, [](SetupRecord &r) { r.Role = 1; });
        row("data calls, no logger", Item::lblBaud, "Baud: 19200", 2, false, [](SetupRecord &r) {
            r.Role = 3;
            r.Logger = 0;
        });
        // Values no control has: shown as the read shows them, and kept.
        row("role 7, logger 2", Item::lblBaud, "Baud: 19200", -1, true, [](SetupRecord &r) {
            r.Role = 7;
            r.Logger = 2;
        });
    }

    void show()
    {
        QFETCH(Change, change);
        QFETCH(Item, item);
        ModemRig rig;
        SetupRecord shown = sampleSetup();
        change(shown);
        rig.session.EditSetup = rig.session.ModemSetup = shown;

        ShowSetup(rig.session);

        QTEST(rig.view.caption(item), "caption");
        QTEST(rig.view.roleEntry(), "roleEntry");
        QTEST(rig.view.loggerTicked(), "loggerTicked");
        QVERIFY(rig.session.EditSetup == shown);
        QVERIFY(rig.session.ModemSetup == shown);
        QVERIFY(rig.prompt.shown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShowSetup)
#include "tst_showsetup.moc"
