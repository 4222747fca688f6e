#include "frmbaud.h"
#include "gprssettings.h"
#include "samplesetup.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

#include <QAbstractItemView>

using Item = SetupView::Item;

namespace {

// Chosen as the user does: the list opens and an entry is clicked.
void pick(QComboBox *combo, const QString &text)
{
    QVERIFY2(combo->findText(text) >= 0, qPrintable(text));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex entry = view->model()->index(combo->findText(text), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

struct GprsRig
{
    ScriptedPrompt prompt;
    GPRSSettings dialog{sampleSetup(), presets(), prompt};

    GprsRig() { dialog.show(); }
    // The shipped networks, two with a mail server to offer, and one without.
    static Presets presets()
    {
        Presets presets = builtInPresets();
        presets.providers[1].mailServer = "smtp.vodafone.test";
        presets.providers[2].mailServer = "smtp.wind.test";
        presets.providers.append({"Acme NL", "acme.iot", "", "", "", false});
        return presets;
    }
    // "apn|user|password", then whether the boxes take input.
    QString boxes() const
    {
        QStringList texts;
        int enabled = 0;
        for (const char *name : {"txtAPN", "txtGPRSUser", "txtGPRSPWD"}) {
            texts << rig::find<QLineEdit>(&dialog, name)->text();
            enabled += rig::find(&dialog, name)->isEnabled();
        }
        return texts.join('|') + (enabled == 3 ? " open" : enabled == 0 ? " locked" : " mixed");
    }
    QComboBox *provider() const { return rig::find<QComboBox>(&dialog, "cboProvider"); }
    void enter(const char *name)
    {
        provider()->lineEdit()->selectAll();
        QTest::keyClicks(provider()->lineEdit(), name);
        QTest::keyClick(provider()->lineEdit(), Qt::Key_Return);
    }
};

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    // A network fills and locks the boxes and asks about its mail server,
    // preferring No; the last Yes names it, and it outlives Cancel while the
    // record stays. Enter in the provider box chooses what it shows, once: it
    // neither presses OK nor adds a typed name to the list.
    void gprsProviders()
    {
        GprsRig rig;
        QCOMPARE(rig.provider()->currentText(), "Other");
        rig.prompt.answerQuestion(false);
        pick(rig.provider(), "Vodafone GR");
        QCOMPARE(rig.boxes(), "internet|user|kexo locked");
        QCOMPARE(rig.prompt.questions(), QStringList{"Update mail server to 'smtp.vodafone.test' ?"});
        QCOMPARE(rig.prompt.shown().last().preferred, UserPrompt::Answer::No);
        pick(rig.provider(), "Other");
        QCOMPARE(rig.boxes(), "internet|user|kexo open");

        rig.prompt.answerQuestion(true);
        rig.prompt.answerQuestion(false);
        pick(rig.provider(), "Cosmote GR");
        rig.enter("Wind GR");
        rig.enter("Acme NL");
        QCOMPARE(rig.boxes(), "acme.iot|| locked");
        rig.enter("Typed");
        QCOMPARE(rig.boxes(), "acme.iot|| open");
        QCOMPARE(rig.provider()->count(), 5);
        QCOMPARE(rig.prompt.questions().size(), 3);
        QVERIFY(rig.dialog.isVisible());

        rig::find<QPushButton>(&rig.dialog, "cmdCancel")->click();
        QCOMPARE(rig.dialog.mailServerChosen(), "mailgate.cosmotemail.gr");
        QCOMPARE(rig.dialog.record(), sampleSetup());
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // The rates the firmware offers, by its version's text; an entry the
    // list lacks stays the record's until another is chosen. A pick counts
    // only through OK.
    void baud_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("chosen"); // empty: OK without a pick
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *firmware, int baud, const QString &entries,
                            const char *chosen, int written, const char *caption, const char *button = "cmdOK") {
            QTest::newRow(name) << firmware << baud << entries << chosen << button << written << caption;
        };
        const QString six = "1200|2400|4800|9600|19200|38400", seven = six + "|115200";
        const QString notOffered = "115200 (not offered by this firmware)";
        row("2.0.1 offers 115200", "2.0.1", 3, seven + " at 4800", "", 3, "Baud: 4800");
        row("10.0 is below 2.0.1", "10.0", 3, six + " at 4800", "", 3, "Baud: 4800");
        row("115200 offered", "3.0", 7, seven + " at 115200", "", 7, "Baud: 115200");
        row("115200 not offered", "2.0", 7, six + '|' + notOffered + " at " + notOffered, "", 7, "Baud: 115200");
        row("outside the table", "3.0", 9, seven + "|Entry 9 (unknown rate) at Entry 9 (unknown rate)", "", 9,
            "Baud: ");
        row("another chosen", "2.0", 7, six + '|' + notOffered + " at " + notOffered, "2400", 2, "Baud: 2400");
        row("close box", "3.0", 3, seven + " at 4800", "115200", 3, "", "");
    }
    void baud()
    {
        QFETCH(int, baud);
        QFETCH(QString, chosen);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        SetupRecord record = sampleSetup();
        record.Baud = baud;
        QFETCH(QString, firmware);
        frmBaud dialog(record, firmware);
        dialog.show();
        auto *cboBaud = rig::find<QComboBox>(&dialog, "cboBaud");
        QStringList entries;
        for (int i = 0; i < cboBaud->count(); ++i)
            entries << cboBaud->itemText(i);
        QTEST(entries.join('|') + " at " + cboBaud->currentText(), "entries");
        QVERIFY(!cboBaud->isEditable());
        QCOMPARE(rig::breaches(&dialog), QStringList());
        if (!chosen.isEmpty())
            pick(cboBaud, chosen);
        button.isEmpty() ? void(dialog.close()) : rig::find<QPushButton>(&dialog, button)->click();
        QCOMPARE(dialog.result(), int(button.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QTEST(dialog.record().Baud, "written");
        QCOMPARE(dialog.captions(), (caption.isEmpty() ? CaptionList{} : CaptionList{{Item::lblBaud, caption}}));
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
