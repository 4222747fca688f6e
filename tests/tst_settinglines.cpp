#include "changemarks.h"
#include "modemrules.h"
#include "samplesetup.h"
#include "settinglines.h"

#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
using TextCheck = bool (*)(const QString &);
using Marks = QMap<Item, QString>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(TextCheck)
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(SetupRecord)

namespace {

// The sample as a read leaves it: the modem never reports its mail password.
SetupRecord asRead()
{
    SetupRecord r = sampleSetup();
    r.XPas = QString(99, u'*');
    return r;
}

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
        const TextCheck printable = isPrintableAscii;
        row("printable: blank and tilde", printable, " a~", true);
        row("printable: code 31", printable, "inter\x1fnet", false);
        row("printable: DEL", printable, "a\x7f", false);
        row("printable: beyond Latin-1", printable, QStringLiteral("\u20AC"), false);
        const TextCheck placeholder = isPasswordPlaceholder;
        row("placeholder: 100 asterisks", placeholder, QString(100, u'*'), true);
        row("placeholder: 101 asterisks", placeholder, QString(101, u'*'), false);
        row("placeholder: asterisks around a letter", placeholder, "**a**", false);
    }

    void textChecks()
    {
        QFETCH(TextCheck, check);
        QFETCH(QString, text);
        QTEST(check(text), "passes");
    }

    // What the password box keeps, reports of a write without passwords.
    void filteredAndMasked()
    {
        const QList<QPair<QString, QString>> kept{
            {"ab1", "1"},                  // lower case dropped
            {"ABCDEFGHI", "ABCDEFGH"},     // the ninth character dropped
            {"[\\]^", "[\\]^"},            // codes 91 to 94 kept
            {"/:@_`", ""},                 // codes 47, 58, 64, 95 and 96 dropped
            {"abc12ABCDEF", "12ABC"},      // only the first 8 looked at
            {u"\u03b1\u03b209Z"_s, "09Z"}, // beyond 8 bits
        };
        for (const auto &[typed, filtered] : kept)
            QCOMPARE(FilterPassword(typed), filtered);
        const QList<QPair<QString, QString>> masked{
            {"GPRSPass=s3cr=t", "GPRSPass=***"},    {"XPAS=m41l", "XPAS=***"}, {"GPRSPass=", "GPRSPass="},
            {"GPRSID=GPRSPass", "GPRSID=GPRSPass"}, {"APN=a=b", "APN=a=b"},
        };
        for (const auto &[line, shown] : masked)
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
        row("Logger", [](SetupRecord &r) { r.Logger = 0; }, {"Logger=0"});
        row("HostIP", [](SetupRecord &r) { r.HostIP = "10.0.0.9"; }, {"HOSTIP=10.0.0.9"});
        row("HostPort", [](SetupRecord &r) { r.HostPort = 80; }, {"HSTPORTNUMBER=80"});
        row("APN", [](SetupRecord &r) { r.APN = "web"; }, {"APN=web"});
        row("GPRSID", [](SetupRecord &r) { r.GPRSID = "id2"; }, {"GPRSID=id2"});
        row("GPRSPass", [](SetupRecord &r) { r.GPRSPass = "pw2"; }, {"GPRSPass=pw2"});
        row("SMSNum", [](SetupRecord &r) { r.SMSNum = "+30699"; }, {"SMSNUM=+30699"});
        row("Baud", [](SetupRecord &r) { r.Baud = 7; }, {"BAUD=7"});
        row("ERecep", [](SetupRecord &r) { r.ERecep = "c@z.net"; }, {"ERecep=c@z.net"});
        row("ESender", [](SetupRecord &r) { r.ESender = "n@z.net"; }, {"ESender=n@z.net"});
        row("EmailInterval", [](SetupRecord &r) { r.EmailInterval = 4; }, {"Email=04"});
        // A changed mail server sends the unchanged server address again.
        row("MailServer", [](SetupRecord &r) { r.MailServer = "smtp.y.net"; }, {"HOSTIP=10.1.2.3", "MAILS=smtp.y.net"});
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

        // The logger line from 2.0 up to below 3.0, the mail lines below 3.0; a
        // typed password goes between the user and the sender.
        const Change mail = [](SetupRecord &r) {
            r.Logger = 0;
            r.EmailInterval = 0;
            r.MailServer = u"smtp.y.net"_s;
            r.XUser = u"u2"_s;
            r.XPas = u"pw"_s;
            r.ESender = u"n@z.net"_s;
            r.ERecep = u"c@z.net"_s;
        };
        const QStringList mailLines{"Email=00", "MAILS=smtp.y.net", "XUSER=u2",
                                    "XPAS=pw",  "ESender=n@z.net",  "ERecep=c@z.net"};
        row("firmware 1.99", mail, QStringList{"HOSTIP=10.1.2.3"} + mailLines, 1.99);
        row("firmware 2.0", mail, QStringList{"Logger=0", "HOSTIP=10.1.2.3"} + mailLines, 2.0);
        row("firmware 2.99", mail, QStringList{"Logger=0", "HOSTIP=10.1.2.3"} + mailLines, 2.99);
        row("firmware 3.0", mail, {"HOSTIP=10.1.2.3"}, 3.0);

        // The read's placeholder password stays off the wire even when all goes.
        row(
            "all, 2.5", [](SetupRecord &) {},
            {"P1ON=06:00",
             "P1OFF=18:00",
             "P2ON=07:30",
             "P2OFF=19:30",
             "P3ON=09:00",
             "P3OFF=21:00",
             "Logger=1",
             "MODEMROLE=2",
             "SMSNUM=+306912345678",
             "BAUD=5",
             "APN=apn.sample",
             "GPRSID=gprs-user",
             "GPRSPass=gprs-pass",
             "HOSTIP=10.1.2.3",
             "HSTPORTNUMBER=4001",
             "Email=12",
             "MAILS=smtp.site.example",
             "XUSER=mail-user",
             "ESender=modem@site.example",
             "ERecep=alarm@site.example"},
            2.5, true);

        // One address a line; a trailing comma tells the modem that more follow.
        // An empty part is dropped, a blank one kept, the last always sent.
        row("no recipients", [](SetupRecord &r) { r.ERecep.clear(); }, {"ERecep="});
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
        SetupRecord edit = asRead();
        change(edit);
        QCOMPARE(settingLines(edit, asRead(), writeAll, firmware), lines);
        // A modem that accepted every line of a change holds the whole edit;
        // recipients only once their last line is accepted.
        if (writeAll || firmware < 2.0 || firmware >= 3.0)
            return;
        SetupRecord held = asRead();
        for (const QString &line : lines) {
            QCOMPARE(held.ERecep, asRead().ERecep);
            acceptSettingLine(line, edit, held);
        }
        QCOMPARE(held, edit);
    }

    // What the modem cannot take, at each edge. A setup file's own check
    // judges the port, the interval and the times whatever the lines are.
    void unsendable_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("fileProblem");
        // The file's check judges the port, the interval and the times as the lines do.
        const auto row = [](const char *name, Change change, const QStringList &lines, const QString &problem) {
            QTest::newRow(name) << change << lines << problem << problem;
        };
        const auto lineRow = [](const char *name, const QStringList &lines, const QString &problem) {
            QTest::newRow(name) << Change([](SetupRecord &) {}) << lines << problem << QString();
        };
        lineRow("every edge inside",
                {"Logger=0", "Logger=1", "MODEMROLE=1", "MODEMROLE=3", "BAUD=1", "BAUD=7", "HSTPORTNUMBER=0", "Email=0",
                 "APN= ~"},
                "");
        row(
            "interval 24", [](SetupRecord &r) { r.EmailInterval = 24; }, {"Email=24"}, "");
        row(
            "interval 25", [](SetupRecord &r) { r.EmailInterval = 25; }, {"Email=25"},
            "Email interval 25 is not valid: it must be 0 to 24 hours");
        row(
            "interval -1", [](SetupRecord &r) { r.EmailInterval = -1; }, {"Email=-1"},
            "Email interval -1 is not valid: it must be 0 to 24 hours");
        row(
            "port 65535", [](SetupRecord &r) { r.HostPort = 65535; }, {"HSTPORTNUMBER=65535"}, "");
        row(
            "port 65536", [](SetupRecord &r) { r.HostPort = 65536; }, {"HSTPORTNUMBER=65536"},
            "Server port 65536 is not valid: it must be 0 to 65535");
        row(
            "port -1", [](SetupRecord &r) { r.HostPort = -1; }, {"HSTPORTNUMBER=-1"},
            "Server port -1 is not valid: it must be 0 to 65535");
        row(
            "midnight", [](SetupRecord &r) { r.OnTime[1] = 0; }, {"P2ON=00:00"}, "");
        row(
            "a day", [](SetupRecord &r) { r.OnTime[1] = 1; }, {"P2ON=00:00"}, "Device 2 ON time is not a time of day");
        row(
            "before midnight", [](SetupRecord &r) { r.OffTime[2] = -0.001; }, {"P3OFF=23:58"},
            "Device 3 OFF time is not a time of day");
        // The lines judge only what goes.
        QTest::newRow("time not sent") << Change([](SetupRecord &r) { r.OnTime[1] = 1; }) << QStringList{"P1ON=06:00"}
                                       << QString() << "Device 2 ON time is not a time of day";
        lineRow("logger 2", {"Logger=2"}, "Logger mode 2 is not valid: it must be 0 or 1");
        lineRow("role 0", {"MODEMROLE=0"}, "Operating role 0 is not valid: it must be 1, 2 or 3");
        lineRow("role 4", {"MODEMROLE=4"}, "Operating role 4 is not valid: it must be 1, 2 or 3");
        lineRow("baud 0", {"BAUD=0"}, "Baud rate index 0 is not valid: it must be 1 to 7");
        lineRow("baud 8, the first wins", {"APN=web", "BAUD=8", "Email=99"},
                "Baud rate index 8 is not valid: it must be 1 to 7");
        lineRow("DEL in the APN", {"APN=a\x7f"}, "APN contains characters that the Merolan cannot store");
        lineRow("code 31 in a recipient", {"ERecep=a\x1f"},
                "Email recipient contains characters that the Merolan cannot store");
    }

    void unsendable()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, lines);
        SetupRecord r = sampleSetup();
        change(r);
        QTEST(unsendableSetting(lines, r), "problem");
        QTEST(setupFileProblem(r), "fileProblem");
    }

    // Beside a modem holding the sample: the lines that differ and what the
    // modem holds now.
    void changeMarks_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Marks>("marks");
        QTest::addColumn<SetupRecord>("modem");
        const auto beside = [](const char *name, const SetupRecord &modem, Change change, Marks marks) {
            QTest::newRow(name) << change << marks << modem;
        };
        const auto row = [&](const char *name, Change change, Marks marks) {
            beside(name, sampleSetup(), change, marks);
        };
        row("nothing", [](SetupRecord &) {}, {});
        // Their own controls show these two.
        row("Role", [](SetupRecord &r) { r.Role = 3; }, {});
        row("Logger", [](SetupRecord &r) { r.Logger = 0; }, {});
        row("HostIP", [](SetupRecord &r) { r.HostIP = u"10.0.0.9"_s; },
            {{Item::lblTessarinIP, u"In the Merolan: 10.1.2.3"_s}});
        row("HostPort", [](SetupRecord &r) { r.HostPort = 502; },
            {{Item::lblTessarinPort, u"In the Merolan: 4001"_s}, {Item::lblServerPort, u"In the Merolan: 4001"_s}});
        row("APN", [](SetupRecord &r) { r.APN = u"web"_s; }, {{Item::lblAPN, u"In the Merolan: apn.sample"_s}});
        row("GPRSID", [](SetupRecord &r) { r.GPRSID = u"other"_s; },
            {{Item::lblProviderUser, u"In the Merolan: gprs-user"_s}});
        row("GPRSPass", [](SetupRecord &r) { r.GPRSPass = u"new"_s; }, {{Item::lblProviderPWD, u"Password changed"_s}});
        row("SMSNum", [](SetupRecord &r) { r.SMSNum.clear(); }, {{Item::lblSMS, u"In the Merolan: +306912345678"_s}});
        row("Baud", [](SetupRecord &r) { r.Baud = 7; }, {{Item::lblBaud, u"In the Merolan: 19200"_s}});
        row("EmailInterval", [](SetupRecord &r) { r.EmailInterval = 0; },
            {{Item::lblEmail, u"In the Merolan:\nEmail: per 12h"_s}});
        row("ERecep", [](SetupRecord &r) { r.ERecep = u"c@z.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nRecipients: alarm@site.example"_s}});
        row("ESender", [](SetupRecord &r) { r.ESender = u"n@z.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nSender: modem@site.example"_s}});
        row("MailServer", [](SetupRecord &r) { r.MailServer = u"smtp.y.net"_s; },
            {{Item::lblEmail, u"In the Merolan:\nSMTP server: smtp.site.example"_s}});
        row("XUser", [](SetupRecord &r) { r.XUser = u"robot"_s; },
            {{Item::lblEmail, u"In the Merolan:\nUserID: mail-user"_s}});
        row("XPas", [](SetupRecord &r) { r.XPas = u"new"_s; }, {{Item::lblEmail, u"Password changed"_s}});
        row("whole e-mail dialog",
            [](SetupRecord &r) {
                r.EmailInterval = 6;
                r.ERecep = r.ESender = r.MailServer = r.XUser = r.XPas = QString();
            },
            {{Item::lblEmail, u"In the Merolan:\nEmail: per 12h\nRecipients: alarm@site.example\nSender: "
                              "modem@site.example\nSMTP server: smtp.site.example\nUserID: mail-user\n"
                              "Password changed"_s}});
        row("OnTime 1", [](SetupRecord &r) { r.OnTime[0] = 0; },
            {{Item::lblTime0, u"In the Merolan: ON 06:00~18:00"_s}});
        row("OffTime 2", [](SetupRecord &r) { r.OffTime[1] = 0; },
            {{Item::lblTime1, u"In the Merolan: ON 07:30~19:30"_s}});
        row("OnTime 3", [](SetupRecord &r) { r.OnTime[2] = 0; },
            {{Item::lblTime2, u"In the Merolan: ON 09:00~21:00"_s}});

        // What the modem holds is said even when it holds nothing.
        SetupRecord empty = sampleSetup();
        empty.APN.clear();
        empty.Baud = 0;
        empty.SMSNum.clear();
        beside("modem holds nothing", empty, [](SetupRecord &) {},
               {{Item::lblAPN, u"In the Merolan: (empty)"_s},
                {Item::lblSMS, u"In the Merolan: Disabled"_s},
                {Item::lblBaud, u"In the Merolan: not known"_s}});
        // The read gives the mail password as 99 asterisks, the e-mail dialog
        // as eight: both are the placeholder that is never sent, so no change.
        beside("XPas placeholder", asRead(), [](SetupRecord &r) { r.XPas = u"********"_s; }, {});
        beside("XPas emptied", asRead(), [](SetupRecord &r) { r.XPas.clear(); }, {});
        beside("XPas typed", asRead(), [](SetupRecord &r) { r.XPas = u"*x*"_s; },
               {{Item::lblEmail, u"Password changed"_s}});
    }

    void changeMarks()
    {
        QFETCH(Change, change);
        QFETCH(Marks, marks);
        QFETCH(SetupRecord, modem);
        SetupRecord edit = sampleSetup();
        change(edit);
        QCOMPARE(changedLines(edit, modem), marks);
        // Only the role and the logger differ without a line to mark.
        QCOMPARE(edit == modem, marks.isEmpty() && edit.Role == modem.Role && edit.Logger == modem.Logger);
    }
};

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
