#include "readsetup.h"
#include "modemrig.h"
#include "session.h"

#include <QtTest>

using Item = SetupView::Item;

namespace {

const QString kStars = QString(99, QLatin1Char('*'));

// A logged-in modem on an open port.
struct Rig : ModemRig
{

    explicit Rig(const QString &identity = QStringLiteral("2.15"))
    {
        sim.config().inCommandMode = true;
        sim.config().identity = identity;
        openPort();
    }
    QString caption(Item item) const { return view.caption(item); }
    bool asked(const QString &key) const { return sim.receivedLines().contains(QLatin1Char('#') + key + QLatin1Char('?')); }
};

} // namespace

class TestReadSetup : public QObject
{
    Q_OBJECT
private slots:
    void fullReadWithEmail();
    void identification_data();
    void identification();
    void loggerProbeDecidesLast();
    void scheduleCaptionsFromReplyTexts();
    void loggerRequest_data();
    void loggerRequest();
    void baud_data();
    void baud();
    void providerShortening_data();
    void providerShortening();
    void emailInterval_data();
    void emailInterval();
    void deviceCountFromSerial_data();
    void deviceCountFromSerial();
    void refusalKeepsWorkingCopy();
    void unansweredQueryIsAFailure_data();
    void unansweredQueryIsAFailure();
    void internalFaultsLetTheReadGoOn_data();
    void internalFaultsLetTheReadGoOn();
    void stopDuringIdentity();
};

void TestReadSetup::fullReadWithEmail()
{
    Rig rig;
    QVERIFY(ReadSetup(rig.session));

    const QStringList expected{
        "#Version?", "#TIME?", "#BAT?", "#SerialNum?", "#P1ON?", "#P1OFF?", "#P2ON?", "#P2OFF?", "#P3ON?", "#P3OFF?",
        "#Logger?", "#MODEMROLE?", "#SMSNUM?", "#BAUD?", "#HOSTIP?", "#HSTPORTNUMBER?", "#APN?", "#GPRSID?",
        "#GPRSPass?", "#Email?", "#ESender?", "#ERecep?", "#MAILS?", "#XUSER?"};
    QCOMPARE(rig.sim.receivedLines(), expected);
    const SetupRecord &m = rig.session.ModemSetup;
    QCOMPARE(m.Role, qint16(1));
    QCOMPARE(m.HostIP, QStringLiteral("gw.tessarin.example.net"));
    QCOMPARE(m.HostPort, 1023);
    QCOMPARE(m.SMSNum, QStringLiteral("+306912345678"));
    QCOMPARE(m.ESender, QStringLiteral("merolan@example.net"));
    QCOMPARE(m.ERecep, QStringLiteral("ops@example.net"));
    QCOMPARE(m.MailServer, QStringLiteral("smtp.example.net"));
    QCOMPARE(m.XUser, QStringLiteral("mailer"));
    QCOMPARE(m.EmailInterval, qint16(4));
    QCOMPARE(m.XPas, kStars);
    QVERIFY(rig.session.EditSetup == m);
    QCOMPARE(rig.caption(Item::lblTessarinPort), QStringLiteral("Port: 1023"));
    QCOMPARE(rig.caption(Item::lblServerPort), QStringLiteral("Server IP port: 1023"));
    QCOMPARE(rig.caption(Item::lblSMS), QStringLiteral("Alarm SMS: +306912345678"));
    QCOMPARE(rig.caption(Item::lblEmail), QStringLiteral("Email: per 4h"));
    QCOMPARE(rig.caption(Item::lblClock), rig.sim.config().clock);
    QCOMPARE(rig.caption(Item::lblBattery), rig.sim.config().battery);
    QCOMPARE(rig.caption(Item::cmdRefresh), QStringLiteral("Refresh setup from Merolan"));
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup read finished."));
    QCOMPARE(rig.session.state.progress(), 24);
    QCOMPARE(rig.session.state.progressMaximum(), 30);
    QVERIFY(!rig.session.state.Reading);
    QVERIFY(rig.prompt.shown().isEmpty());
    // The read's own role and logger settings must not recolour the write button.
    QCOMPARE(rig.view.markCalls(), 0);
}

void TestReadSetup::identification_data()
{
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("versionCaption");
    QTest::addColumn<double>("versionNumber");
    QTest::addColumn<bool>("emailShown");
    QTest::addColumn<bool>("emailAsked");
    QTest::newRow("plain") << "BRANTHOLM MEROLAN si.2.10" << "F/W: v2.10" << 2.10 << false << false;
    QTest::newRow("gps") << "BRANTHOLM MEROLAN-GPS sg.2.10" << "F/W: v sg.2.10" << 0.0 << false << false;
    QTest::newRow("other 3.01") << "3.01" << "F/W: v3.01" << 3.01 << true << false;
    QTest::newRow("other 2.15") << "2.15" << "F/W: v2.15" << 2.15 << true << true;
}

void TestReadSetup::identification()
{
    QFETCH(QString, identity);
    QFETCH(QString, versionCaption);
    QFETCH(double, versionNumber);
    QFETCH(bool, emailShown);
    QFETCH(bool, emailAsked);
    Rig rig(identity);
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.caption(Item::lblVersion), versionCaption);
    QCOMPARE(rig.session.firmwareNumber(), versionNumber);
    QCOMPARE(rig.view.isShown(Item::lblEmail), emailShown);
    QCOMPARE(rig.asked(QStringLiteral("Email")), emailAsked);
    QCOMPARE(rig.asked(QStringLiteral("XUSER")), emailAsked);
    // Skipped e-mail settings keep what the record held.
    QCOMPARE(rig.session.ModemSetup.XPas, emailAsked ? kStars : QString());
}

void TestReadSetup::loggerProbeDecidesLast()
{
    Rig known(QStringLiteral("BRANTHOLM MEROLAN si.2.10"));
    QVERIFY(ReadSetup(known.session));
    QVERIFY(known.view.isShown(Item::chkOmbrilex));

    Rig refusing;
    refusing.sim.config().errorOn = {QStringLiteral("Logger")};
    QVERIFY(ReadSetup(refusing.session));
    QVERIFY(!refusing.view.isShown(Item::chkOmbrilex));
}

void TestReadSetup::scheduleCaptionsFromReplyTexts()
{
    Rig rig;
    rig.sim.settings()[QStringLiteral("P2OFF")] = QStringLiteral("10:50");
    rig.sim.settings()[QStringLiteral("P3ON")] = QStringLiteral("late");
    rig.sim.settings()[QStringLiteral("P3OFF")] = QStringLiteral("late");
    rig.session.ModemSetup.OnTime[2] = 0.5;
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.caption(Item::lblTime0), QStringLiteral("ON 06:00~18:30"));
    QCOMPARE(rig.caption(Item::lblTime1), QStringLiteral("ALWAYS ON"));
    QCOMPARE(rig.caption(Item::lblTime2), QStringLiteral("ALWAYS OFF"));
    QCOMPARE(rig.session.ModemSetup.OnTime[0], 0.25);
    QCOMPARE(rig.session.ModemSetup.OffTime[0], (18 * 60 + 30) / 1440.0);
    // A reply that is no time leaves the stored time alone.
    QCOMPARE(rig.session.ModemSetup.OnTime[2], 0.5);
}

void TestReadSetup::loggerRequest_data()
{
    QTest::addColumn<QString>("loggerType");
    QTest::addColumn<QString>("modemLogger");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<qint16>("logger");
    QTest::newRow("type 40, logger off") << "40" << "0" << false << true << qint16(1);
    QTest::newRow("type 0") << "0" << "0" << false << false << qint16(0);
    QTest::newRow("type not a number") << "abc" << "0" << false << false << qint16(0);
    QTest::newRow("type 40, logger on") << "40" << "1" << false << false << qint16(1);
    QTest::newRow("type 40, refused") << "40" << "0" << true << true << qint16(0);
    QTest::newRow("logger 2 kept") << "0" << "2" << false << false << qint16(2);
}

void TestReadSetup::loggerRequest()
{
    QFETCH(QString, loggerType);
    QFETCH(QString, modemLogger);
    QFETCH(bool, refused);
    QFETCH(bool, requested);
    QFETCH(qint16, logger);
    Rig rig;
    rig.session.LoggerType = loggerType;
    rig.sim.settings()[QStringLiteral("Logger")] = modemLogger;
    if (refused)
        rig.sim.config().errorOn = {QStringLiteral("Logger")};
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.sim.receivedLines().contains(QStringLiteral("#Logger=1")), requested);
    QCOMPARE(rig.session.ModemSetup.Logger, logger);
    QCOMPARE(rig.session.EditSetup.Logger, logger);
    QCOMPARE(rig.view.loggerTicked(), logger != 0);
}

void TestReadSetup::baud_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<qint32>("index");
    QTest::addColumn<QString>("caption");
    QTest::newRow("115200") << "115200" << false << 7 << "Baud: 115200";
    QTest::newRow("57600 not in the table") << "57600" << false << 4 << "Baud: 57600";
    QTest::newRow("text after the rate") << "9600 xyz" << false << 4 << "Baud: 9600";
    QTest::newRow("1200") << "1200" << false << 1 << "Baud: 1200";
    QTest::newRow("empty") << "" << false << 4 << "Baud: 0";
    QTest::newRow("refused") << "" << true << 4 << "Baud: 0";
}

void TestReadSetup::baud()
{
    QFETCH(QString, rate);
    QFETCH(bool, refused);
    QFETCH(qint32, index);
    QFETCH(QString, caption);
    Rig rig;
    rig.sim.settings()[QStringLiteral("BAUD")] = rate;
    if (refused)
        rig.sim.config().errorOn = {QStringLiteral("BAUD")};
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.session.ModemSetup.Baud, index);
    QCOMPARE(rig.caption(Item::lblBaud), caption);
    QCOMPARE(rig.view.isShown(Item::lblBaud), !refused);
}

void TestReadSetup::providerShortening_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<Item>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stored");
    QTest::newRow("apn 25") << "APN" << "APN:abcdefghijklmnopqrstuvwxy" << Item::lblAPN << "APN: abcdefghijklmn..."
                            << "abcdefghijklmnopqrstuvwxy";
    QTest::newRow("apn 16") << "APN" << "APN=abcdefghijklmnop" << Item::lblAPN << "APN: abcdefghijklmnop"
                            << "abcdefghijklmnop";
    QTest::newRow("user 17") << "GPRSID" << "GPRSID= abcdefghijklmnopq" << Item::lblProviderUser
                             << "User: abcdefghijklmn..." << "abcdefghijklmnopq";
    QTest::newRow("password") << "GPRSPass" << "GPRSPW=secret" << Item::lblProviderPWD << "PWD: secret" << "secret";
}

void TestReadSetup::providerShortening()
{
    QFETCH(QString, key);
    QFETCH(QString, reply);
    QFETCH(Item, label);
    QFETCH(QString, caption);
    QFETCH(QString, stored);
    Rig rig;
    rig.sim.config().replyOverride[key] = reply;
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.caption(label), caption);
    const SetupRecord &m = rig.session.ModemSetup;
    QCOMPARE(key == QLatin1String("APN") ? m.APN : key == QLatin1String("GPRSID") ? m.GPRSID : m.GPRSPass, stored);
}

void TestReadSetup::emailInterval_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qint16>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("48") << "48" << "Email: per 48h" << qint16(0) << QStringList();
    QTest::newRow("24") << "24" << "Email: per 24h" << qint16(24) << QStringList();
    QTest::newRow("0") << "0" << "Email: Disabled" << qint16(0) << QStringList();
    QTest::newRow("not a number") << "soon" << "Email: Disabled" << qint16(0)
                                  << QStringList{QStringLiteral("Error 13: Type mismatch. L21")};
}

void TestReadSetup::emailInterval()
{
    QFETCH(QString, hours);
    QFETCH(QString, caption);
    QFETCH(qint16, stored);
    QFETCH(QStringList, messages);
    Rig rig;
    rig.sim.settings()[QStringLiteral("Email")] = hours;
    rig.session.ModemSetup.EmailInterval = 7;
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.caption(Item::lblEmail), caption);
    QCOMPARE(rig.session.ModemSetup.EmailInterval, stored);
    QCOMPARE(rig.prompt.messages(), messages);
    // The read went on after a fault.
    QVERIFY(rig.asked(QStringLiteral("XUSER")));
}

void TestReadSetup::deviceCountFromSerial_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<qint16>("count");
    QTest::newRow("digit") << "MRL0012345" << qint16(3);
    QTest::newRow("S") << "MRLS012345" << qint16(1);
    QTest::newRow("Z") << "MRLZ012345" << qint16(2);
    QTest::newRow("G") << "MRLG012345" << qint16(9);
    QTest::newRow("short") << "MRL" << qint16(3);
}

void TestReadSetup::deviceCountFromSerial()
{
    QFETCH(QString, serial);
    QFETCH(qint16, count);
    Rig rig;
    rig.session.DeviceCount = 0;
    rig.sim.config().serialNumber = serial;
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.session.SerialNumber, serial);
    QCOMPARE(rig.caption(Item::lblSerial), QStringLiteral("S/N: ") + serial);
    QCOMPARE(rig.session.DeviceCount, count);
    QCOMPARE(rig.view.showDevicesCalls(), 1);
}

void TestReadSetup::refusalKeepsWorkingCopy()
{
    Rig rig;
    rig.sim.config().errorOn = {QStringLiteral("APN")};
    rig.sim.settings()[QStringLiteral("Logger")] = QStringLiteral("1");
    SetupRecord before;
    before.Role = 3;
    before.HostIP = QStringLiteral("old.example");
    before.APN = QStringLiteral("old.apn");
    rig.session.EditSetup = before;
    rig.session.ModemSetup = before;
    QVERIFY(!ReadSetup(rig.session));

    QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Error reading setup. Command: APN")});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup read failed. Command: APN"));
    QVERIFY(rig.session.EditSetup == before);
    const SetupRecord &m = rig.session.ModemSetup;
    QCOMPARE(m.OnTime[0], 0.25);
    QCOMPARE(m.Logger, qint16(1));
    QCOMPARE(m.Role, qint16(1));
    QCOMPARE(m.SMSNum, QStringLiteral("+306912345678"));
    QCOMPARE(m.Baud, 4);
    QCOMPARE(m.HostIP, QStringLiteral("gw.tessarin.example.net"));
    QCOMPARE(m.HostPort, 1023);
    QCOMPARE(m.APN, QStringLiteral("old.apn"));
    QCOMPARE(rig.sim.receivedLines().last(), QStringLiteral("#APN?"));
    QCOMPARE(rig.caption(Item::cmdRefresh), QStringLiteral("Refresh setup from Merolan"));
    QVERIFY(!rig.session.state.Reading);
}

void TestReadSetup::unansweredQueryIsAFailure_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("failedAt");
    QTest::newRow("line drops in identity") << "drop" << "SerialNum" << "P1ON";
    QTest::newRow("line drops at logger probe") << "drop" << "Logger" << "Logger";
    QTest::newRow("line drops at baud") << "drop" << "BAUD" << "BAUD";
    QTest::newRow("line drops at last query") << "drop" << "XUSER" << "XUSER";
    QTest::newRow("silent at role") << "silent" << "MODEMROLE" << "MODEMROLE";
    QTest::newRow("silent at logger probe") << "silent" << "Logger" << "Logger";
    QTest::newRow("no final line at APN") << "unfinished" << "APN" << "APN";
}

// Without the modem's final line an empty reply is no value: the read must
// not go on and call the setup read.
void TestReadSetup::unansweredQueryIsAFailure()
{
    QFETCH(QString, fault);
    QFETCH(QString, key);
    QFETCH(QString, failedAt);
    Rig rig;
    if (fault == QLatin1String("drop"))
        rig.sim.config().dropOn = key;
    else if (fault == QLatin1String("silent"))
        rig.sim.config().silentOn = {key};
    else
        rig.sim.config().unfinishedOn = {key};
    const qint64 start = rig.clock.now();
    QVERIFY(!ReadSetup(rig.session));

    QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Error reading setup. Command: ") + failedAt});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup read failed. Command: ") + failedAt);
    QVERIFY(rig.session.EditSetup == SetupRecord());
    // One time-out at most, not one for every query left.
    QVERIFY2(rig.clock.now() - start < 60000, qPrintable(QString::number(rig.clock.now() - start)));
}

void TestReadSetup::internalFaultsLetTheReadGoOn_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("logger") << "Logger" << "70000" << "Error 6: Overflow. L10";
    QTest::newRow("role") << "MODEMROLE" << "99999" << "Error 6: Overflow. L12";
    QTest::newRow("port") << "HSTPORTNUMBER" << "99999999999" << "Error 6: Overflow. L16";
}

void TestReadSetup::internalFaultsLetTheReadGoOn()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Rig rig;
    rig.sim.settings()[key] = value;
    rig.session.ModemSetup.Logger = 5;
    rig.session.ModemSetup.Role = 5;
    rig.session.ModemSetup.HostPort = 5;
    QVERIFY(ReadSetup(rig.session));

    QCOMPARE(rig.prompt.messages(), QStringList{message});
    // The value that did not fit is not stored; the others are.
    const SetupRecord &m = rig.session.ModemSetup;
    QCOMPARE(m.Logger == 5, key == QLatin1String("Logger"));
    QCOMPARE(m.Role == 5, key == QLatin1String("MODEMROLE"));
    QCOMPARE(m.HostPort == 5, key == QLatin1String("HSTPORTNUMBER"));
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup read finished."));
}

void TestReadSetup::stopDuringIdentity()
{
    Rig rig;
    rig.view.setCaption(Item::cmdRefresh, QStringLiteral("Refresh setup from Merolan"));
    QStringList statuses;
    connect(&rig.session.state, &OperationState::statusChanged, [&](const QString &s) { statuses << s; });
    // The user presses STOP while the modem is asked for its clock.
    rig.sim.lineReceived = [&](const QString &line) {
        if (line == QLatin1String("#TIME?"))
            rig.clock.after(2, [&] {
                QCOMPARE(rig.caption(Item::cmdRefresh), QStringLiteral("STOP Refreshing setup..."));
                RefreshClicked(rig.session);
            });
    };
    RefreshClicked(rig.session);

    QCOMPARE(rig.sim.receivedLines(), (QStringList{"###", "#Version?", "#TIME?"}));
    QVERIFY(statuses.contains(QStringLiteral("Aborting. Please wait...")));
    QCOMPARE(rig.prompt.messages(), QStringList{QStringLiteral("Setup read aborted.")});
    QCOMPARE(rig.session.state.status(), QStringLiteral("Setup read aborted."));
    QCOMPARE(rig.caption(Item::lblBattery), QStringLiteral("ERROR"));
    QCOMPARE(rig.caption(Item::lblSerial), QStringLiteral("S/N: ERROR"));
    QCOMPARE(rig.session.DeviceCount, qint16(3));
    QCOMPARE(rig.caption(Item::cmdRefresh), QStringLiteral("Refresh setup from Merolan"));
    QVERIFY(!rig.session.state.AbortRequested);
    QVERIFY(!rig.session.state.Reading);
}

QTEST_GUILESS_MAIN(TestReadSetup)
#include "tst_readsetup.moc"
