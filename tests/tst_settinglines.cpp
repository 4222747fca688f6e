#include "changemarks.h"
#include "fieldeditors.h"
#include "modemrig.h"
#include "modemrules.h"
#include "presets.h"
#include "samplesetup.h"
#include "settinglines.h"
#include "settingsedit.h"

#include <QTemporaryDir>
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

// One provider in a presets file, with a server host.
QByteArray presetsWith(const QByteArray &provider)
{
    return R"({"Providers": [)" + provider + R"(], "ServerHost": "h.gr"})";
}

// The window's session on the sample setup, with the user's answers to the input boxes.
struct Rig : ModemRig
{
    explicit Rig(const QStringList &answers)
    {
        session.ModemSetup = session.EditSetup = sampleSetup();
        for (const QString &a : answers) // "-" stands for Cancel
            prompt.answerInput(a == QLatin1String("-") ? std::nullopt : std::optional(a));
    }
};

} // namespace

// The settings' rules: the lines a write sends and the changes it marks,
// what the modem can take, the editors' boxes and the network presets.
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
        // What the password box keeps, and reports of a write without passwords.
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

    // The editors' boxes. In the e-mail dialog's, line feeds do not count
    // towards the 90 recipient characters that trigger a cut, but they do count
    // among the 89 kept. The interval is whole hours, halves to even, 0 to 24 only.
    void editorBoxes()
    {
        const QString lines = QString(44, 'r') + '\n' + QString(45, 's') + '\n';
        QCOMPARE(cutRecipients(lines), std::nullopt);
        QCOMPARE(cutRecipients(lines + 't'), QString(44, 'r') + '\n' + QString(44, 's'));
        QCOMPARE(storedRecipients(QStringLiteral("a@b.gr ;\r\nc @d.gr;\n;;")), QStringLiteral("a@b.gr,c@d.gr"));
        QCOMPARE(recipientsOnScreen(QStringLiteral("a@b.gr,c@d.gr")), QStringLiteral("a@b.gr;c@d.gr"));
        const std::pair<const char *, std::optional<qint16>> rows[] = {
            {"Email Disabled", 0}, {"12 hours", 12}, {"2.5", 2}, {"3.5", 4}, {"24", 24},
            {"24.5", 24},          {"25", {}},       {"-1", {}}, {"-0.5", 0}};
        for (const auto &[text, hours] : rows)
            QCOMPARE(emailIntervalOfText(QLatin1String(text)), hours);
        // The server dialog's port box: what it keeps of a text and the port it
        // stands for, rounded halves to even.
        const std::tuple<const char *, std::optional<qint32>, const char *> ports[] = {
            {"1022.5", 1022, "1022.5"},       {"1", 1, "1"},      {"65535", 65535, "65535"},
            {"65535.5", {}, "65535.5"},       {"0.5", {}, "0.5"}, {"-80", {}, "-80"},
            {"4294968319", {}, "4294968319"}, {"80a", {}, ""},    {"", {}, ""}};
        for (const auto &[text, port, boxKeeps] : ports) {
            QCOMPARE(hostPortOfText(QLatin1String(text)), port);
            QCOMPARE(portBoxText(QLatin1String(text)), QLatin1String(boxKeeps));
        }
    }

    // The boxes as "interval|recipients|sender|smtp|user|password|apn"; only
    // mx.login wants a login.
    void emailChecksInOrder()
    {
        const std::tuple<const char *, int, bool, EmailCheck> rows[] = {
            {"4|o@p.gr|m@p.gr|smtp.p|u|pw|iot", 1, false, EmailCheck::Passed},
            {"4|o@p.gr|m@p.gr|mx.login|u|pw|iot", 1, false, EmailCheck::Passed},
            {"4|o@p.gr|@x|mx.login|u||iot", 1, false, EmailCheck::LoginMissing},
            {"4|o@p.gr|m@p.gr|mx.login ||pw|iot", 1, false, EmailCheck::Passed},
            {"|o@p.gr|m@p.gr|smtp.p|u|pw|  ", 2, false, EmailCheck::EmptyApn},
            {"|o@p.gr|m@p.gr|smtp.p|u|pw|  ", 2, true, EmailCheck::NoInterval},
            {"|o@p.gr|m@p.gr|smtp.p|u|pw|  ", 3, false, EmailCheck::NoInterval},
            {"-2|o@p.gr|m@p.gr|smtp.p|u|pw|iot", 1, false, EmailCheck::BadInterval},
            {"Email Disabled|@p.gr|nobody|smtp.p|u|pw|iot", 1, false, EmailCheck::BadRecipient},
            {"Email Disabled|o@|nobody|smtp.p|u|pw|iot", 1, false, EmailCheck::BadSender},
        };
        for (const auto &[boxes, role, apnConfirmed, check] : rows) {
            const QStringList b = QString::fromLatin1(boxes).split(QLatin1Char('|'));
            const EmailBoxes typed{b[0], b[1], b[2], b[3], b[4], b[5], b[6], {}, {}};
            QVERIFY2(checkEmail(typed, qint16(role), {"mx.login"}, apnConfirmed) == check, boxes);
        }
    }

    // Opening the server and baud dialogs fills only what the record lacks.
    // The GPRS dialog opens on the stored texts: OK on those changes nothing,
    // not even their blanks; a typed text is stored trimmed.
    void dialogsKeepWhatIsStored()
    {
        SetupRecord r;
        applyServerDefaults(r, QStringLiteral("med.example"));
        applyBaudDefault(r);
        QCOMPARE(QStringList({r.HostIP, QString::number(r.HostPort), QString::number(r.Baud)}),
                 QStringList({"med.example", "1023", "4"}));
        r = sampleSetup();
        r.APN = QStringLiteral(" internet ");
        applyServerDefaults(r, QStringLiteral("med.example"));
        applyBaudDefault(r);
        storeGprs(QStringLiteral(" internet "), QStringLiteral("gprs-user"), QStringLiteral(" pw2 "), r);
        SetupRecord expected = sampleSetup();
        expected.APN = QStringLiteral(" internet ");
        expected.GPRSPass = QStringLiteral("pw2");
        QCOMPARE(r, expected);
    }

    // Any fault gives the built-in providers and no server host.
    void presetLimits()
    {
        const auto withLong = [](const char *key, int length) {
            return presetsWith("{\"Name\": \"A\", \"" + QByteArray(key) + "\": \"" + QByteArray(length, 'x') + "\"}");
        };
        const std::pair<QByteArray, const char *> rows[] = {
            {"{\"Providers\": [", "unterminated array at character 15"},
            {R"({"Providers": {}})", "\"Providers\" is not a list"},
            {presetsWith(R"({"APN": "a"})"), "a provider has no Name"},
            {presetsWith(R"({"Name": "Other"})"), "\"Other\" is not a provider's name"},
            {presetsWith(R"({"Name": "A"}, {"Name": "A"})"), "\"A\" is listed twice"},
            {withLong("APN", 32), ""},
            {withLong("APN", 33), "APN of \"A\" is longer than 32 characters"},
            {withLong("User", 16), ""},
            {withLong("User", 17), "User of \"A\" is longer than 16 characters"},
            {presetsWith(R"({"Name": "A", "Password": "\u00e9"})"),
             "Password of \"A\" holds a character the modem cannot take"},
            {presetsWith(R"({"Name": "A", "MailLoginRequired": 1})"),
             "MailLoginRequired of \"A\" is not true or false"},
            {R"({"Providers": [], "ServerHost": 7})", "\"ServerHost\" is not a host name"},
        };
        for (const auto &[json, fault] : rows) {
            const Presets presets = parsePresets(json);
            QCOMPARE(presets.problem, QLatin1String(fault));
            QCOMPARE(presets.serverHost, *fault ? QString() : QStringLiteral("h.gr"));
            if (*fault)
                QCOMPARE(presets.providers, builtInPresets().providers);
            else
                QCOMPARE(presets.providers.value(0).name, QStringLiteral("A"));
        }
        // A host under a name kept for examples resolves nowhere: the file's value
        // counts as not given, so it is never offered nor written.
        const std::pair<const char *, bool> hosts[] = {
            {"smtp.wind-gr.example", false}, {"SMTP.X.EXAMPLE.", false}, {"example", false},
            {"med.invalid", false},          {"myexample", true},        {"smtp.example.gr", true}};
        for (const auto &[host, given] : hosts) {
            const Presets presets = parsePresets(
                QByteArray(R"({"Providers": [{"Name": "A", "APN": "@", "MailServer": "@"}], "ServerHost": "@"})")
                    .replace('@', host));
            const QString kept = given ? QLatin1String(host) : QString();
            QCOMPARE(presets.providers.value(0).apn + '|' + presets.providers.value(0).mailServer + '|'
                         + presets.serverHost,
                     kept + '|' + kept + '|' + kept);
        }
    }

    // The first file that exists wins; a damaged one gives the built-in
    // values, which the shipped file holds.
    void presetFiles()
    {
        QTemporaryDir dir;
        const QString shipped = QStringLiteral(MEROLAN_PRESETS);
        const QString own = dir.filePath(QStringLiteral("own.json"));
        const QString damaged = dir.filePath(QStringLiteral("damaged.json"));
        const QByteArray json = R"({"Providers": [{"Name": "Acme NL", "APN": "acme.iot", "MailServer": "mx.acme",
                                    "MailLoginRequired": true}], "ServerHost": " med.acme "})";
        for (const auto &[path, body] : {std::pair{own, json}, {damaged, QByteArray("[]")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(body) == body.size());
        }

        const Presets first = loadPresets({dir.filePath(QStringLiteral("missing.json")), own, shipped});
        QCOMPARE(first.problem, QString());
        QCOMPARE(first.providers, QList<Provider>({{"Acme NL", "acme.iot", "", "", "mx.acme", true}}));
        QCOMPARE(first.serverHost, QStringLiteral("med.acme"));
        const Presets fromShipped = loadPresets({shipped, own});
        QCOMPARE(fromShipped.problem, QString());
        QCOMPARE(fromShipped.providers, builtInPresets().providers);
        QCOMPARE(fromShipped.serverHost, builtInPresets().serverHost);
        QCOMPARE(providerNames(fromShipped.providers).last(), QStringLiteral("Other"));
        QCOMPARE(providerNamed(fromShipped.providers, QStringLiteral("Other")), nullptr);
        const Presets broken = loadPresets({damaged, own});
        QCOMPARE(broken.problem, damaged + QStringLiteral(": the file is not a JSON object"));
        QCOMPARE(broken.providers, builtInPresets().providers);
    }

    // The two input boxes of the diagram. The port is asked again until it is
    // 1 to 65535; an empty answer or Cancel keeps it. The SMS number is stored
    // trimmed, empty disables the alarm, Cancel or the offered number as it
    // was keeps it. A change colours the write button like every other editor.
    void inputBoxes()
    {
        const std::tuple<bool, QStringList, const char *, const char *, int> rows[] = {
            {true, {"80abc"}, "80", "Server IP port: 80", 0},
            {true, {"1022.5"}, "1022", "Server IP port: 1022", 0},
            {true, {"0.5", "1"}, "1", "Server IP port: 1", 1},
            {true, {"65535.5", "65535"}, "65535", "Server IP port: 65535", 1},
            {true, {"0", "70000", "x", ""}, "4001", "", 3},
            {true, {"-"}, "4001", "", 0},
            {false, {"  +30 690 002 "}, "+30 690 002", "Alarm SMS: +30 690 002", 0},
            {false, {" "}, "", "Alarm SMS: Disabled", 0},
            {false, {"-"}, "+306912345678", "", 0},
            {false, {"+306912345678"}, "+306912345678", "", 0},
        };
        for (const auto &[port, answers, value, caption, refusals] : rows) {
            Rig rig(answers);
            Session &s = rig.session;
            port ? ServerPortClicked(s) : SMSClicked(s);
            QCOMPARE(port ? QString::number(s.EditSetup.HostPort) : s.EditSetup.SMSNum, QLatin1String(value));
            QCOMPARE(rig.view.caption(port ? Item::lblServerPort : Item::lblSMS), QLatin1String(caption));
            QCOMPARE(rig.prompt.messages(), QStringList(refusals, QStringLiteral("Wrong Server Port Number!")));
            QCOMPARE(rig.prompt.shown().first().defaultText, port ? QString() : QStringLiteral("+306912345678"));
            QCOMPARE(rig.prompt.unexpected(), QStringList());
            QCOMPARE(rig.view.marked(), value != QLatin1String(port ? "4001" : "+306912345678"));
        }
    }

    // Told only while something is pending, by the firmware's version number.
    void baudNoticeByFirmware()
    {
        const QString soon = QStringLiteral("The Merolan baud rate will change after pressing 'Finish programming'");
        const QString reset = QStringLiteral(
            "Changing the Merolan baud rate will require a 3-minute reset after pressing 'Finish programming'");
        const std::tuple<const char *, bool, QStringList> rows[] = {
            {"3.0", false, {}}, {"3.0", true, {soon}}, {"10.0", true, {soon}}, {"2.99", true, {reset}}};
        for (const auto &[firmware, pending, told] : rows) {
            Rig rig({});
            rig.session.FirmwareVersion = QLatin1String(firmware);
            rig.session.EditSetup.Baud = pending ? 7 : 5;
            baudNotice(rig.session);
            QCOMPARE(rig.prompt.messages(), told);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingLines)
#include "tst_settinglines.moc"
