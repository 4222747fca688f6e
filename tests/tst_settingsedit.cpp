#include "fieldeditors.h"
#include "modemrig.h"
#include "presets.h"
#include "samplesetup.h"
#include "settingsedit.h"

#include <QTemporaryDir>
#include <QtTest>

using Item = SetupView::Item;

namespace {

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

class TestSettingsEdit : public QObject
{
    Q_OBJECT
private slots:
    // The e-mail dialog's boxes. Line feeds do not count towards the 90
    // recipient characters that trigger a cut, but they do count among the 89
    // kept. The interval is whole hours, halves to even, 0 to 24 only.
    void emailBoxes()
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

    // The server dialog's port box: what it keeps of a text and the port it
    // stands for, rounded halves to even.
    void serverPort()
    {
        const std::tuple<const char *, std::optional<qint32>, const char *> rows[] = {
            {"1022.5", 1022, "1022.5"},       {"1", 1, "1"},      {"65535", 65535, "65535"},
            {"65535.5", {}, "65535.5"},       {"0.5", {}, "0.5"}, {"-80", {}, "-80"},
            {"4294968319", {}, "4294968319"}, {"80a", {}, ""},    {"", {}, ""}};
        for (const auto &[text, port, boxKeeps] : rows) {
            QCOMPARE(hostPortOfText(QLatin1String(text)), port);
            QCOMPARE(portBoxText(QLatin1String(text)), QLatin1String(boxKeeps));
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
    }

    // A host under a name kept for examples resolves nowhere: the file's value
    // counts as not given, so it is never offered nor written.
    void placeholderPresetsAreNotGiven()
    {
        const std::pair<const char *, bool> rows[] = {
            {"smtp.wind-gr.example", false}, {"SMTP.X.EXAMPLE.", false}, {"example", false},
            {"med.invalid", false},          {"myexample", true},        {"smtp.example.gr", true}};
        for (const auto &[host, given] : rows) {
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
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(json) == json.size());
        file.close();
        file.setFileName(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[]") == 2);
        file.close();

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

QTEST_GUILESS_MAIN(TestSettingsEdit)
#include "tst_settingsedit.moc"
