#include "fieldeditors.h"
#include "modemrig.h"
#include "presets.h"
#include "samplesetup.h"
#include "settingsedit.h"

#include <QTemporaryDir>
#include <QtTest>

using Item = SetupView::Item;
Q_DECLARE_METATYPE(EmailCheck)

namespace {

// Boxes that pass every check; each row changes what it tests.
EmailBoxes goodBoxes()
{
    return {"4", "ops@plant.gr", "m7@plant.gr", "smtp.plant", "meter7", "s3cret", "iot.example", "gsmuser", "gsmpass"};
}

const QString kLoginServer = QStringLiteral("mailgate.cosmotemail.gr");

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
    void cutsAtTheLimits()
    {
        QCOMPARE(cutToLimit(QString(40, 'a'), 40), std::nullopt);
        QCOMPARE(cutToLimit(QString(40, 'a') + 'b', 40), QString(40, 'a'));
        // Line feeds do not count towards the 90 that trigger a cut, but they
        // do count among the 89 characters kept.
        const QString lines = QString(44, 'r') + '\n' + QString(45, 's') + '\n';
        QCOMPARE(cutRecipients(lines), std::nullopt);
        QCOMPARE(cutRecipients(lines + 't'), QString(44, 'r') + '\n' + QString(44, 's'));
        QCOMPARE(storedRecipients(QStringLiteral("a@b.gr ;\r\nc @d.gr;\n;;")), QStringLiteral("a@b.gr,c@d.gr"));
        QCOMPARE(recipientsOnScreen(QStringLiteral("a@b.gr,c@d.gr")), QStringLiteral("a@b.gr;c@d.gr"));
    }

    // Whole hours, halves to even; 0 to 24 only.
    void emailInterval()
    {
        const std::pair<const char *, std::optional<qint16>> rows[] = {
            {"Email Disabled", 0}, {"12 hours", 12}, {"2.5", 2}, {"3.5", 4}, {"24", 24},
            {"24.5", 24},          {"25", {}},       {"-1", {}}, {"-0.5", 0}};
        for (const auto &[text, hours] : rows)
            QCOMPARE(emailIntervalOfText(QLatin1String(text)), hours);
    }

    void emailChecksInOrder_data()
    {
        QTest::addColumn<EmailBoxes>("boxes");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("apnConfirmed");
        QTest::addColumn<EmailCheck>("check");
        EmailBoxes b = goodBoxes();
        QTest::newRow("all good") << b << 1 << false << EmailCheck::Passed;
        b.smtp = kLoginServer;
        QTest::newRow("login server with both") << b << 1 << false << EmailCheck::Passed;
        b.password.clear();
        b.sender = QStringLiteral("@x");
        QTest::newRow("login server without password, before all") << b << 1 << false << EmailCheck::LoginMissing;
        b = goodBoxes();
        b.smtp = kLoginServer + ' ';
        b.user.clear();
        QTest::newRow("only that exact server wants a login") << b << 1 << false << EmailCheck::Passed;
        b = goodBoxes();
        b.apn = QStringLiteral("  ");
        b.interval.clear();
        QTest::newRow("blank APN asks first, role 2") << b << 2 << false << EmailCheck::EmptyApn;
        QTest::newRow("blank APN confirmed") << b << 2 << true << EmailCheck::NoInterval;
        QTest::newRow("blank APN, data calls") << b << 3 << false << EmailCheck::NoInterval;
        b = goodBoxes();
        b.interval = QStringLiteral("-2");
        QTest::newRow("negative interval") << b << 1 << false << EmailCheck::BadInterval;
        b.interval = QStringLiteral("Email Disabled");
        b.recipients = QStringLiteral("@plant.gr");
        b.sender = QStringLiteral("nobody");
        QTest::newRow("checks hold with e-mail off, recipient first") << b << 1 << false << EmailCheck::BadRecipient;
        b.recipients = QStringLiteral("o@");
        QTest::newRow("an @ second is enough") << b << 1 << false << EmailCheck::BadSender;
    }

    void emailChecksInOrder()
    {
        QFETCH(EmailBoxes, boxes);
        QFETCH(int, role);
        QFETCH(bool, apnConfirmed);
        QTEST(checkEmail(boxes, qint16(role), {kLoginServer}, apnConfirmed), "check");
    }

    // The server dialog's port box: what it keeps of a text and the port it
    // stands for, rounded halves to even.
    void serverPort()
    {
        const std::tuple<const char *, std::optional<qint32>, const char *> rows[] = {{"1023.5", 1024, "1023.5"},
                                                                                      {"1022.5", 1022, "1022.5"},
                                                                                      {"1", 1, "1"},
                                                                                      {"65535", 65535, "65535"},
                                                                                      {"65535.5", {}, "65535.5"},
                                                                                      {"0.5", {}, "0.5"},
                                                                                      {"-80", {}, "-80"},
                                                                                      {"4294968319", {}, "4294968319"},
                                                                                      {"80a", {}, ""},
                                                                                      {"", {}, ""}};
        for (const auto &[text, port, boxKeeps] : rows) {
            QCOMPARE(hostPortOfText(QLatin1String(text)), port);
            QCOMPARE(portBoxText(QLatin1String(text)), QLatin1String(boxKeeps));
        }
    }

    // Opening the server and baud dialogs fills only what the record lacks.
    void defaults()
    {
        SetupRecord r;
        applyServerDefaults(r, QStringLiteral("med.example"));
        applyBaudDefault(r);
        QCOMPARE(QStringList({r.HostIP, QString::number(r.HostPort), QString::number(r.Baud)}),
                 QStringList({"med.example", "1023", "4"}));
        r = sampleSetup();
        applyServerDefaults(r, QStringLiteral("med.example"));
        applyBaudDefault(r);
        QCOMPARE(r, sampleSetup());
    }

    // The GPRS dialog opens on the stored texts: OK on those changes nothing,
    // not even their blanks; a typed text is stored trimmed.
    void untouchedTextsStayAsStored()
    {
        SetupRecord r;
        r.APN = QStringLiteral(" internet ");
        r.GPRSID = QStringLiteral("id ");
        r.GPRSPass = QStringLiteral("pw");
        storeGprs(QStringLiteral(" internet "), QStringLiteral("id "), QStringLiteral(" pw2 "), r);
        QCOMPARE(QStringList({r.APN, r.GPRSID, r.GPRSPass}), QStringList({" internet ", "id ", "pw2"}));
    }

    void shippedPresetsAreTheBuiltIn()
    {
        QFile file(QStringLiteral(MEROLAN_PRESETS));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Presets shipped = parsePresets(file.readAll());
        QCOMPARE(shipped.problem, QString());
        QCOMPARE(shipped.providers, builtInPresets().providers);
        QCOMPARE(shipped.serverHost, builtInPresets().serverHost);
        QCOMPARE(providerNames(shipped.providers).last(), QStringLiteral("Other"));
        QCOMPARE(providerNamed(shipped.providers, QStringLiteral("Other")), nullptr);
    }

    // Any fault gives the built-in providers and no server host.
    void presetLimits_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fault"); // empty: taken
        QTest::newRow("not JSON") << QByteArray("{\"Providers\": [") << "unterminated array at character 15";
        QTest::newRow("no list") << QByteArray(R"({"Providers": {}})") << "\"Providers\" is not a list";
        QTest::newRow("no name") << presetsWith(R"({"APN": "a"})") << "a provider has no Name";
        QTest::newRow("Other") << presetsWith(R"({"Name": "Other"})") << "\"Other\" is not a provider's name";
        QTest::newRow("twice") << presetsWith(R"({"Name": "A"}, {"Name": "A"})") << "\"A\" is listed twice";
        const auto withLong = [](const char *key, int length) {
            return presetsWith("{\"Name\": \"A\", \"" + QByteArray(key) + "\": \"" + QByteArray(length, 'x') + "\"}");
        };
        QTest::newRow("APN of 32") << withLong("APN", 32) << "";
        QTest::newRow("APN of 33") << withLong("APN", 33) << "APN of \"A\" is longer than 32 characters";
        QTest::newRow("user of 16") << withLong("User", 16) << "";
        QTest::newRow("user of 17") << withLong("User", 17) << "User of \"A\" is longer than 16 characters";
        QTest::newRow("not ASCII") << presetsWith(R"({"Name": "A", "Password": "\u00e9"})")
                                   << "Password of \"A\" holds a character the modem cannot take";
        QTest::newRow("login flag") << presetsWith(R"({"Name": "A", "MailLoginRequired": 1})")
                                    << "MailLoginRequired of \"A\" is not true or false";
        QTest::newRow("host not a text") << QByteArray(R"({"Providers": [], "ServerHost": 7})")
                                         << "\"ServerHost\" is not a host name";
    }

    void presetLimits()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, fault);
        const Presets presets = parsePresets(json);
        QCOMPARE(presets.problem, fault);
        QCOMPARE(presets.serverHost, fault.isEmpty() ? QStringLiteral("h.gr") : QString());
        if (fault.isEmpty())
            QCOMPARE(presets.providers.value(0).name, QStringLiteral("A"));
        else
            QCOMPARE(presets.providers, builtInPresets().providers);
    }

    // A host under a name kept for examples resolves nowhere: the file's value
    // counts as not given, so it is never offered nor written.
    void placeholderPresetsAreNotGiven()
    {
        for (const auto &[host, given] : {std::pair{"smtp.wind-gr.example", false},
                                          {"SMTP.X.EXAMPLE.", false},
                                          {"example", false},
                                          {"med.invalid", false},
                                          {"myexample", true},
                                          {"smtp.example.gr", true}}) {
            const Presets presets = parsePresets(
                QString::fromLatin1(
                    R"({"Providers": [{"Name": "A", "APN": "%1", "MailServer": "%1"}], "ServerHost": "%1"})")
                    .arg(QLatin1String(host))
                    .toLatin1());
            const QString kept = given ? QLatin1String(host) : QString();
            QCOMPARE(presets.problem, QString());
            QCOMPARE(presets.providers.value(0).apn + '|' + presets.providers.value(0).mailServer + '|'
                         + presets.serverHost,
                     kept + '|' + kept + '|' + kept);
        }
    }

    // The first file that exists wins; a damaged one gives the built-in values.
    void presetFileLookup()
    {
        QTemporaryDir dir;
        const auto write = [&](const char *name, const QByteArray &json) {
            QFile file(dir.filePath(QLatin1String(name)));
            return file.open(QIODevice::WriteOnly) && file.write(json) == json.size();
        };
        QVERIFY(write("own.json", R"({"Providers": [{"Name": "Acme NL", "APN": "acme.iot", "MailServer": "mx.acme",
                                      "MailLoginRequired": true}], "ServerHost": " med.acme "})"));
        QVERIFY(write("damaged.json", "[]"));
        const QString own = dir.filePath(QStringLiteral("own.json"));
        const QString damaged = dir.filePath(QStringLiteral("damaged.json"));
        const QString missing = dir.filePath(QStringLiteral("missing.json"));

        const Presets first = loadPresets({missing, own, damaged});
        QCOMPARE(first.problem, QString());
        QCOMPARE(first.providers, QList<Provider>({{"Acme NL", "acme.iot", "", "", "mx.acme", true}}));
        QCOMPARE(first.serverHost, QStringLiteral("med.acme"));
        const Presets broken = loadPresets({damaged, own});
        QCOMPARE(broken.problem, damaged + QStringLiteral(": the file is not a JSON object"));
        QCOMPARE(broken.providers, builtInPresets().providers);
        const Presets none = loadPresets({missing});
        QCOMPARE(none.problem, QString());
        QCOMPARE(none.providers, builtInPresets().providers);
    }

    // The two input boxes of the diagram. The port is asked again until it is
    // 1 to 65535; an empty answer or Cancel keeps it. The SMS number is stored
    // trimmed, empty disables the alarm, Cancel or the offered number as it
    // was keeps it.
    void inputBoxes_data()
    {
        QTest::addColumn<bool>("port");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption"); // empty: not set
        QTest::addColumn<int>("refusals");
        const auto port = [](const char *name, const QStringList &answers, const char *value, const char *caption,
                             int refusals) {
            QTest::newRow(name) << true << answers << QString::fromLatin1(value) << QString::fromLatin1(caption)
                                << refusals;
        };
        port("port", {"502"}, "502", "Server IP port: 502", 0);
        port("port: leading number", {"80abc"}, "80", "Server IP port: 80", 0);
        port("port: half to even", {"1023.5"}, "1024", "Server IP port: 1024", 0);
        port("port: lowest after 0.5", {"0.5", "1"}, "1", "Server IP port: 1", 1);
        port("port: highest after 65535.5", {"65535.5", "65535"}, "65535", "Server IP port: 65535", 1);
        port("port: refused, then empty", {"0", "70000", "x", ""}, "4001", "", 3);
        port("port: empty", {""}, "4001", "", 0);
        port("port: cancel", {"-"}, "4001", "", 0);
        const auto sms = [](const char *name, const QString &answer, const char *value, const char *caption) {
            QTest::newRow(name) << false << QStringList{answer} << QString::fromLatin1(value)
                                << QString::fromLatin1(caption) << 0;
        };
        sms("SMS", "  +30 690 002 ", "+30 690 002", "Alarm SMS: +30 690 002");
        sms("SMS: blank disables", " ", "", "Alarm SMS: Disabled");
        sms("SMS: cancel", "-", "+306912345678", "");
        sms("SMS: as offered", "+306912345678", "+306912345678", "");
    }

    void inputBoxes()
    {
        QFETCH(bool, port);
        QFETCH(QStringList, answers);
        QFETCH(QString, value);
        QFETCH(int, refusals);
        Rig rig(answers);
        Session &s = rig.session;
        port ? ServerPortClicked(s) : SMSClicked(s);
        QCOMPARE(port ? QString::number(s.EditSetup.HostPort) : s.EditSetup.SMSNum, value);
        QTEST(rig.view.caption(port ? Item::lblServerPort : Item::lblSMS), "caption");
        QCOMPARE(rig.prompt.messages(), QStringList(refusals, QStringLiteral("Wrong Server Port Number!")));
        QCOMPARE(rig.prompt.shown().first().defaultText, port ? QString() : QStringLiteral("+306912345678"));
        QCOMPARE(rig.prompt.unusedAnswers(), 0);
        QCOMPARE(rig.prompt.unexpected(), QStringList());
        // A change colours the write button like every other editor.
        QCOMPARE(rig.view.marked(), !(s.EditSetup == s.ModemSetup));
        QCOMPARE(rig.view.marked(), value != (port ? "4001" : "+306912345678"));
    }

    // Told only while something is pending, by the firmware's version number.
    void baudNoticeByFirmware()
    {
        const QString soon = QStringLiteral("The Merolan baud rate will change after pressing 'Finish programming'");
        const QString reset = QStringLiteral(
            "Changing the Merolan baud rate will require a 3-minute reset after pressing 'Finish programming'");
        const std::tuple<const char *, bool, QStringList> rows[] = {{"3.0", false, {}},
                                                                    {"3.0", true, {soon}},
                                                                    {"10.0", true, {soon}},
                                                                    {"2.99", true, {reset}},
                                                                    {"", true, {reset}}};
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
