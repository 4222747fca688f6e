#include "modemrig.h"
#include "samplesetup.h"
#include "setupfile.h"
#include "setupfilecommands.h"
#include "setupjson.h"
#include "showsetup.h"
#include "writesetup.h"

#include <QtTest>

#include <limits>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using Item = SetupView::Item;

namespace {

// sampleSetup() as the file holds it: numbers little-endian, each text after
// its 16-bit length, whose high byte "\000" never runs into the text.
constexpr char kSample[] =
    "\x02\x00\x01\x00\x08\00010.1.2.3\xa1\x0f\x00\x00\x0a\000apn.sample\x09\000gprs-user"
    "\x09\000gprs-pass\x0d\000+306912345678\x05\x00\x00\x00\x12\000alarm@site.example"
    "\x12\000modem@site.example\x0c\x00\x11\000smtp.site.example\x09\000mail-user\x09\000mail-pass"
    "\0\0\0\0\0\0\xd0\x3f\0\0\0\0\0\0\xd4\x3f\0\0\0\0\0\0\xd8\x3f"  // 0.25 0.3125 0.375
    "\0\0\0\0\0\0\xe8\x3f\0\0\0\0\0\0\xea\x3f\0\0\0\0\0\0\xec\x3f"; // 0.75 0.8125 0.875

QByteArray sampleBytes()
{
    return QByteArray(kSample, sizeof kSample - 1);
}

// sampleSetup() as a JSON setup: Baud as the rate.
constexpr char kSampleJson[] =
    R"({"Role":2,"Logger":1,"HostIP":"10.1.2.3","HostPort":4001,"APN":"apn.sample","GPRSID":"gprs-user",)"
    R"("GPRSPass":"gprs-pass","SMSNum":"+306912345678","Baud":19200,"ERecep":"alarm@site.example",)"
    R"("ESender":"modem@site.example","EmailInterval":12,"MailServer":"smtp.site.example","XUser":"mail-user",)"
    R"("XPas":"mail-pass","OnTime":["06:00","07:30","09:00"],"OffTime":["18:00","19:30","21:00"]})";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSetupFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
private slots:
    // A round trip cannot see two fields swapped both ways: the encoder and
    // the decoder each meet the bytes. Bytes after the record, as older saves
    // left them, are ignored; every shorter file is refused, naming the field
    // it ends in; a time that is none is refused by name.
    void sampleHasExactBytes()
    {
        QString error;
        QCOMPARE(encodeSetup(sampleSetup(), &error).toHex(' '), sampleBytes().toHex(' '));
        QCOMPARE(decodeSetup(sampleBytes() + "leftover", &error), std::optional(sampleSetup()));
        const QHash<qsizetype, QString> cutIn{{16, "HostPort (after 16 bytes)."},
                                              {113, "MailServer (after 113 bytes)."},
                                              {201, "OffTime of device 3 (after 201 bytes)."}};
        for (qsizetype n = 0; n < sampleBytes().size(); ++n) {
            QVERIFY2(!decodeSetup(sampleBytes().left(n), &error), qPrintable(QString::number(n)));
            if (cutIn.contains(n))
                QCOMPARE(error, "The setup file ends in the middle of " + cutIn[n]);
        }
        QByteArray bytes = sampleBytes();
        qToLittleEndian(std::numeric_limits<double>::quiet_NaN(), bytes.data() + 186); // OffTime of device 2
        QVERIFY(!decodeSetup(bytes, &error));
        QCOMPARE(error, QStringLiteral("The setup file is damaged: OffTime of device 2 is not a time."));
    }

    void textLimits()
    {
        const std::tuple<QString, int, QString> rows[] = {
            {QString(65535, u'a'), 82 + 65535, QString()},
            {QString(65536, u'a'), 0, "XPas is too long to store in a setup file (65536 characters, at most 65535)."},
            {QStringLiteral("\u00FF"), 83, QString()}}; // one beyond 8 bits: jsonSetup
        for (const auto &[text, size, error] : rows) {
            SetupRecord r;
            r.XPas = text;
            QString said;
            QCOMPARE(encodeSetup(r, &said).size(), size);
            QCOMPARE(said, error);
        }
    }

    // A JSON setup is strict: each member missing takes the empty record's
    // value, each unknown or wrong one is refused by name.
    void jsonSetup()
    {
        const QString rates = "1200, 2400, 4800, 9600, 19200, 38400, 115200";
        const std::tuple<QByteArray, void (*)(SetupRecord &), QString> rows[] = {
            {kSampleJson, [](SetupRecord &r) { r = sampleSetup(); }, {}},
            {R"({"APN":"web","Role":32767,"Baud":0})", [](SetupRecord &r) { r.Role = 32767, r.APN = "web"; }, {}},
            {R"({"Baud":115200,"OffTime":["00:00","23:59","12:00"]})",
             [](SetupRecord &r) {
                 r.Baud = 7, r.OffTime = {0, 1439.0 / 1440, 0.5};
             },
             {}},
            {R"({"Role":32768})", nullptr, "Role must be a whole number from -32768 to 32767"},
            {R"({"HostPort":4001.5})", nullptr, "HostPort must be a whole number from -2147483648 to 2147483647"},
            {R"({"Apn":"web"})", nullptr, "Unknown field Apn"},
            {R"({"HostIP":1})", nullptr, "HostIP must be a text"},
            {R"({"Baud":5})", nullptr, "Baud 5 is not a rate of the Merolan: it must be 0 or one of " + rates},
            {R"({"OnTime":["06:00","07:30"]})", nullptr, R"(OnTime must be three times "hh:nn", devices 1 to 3)"},
            {R"({"OffTime":["18:00","7:30","21:00"]})", nullptr, R"(OffTime of device 2 is not a time "hh:nn")"},
            {R"({"OffTime":["18:00","19:30","24:00"]})", nullptr, R"(OffTime of device 3 is not a time "hh:nn")"},
            {R"({"XPas":"pass\u0100"})", nullptr,
             "XPas holds the character \"\u0100\", which a setup file cannot store (only 8-bit characters fit)."},
        };
        for (const auto &[json, change, error] : rows) {
            SetupRecord r;
            if (change)
                change(r);
            QString said;
            QCOMPARE(setupFromJson(json, &said), change ? std::optional(r) : std::nullopt);
            QCOMPARE(said, error);
        }
    }

    // Saved by its name, loaded by its name or else by its content: .mrl to
    // JSON and back gives the same bytes. What the JSON form cannot hold
    // exactly is refused by name, never rounded, and nothing is written.
    void convertForms()
    {
        const QString json = m_dir.filePath(QStringLiteral("s.json"));
        const QString mrl = m_dir.filePath(QStringLiteral("s.mrl"));
        const QString other = m_dir.filePath(QStringLiteral("s.setup"));
        QString error;
        QVERIFY(saveSetupFile(json, sampleSetup(), &error));
        QCOMPARE(QJsonDocument::fromJson(contents(json)).object(), QJsonDocument::fromJson(kSampleJson).object());
        const std::optional<SetupRecord> loaded = loadSetupFile(json, &error);
        QVERIFY(loaded && saveSetupFile(mrl, *loaded, &error));
        QCOMPARE(contents(mrl).toHex(' '), sampleBytes().toHex(' '));
        // JSON under such a name is merolan-cli's own test.
        QVERIFY(QFile::copy(mrl, other));
        QCOMPARE(loadSetupFile(other, &error), std::optional(sampleSetup()));
        const std::pair<void (*)(SetupRecord &), QString> refused[] = {
            {[](SetupRecord &r) { r.OnTime[1] += 1.0 / 86400; },
             R"(OnTime of device 2 holds more than "hh:nn" can (seconds or a date))"},
            {[](SetupRecord &r) { r.OffTime[2] += 1; },
             R"(OffTime of device 3 holds more than "hh:nn" can (seconds or a date))"},
            {[](SetupRecord &r) { r.Baud = 8; },
             "Baud index 8 is no rate of the Merolan, which the JSON form cannot name"},
        };
        for (const auto &[change, message] : refused) {
            SetupRecord r = sampleSetup();
            change(r);
            QVERIFY(!saveSetupFile(m_dir.filePath(QStringLiteral("no.json")), r, &error));
            QCOMPARE(error, message);
            QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("no.json"))));
        }
    }

    // A file at the limit loads (the record, then what older saves left); one
    // byte more is refused without being read whole. A device, a pipe (whose
    // open would wait for a writer) or a folder is not opened at all.
    void sizeLimitAndKind()
    {
        const QString path = m_dir.filePath(QStringLiteral("big.mrl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write(sampleBytes() + QByteArray(1048576 - 202, 'x')) == 1048576);
        file.close();
        QString error;
        QCOMPARE(loadSetupFile(path, &error), std::optional(sampleSetup()));
        QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
        file.close();
        QVERIFY(!loadSetupFile(path, &error));
        QCOMPARE(error, QStringLiteral("The file is larger than a setup file can be (more than 1 MiB)"));

        QStringList others{m_dir.path()};
#ifndef _WIN32
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.mrl"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        others << QStringLiteral("/dev/zero") << pipe;
#endif
        for (const QString &other : others) {
            QVERIFY(!loadSetupFile(other, &error));
            QCOMPARE(error, QStringLiteral("It is not a regular file (a folder, a device or a pipe)"));
        }
    }

    // The file holds passwords: a new one is the owner's alone, a replaced one
    // keeps its mode, and a writable file in a locked folder is still saved. A
    // read-only file is refused, except to root, for whom it stays read-only.
    // A link is never written through.
    void permissions()
    {
#ifdef _WIN32
        QSKIP("Windows has no file modes or symbolic links of this kind");
#else
        using P = QFileDevice;
        const bool root = geteuid() == 0;
        QTemporaryDir dir;
        QString error;
        const QString fresh = dir.filePath(QStringLiteral("new.mrl"));
        QVERIFY2(saveSetupFile(fresh, SetupRecord{}, &error), qPrintable(error));
        QCOMPARE(QFile::permissions(fresh) & 0x7077, P::ReadOwner | P::WriteOwner);
        const QString link = dir.filePath(QStringLiteral("link.mrl"));
        QVERIFY(QFile::link(fresh, link));
        QVERIFY(!saveSetupFile(link, sampleSetup(), &error));
        QCOMPARE(error, QStringLiteral("It is a symbolic link, and a setup file is never written through one"));
        QCOMPARE(loadSetupFile(fresh, &error), std::optional(SetupRecord{}));
        QVERIFY(QFileInfo(link).isSymLink());

        for (const auto &[name, mode, replaced] :
             {std::tuple{"shared.mrl", P::ReadOwner | P::WriteOwner | P::ReadGroup, true},
              std::tuple{"ro.mrl", P::ReadOwner | P::ReadGroup | P::ReadOther, root}}) {
            const QString path = dir.filePath(QLatin1String(name));
            QVERIFY(saveSetupFile(path, SetupRecord{}, &error) && QFile::setPermissions(path, mode));
            QCOMPARE(saveSetupFile(path, sampleSetup(), &error), replaced);
            QCOMPARE(QFile::permissions(path) & 0x7077, mode);
            QCOMPARE(loadSetupFile(path, &error), std::optional(replaced ? sampleSetup() : SetupRecord{}));
        }

        // Root writes anywhere: the locked folder tells nothing then.
        if (root)
            return;
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked) && saveSetupFile(locked + "/site.mrl", SetupRecord{}, &error));
        QVERIFY(QFile::setPermissions(locked, P::ReadOwner | P::ExeOwner));
        const bool saved = saveSetupFile(locked + "/site.mrl", sampleSetup(), &error);
        QFile::setPermissions(locked, P::ReadOwner | P::WriteOwner | P::ExeOwner);
        QVERIFY2(saved, qPrintable(error));
        QCOMPARE(loadSetupFile(locked + "/site.mrl", &error), std::optional(sampleSetup()));
#endif
    }

    // Loaded: the file becomes what is to be written. Beside the modem that was read (port open, serial
    // known) the modem's setup stays the baseline; otherwise both take it.
    // As "read --save" stores a logger modem at 115200: the load must not
    // turn it into 9600, nor logger mode 2 into 0.
    void loadAndSaveCommands()
    {
        const std::tuple<qint16, qint32, bool, const char *> rows[] = {
            {1, 5, false, "MRL0012345"}, {1, 7, true, ""}, {2, 5, false, ""}, {1, 5, true, "MRL0012345"}};
        const QString path = m_dir.filePath(QStringLiteral("site.mrl"));
        SetupRecord inModem = sampleSetup();
        inModem.APN = QStringLiteral("apn.in.modem");
        QString error;
        for (const auto &[logger, baud, portOpen, serial] : rows) {
            SetupRecord stored = sampleSetup();
            stored.Logger = logger;
            stored.Baud = baud;
            QVERIFY2(saveSetupFile(path, stored, &error), qPrintable(error));
            ModemRig rig;
            if (portOpen)
                rig.openPort();
            rig.session.SerialNumber = QLatin1String(serial);
            rig.session.ModemSetup = rig.session.EditSetup = inModem;
            rig.session.state.setStatus(QStringLiteral("before"));
            rig.prompt.answerFile(path);
            QVERIFY(LoadSetupCommand(rig.session));
            const bool beside = portOpen && *serial;
            QCOMPARE(rig.session.EditSetup, stored);
            QCOMPARE(rig.session.ModemSetup, beside ? inModem : stored);
            QVERIFY(rig.view.loggerTicked());
            QCOMPARE(rig.view.marked(), beside);
            QCOMPARE(PendingLines(rig.session, false),
                     beside ? QStringList({"APN=apn.sample", "XPAS=mail-pass"}) : QStringList());
            QCOMPARE(rig.prompt.shown().size(), 1);
            QCOMPARE(rig.session.state.status(), QStringLiteral("before"));
        }

        // A cancelled dialog changes nothing, nor a file that cannot be read or
        // saved (its error shown once). A load during a read would be overwritten
        // by it, a save would keep half a read: neither may even ask for a file.
        const QString cut = m_dir.filePath(QStringLiteral("cut.mrl"));
        QVERIFY(saveSetupFile(cut, sampleSetup(), &error) && QFile::resize(cut, 60));
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/x.mrl"));
        const auto captions = [](const RecordingView &view) {
            QStringList all;
            for (int i = int(Item::lblVersion); i <= int(Item::txtPWD); ++i)
                all << view.caption(Item(i));
            return all;
        };
        for (const auto &[running, cancelled] : {std::pair{false, true}, {false, false}, {true, false}}) {
            ModemRig rig;
            rig.session.ModemSetup.APN = QStringLiteral("modem");
            rig.session.EditSetup.APN = QStringLiteral("edited");
            const SetupRecord modem = rig.session.ModemSetup;
            const SetupRecord edit = rig.session.EditSetup;
            ShowSetup(rig.session);
            const QStringList shown = captions(rig.view);
            rig.prompt.clear(); // what showing an edited setup raised
            rig.session.state.Reading = running;
            rig.prompt.answerFile(cancelled ? std::nullopt : std::optional(cut));
            rig.prompt.answerFile(cancelled ? std::nullopt : std::optional(nowhere));
            LoadSetupCommand(rig.session);
            SaveSetupCommand(rig.session);

            QCOMPARE(rig.prompt.beeps(), running ? 2 : 0);
            QCOMPARE(rig.prompt.fileDialogs().size(), running ? 0 : 2);
            QCOMPARE(rig.prompt.messages().size(), running || cancelled ? 0 : 2);
            QCOMPARE(rig.prompt.shown().size(), rig.prompt.fileDialogs().size() + rig.prompt.messages().size());
            QVERIFY(!rig.prompt.messages().contains(QString()));
            // The role at the start of the cut file was readable: no field of it may stick.
            QCOMPARE(rig.session.ModemSetup, modem);
            QCOMPARE(rig.session.EditSetup, edit);
            QCOMPARE(captions(rig.view), shown);
        }
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("no"))));
    }
};

QTEST_GUILESS_MAIN(TestSetupFile)
#include "tst_setupfile.moc"
