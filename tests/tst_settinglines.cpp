#include "changemarks.h"
#include "modemrules.h"
#include "samplesetup.h"
#include "settinglines.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
using Marks = QMap<Item, QString>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Marks)

namespace {

// The sample as a read leaves it: the modem never reports its mail password.
SetupRecord asRead()
{
    SetupRecord r = sampleSetup();
    r.XPas = QString(99, u'*');
    return r;
}

QStringList linesOf(const char *spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestSettingLines : public QObject
{
    Q_OBJECT
private slots:
    void textChecks()
    {
        using Check = bool (*)(const QString &);
        const std::tuple<Check, const char *, bool> rows[] = {
            {matchesAddressPattern, "ab.c", false},  {matchesAddressPattern, "@b.c", false},
            {matchesAddressPattern, "a@.c", false},  {matchesAddressPattern, "a@.b.c", true},
            {matchesAddressPattern, "a@b.", false},  {matchesAddressPattern, "a.b@c", false},
            {matchesAddressPattern, "a@b..", true},  {matchesAddressPattern, "@a@b.c", true},
            {isPrintableAscii, " a~", true},         {isPrintableAscii, "inter\x1fnet", false},
            {isPrintableAscii, "a\x7f", false},      {isPrintableAscii, "\u20AC", false},
            {isPasswordPlaceholder, "**a**", false},
        };
        for (const auto &[check, text, passes] : rows)
            QVERIFY2(check(QString::fromUtf8(text)) == passes, text);
        QVERIFY(isPasswordPlaceholder(QString(100, u'*')));
        QVERIFY(!isPasswordPlaceholder(QString(101, u'*')));
    }

    // What the password box keeps, and reports of a write without passwords.
    void filteredAndMasked()
    {
        const std::pair<const char *, const char *> kept[] = {
            {"ab1", "1"},              // lower case dropped
            {"ABCDEFGHI", "ABCDEFGH"}, // the ninth character dropped
            {"[\\]^", "[\\]^"},        // codes 91 to 94 kept
            {"/:@_`", ""},             // codes 47, 58, 64, 95 and 96 dropped
            {"abc12ABCDEF", "12ABC"},  // only the first 8 looked at
            {"\u03b1\u03b209Z", "09Z"},
        };
        for (const auto &[typed, filtered] : kept)
            QCOMPARE(FilterPassword(QString::fromUtf8(typed)), QLatin1String(filtered));
        const std::pair<const char *, const char *> masked[] = {
            {"GPRSPass=s3cr=t", "GPRSPass=***"},    {"XPAS=m41l", "XPAS=***"}, {"GPRSPass=", "GPRSPass="},
            {"GPRSID=GPRSPass", "GPRSID=GPRSPass"}, {"APN=a=b", "APN=a=b"},
        };
        for (const auto &[line, shown] : masked)
            QCOMPARE(maskedSettingLine(QLatin1String(line)), QLatin1String(shown));
    }

    // Each change beside the modem that was read: the lines a write sends,
    // the diagram lines marked with what the modem holds, and what the modem
    // holds once it accepted every line (recipients once the last one came).
    void eachChange_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Marks>("marks");
        const auto row = [](const char *name, Change change, const QStringList &lines, const Marks &marks) {
            QTest::newRow(name) << change << lines << marks;
        };
        row("nothing", [](SetupRecord &) {}, {}, {});
        // Their own controls show these two.
        row("Role", [](SetupRecord &r) { r.Role = 3; }, {"MODEMROLE=3"}, {});
        row("Logger", [](SetupRecord &r) { r.Logger = 0; }, {"Logger=0"}, {});
        row("HostIP", [](SetupRecord &r) { r.HostIP = "10.0.0.9"; }, {"HOSTIP=10.0.0.9"},
            {{Item::lblTessarinIP, "In the Merolan: 10.1.2.3"}});
        row("HostPort", [](SetupRecord &r) { r.HostPort = 502; }, {"HSTPORTNUMBER=502"},
            {{Item::lblTessarinPort, "In the Merolan: 4001"}, {Item::lblServerPort, "In the Merolan: 4001"}});
        row("APN", [](SetupRecord &r) { r.APN = "web"; }, {"APN=web"}, {{Item::lblAPN, "In the Merolan: apn.sample"}});
        row("GPRSID", [](SetupRecord &r) { r.GPRSID = "id2"; }, {"GPRSID=id2"},
            {{Item::lblProviderUser, "In the Merolan: gprs-user"}});
        row("GPRSPass", [](SetupRecord &r) { r.GPRSPass = "pw2"; }, {"GPRSPass=pw2"},
            {{Item::lblProviderPWD, "Password changed"}});
        row("SMSNum", [](SetupRecord &r) { r.SMSNum.clear(); }, {"SMSNUM="},
            {{Item::lblSMS, "In the Merolan: +306912345678"}});
        row("Baud", [](SetupRecord &r) { r.Baud = 7; }, {"BAUD=7"}, {{Item::lblBaud, "In the Merolan: 19200"}});
        row("EmailInterval", [](SetupRecord &r) { r.EmailInterval = 4; }, {"Email=04"},
            {{Item::lblEmail, "In the Merolan:\nEmail: per 12h"}});
        row("ESender", [](SetupRecord &r) { r.ESender = "n@z.net"; }, {"ESender=n@z.net"},
            {{Item::lblEmail, "In the Merolan:\nSender: modem@site.example"}});
        // A changed mail server sends the unchanged server address again.
        row("MailServer", [](SetupRecord &r) { r.MailServer = "smtp.y.net"; }, {"HOSTIP=10.1.2.3", "MAILS=smtp.y.net"},
            {{Item::lblEmail, "In the Merolan:\nSMTP server: smtp.site.example"}});
        row("XUser", [](SetupRecord &r) { r.XUser = "u2"; }, {"XUSER=u2"},
            {{Item::lblEmail, "In the Merolan:\nUserID: mail-user"}});
        row("XPas typed", [](SetupRecord &r) { r.XPas = "*x*"; }, {"XPAS=*x*"}, {{Item::lblEmail, "Password changed"}});
        // The e-mail dialog's placeholder and an emptied box are the read's
        // placeholder: never sent, no change.
        row("XPas placeholder", [](SetupRecord &r) { r.XPas = "********"; }, {}, {});
        row("XPas emptied", [](SetupRecord &r) { r.XPas.clear(); }, {}, {});
        row("whole e-mail dialog",
            [](SetupRecord &r) {
                r.EmailInterval = 6;
                r.ERecep = r.ESender = r.MailServer = r.XUser = QString();
                r.XPas = "new";
            },
            linesOf("HOSTIP=10.1.2.3 Email=06 MAILS= XUSER= XPAS=new ESender= ERecep="),
            {{Item::lblEmail,
              "In the Merolan:\nEmail: per 12h\nRecipients: alarm@site.example\nSender: "
              "modem@site.example\nSMTP server: smtp.site.example\nUserID: mail-user\nPassword changed"}});
        const Marks device1{{Item::lblTime0, "In the Merolan: ON 06:00~18:00"}};
        const Marks device2{{Item::lblTime1, "In the Merolan: ON 07:30~19:30"}};
        const Marks device3{{Item::lblTime2, "In the Merolan: ON 09:00~21:00"}};
        row(
            "OnTime 1", [](SetupRecord &r) { r.OnTime[0] = 6.5 / 24; }, {"P1ON=06:30"}, device1);
        row(
            "OffTime 1", [](SetupRecord &r) { r.OffTime[0] = 19.0 / 24; }, {"P1OFF=19:00"}, device1);
        row(
            "OnTime 2", [](SetupRecord &r) { r.OnTime[1] = 8.0 / 24; }, {"P2ON=08:00"}, device2);
        row(
            "OffTime 2", [](SetupRecord &r) { r.OffTime[1] = 9.0 / 24; }, {"P2OFF=09:00"}, device2);
        row(
            "OnTime 3", [](SetupRecord &r) { r.OnTime[2] = 0.0; }, {"P3ON=00:00"}, device3);
        row(
            "OffTime 3", [](SetupRecord &r) { r.OffTime[2] = 23.0 / 24 + 50.0 / 1440; }, {"P3OFF=23:50"}, device3);
        // One address a line; a trailing comma tells the modem that more follow.
        // An empty part is dropped, a blank one kept, the last always sent.
        const Marks recipients{{Item::lblEmail, "In the Merolan:\nRecipients: alarm@site.example"}};
        row(
            "ERecep", [](SetupRecord &r) { r.ERecep = "c@z.net"; }, {"ERecep=c@z.net"}, recipients);
        row(
            "no recipients", [](SetupRecord &r) { r.ERecep.clear(); }, {"ERecep="}, recipients);
        row(
            "A,", [](SetupRecord &r) { r.ERecep = "A,"; }, {"ERecep=A,", "ERecep="}, recipients);
        row(
            "A,,B", [](SetupRecord &r) { r.ERecep = "A,,B"; }, {"ERecep=A,", "ERecep=B"}, recipients);
        row(
            "A, ,B", [](SetupRecord &r) { r.ERecep = "A, ,B"; }, {"ERecep=A,", "ERecep= ,", "ERecep=B"}, recipients);
    }

    void eachChange()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, lines);
        QFETCH(Marks, marks);
        SetupRecord edit = asRead();
        change(edit);
        QCOMPARE(settingLines(edit, asRead(), false, 2.5), lines);
        QCOMPARE(changedLines(edit, asRead()), marks);
        SetupRecord held = asRead();
        for (const QString &line : lines) {
            QCOMPARE(held.ERecep, QStringLiteral("alarm@site.example"));
            acceptSettingLine(line, edit, held);
        }
        QCOMPARE(held, edit);
    }

    // The logger line from 2.0 up to below 3.0, the mail lines below 3.0, a
    // typed password between the user and the sender; with writeAll every
    // line but the read's placeholder password.
    void linesByFirmware()
    {
        SetupRecord edit = asRead();
        edit.Logger = 0;
        edit.EmailInterval = 0;
        edit.XPas = "pw";
        const char *mail = " Email=00 XPAS=pw";
        for (const auto &[firmware, lines] : {std::pair{1.99, QByteArray("")}, {2.0, "Logger=0"}, {2.99, "Logger=0"}})
            QCOMPARE(settingLines(edit, asRead(), false, firmware), linesOf((lines + mail).constData()));
        QCOMPARE(settingLines(edit, asRead(), false, 3.0), QStringList());
        QCOMPARE(settingLines(asRead(), asRead(), true, 2.5),
                 linesOf("P1ON=06:00 P1OFF=18:00 P2ON=07:30 P2OFF=19:30 P3ON=09:00 P3OFF=21:00 Logger=1 MODEMROLE=2 "
                         "SMSNUM=+306912345678 BAUD=5 APN=apn.sample GPRSID=gprs-user GPRSPass=gprs-pass "
                         "HOSTIP=10.1.2.3 HSTPORTNUMBER=4001 Email=12 MAILS=smtp.site.example XUSER=mail-user "
                         "ESender=modem@site.example ERecep=alarm@site.example"));
    }

    // What the modem holds is said even when it holds nothing.
    void marksOfAnEmptyModem()
    {
        SetupRecord empty = sampleSetup();
        empty.APN.clear();
        empty.Baud = 0;
        empty.SMSNum.clear();
        QCOMPARE(changedLines(sampleSetup(), empty), Marks({{Item::lblAPN, "In the Merolan: (empty)"},
                                                            {Item::lblSMS, "In the Merolan: Disabled"},
                                                            {Item::lblBaud, "In the Merolan: not known"}}));
    }

    // What the modem cannot take, at each edge. A setup file's own check
    // judges the port, the interval and the times whatever is sent.
    void unsendable_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("fileProblem");
        const auto row = [](const char *name, Change change, const char *lines, const QString &problem) {
            QTest::newRow(name) << change << linesOf(lines) << problem << problem;
        };
        const auto lineRow = [](const char *name, const char *lines, const QString &problem) {
            QTest::newRow(name) << Change([](SetupRecord &) {}) << linesOf(lines) << problem << QString();
        };
        lineRow("edges inside", "Logger=0 Logger=1 MODEMROLE=1 MODEMROLE=3 BAUD=1 BAUD=7 HSTPORTNUMBER=0 Email=0", "");
        row(
            "interval 24", [](SetupRecord &r) { r.EmailInterval = 24; }, "Email=24", "");
        row(
            "interval 25", [](SetupRecord &r) { r.EmailInterval = 25; }, "Email=25",
            "Email interval 25 is not valid: it must be 0 to 24 hours");
        row(
            "interval -1", [](SetupRecord &r) { r.EmailInterval = -1; }, "Email=-1",
            "Email interval -1 is not valid: it must be 0 to 24 hours");
        row(
            "port 65535", [](SetupRecord &r) { r.HostPort = 65535; }, "HSTPORTNUMBER=65535", "");
        row(
            "port 65536", [](SetupRecord &r) { r.HostPort = 65536; }, "HSTPORTNUMBER=65536",
            "Server port 65536 is not valid: it must be 0 to 65535");
        row(
            "port -1", [](SetupRecord &r) { r.HostPort = -1; }, "HSTPORTNUMBER=-1",
            "Server port -1 is not valid: it must be 0 to 65535");
        row(
            "midnight", [](SetupRecord &r) { r.OnTime[1] = 0; }, "P2ON=00:00", "");
        row(
            "a day", [](SetupRecord &r) { r.OnTime[1] = 1; }, "P2ON=00:00", "Device 2 ON time is not a time of day");
        row(
            "before midnight", [](SetupRecord &r) { r.OffTime[2] = -0.001; }, "P3OFF=23:58",
            "Device 3 OFF time is not a time of day");
        QTest::newRow("time not sent") << Change([](SetupRecord &r) { r.OnTime[1] = 1; }) << linesOf("P1ON=06:00")
                                       << QString() << "Device 2 ON time is not a time of day";
        lineRow("logger 2", "Logger=2", "Logger mode 2 is not valid: it must be 0 or 1");
        lineRow("role 0", "MODEMROLE=0", "Operating role 0 is not valid: it must be 1, 2 or 3");
        lineRow("role 4", "MODEMROLE=4", "Operating role 4 is not valid: it must be 1, 2 or 3");
        lineRow("baud 0", "BAUD=0", "Baud rate index 0 is not valid: it must be 1 to 7");
        lineRow("baud 8, the first wins", "APN=web BAUD=8 Email=99",
                "Baud rate index 8 is not valid: it must be 1 to 7");
        lineRow("blank and tilde", "APN=~ APN=", "");
        lineRow("DEL in the APN", "APN=a\x7f", "APN contains characters that the Merolan cannot store");
        lineRow("code 31 in a recipient", "ERecep=a\x1f",
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
};

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
