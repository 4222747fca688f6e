#include "modemrules.h"
#include "settinglines.h"
#include "setuprecord.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using Change = std::function<void(SetupRecord &)>;
using TextCheck = bool (*)(const QString &);
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(TextCheck)

namespace {

// A setup as a read leaves it: every field set and distinct, the mail
// password the read's placeholder.
const SetupRecord kRead{.Role = 1,
                        .HostIP = u"gw.example.net"_s,
                        .HostPort = 1023,
                        .APN = u"internet"_s,
                        .GPRSID = u"user"_s,
                        .GPRSPass = u"pass"_s,
                        .SMSNum = u"+30691"_s,
                        .Baud = 4,
                        .ERecep = u"a@x.net,b@y.net"_s,
                        .ESender = u"m@x.net"_s,
                        .EmailInterval = 4,
                        .MailServer = u"smtp.x.net"_s,
                        .XUser = u"mailer"_s,
                        .XPas = QString(99, u'*'),
                        .OnTime = {6.0 / 24, 11.0 / 24, 7.0 / 24 + 20.0 / 1440},
                        .OffTime = {18.5 / 24, 10.0 / 24 + 50.0 / 1440, 21.0 / 24 + 40.0 / 1440}};

} // namespace

class TestSettingLines : public QObject
{
    Q_OBJECT
private slots:
    void textChecks_data()
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
        row("printable: code 31", printable, "inter\x1fnet", false);
        row("printable: DEL", printable, "a\x7f", false);
        row("printable: beyond Latin-1", printable, QStringLiteral("\u20AC"), false);

        const TextCheck placeholder = isPasswordPlaceholder;
        row("placeholder: 100 asterisks", placeholder, QString(100, QLatin1Char('*')), true);
        row("placeholder: 101 asterisks", placeholder, QString(101, QLatin1Char('*')), false);
        row("placeholder: asterisks around a letter", placeholder, "**a**", false);
    }

    void textChecks()
    {
        QFETCH(TextCheck, check);
        QFETCH(QString, text);
        QFETCH(bool, passes);
        QCOMPARE(check(text), passes);
    }

    // Reports of a write show every line but no password.
    void maskedLines()
    {
        const QList<QPair<QString, QString>> rows{
            {"GPRSPass=s3cr=t", "GPRSPass=***"},    {"XPAS=m41l", "XPAS=***"},
            {"GPRSID=GPRSPass", "GPRSID=GPRSPass"}, {"APN=a=b", "APN=a=b"},
            {"P1ON=06:00", "P1ON=06:00"},           {"GPRSPass=", "GPRSPass="},
        };
        for (const auto &[line, shown] : rows)
            QCOMPARE(maskedSettingLine(line), shown);
    }

    void lines_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("writeAll");
        QTest::addColumn<double>("firmware");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char *name, const Change &change, const QStringList &lines, double firmware = 2.5,
                            bool writeAll = false) { QTest::newRow(name) << change << writeAll << firmware << lines; };

        // Each field changed alone sends its own line and no other.
        row("Role", [](SetupRecord &r) { r.Role = 3; }, {"MODEMROLE=3"});
        row("Logger", [](SetupRecord &r) { r.Logger = 1; }, {"Logger=1"});
        row("HostIP", [](SetupRecord &r) { r.HostIP = "10.0.0.1"; }, {"HOSTIP=10.0.0.1"});
        row("HostPort", [](SetupRecord &r) { r.HostPort = 80; }, {"HSTPORTNUMBER=80"});
        row("APN", [](SetupRecord &r) { r.APN = "web"; }, {"APN=web"});
        row("GPRSID", [](SetupRecord &r) { r.GPRSID = "id2"; }, {"GPRSID=id2"});
        row("GPRSPass", [](SetupRecord &r) { r.GPRSPass = "pw2"; }, {"GPRSPass=pw2"});
        row("SMSNum", [](SetupRecord &r) { r.SMSNum = "+30699"; }, {"SMSNUM=+30699"});
        row("Baud", [](SetupRecord &r) { r.Baud = 7; }, {"BAUD=7"});
        row("ERecep", [](SetupRecord &r) { r.ERecep = "c@z.net"; }, {"ERecep=c@z.net"});
        row("ESender", [](SetupRecord &r) { r.ESender = "n@z.net"; }, {"ESender=n@z.net"});
        row("EmailInterval 24", [](SetupRecord &r) { r.EmailInterval = 24; }, {"Email=24"});
        // A changed mail server sends the unchanged server address again.
        row("MailServer", [](SetupRecord &r) { r.MailServer = "smtp.y.net"; },
            {"HOSTIP=gw.example.net", "MAILS=smtp.y.net"});
        row("XUser", [](SetupRecord &r) { r.XUser = "u2"; }, {"XUSER=u2"});
        row("XPas typed", [](SetupRecord &r) { r.XPas = "secret"; }, {"XPAS=secret"});
        row("OnTime 1", [](SetupRecord &r) { r.OnTime[0] = 6.5 / 24; }, {"P1ON=06:30"});
        row("OffTime 1", [](SetupRecord &r) { r.OffTime[0] = 19.0 / 24; }, {"P1OFF=19:00"});
        row("OnTime 2", [](SetupRecord &r) { r.OnTime[1] = 8.0 / 24; }, {"P2ON=08:00"});
        row("OffTime 2", [](SetupRecord &r) { r.OffTime[1] = 9.0 / 24; }, {"P2OFF=09:00"});
        row("OnTime 3", [](SetupRecord &r) { r.OnTime[2] = 0.0; }, {"P3ON=00:00"});
        row("OffTime 3", [](SetupRecord &r) { r.OffTime[2] = 23.0 / 24 + 50.0 / 1440; }, {"P3OFF=23:50"});

        row("nothing changed", [](SetupRecord &) {}, {});
        row("emptied mail password is not sent", [](SetupRecord &r) { r.XPas.clear(); }, {});
        row("interval 100", [](SetupRecord &r) { r.EmailInterval = 100; }, {"Email=100"});

        // The logger line from 2.0 up to below 3.0, the mail lines below 3.0; a
        // typed password goes between the user and the sender.
        const Change mail = [](SetupRecord &r) {
            r.Logger = 1;
            r.EmailInterval = 0;
            r.MailServer = u"smtp.y.net"_s;
            r.XUser = u"u2"_s;
            r.XPas = u"pw"_s;
            r.ESender = u"n@z.net"_s;
            r.ERecep = u"c@z.net"_s;
        };
        const QStringList mailLines{"Email=00", "MAILS=smtp.y.net", "XUSER=u2",
                                    "XPAS=pw",  "ESender=n@z.net",  "ERecep=c@z.net"};
        row("firmware 1.99", mail, QStringList{"HOSTIP=gw.example.net"} + mailLines, 1.99);
        row("firmware 2.0", mail, QStringList{"Logger=1", "HOSTIP=gw.example.net"} + mailLines, 2.0);
        row("firmware 2.99", mail, QStringList{"Logger=1", "HOSTIP=gw.example.net"} + mailLines, 2.99);
        row("firmware 3.0", mail, {"HOSTIP=gw.example.net"}, 3.0);

        // The read's placeholder password stays off the wire even when all goes.
        row(
            "all, 2.5", [](SetupRecord &) {},
            {"P1ON=06:00",    "P1OFF=18:30",      "P2ON=11:00",    "P2OFF=10:50",           "P3ON=07:20",
             "P3OFF=21:40",   "Logger=0",         "MODEMROLE=1",   "SMSNUM=+30691",         "BAUD=4",
             "APN=internet",  "GPRSID=user",      "GPRSPass=pass", "HOSTIP=gw.example.net", "HSTPORTNUMBER=1023",
             "Email=04",      "MAILS=smtp.x.net", "XUSER=mailer",  "ESender=m@x.net",       "ERecep=a@x.net,",
             "ERecep=b@y.net"},
            2.5, true);

        // One address a line; a trailing comma tells the modem that more follow.
        // An empty part is dropped, a blank one kept, the last always sent.
        row("no recipients", [](SetupRecord &r) { r.ERecep.clear(); }, {"ERecep="});
        row("A,B", [](SetupRecord &r) { r.ERecep = "A,B"; }, {"ERecep=A,", "ERecep=B"});
        row("A,", [](SetupRecord &r) { r.ERecep = "A,"; }, {"ERecep=A,", "ERecep="});
        row("A,,B", [](SetupRecord &r) { r.ERecep = "A,,B"; }, {"ERecep=A,", "ERecep=B"});
        row("A, ,B", [](SetupRecord &r) { r.ERecep = "A, ,B"; }, {"ERecep=A,", "ERecep= ,", "ERecep=B"});
    }

    void lines()
    {
        QFETCH(Change, change);
        QFETCH(bool, writeAll);
        QFETCH(double, firmware);
        QFETCH(QStringList, lines);
        SetupRecord edit = kRead;
        change(edit);
        QCOMPARE(settingLines(edit, kRead, writeAll, firmware), lines);
        // A modem that accepted every line of a change holds the whole edit;
        // recipients only once their last line is accepted.
        if (writeAll || firmware < 2.0 || firmware >= 3.0)
            return;
        SetupRecord held = kRead;
        for (const QString &line : lines) {
            QCOMPARE(held.ERecep, kRead.ERecep);
            acceptSettingLine(line, edit, held);
        }
        QCOMPARE(held, edit);
    }

    // What the password box keeps and the suggestion for a refused password.
    void passwordRule()
    {
        const QList<QPair<QString, QString>> rows{
            {"ab1", "1"},                  // lower case dropped
            {"ABCDEFGHI", "ABCDEFGH"},     // the ninth character dropped
            {"[\\]^", "[\\]^"},            // codes 91 to 94 kept
            {"/:@_`", ""},                 // codes 47, 58, 64, 95 and 96 dropped
            {"abc12ABCDEF", "12ABC"},      // only the first 8 looked at
            {u"\u03b1\u03b209Z"_s, "09Z"}, // beyond 8 bits
        };
        for (const auto &[typed, kept] : rows)
            QCOMPARE(FilterPassword(typed), kept);
    }
};

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
