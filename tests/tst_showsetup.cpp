#include "modemrig.h"
#include "session.h"
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

double at(int hours, int minutes)
{
    return (hours * 60 + minutes) / 1440.0;
}

} // namespace

class TestShowSetup : public QObject
{
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void roleAndLogger_data();
    void roleAndLogger();
};

void TestShowSetup::captions_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<Item>("item");
    QTest::addColumn<QString>("caption");
    const Change none = [](SetupRecord &) { };
    QTest::newRow("fresh: device 1") << none << Item::lblTime0 << "ALWAYS OFF";
    QTest::newRow("fresh: device 3") << none << Item::lblTime2 << "ALWAYS OFF";
    QTest::newRow("always on") << Change([](SetupRecord &r) { r.OnTime[1] = at(11, 0); r.OffTime[1] = at(10, 50); })
                               << Item::lblTime1 << "ALWAYS ON";
    QTest::newRow("daily") << Change([](SetupRecord &r) { r.OnTime[0] = at(6, 0); r.OffTime[0] = at(18, 30); })
                           << Item::lblTime0 << "ON 06:00~18:30";
    QTest::newRow("reversed always-on pair")
        << Change([](SetupRecord &r) { r.OnTime[2] = at(10, 50); r.OffTime[2] = at(11, 0); }) << Item::lblTime2
        << "ON 10:50~11:00";
    QTest::newRow("baud 7") << Change([](SetupRecord &r) { r.Baud = 7; }) << Item::lblBaud << "Baud: 115200";
    QTest::newRow("baud 4") << Change([](SetupRecord &r) { r.Baud = 4; }) << Item::lblBaud << "Baud: 9600";
    QTest::newRow("baud unknown") << none << Item::lblBaud << "Baud: ";
    QTest::newRow("baud outside the table") << Change([](SetupRecord &r) { r.Baud = 8; }) << Item::lblBaud << "Baud: ";
    // Logger mode means 9600 to the logger, whatever the file held.
    QTest::newRow("logger forces 9600") << Change([](SetupRecord &r) { r.Logger = 1; r.Baud = 2; }) << Item::lblBaud
                                        << "Baud: 9600";
    QTest::newRow("port") << Change([](SetupRecord &r) { r.HostPort = 1023; }) << Item::lblTessarinPort << "Port: 1023";
    QTest::newRow("server port") << Change([](SetupRecord &r) { r.HostPort = 1023; }) << Item::lblServerPort
                                 << "Server IP port: 1023";
    QTest::newRow("address cleaned") << Change([](SetupRecord &r) { r.HostIP = QStringLiteral(" host\r\nX"); })
                                     << Item::lblTessarinIP << "host";
    QTest::newRow("email 12") << Change([](SetupRecord &r) { r.EmailInterval = 12; }) << Item::lblEmail
                              << "Email: per 12h";
    QTest::newRow("email 0") << none << Item::lblEmail << "Email: Disabled";
    QTest::newRow("sms none") << none << Item::lblSMS << "Alarm SMS: Disabled";
    QTest::newRow("sms with CR") << Change([](SetupRecord &r) { r.SMSNum = QStringLiteral("+30691\r"); })
                                 << Item::lblSMS << "Alarm SMS: +30691";
    QTest::newRow("apn 16") << Change([](SetupRecord &r) { r.APN = QStringLiteral("abcdefghijklmnop"); })
                            << Item::lblAPN << "APN: abcdefghijklmnop";
    QTest::newRow("apn 17") << Change([](SetupRecord &r) { r.APN = QStringLiteral("abcdefghijklmnopq"); })
                            << Item::lblAPN << "APN: abcdefghijklmn...";
    QTest::newRow("user shortened after cleaning")
        << Change([](SetupRecord &r) { r.GPRSID = QStringLiteral("user\tabcdefghijklmnop"); }) << Item::lblProviderUser
        << "User: user";
    QTest::newRow("password in clear") << Change([](SetupRecord &r) { r.GPRSPass = QStringLiteral("0123456789abcdefXYZ"); })
                                       << Item::lblProviderPWD << "PWD: 0123456789abcd...";
}

void TestShowSetup::captions()
{
    QFETCH(Change, change);
    QFETCH(Item, item);
    QFETCH(QString, caption);
    Rig rig;
    rig.show(change);
    QCOMPARE(rig.view.caption(item), caption);
}

void TestShowSetup::roleAndLogger_data()
{
    QTest::addColumn<qint16>("role");
    QTest::addColumn<qint16>("logger");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("changed");
    QTest::newRow("client, logger") << qint16(1) << qint16(1) << 0 << true << false;
    QTest::newRow("server") << qint16(2) << qint16(0) << 1 << false << false;
    QTest::newRow("data calls") << qint16(3) << qint16(0) << 2 << false << false;
    QTest::newRow("no role") << qint16(0) << qint16(0) << -1 << false << false;
    // Values no control can show are replaced by what the controls show,
    // which the change marker and the role notice then report.
    QTest::newRow("role 7, logger 2") << qint16(7) << qint16(2) << -1 << false << true;
}

void TestShowSetup::roleAndLogger()
{
    QFETCH(qint16, role);
    QFETCH(qint16, logger);
    QFETCH(int, entry);
    QFETCH(bool, ticked);
    QFETCH(bool, changed);
    Rig rig;
    rig.show([&](SetupRecord &r) { r.Role = role; r.Logger = logger; r.Baud = 4; });

    QCOMPARE(rig.view.roleEntry(), entry);
    QCOMPARE(rig.view.loggerTicked(), ticked);
    QCOMPARE(rig.view.marked(), changed);
    QCOMPARE(rig.prompt.messages().size(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(rig.session.EditSetup.Role, qint16(0));
        QCOMPARE(rig.session.EditSetup.Logger, qint16(0));
    }
}

QTEST_GUILESS_MAIN(TestShowSetup)
#include "tst_showsetup.moc"
