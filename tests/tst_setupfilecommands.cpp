#include "modemrig.h"
#include "session.h"
#include "setupfile.h"
#include "setupfilecommands.h"
#include "showsetup.h"

#include <QTemporaryDir>
#include <QtTest>

using Item = SetupView::Item;

namespace {

struct Rig : ModemRig
{


    QStringList captions() const
    {
        QStringList all;
        for (int i = int(Item::lblVersion); i <= int(Item::txtPWD); ++i)
            all << view.caption(Item(i));
        return all;
    }
};

SetupRecord sample()
{
    SetupRecord r;
    r.Role = 2;
    r.Logger = 1;
    r.HostIP = QStringLiteral("gw.example.net");
    r.HostPort = 1023;
    r.APN = QStringLiteral("internet.example.long.name");
    r.GPRSID = QStringLiteral("user");
    r.GPRSPass = QStringLiteral("pass");
    r.SMSNum = QStringLiteral("+306912345678");
    r.Baud = 4;
    r.ERecep = QStringLiteral("a@example.net,b@example.net");
    r.ESender = QStringLiteral("m@example.net");
    r.EmailInterval = 6;
    r.MailServer = QStringLiteral("smtp.example.net");
    r.XUser = QStringLiteral("mailer");
    r.XPas = QString(99, QLatin1Char('*'));
    r.OnTime = {0.25, 11 / 24.0, 0.5};
    r.OffTime = {0.75, (10 * 60 + 50) / 1440.0, 0.5};
    return r;
}

} // namespace

class TestSetupFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void freshSetupSaves82Bytes();
    void saveThenLoad();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void cancelDoesNothing();
    void saveFailureIsReported();

private:
    QTemporaryDir m_dir;
};

void TestSetupFileCommands::freshSetupSaves82Bytes()
{
    Rig rig;
    const QString path = m_dir.filePath(QStringLiteral("fresh.mrl"));
    // An older, longer file keeps no bytes after the record.
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500, 'x'));
    old.close();
    rig.prompt.answerFile(path);
    SaveSetupCommand(rig.session);

    QCOMPARE(QFileInfo(path).size(), 82);
    QVERIFY(rig.prompt.messages().isEmpty());
    const UserPrompt::FileDialog dialog = rig.prompt.fileDialogs().value(0);
    QCOMPARE(rig.prompt.shown().value(0).kind, ScriptedPrompt::Shown::SaveFile);
    QCOMPARE(dialog.title, QStringLiteral("Select a save name for the Merolan setup file"));
    QCOMPARE(dialog.initialName, QStringLiteral("Setup.mrl"));
    QCOMPARE(dialog.filters, (QStringList{QStringLiteral("MRL Files (*.mrl)"), QStringLiteral("All Files (*.*)")}));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("mrl"));
}

void TestSetupFileCommands::saveThenLoad()
{
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.mrl"));
    Rig saver;
    saver.session.EditSetup = sample();
    saver.session.ModemSetup.APN = QStringLiteral("not saved");
    saver.session.state.setStatus(QStringLiteral("before"));
    saver.prompt.answerFile(path);
    SaveSetupCommand(saver.session);
    QCOMPARE(saver.session.state.status(), QStringLiteral("before"));

    Rig loader;
    loader.session.state.setStatus(QStringLiteral("before"));
    loader.prompt.answerFile(path);
    LoadSetupCommand(loader.session);

    QCOMPARE(loader.prompt.fileDialogs().value(0).title, QStringLiteral("Select a Merolan setup file to load"));
    QVERIFY(loader.session.ModemSetup == sample());
    QVERIFY(loader.session.EditSetup == sample());
    QVERIFY(!loader.session.HasChanges());
    QCOMPARE(loader.view.caption(Item::lblAPN), QStringLiteral("APN: internet.examp..."));
    QCOMPARE(loader.view.caption(Item::lblTime1), QStringLiteral("ALWAYS ON"));
    QCOMPARE(loader.view.roleEntry(), 1);
    QVERIFY(loader.view.loggerTicked());
    QVERIFY(loader.prompt.messages().isEmpty());
    QCOMPARE(loader.session.state.status(), QStringLiteral("before"));
}

void TestSetupFileCommands::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("keep");
    QTest::newRow("cut halfway") << "cut.mrl" << 150;
    QTest::newRow("cut inside the first text") << "cut2.mrl" << 10;
    QTest::newRow("missing") << "missing.mrl" << -1;
}

void TestSetupFileCommands::unreadableFileChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, keep);
    const QString path = m_dir.filePath(name);
    if (keep >= 0) {
        QString error;
        QVERIFY(saveSetupFile(path, sample(), &error));
        QVERIFY(QFile::resize(path, keep));
    }
    Rig rig;
    rig.session.ModemSetup.APN = QStringLiteral("modem");
    rig.session.EditSetup.APN = QStringLiteral("edited");
    ShowSetup(rig.session);
    const SetupRecord modem = rig.session.ModemSetup;
    const SetupRecord edit = rig.session.EditSetup;
    const QStringList captions = rig.captions();
    rig.prompt.clear();
    rig.prompt.answerFile(path);
    LoadSetupCommand(rig.session);

    QCOMPARE(rig.prompt.messages().size(), 1);
    QVERIFY(!rig.prompt.messages().first().isEmpty());
    QVERIFY(rig.session.ModemSetup == modem);
    QVERIFY(rig.session.EditSetup == edit);
    QCOMPARE(rig.captions(), captions);
}

void TestSetupFileCommands::cancelDoesNothing()
{
    Rig rig;
    rig.session.EditSetup = sample();
    rig.prompt.answerFile(std::nullopt);
    rig.prompt.answerFile(std::nullopt);
    LoadSetupCommand(rig.session);
    SaveSetupCommand(rig.session);

    QCOMPARE(rig.prompt.fileDialogs().size(), 2);
    QVERIFY(rig.prompt.messages().isEmpty());
    QVERIFY(rig.session.EditSetup == sample());
    QVERIFY(rig.session.ModemSetup == SetupRecord());
    QVERIFY(rig.captions().join(QString()).isEmpty());
    QVERIFY(rig.prompt.unexpected().isEmpty());
}

void TestSetupFileCommands::saveFailureIsReported()
{
    Rig rig;
    rig.prompt.answerFile(m_dir.filePath(QStringLiteral("no/such/folder/x.mrl")));
    SaveSetupCommand(rig.session);

    QCOMPARE(rig.prompt.messages().size(), 1);
    QVERIFY(!rig.prompt.messages().first().isEmpty());
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("no"))));
}

QTEST_GUILESS_MAIN(TestSetupFileCommands)
#include "tst_setupfilecommands.moc"
