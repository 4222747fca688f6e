#include "settinglines.h"
#include "setuprecord.h"

#include <QtTest>

#include <functional>

using Change = std::function<void(SetupRecord &)>;
using TextCheck = bool (*)(const QString &);
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(TextCheck)

namespace {

// A setup as a read leaves it: every field set, the mail password the
// read's placeholder.
SetupRecord readSetup()
{
    SetupRecord r;
    r.Role = 1;
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

} // namespace

class TestSettingLines : public QObject
{
    Q_OBJECT
private slots:
    void textChecks_data();
    void textChecks();
    void lines_data();
    void lines();
};

void TestSettingLines::textChecks_data()
{
    QTest::addColumn<TextCheck>("check");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    const auto row = [](const char *name, TextCheck check, const QString &text, bool passes) {
        QTest::newRow(name) << check << text << passes;
    };
    const TextCheck address = matchesAddressPattern;
    row("address: no @", address, "ab.c", false);
    row("address: nothing before @", address, "@b.c", false);
    row("address: dot right after @", address, "a@.c", false);
    row("address: dot right after @, another later", address, "a@.b.c", true);
    row("address: nothing after the dot", address, "a@b.", false);
    row("address: dot only before @", address, "a.b@c", false);
    row("address: two dots at the end", address, "a@b..", true);
    row("address: first @ too early, second fits", address, "@a@b.c", true);
    row("address: list, only the last is an address", address, "x,d@e.f", true);

    const TextCheck printable = isPrintableAscii;
    row("printable: blank and tilde", printable, " a~", true);
    row("printable: CR", printable, "inter\rnet", false);
    row("printable: DEL", printable, "a\x7f", false);
    row("printable: beyond Latin-1", printable, QStringLiteral("\u20AC"), false);

    const TextCheck placeholder = isPasswordPlaceholder;
    row("placeholder: 100 asterisks", placeholder, QString(100, QLatin1Char('*')), true);
    row("placeholder: 101 asterisks", placeholder, QString(101, QLatin1Char('*')), false);
    row("placeholder: asterisks around a letter", placeholder, "**a**", false);
}

void TestSettingLines::textChecks()
{
    QFETCH(TextCheck, check);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    QCOMPARE(check(text), passes);
}

void TestSettingLines::lines_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("writeAll");
    QTest::addColumn<double>("firmware");
    QTest::addColumn<QStringList>("lines");

    const QStringList schedule{"P1ON=06:00", "P1OFF=18:30", "P2ON=11:00", "P2OFF=10:50", "P3ON=07:00", "P3OFF=07:00"};
    const QStringList link{"MODEMROLE=1",           "SMSNUM=+30691",     "BAUD=4",
                           "APN=internet",          "GPRSID=user",       "GPRSPass=pass",
                           "HOSTIP=gw.example.net", "HSTPORTNUMBER=1023"};
    const QStringList mail{"Email=04",        "MAILS=smtp.x.net", "XUSER=mailer",
                           "ESender=m@x.net", "ERecep=a@x.net,",  "ERecep=b@y.net"};
    const auto row = [](const char *name, const Change &change, const QStringList &lines, double firmware = 2.5,
                        bool writeAll = false) { QTest::newRow(name) << change << writeAll << firmware << lines; };
    const Change none = [](SetupRecord &) {};
    const Change logger = [](SetupRecord &r) { r.Logger = 1; };
    const Change mailServer = [](SetupRecord &r) { r.MailServer = QStringLiteral("smtp.y.net"); };

    row("nothing changed", none, {});
    // The read's placeholder password stays off the wire even when all goes.
    row("all, 2.5", none, schedule + QStringList{"Logger=0"} + link + mail, 2.5, true);
    row("all, 3.0: no logger, no mail", none, schedule + link, 3.0, true);
    row("logger, 1.9", logger, {}, 1.9);
    row("logger, 2.0", logger, {"Logger=1"}, 2.0);
    row("logger, 3.0", logger, {}, 3.0);
    row("one schedule time", [](SetupRecord &r) { r.OffTime[2] = 7.5 / 24; }, {"P3OFF=07:30"});
    row("mail server resends the server address", mailServer, {"HOSTIP=gw.example.net", "MAILS=smtp.y.net"});
    row("mail server at 3.0: address only", mailServer, {"HOSTIP=gw.example.net"}, 3.0);
    row("server address and port",
        [](SetupRecord &r) {
            r.HostIP = "10.0.0.1";
            r.HostPort = 80;
        },
        {"HOSTIP=10.0.0.1", "HSTPORTNUMBER=80"});
    row("emptied mail password is not sent", [](SetupRecord &r) { r.XPas.clear(); }, {});
    // A typed password goes between the user and the sender.
    row("mail user, password and sender",
        [](SetupRecord &r) {
            r.XUser = "u2";
            r.XPas = "pw";
            r.ESender = "n@z.net";
        },
        {"XUSER=u2", "XPAS=pw", "ESender=n@z.net"});
    // The modem takes at least two digits.
    row("mail off", [](SetupRecord &r) { r.EmailInterval = 0; }, {"Email=00"});
    row("interval 100", [](SetupRecord &r) { r.EmailInterval = 100; }, {"Email=100"});
    // One address a line; a trailing comma tells the modem that more follow. A blank part is kept.
    row("no recipients", [](SetupRecord &r) { r.ERecep.clear(); }, {"ERecep="});
    row("A,B", [](SetupRecord &r) { r.ERecep = "A,B"; }, {"ERecep=A,", "ERecep=B"});
    row("A,", [](SetupRecord &r) { r.ERecep = "A,"; }, {"ERecep=A,", "ERecep="});
    row("A,,B", [](SetupRecord &r) { r.ERecep = "A,,B"; }, {"ERecep=A,", "ERecep=B"});
    row("A, ,B", [](SetupRecord &r) { r.ERecep = "A, ,B"; }, {"ERecep=A,", "ERecep= ,", "ERecep=B"});
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
