#include "modemrig.h"
#include "setupfile.h"
#include "setupfilecommands.h"
#include "showsetup.h"
#include "writesetup.h"

#include <QTemporaryDir>
#include <QtTest>

using Item = SetupView::Item;
Q_DECLARE_METATYPE(SetupRecord)

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

// Every field's round trip is the file's own test; these show that a load
// reaches both records and the diagram, and a partial load sticks nowhere.
SetupRecord sample(qint16 logger = 0, qint32 baud = 0)
{
    SetupRecord r;
    r.Role = 2;
    r.APN = QStringLiteral("internet.example.long.name");
    r.Logger = logger;
    r.Baud = baud;
    return r;
}

} // namespace

class TestSetupFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void saveThenLoad_data();
    void saveThenLoad();
    void loadBesideTheModemReadIsToBeWritten();
    void unreadableFileChangesNothing();
    void cancelDoesNothing();
    void saveFailureIsReported();
    void refusedWhileTheModemIsBusy();

private:
    QTemporaryDir m_dir;
};

void TestSetupFileCommands::saveThenLoad_data()
{
    QTest::addColumn<SetupRecord>("record");
    QTest::addColumn<QString>("baud");
    QTest::newRow("server") << sample(0, 4) << "Baud: 9600";
    // As "read --save" stores a logger modem at 115200: the load must not
    // turn it into 9600, nor logger mode 2 into 0.
    QTest::newRow("logger at 115200") << sample(1, 7) << "Baud: 115200";
    QTest::newRow("logger mode 2") << sample(2, 5) << "Baud: 19200";
}

void TestSetupFileCommands::saveThenLoad()
{
    QFETCH(SetupRecord, record);
    QFETCH(QString, baud);
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.mrl"));
    Rig saver;
    saver.session.EditSetup = record;
    saver.prompt.answerFile(path);
    SaveSetupCommand(saver.session);
    const UserPrompt::FileDialog dialog = saver.prompt.fileDialogs().value(0);
    QCOMPARE(saver.prompt.shown().value(0).kind, ScriptedPrompt::Shown::SaveFile);
    QCOMPARE(dialog.title, QStringLiteral("Select a save name for the Merolan setup file"));
    QCOMPARE(dialog.initialName, QStringLiteral("Setup.mrl"));
    QCOMPARE(dialog.filters, (QStringList{"MRL Files (*.mrl)", "All Files (*.*)"}));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("mrl"));

    Rig loader;
    loader.session.state.setStatus(QStringLiteral("before"));
    loader.view.markChanges(true);
    loader.prompt.answerFile(path);
    LoadSetupCommand(loader.session);

    QCOMPARE(loader.prompt.fileDialogs().value(0).title, "Select a Merolan setup file to load");
    QVERIFY(loader.session.ModemSetup == record);
    QVERIFY(loader.session.EditSetup == record);
    QCOMPARE(loader.view.caption(Item::lblAPN), QStringLiteral("APN: internet.examp..."));
    QCOMPARE(loader.view.caption(Item::lblBaud), baud);
    QCOMPARE(loader.view.loggerTicked(), record.Logger != 0);
    // Nothing differs, so the write button loses its light red.
    QVERIFY(!loader.view.marked());
    QVERIFY(loader.prompt.shown().size() == 1);
    QCOMPARE(loader.session.state.status(), QStringLiteral("before"));
}

// With the modem that was read still connected, the file is what is to be
// written: the modem's setup stays the baseline. Without one, both take it.
void TestSetupFileCommands::loadBesideTheModemReadIsToBeWritten()
{
    const QString path = m_dir.filePath(QStringLiteral("stored.mrl"));
    QString error;
    QVERIFY(saveSetupFile(path, sample(0, 4), &error));
    SetupRecord read = sample(0, 4);
    read.APN = QStringLiteral("apn.in.modem");
    for (const auto &[portOpen, serial] : {std::pair{true, "MRL0012345"}, {false, "MRL0012345"}, {true, ""}}) {
        Rig rig;
        if (portOpen)
            rig.openPort();
        rig.session.SerialNumber = QLatin1String(serial);
        rig.session.ModemSetup = rig.session.EditSetup = read;
        rig.prompt.answerFile(path);
        QVERIFY(LoadSetupCommand(rig.session));
        const bool beside = portOpen && *serial;
        QVERIFY(rig.session.EditSetup == sample(0, 4));
        QVERIFY(rig.session.ModemSetup == (beside ? read : sample(0, 4)));
        QCOMPARE(rig.view.marked(), beside);
        QCOMPARE(PendingLines(rig.session, false),
                 beside ? QStringList{QStringLiteral("APN=internet.example.long.name")} : QStringList());
    }
}

void TestSetupFileCommands::unreadableFileChangesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("cut.mrl"));
    QString error;
    QVERIFY(saveSetupFile(path, sample(), &error));
    QVERIFY(QFile::resize(path, 60));
    Rig rig;
    rig.session.ModemSetup.APN = QStringLiteral("modem");
    rig.session.EditSetup.APN = QStringLiteral("edited");
    ShowSetup(rig.session);
    const SetupRecord modem = rig.session.ModemSetup;
    const SetupRecord edit = rig.session.EditSetup;
    const QStringList captions = rig.captions();
    rig.prompt.clear(); // the role warning that showing an edited setup raises
    rig.prompt.answerFile(path);
    LoadSetupCommand(rig.session);

    // The file's own test checks the error text; here it must be shown once.
    QCOMPARE(rig.prompt.messages().size(), 1);
    // The role at the start of the file was readable: no field of it may stick.
    QVERIFY(rig.session.ModemSetup == modem);
    QVERIFY(rig.session.EditSetup == edit);
    QCOMPARE(rig.captions(), captions);
}

void TestSetupFileCommands::cancelDoesNothing()
{
    Rig rig;
    rig.prompt.answerFile(std::nullopt);
    rig.prompt.answerFile(std::nullopt);
    LoadSetupCommand(rig.session);
    SaveSetupCommand(rig.session);

    QCOMPARE(rig.prompt.fileDialogs().size(), 2);
    QVERIFY(rig.prompt.messages().isEmpty());
    QVERIFY(rig.session.EditSetup == SetupRecord() && rig.session.ModemSetup == SetupRecord());
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

// A load during a read would be overwritten by it; a save would keep half
// a read. Neither may even ask for a file.
void TestSetupFileCommands::refusedWhileTheModemIsBusy()
{
    for (bool OperationState::*flag : {&OperationState::Busy, &OperationState::Reading, &OperationState::Writing}) {
        Rig rig;
        rig.session.state.*flag = true;
        LoadSetupCommand(rig.session);
        SaveSetupCommand(rig.session);
        QCOMPARE(rig.prompt.beeps(), 2);
        QVERIFY(rig.prompt.shown().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSetupFileCommands)
#include "tst_setupfilecommands.moc"
