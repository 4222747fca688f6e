#include "modemrig.h"
#include "setupfile.h"
#include "setupfilecommands.h"
#include "showsetup.h"
#include "writesetup.h"

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
    QTemporaryDir m_dir;
private slots:
    void saveThenLoad_data()
    {
        QTest::addColumn<SetupRecord>("record");
        QTest::addColumn<QString>("baud");
        QTest::newRow("server") << sample(0, 4) << "Baud: 9600";
        // As "read --save" stores a logger modem at 115200: the load must not
        // turn it into 9600, nor logger mode 2 into 0.
        QTest::newRow("logger at 115200") << sample(1, 7) << "Baud: 115200";
        QTest::newRow("logger mode 2") << sample(2, 5) << "Baud: 19200";
    }

    void saveThenLoad()
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
        QCOMPARE(loader.prompt.shown().size(), 1);
        QCOMPARE(loader.session.state.status(), QStringLiteral("before"));
    }

    // With the modem that was read still connected, the file is what is to be
    // written: the modem's setup stays the baseline. Without one, both take it.
    void loadBesideTheModemReadIsToBeWritten()
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

    // A cancelled dialog changes nothing, nor a file that cannot be read or
    // saved (the file's own test checks the error texts: here each is shown
    // once). A load during a read would be overwritten by it; a save would keep
    // half a read: neither may even ask for a file.
    void nothingChanges()
    {
        const QString cut = m_dir.filePath(QStringLiteral("cut.mrl"));
        QString error;
        QVERIFY(saveSetupFile(cut, sample(), &error) && QFile::resize(cut, 60));
        const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/x.mrl"));
        using Flag = bool OperationState::*;
        const std::tuple<Flag, QString, QString> cases[] = {{Flag(), {}, {}},
                                                            {Flag(), cut, nowhere},
                                                            {&OperationState::Busy, cut, nowhere},
                                                            {&OperationState::Reading, cut, nowhere},
                                                            {&OperationState::Writing, cut, nowhere}};
        for (const auto &[busy, load, save] : cases) {
            Rig rig;
            rig.session.ModemSetup.APN = QStringLiteral("modem");
            rig.session.EditSetup.APN = QStringLiteral("edited");
            ShowSetup(rig.session);
            const SetupRecord modem = rig.session.ModemSetup;
            const SetupRecord edit = rig.session.EditSetup;
            const QStringList captions = rig.captions();
            rig.prompt.clear(); // the role warning that showing an edited setup raises
            if (busy)
                rig.session.state.*busy = true;
            rig.prompt.answerFile(load.isEmpty() ? std::nullopt : std::optional(load));
            rig.prompt.answerFile(save.isEmpty() ? std::nullopt : std::optional(save));
            LoadSetupCommand(rig.session);
            SaveSetupCommand(rig.session);

            QCOMPARE(rig.prompt.beeps(), busy ? 2 : 0);
            QCOMPARE(rig.prompt.fileDialogs().size(), busy ? 0 : 2);
            QCOMPARE(rig.prompt.messages().size(), busy || load.isEmpty() ? 0 : 2);
            QCOMPARE(rig.prompt.shown().size(), rig.prompt.fileDialogs().size() + rig.prompt.messages().size());
            QVERIFY(!rig.prompt.messages().contains(QString()));
            // The role at the start of the file was readable: no field of it may stick.
            QVERIFY(rig.session.ModemSetup == modem && rig.session.EditSetup == edit);
            QCOMPARE(rig.captions(), captions);
        }
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("no"))));
    }
};

QTEST_GUILESS_MAIN(TestSetupFileCommands)
#include "tst_setupfilecommands.moc"
