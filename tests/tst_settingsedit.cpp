#include "presets.h"
#include "settingsedit.h"
#include "setuprecord.h"

#include <QTemporaryDir>
#include <QtTest>

using Item = SetupView::Item;
Q_DECLARE_METATYPE(EmailCheck)
Q_DECLARE_METATYPE(std::optional<qint16>)
Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {

// Boxes that pass every check; each row changes what it tests.
EmailBoxes goodBoxes()
{
    return {QStringLiteral("4"),           QStringLiteral("ops@plant.gr"), QStringLiteral("m7@plant.gr"),
            QStringLiteral("smtp.plant"),  QStringLiteral("meter7"),       QStringLiteral("s3cret"),
            QStringLiteral("iot.example"), QStringLiteral("gsmuser"),      QStringLiteral("gsmpass")};
}

const QString kLoginServer = QStringLiteral("mailgate.cosmotemail.gr");

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class TestSettingsEdit : public QObject
{
    Q_OBJECT
private slots:
    void cutsAtTheLimits();
    void emailInterval_data();
    void emailInterval();
    void recipientsBetweenScreenAndRecord();
    void emailChecksInOrder_data();
    void emailChecksInOrder();
    void serverPort_data();
    void serverPort();
    void serverAndBaudDefaults();
    void shippedPresetsMatchTheBuiltIn();
    void damagedPresetsFallBack_data();
    void damagedPresetsFallBack();
    void untouchedTextsStayAsStored();
    void placeholderPresetsAreNotGiven();
    void presetFileLookup();
};

void TestSettingsEdit::cutsAtTheLimits()
{
    QCOMPARE(cutToLimit(QString(40, 'a'), 40), std::nullopt);
    QCOMPARE(cutToLimit(QString(40, 'a') + 'b', 40), QString(40, 'a'));

    // Line feeds do not count towards the 90 that trigger a cut, but they do
    // count among the 89 characters kept.
    const QString lines = QString(44, 'r') + '\n' + QString(45, 's') + '\n';
    QCOMPARE(cutRecipients(lines), std::nullopt); // 89 without line feeds
    QCOMPARE(cutRecipients(lines + 't'), QString(44, 'r') + '\n' + QString(44, 's'));
    QCOMPARE(cutRecipients(QString(90, 'u')), QString(89, 'u'));
}

void TestSettingsEdit::emailInterval_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint16>>("hours");
    QTest::newRow("disabled") << "Email Disabled" << std::optional<qint16>(0);
    QTest::newRow("list entry") << "12 hours" << std::optional<qint16>(12);
    QTest::newRow("half down to even") << "2.5" << std::optional<qint16>(2);
    QTest::newRow("half up to even") << "3.5" << std::optional<qint16>(4);
    QTest::newRow("no number") << "weekly" << std::optional<qint16>(0);
    QTest::newRow("a day") << "24" << std::optional<qint16>(24);
    QTest::newRow("half a day beyond, to even") << "24.5" << std::optional<qint16>(24);
    QTest::newRow("beyond a day") << "25" << std::optional<qint16>();
    QTest::newRow("negative") << "-1" << std::optional<qint16>();
}

void TestSettingsEdit::emailInterval()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint16>, hours);
    QCOMPARE(emailIntervalOfText(text), hours);
}

void TestSettingsEdit::recipientsBetweenScreenAndRecord()
{
    QCOMPARE(recipientsOnScreen(QStringLiteral("a@b.gr,c@d.gr,e@f.gr")), QStringLiteral("a@b.gr;c@d.gr;e@f.gr"));
    QCOMPARE(storedRecipients(QStringLiteral("a@b.gr ;\r\nc @d.gr;\n;;")), QStringLiteral("a@b.gr,c@d.gr"));
    QCOMPARE(storedRecipients(QStringLiteral(" ;")), QString());
}

void TestSettingsEdit::emailChecksInOrder_data()
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
    b = goodBoxes();
    b.interval = QStringLiteral("Email Disabled");
    b.recipients = QStringLiteral("@plant.gr");
    b.sender = QStringLiteral("nobody");
    QTest::newRow("checks hold with e-mail off, recipient first") << b << 1 << false << EmailCheck::BadRecipient;
    b.recipients = QStringLiteral("o@");
    QTest::newRow("an @ second is enough") << b << 1 << false << EmailCheck::BadSender;
}

void TestSettingsEdit::emailChecksInOrder()
{
    QFETCH(EmailBoxes, boxes);
    QFETCH(int, role);
    QFETCH(bool, apnConfirmed);
    QFETCH(EmailCheck, check);
    QCOMPARE(checkEmail(boxes, qint16(role), {kLoginServer}, apnConfirmed), check);
}

void TestSettingsEdit::serverPort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("boxKeeps");
    QTest::addColumn<std::optional<qint32>>("port");
    const auto row = [](const char *text, const char *boxKeeps, std::optional<qint32> port) {
        QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text) << QString::fromLatin1(boxKeeps) << port;
    };
    row("1023.5", "1023.5", 1024); // halves to even, up and down
    row("1022.5", "1022.5", 1022);
    row("1", "1", 1);
    row("65535", "65535", 65535);
    row("65535.5", "65535.5", {}); // rounds above
    row("65536", "65536", {});
    row("0", "0", {});
    row("0.5", "0.5", {}); // rounds to zero
    row("-80", "-80", {});
    row("4294968319", "4294968319", {}); // beyond 32 bits
    row("80a", "", {});
    row("", "", {});
}

void TestSettingsEdit::serverPort()
{
    QFETCH(QString, text);
    QFETCH(QString, boxKeeps);
    QFETCH(std::optional<qint32>, port);
    QCOMPARE(portBoxText(text), boxKeeps);
    QCOMPARE(hostPortOfText(text), port);
}

void TestSettingsEdit::serverAndBaudDefaults()
{
    SetupRecord empty;
    applyServerDefaults(empty, QStringLiteral("med.example"));
    QCOMPARE(empty.HostIP, QStringLiteral("med.example"));
    QCOMPARE(empty.HostPort, 1023);

    SetupRecord set;
    set.HostIP = QStringLiteral("10.1.2.3");
    set.HostPort = 502;
    applyServerDefaults(set, QStringLiteral("med.example"));
    QCOMPARE(set.HostIP, QStringLiteral("10.1.2.3"));
    QCOMPARE(set.HostPort, 502);

    SetupRecord baud;
    applyBaudDefault(baud);
    QCOMPARE(baud.Baud, 4);
    baud.Baud = 6;
    applyBaudDefault(baud);
    QCOMPARE(baud.Baud, 6);
}

void TestSettingsEdit::shippedPresetsMatchTheBuiltIn()
{
    QFile file(QStringLiteral(MEROLAN_PRESETS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Presets shipped = parsePresets(file.readAll());
    QCOMPARE(shipped.problem, QString());
    const Presets builtIn = builtInPresets();
    QCOMPARE(shipped.providers, builtIn.providers);
    QCOMPARE(shipped.serverHost, builtIn.serverHost);

    QCOMPARE(providerNames(builtIn.providers), QStringList({"Cosmote GR", "Vodafone GR", "Wind GR", "Other"}));
    const Provider *vodafone = providerNamed(builtIn.providers, QStringLiteral("Vodafone GR"));
    QVERIFY(vodafone);
    QCOMPARE(vodafone->apn + '/' + vodafone->user + '/' + vodafone->password, QStringLiteral("internet/user/kexo"));
    QCOMPARE(providerNamed(builtIn.providers, QStringLiteral("Other")), nullptr);
    QCOMPARE(mailServerQuestion(QStringLiteral("mx.example")), QStringLiteral("Update mail server to 'mx.example' ?"));
}

// The GPRS dialog opens on the stored texts: OK on those changes nothing,
// not even their blanks; a typed text is stored trimmed.
void TestSettingsEdit::untouchedTextsStayAsStored()
{
    SetupRecord record;
    record.APN = QStringLiteral(" internet ");
    record.GPRSID = QStringLiteral("id ");
    record.GPRSPass = QStringLiteral("pw");
    storeGprs(QStringLiteral(" internet "), QStringLiteral("id "), QStringLiteral(" pw2 "), record);
    QCOMPARE((QStringList{record.APN, record.GPRSID, record.GPRSPass}), (QStringList{" internet ", "id ", "pw2"}));
}

void TestSettingsEdit::damagedPresetsFallBack_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fault");
    const QByteArray host = R"(, "ServerHost": "h.example"})";
    QTest::newRow("not JSON") << QByteArray("{\"Providers\": [") << "";
    QTest::newRow("no list") << QByteArray(R"({"Providers": {})") + host << "\"Providers\" is not a list";
    QTest::newRow("no name") << QByteArray(R"({"Providers": [{"APN": "a"}])") + host << "a provider has no Name";
    QTest::newRow("Other") << QByteArray(R"({"Providers": [{"Name": "Other"}])") + host
                           << "\"Other\" is not a provider's name";
    QTest::newRow("twice") << QByteArray(R"({"Providers": [{"Name": "A"}, {"Name": "A"}])") + host
                           << "\"A\" is listed twice";
    QTest::newRow("APN of 33") << QByteArray(R"({"Providers": [{"Name": "A", "APN": ")" + QByteArray(33, 'a') + "\"}]")
                                      + host
                               << "APN of \"A\" is longer than 32 characters";
    QTest::newRow("user of 17") << QByteArray(R"({"Providers": [{"Name": "A", "User": ")" + QByteArray(17, 'u')
                                              + "\"}]")
                                       + host
                                << "User of \"A\" is longer than 16 characters";
    QTest::newRow("not ASCII") << QByteArray(R"({"Providers": [{"Name": "A", "Password": "\u00e9"}])") + host
                               << "Password of \"A\" holds a character the modem cannot take";
    QTest::newRow("login flag") << QByteArray(R"({"Providers": [{"Name": "A", "MailLoginRequired": 1}])") + host
                                << "MailLoginRequired of \"A\" is not true or false";
    QTest::newRow("host not a text") << QByteArray(R"({"Providers": [], "ServerHost": 7})")
                                     << "\"ServerHost\" is not a host name";
}

void TestSettingsEdit::damagedPresetsFallBack()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, fault);
    const Presets presets = parsePresets(json);
    QVERIFY(!presets.problem.isEmpty());
    if (!fault.isEmpty())
        QCOMPARE(presets.problem, fault);
    QCOMPARE(presets.providers, builtInPresets().providers);
    QCOMPARE(presets.serverHost, QString());
}

// A host under a name kept for examples resolves nowhere: the file's value
// counts as not given, so it is never offered nor written.
void TestSettingsEdit::placeholderPresetsAreNotGiven()
{
    for (const auto &[host, given] : {std::pair{"smtp.wind-gr.example", false},
                                      {"SMTP.X.EXAMPLE.", false},
                                      {"example", false},
                                      {"med.invalid", false},
                                      {"myexample", true},
                                      {"smtp.example.gr", true}}) {
        const QByteArray json =
            R"({"Providers": [{"Name": "A", "APN": "%1", "MailServer": "%1"}], "ServerHost": "%1"})";
        const Presets presets = parsePresets(QString::fromLatin1(json).arg(QLatin1String(host)).toLatin1());
        QCOMPARE(presets.problem, QString());
        const QString kept = given ? QLatin1String(host) : QString();
        QCOMPARE(presets.providers.value(0).apn, kept);
        QCOMPARE(presets.providers.value(0).mailServer, kept);
        QCOMPARE(presets.serverHost, kept);
    }
}

void TestSettingsEdit::presetFileLookup()
{
    QTemporaryDir dir;
    const QString own = writeFile(dir, QStringLiteral("own.json"),
                                  R"({"Providers": [{"Name": "Acme NL", "APN": "acme.iot", "MailServer": "mx.acme",
                                       "MailLoginRequired": true}], "ServerHost": " med.acme "})");
    const QString damaged = writeFile(dir, QStringLiteral("damaged.json"), "[]");
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
    QCOMPARE(none.providers.size(), 3);
}

QTEST_GUILESS_MAIN(TestSettingsEdit)
#include "tst_settingsedit.moc"
