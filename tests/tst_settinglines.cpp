#include "changemarks.h"
#include "modemrules.h"
#include "samplesetup.h"
#include "settinglines.h"

#include <QtTest>

#include <functional>

using Item = SetupView::Item;
using Change = std::function<void(SetupRecord &)>;
using Marks = QMap<Item, QString>;

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
            {"ABCDEFGHI", "ABCDEFGH"}, // the ninth character dropped
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
    void eachChange()
    {
        const auto held = [](Item line, const char *value) {
            return Marks{{line, QStringLiteral("In the Merolan: ") + QLatin1String(value)}};
        };
        const Marks devices{{Item::lblTime0, "In the Merolan: ON 06:00~18:00"},
                            {Item::lblTime1, "In the Merolan: ON 07:30~19:30"},
                            {Item::lblTime2, "In the Merolan: ON 09:00~21:00"}};
        const Marks recipients{{Item::lblEmail, "In the Merolan:\nRecipients: alarm@site.example"}};
        const std::tuple<QStringList, Marks, Change> rows[] = {
            // Their own controls show these two.
            {{"MODEMROLE=3"}, {}, [](auto &r) { r.Role = 3; }},
            {{"Logger=0"}, {}, [](auto &r) { r.Logger = 0; }},
            {{"HOSTIP=10.0.0.9"}, held(Item::lblTessarinIP, "10.1.2.3"), [](auto &r) { r.HostIP = "10.0.0.9"; }},
            {{"HSTPORTNUMBER=502"},
             {{Item::lblTessarinPort, "In the Merolan: 4001"}, {Item::lblServerPort, "In the Merolan: 4001"}},
             [](auto &r) { r.HostPort = 502; }},
            {{"APN=web"}, held(Item::lblAPN, "apn.sample"), [](auto &r) { r.APN = "web"; }},
            {{"GPRSID=id2"}, held(Item::lblProviderUser, "gprs-user"), [](auto &r) { r.GPRSID = "id2"; }},
            {{"GPRSPass=pw2"}, {{Item::lblProviderPWD, "Password changed"}}, [](auto &r) { r.GPRSPass = "pw2"; }},
            {{"SMSNUM="}, held(Item::lblSMS, "+306912345678"), [](auto &r) { r.SMSNum.clear(); }},
            {{"BAUD=7"}, held(Item::lblBaud, "19200"), [](auto &r) { r.Baud = 7; }},
            // A changed mail server sends the unchanged server address again.
            {{"HOSTIP=10.1.2.3", "MAILS=smtp.y.net"},
             {{Item::lblEmail, "In the Merolan:\nSMTP server: smtp.site.example"}},
             [](auto &r) { r.MailServer = "smtp.y.net"; }},
            // The e-mail dialog's placeholder and an emptied box are the read's
            // placeholder: never sent, no change.
            {{}, {}, [](auto &r) { r.XPas = "********"; }},
            {{}, {}, [](auto &r) { r.XPas.clear(); }},
            {linesOf("HOSTIP=10.1.2.3 Email=06 MAILS= XUSER= XPAS=new ESender= ERecep="),
             {{Item::lblEmail,
               "In the Merolan:\nEmail: per 12h\nRecipients: alarm@site.example\nSender: "
               "modem@site.example\nSMTP server: smtp.site.example\nUserID: mail-user\nPassword changed"}},
             [](auto &r) {
                 r.EmailInterval = 6;
                 r.ERecep = r.ESender = r.MailServer = r.XUser = QString();
                 r.XPas = "new";
             }},
            // Either time of a device marks its line.
            {linesOf("P1ON=06:30 P2ON=08:00 P3ON=00:00"), devices,
             [](auto &r) {
                 r.OnTime = std::array{13. / 48, 1. / 3, 0.};
             }},
            {linesOf("P1OFF=19:00 P2OFF=09:00 P3OFF=23:50"), devices,
             [](auto &r) {
                 r.OffTime = std::array{19. / 24, 9. / 24, 1430. / 1440};
             }},
            // One address a line; a trailing comma tells the modem that more follow.
            // An empty part is dropped, a blank one kept, the last always sent.
            {{"ERecep=c@z.net"}, recipients, [](auto &r) { r.ERecep = "c@z.net"; }},
            {{"ERecep=A,", "ERecep="}, recipients, [](auto &r) { r.ERecep = "A,"; }},
            {{"ERecep=A,", "ERecep=B"}, recipients, [](auto &r) { r.ERecep = "A,,B"; }},
            {{"ERecep=A,", "ERecep= ,", "ERecep=B"}, recipients, [](auto &r) { r.ERecep = "A, ,B"; }},
        };
        for (const auto &[lines, marks, change] : rows) {
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
        QCOMPARE(settingLines(edit, asRead(), false, 1.99), linesOf("Email=00 XPAS=pw"));
        QCOMPARE(settingLines(edit, asRead(), false, 2.0), linesOf("Logger=0 Email=00 XPAS=pw"));
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
    void unsendable()
    {
        const std::tuple<const char *, const char *, Change> changes[] = {
            {"Email=24", "", [](auto &r) { r.EmailInterval = 24; }},
            {"Email=25", "Email interval 25 is not valid: it must be 0 to 24 hours",
             [](auto &r) { r.EmailInterval = 25; }},
            {"Email=-1", "Email interval -1 is not valid: it must be 0 to 24 hours",
             [](auto &r) { r.EmailInterval = -1; }},
            {"HSTPORTNUMBER=65535", "", [](auto &r) { r.HostPort = 65535; }},
            {"HSTPORTNUMBER=65536", "Server port 65536 is not valid: it must be 0 to 65535",
             [](auto &r) { r.HostPort = 65536; }},
            {"HSTPORTNUMBER=-1", "Server port -1 is not valid: it must be 0 to 65535",
             [](auto &r) { r.HostPort = -1; }},
            {"P2ON=00:00", "", [](auto &r) { r.OnTime[1] = 0; }},
            {"P2ON=00:00", "Device 2 ON time is not a time of day", [](auto &r) { r.OnTime[1] = 1; }},
            {"P3OFF=23:58", "Device 3 OFF time is not a time of day", [](auto &r) { r.OffTime[2] = -0.001; }},
        };
        for (const auto &[lines, problem, change] : changes) {
            SetupRecord r = sampleSetup();
            change(r);
            QCOMPARE(unsendableSetting(linesOf(lines), r), QLatin1String(problem));
            QCOMPARE(setupFileProblem(r), QLatin1String(problem));
        }
        SetupRecord r = sampleSetup();
        r.OnTime[1] = 1;
        QCOMPARE(unsendableSetting({"P1ON=06:00"}, r), QString());
        QCOMPARE(setupFileProblem(r), QStringLiteral("Device 2 ON time is not a time of day"));
        const std::pair<const char *, const char *> lines[] = {
            {"Logger=0 Logger=1 MODEMROLE=1 MODEMROLE=3 BAUD=1 BAUD=7 HSTPORTNUMBER=0 Email=0", ""},
            {"Logger=2", "Logger mode 2 is not valid: it must be 0 or 1"},
            {"APN=web BAUD=8 Email=99", "Baud rate index 8 is not valid: it must be 1 to 7"}, // the first wins
            {"APN=~ APN=", ""},
            {"APN=a\x7f", "APN contains characters that the Merolan cannot store"},
            {"ERecep=a\x1f", "Email recipient contains characters that the Merolan cannot store"},
        };
        for (const auto &[sent, problem] : lines)
            QCOMPARE(unsendableSetting(linesOf(sent), sampleSetup()), QLatin1String(problem));
    }
};

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
