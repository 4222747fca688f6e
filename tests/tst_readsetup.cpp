#include "modemrig.h"
#include "readsetup.h"
#include "samplesetup.h"
#include "session.h"
#include "setupjson.h"
#include "showsetup.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

namespace {

// A logged-in modem on an open port.
struct Rig : ModemRig
{
    explicit Rig(const QString &identity = QStringLiteral("2.15"))
    {
        sim.config().inCommandMode = true;
        sim.config().identity = identity;
        openPort();
    }
};

} // namespace

// The read, reply by reply, and how a setup read or loaded is shown.
class TestReadSetup : public QObject
{
    Q_OBJECT
private slots:
    void fullRead_data()
    {
        QTest::addColumn<QString>("identity");
        QTest::addColumn<QString>("versionCaption");
        QTest::addColumn<double>("versionNumber");
        QTest::addColumn<bool>("emailShown");
        QTest::addColumn<bool>("emailAsked");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<qint16>("devices");
        const auto row = [](const char *name, QString identity, QString version, double number, bool shown, bool asked,
                            QString serial, qint16 devices) {
            QTest::newRow(name) << identity << version << number << shown << asked << serial << devices;
        };
        // The 4th character of the serial number tells how many devices the modem switches.
        row("plain", "BRANTHOLM MEROLAN si.2.10", "F/W: v2.10", 2.10, false, false, "MRL0012345", 3);
        row("gps", "BRANTHOLM MEROLAN-GPS sg.2.10", "F/W: v sg.2.10", 0.0, false, false, "MRLS012345", 1);
        // From version 3 on the modem keeps no e-mail settings.
        row("other 3.00", "3.00", "F/W: v3.00", 3.0, true, false, "MRLZ012345", 2);
        row("other 2.15", "2.15", "F/W: v2.15", 2.15, true, true, "MRLG012345", 9);
        row("short serial", "2.15", "F/W: v2.15", 2.15, true, true, "MRL", 3);
    }

    void fullRead()
    {
        QFETCH(QString, identity);
        QFETCH(bool, emailAsked);
        QFETCH(QString, serial);
        Rig rig(identity);
        rig.sim.config().serialNumber = serial;
        rig.session.DeviceCount = 0;
        QVERIFY(ReadSetup(rig.session));

        const QStringList expected = kReadQueries.mid(0, kReadQueries.size() - (emailAsked ? 0 : 5));
        QCOMPARE(rig.sim.receivedLines(), expected);
        QTEST(rig.view.caption(Item::lblVersion), "versionCaption");
        QTEST(rig.session.firmwareNumber(), "versionNumber");
        QTEST(rig.session.HasEmail, "emailShown");
        // The answered logger probe decides last, whatever the identification hid.
        QVERIFY(rig.view.isShown(Item::chkOmbrilex));
        QCOMPARE(rig.session.SerialNumber, serial);
        QTEST(rig.session.DeviceCount, "devices");
        QCOMPARE(rig.session.ModemClock, QStringLiteral("06-12-26,09:15:00"));
        QCOMPARE(rig.view.caption(Item::lblBattery), QStringLiteral("12.6V"));

        const SetupRecord &m = rig.session.ModemSetup;
        // Skipped e-mail settings keep what the record held.
        QCOMPARE(m.ERecep, emailAsked ? QStringLiteral("ops@example.net") : QString());
        QCOMPARE(m.XPas, emailAsked ? QString(99, QLatin1Char('*')) : QString());
        QVERIFY(rig.session.EditSetup == m);
        QCOMPARE(rig.session.state.progress(), expected.size()); // a step per query
        QVERIFY(rig.prompt.shown().isEmpty());
        // The marker is refreshed once, at the end: both records are equal.
        QCOMPARE(rig.view.markCalls(), 1);
        QVERIFY(!rig.view.marked());
    }

    // The logger type the calling program named, the modem's logger mode, and
    // whether the read asks the modem to turn its logger on.
    void loggerRequest()
    {
        const std::tuple<const char *, const char *, bool, qint16> rows[] = {
            {"40", "0", true, 1}, {"0", "0", false, 0}, {"abc", "0", false, 0}, {"40", "1", false, 1}};
        for (const auto &[loggerType, modemLogger, requested, logger] : rows) {
            Rig rig;
            rig.session.LoggerType = QLatin1String(loggerType);
            rig.sim.settings()[QStringLiteral("Logger")] = QLatin1String(modemLogger);
            QVERIFY(ReadSetup(rig.session));
            QCOMPARE(rig.sim.receivedLines().contains(QStringLiteral("#Logger=1")), requested);
            QCOMPARE(rig.session.ModemSetup.Logger, logger);
            QCOMPARE(rig.view.loggerTicked(), logger != 0);
        }
    }

    // One reply, its stored value, its caption and the fault shown for it.
    void replies_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Item>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QString key, QString reply, QString field, QString stored, Item label,
                            QString caption, QString message = {}) {
            QTest::newRow(name) << key << reply << field << stored << label << caption << message;
        };
        using enum Item;
        row("baud 115200", "BAUD", "The baud rate is 115200", "Baud", "115200", lblBaud, "Baud: 115200");
        row("57600, not in the table", "BAUD", "The baud rate is 57600", "Baud", "9600", lblBaud, "Baud: 57600");
        row("apn of 25", "APN", "APN:abcdefghijklmnopqrstuvwxy", "APN", "abcdefghijklmnopqrstuvwxy", lblAPN,
            "APN: abcdefghijklmn...");
        row("apn of 16", "APN", "APN=abcdefghijklmnop", "APN", "abcdefghijklmnop", lblAPN, "APN: abcdefghijklmnop");
        row("user of 17", "GPRSID", "GPRSID= abcdefghijklmnopq", "GPRSID", "abcdefghijklmnopq", lblProviderUser,
            "User: abcdefghijklmn...");
        // Only a time is stored; the caption shows the reply as the modem wrote it.
        row("time that is no time", "P3ON", "P3ON:late", "OnTime", "06:00 11:00 12:00", lblTime2, "ON late~07:00");
        row("host, other label", "HOSTIP", "HOSTIP= gw.site.example", "HostIP", "gw.site.example", lblTessarinIP,
            "gw.site.example");
        row("password", "GPRSPass", "GPRSPW=secret", "GPRSPass", "secret", lblProviderPWD, "PWD: secret");
        // The modem cannot mail less often than daily: more reads as off, yet shows.
        row("email 24", "Email", "Email Interval:24", "EmailInterval", "24", lblEmail, "Email: per 24h");
        row("email 25", "Email", "Email Interval:25", "EmailInterval", "0", lblEmail, "Email: per 25h");
        row("email 0", "Email", "Email Interval:0", "EmailInterval", "0", lblEmail, "Email: Disabled");
        row("email not a number", "Email", "Email Interval:soon", "EmailInterval", "0", lblEmail, "Email: Disabled",
            "Error 13: Type mismatch. L21");
        // Values that do not fit are not stored; the read goes on.
        row("port overflow", "HSTPORTNUMBER", "SERVERPORT=99999999999", "HostPort", "5", lblTessarinPort,
            "Port: 99999999999", "Error 6: Overflow. L16");
    }

    void replies()
    {
        QFETCH(QString, key);
        QFETCH(QString, reply);
        QFETCH(QString, field);
        QFETCH(Item, label);
        Rig rig;
        rig.sim.config().replyOverride[key] = reply;
        SetupRecord &m = rig.session.ModemSetup;
        m.HostPort = m.Role = m.Logger = m.EmailInterval = 5;
        m.OnTime[2] = 0.5;
        QVERIFY(ReadSetup(rig.session));

        const QJsonValue value = setupToJson(m).value(field);
        const QVariant asRead = value.toVariant();
        QTEST(value.isArray() ? asRead.toStringList().join(' ') : asRead.toString(), "stored");
        QTEST(rig.prompt.messages().join('|'), "message");
        QTEST(rig.view.caption(label), "caption");
    }

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

QTEST_GUILESS_MAIN(TestReadSetup)
#include "tst_readsetup.moc"
