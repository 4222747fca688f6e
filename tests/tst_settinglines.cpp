#include "settinglines.h"
#include "setuprecord.h"

#include <QtTest>

#include <functional>

using Change = std::function<void(SetupRecord &)>;
Q_DECLARE_METATYPE(Change)

namespace {

// A setup as a read leaves it: every field set, the mail password the
// read's placeholder.
SetupRecord readSetup()
{
    SetupRecord r;
    r.Role = 1;
    r.Logger = 0;
    r.HostIP = QStringLiteral("gw.example.net");
    r.HostPort = 1023;
    r.APN = QStringLiteral("internet");
    r.GPRSID = QStringLiteral("user");
    r.GPRSPass = QStringLiteral("pass");
    r.SMSNum = QStringLiteral("+30691");
    r.Baud = 4;
    r.ERecep = QStringLiteral("a@x.net,b@y.net");
    r.ESender = QStringLiteral("m@x.net");
    r.EmailInterval = 4;
    r.MailServer = QStringLiteral("smtp.x.net");
    r.XUser = QStringLiteral("mailer");
    r.XPas = QString(99, QLatin1Char('*'));
    r.OnTime = {6.0 / 24, 11.0 / 24, 7.0 / 24};
    r.OffTime = {18.5 / 24, 10.0 / 24 + 50.0 / 1440, 7.0 / 24};
    return r;
}

const QStringList kScheduleLines{
    QStringLiteral("P1ON=06:00"), QStringLiteral("P1OFF=18:30"), QStringLiteral("P2ON=11:00"),
    QStringLiteral("P2OFF=10:50"), QStringLiteral("P3ON=07:00"), QStringLiteral("P3OFF=07:00")};
const QStringList kLinkLines{
    QStringLiteral("MODEMROLE=1"), QStringLiteral("SMSNUM=+30691"), QStringLiteral("BAUD=4"),
    QStringLiteral("APN=internet"), QStringLiteral("GPRSID=user"), QStringLiteral("GPRSPass=pass"),
    QStringLiteral("HOSTIP=gw.example.net"), QStringLiteral("HSTPORTNUMBER=1023")};
const QStringList kMailLines{
    QStringLiteral("Email=04"), QStringLiteral("MAILS=smtp.x.net"), QStringLiteral("XUSER=mailer"),
    QStringLiteral("ESender=m@x.net"), QStringLiteral("ERecep=a@x.net,"), QStringLiteral("ERecep=b@y.net")};

} // namespace

class TestSettingLines : public QObject
{
    Q_OBJECT
private slots:
    void emailInterval_data();
    void emailInterval();
    void recipients_data();
    void recipients();
    void addressPattern_data();
    void addressPattern();
    void printableAscii_data();
    void printableAscii();
    void passwordPlaceholder_data();
    void passwordPlaceholder();
    void lines_data();
    void lines();
};

void TestSettingLines::emailInterval_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<QString>("text");
    QTest::newRow("off") << 0 << "00";
    QTest::newRow("one digit") << 4 << "04";
    QTest::newRow("two digits") << 24 << "24";
    QTest::newRow("three digits") << 100 << "100";
    QTest::newRow("negative, from a file") << -4 << "-04";
}

void TestSettingLines::emailInterval()
{
    QFETCH(int, hours);
    QFETCH(QString, text);
    QCOMPARE(emailIntervalText(qint16(hours)), text);
}

void TestSettingLines::recipients_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{"ERecep="};
    QTest::newRow("one") << "a@x.net" << QStringList{"ERecep=a@x.net"};
    QTest::newRow("two") << "A,B" << QStringList{"ERecep=A,", "ERecep=B"};
    QTest::newRow("trailing comma") << "A," << QStringList{"ERecep=A,", "ERecep="};
    QTest::newRow("empty middle") << "A,,B" << QStringList{"ERecep=A,", "ERecep=B"};
    QTest::newRow("leading comma") << ",A" << QStringList{"ERecep=A"};
    QTest::newRow("commas only") << ",," << QStringList{"ERecep="};
    QTest::newRow("blank part kept") << "A, ,B" << QStringList{"ERecep=A,", "ERecep= ,", "ERecep=B"};
    QTest::newRow("three") << "A,B,C" << QStringList{"ERecep=A,", "ERecep=B,", "ERecep=C"};
}

void TestSettingLines::recipients()
{
    QFETCH(QString, field);
    QFETCH(QStringList, lines);
    QCOMPARE(recipientLines(field), lines);
}

void TestSettingLines::addressPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("plain") << "a@b.c" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no at") << "ab.c" << false;
    QTest::newRow("nothing before at") << "@b.c" << false;
    QTest::newRow("dot right after at") << "a@.c" << false;
    QTest::newRow("dot right after at, another later") << "a@.b.c" << true;
    QTest::newRow("nothing after dot") << "a@b." << false;
    QTest::newRow("no dot after at") << "a.b@c" << false;
    QTest::newRow("two dots at the end") << "a@b.." << true;
    QTest::newRow("second at counts as a character") << "a@@b.c" << true;
    QTest::newRow("first at too early, second fits") << "@a@b.c" << true;
    QTest::newRow("blank after dot") << "a@b. " << true;
    QTest::newRow("list with commas") << "a@b.c,d@e.f" << true;
    QTest::newRow("list, only the last is an address") << "x,d@e.f" << true;
    QTest::newRow("bare name") << "operator" << false;
}

void TestSettingLines::addressPattern()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(matchesAddressPattern(text), matches);
}

void TestSettingLines::printableAscii_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("printable");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("blank and tilde") << " a~" << true;
    QTest::newRow("CR") << "inter\rnet" << false;
    QTest::newRow("LF") << "inter\nnet" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("NUL") << QString(QChar(0)) << false;
    QTest::newRow("DEL") << "a\x7f" << false;
    QTest::newRow("Latin-1") << QStringLiteral("caf\u00E9") << false;
    QTest::newRow("beyond Latin-1") << QStringLiteral("\u20AC") << false;
}

void TestSettingLines::printableAscii()
{
    QFETCH(QString, text);
    QFETCH(bool, printable);
    QCOMPARE(isPrintableAscii(text), printable);
}

void TestSettingLines::passwordPlaceholder_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("placeholder");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("dialog's eight") << "********" << true;
    QTest::newRow("read's 99") << QString(99, QLatin1Char('*')) << true;
    QTest::newRow("100") << QString(100, QLatin1Char('*')) << true;
    QTest::newRow("101") << QString(101, QLatin1Char('*')) << false;
    QTest::newRow("typed") << "secret" << false;
    QTest::newRow("asterisks around a letter") << "**a**" << false;
    QTest::newRow("blank") << " " << false;
}

void TestSettingLines::passwordPlaceholder()
{
    QFETCH(QString, password);
    QFETCH(bool, placeholder);
    QCOMPARE(isPasswordPlaceholder(password), placeholder);
}

void TestSettingLines::lines_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("writeAll");
    QTest::addColumn<double>("firmware");
    QTest::addColumn<QStringList>("lines");

    const Change none = [](SetupRecord &) {};
    QTest::newRow("nothing changed") << none << false << 2.5 << QStringList{};
    QTest::newRow("all, logger firmware")
        << none << true << 2.5 << kScheduleLines + QStringList{"Logger=0"} + kLinkLines + kMailLines;
    QTest::newRow("all, below 2.0: no logger")
        << none << true << 1.9 << kScheduleLines + kLinkLines + kMailLines;
    QTest::newRow("all, 3.0: no logger, no mail") << none << true << 3.0 << kScheduleLines + kLinkLines;
    QTest::newRow("all, just below 3.0")
        << none << true << 2.99 << kScheduleLines + QStringList{"Logger=0"} + kLinkLines + kMailLines;
    QTest::newRow("one schedule time")
        << Change([](SetupRecord &r) { r.OffTime[2] = 7.5 / 24; }) << false << 2.5
        << QStringList{"P3OFF=07:30"};
    QTest::newRow("logger, 2.0") << Change([](SetupRecord &r) { r.Logger = 1; }) << false << 2.0
                                 << QStringList{"Logger=1"};
    QTest::newRow("logger, 3.0") << Change([](SetupRecord &r) { r.Logger = 1; }) << false << 3.0 << QStringList{};
    QTest::newRow("baud goes as its index") << Change([](SetupRecord &r) { r.Baud = 7; }) << false << 2.5
                                            << QStringList{"BAUD=7"};
    QTest::newRow("mail server resends the server address")
        << Change([](SetupRecord &r) { r.MailServer = QStringLiteral("smtp.y.net"); }) << false << 2.5
        << QStringList{"HOSTIP=gw.example.net", "MAILS=smtp.y.net"};
    QTest::newRow("mail server at 3.0: address only")
        << Change([](SetupRecord &r) { r.MailServer = QStringLiteral("smtp.y.net"); }) << false << 3.0
        << QStringList{"HOSTIP=gw.example.net"};
    QTest::newRow("server address and port")
        << Change([](SetupRecord &r) { r.HostIP = QStringLiteral("10.0.0.1"); r.HostPort = 80; }) << false << 2.5
        << QStringList{"HOSTIP=10.0.0.1", "HSTPORTNUMBER=80"};
    QTest::newRow("typed mail password goes without a change")
        << Change([](SetupRecord &r) { r.XPas = QStringLiteral("secret"); }) << false << 2.5
        << QStringList{"XPAS=secret"};
    QTest::newRow("101 asterisks are a password")
        << Change([](SetupRecord &r) { r.XPas = QString(101, QLatin1Char('*')); }) << false << 2.5
        << QStringList{"XPAS=" + QString(101, QLatin1Char('*'))};
    QTest::newRow("emptied mail password is not sent")
        << Change([](SetupRecord &r) { r.XPas.clear(); }) << false << 2.5 << QStringList{};
    QTest::newRow("mail settings in order")
        << Change([](SetupRecord &r) {
               r.ERecep = QStringLiteral("c@z.net");
               r.ESender = QStringLiteral("n@z.net");
               r.XPas = QStringLiteral("pw");
               r.XUser = QStringLiteral("u2");
               r.EmailInterval = 12;
           })
        << false << 2.5
        << QStringList{"Email=12", "XUSER=u2", "XPAS=pw", "ESender=n@z.net", "ERecep=c@z.net"};
    QTest::newRow("emptied recipients") << Change([](SetupRecord &r) { r.ERecep.clear(); }) << false << 2.5
                                        << QStringList{"ERecep="};
}

void TestSettingLines::lines()
{
    QFETCH(Change, change);
    QFETCH(bool, writeAll);
    QFETCH(double, firmware);
    QFETCH(QStringList, lines);

    const SetupRecord modem = readSetup();
    SetupRecord edit = modem;
    change(edit);
    QCOMPARE(settingLines(edit, modem, writeAll, firmware), lines);
}

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
