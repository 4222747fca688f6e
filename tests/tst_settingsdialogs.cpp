#include "frmbaud.h"
#include "gprssettings.h"
#include "scriptedprompt.h"
#include "serversettings.h"
#include "widgetrig.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Item = SetupView::Item;

namespace {

template <typename T = QLineEdit>
T *child(const QWidget *dialog, const char *name)
{
    return rig::find<T>(dialog, name);
}

// Chosen as the user does: the list opens and an entry is clicked.
void pick(QComboBox *combo, const QString &text)
{
    if (combo->findText(text) < 0)
        qFatal("no entry %s", qPrintable(text));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex entry = view->model()->index(combo->findText(text), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
}

// Server 10.1.2.3:4001, its SIM card's access, and rate entry 3 (4800).
SetupRecord stored()
{
    return {0, 0, "10.1.2.3", 4001, "apn.stored", "gprs-id", "gprs-pass", {}, 3, {}, {}, 0, {}, {}, {}};
}

const char *const kSimBoxes[] = {"txtAPN", "txtGPRSUser", "txtGPRSPWD"};

// The shipped networks, each with a mail server to offer, and one without.
Presets withMailServers()
{
    Presets presets = builtInPresets();
    presets.providers[1].mailServer = "smtp.vodafone.test";
    presets.providers[2].mailServer = "smtp.wind.test";
    presets.providers.append({"Acme NL", "acme.iot", "", "", "", false});
    return presets;
}

struct GprsRig
{
    ScriptedPrompt prompt;
    GPRSSettings dialog{stored(), withMailServers(), prompt};

    GprsRig() { dialog.show(); }
    // "apn|user|password", then whether the boxes take input.
    QString boxes() const
    {
        QStringList texts;
        int enabled = 0;
        for (const char *name : kSimBoxes) {
            texts << child(&dialog, name)->text();
            enabled += child(&dialog, name)->isEnabled();
        }
        return texts.join('|') + (enabled == 3 ? " open" : enabled == 0 ? " locked" : " mixed");
    }
    QComboBox *provider() const { return child<QComboBox>(&dialog, "cboProvider"); }
    void choose(const char *name) { pick(provider(), name); }
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
        QCOMPARE(rig.boxes(), "apn.stored|gprs-id|gprs-pass open");
        QCOMPARE(rig::breaches(&rig.dialog), QStringList());
        rig.prompt.answerQuestion(false);
        rig.choose("Vodafone GR");
        QCOMPARE(rig.boxes(), "internet|user|kexo locked");
        QCOMPARE(rig.prompt.questions(), QStringList{"Update mail server to 'smtp.vodafone.test' ?"});
        QCOMPARE(rig.prompt.shown().last().preferred, UserPrompt::Answer::No);
        QCOMPARE(rig.dialog.mailServerChosen(), std::nullopt);
        rig.choose("Other");
        QCOMPARE(rig.boxes(), "internet|user|kexo open");

        rig.prompt.answerQuestion(true);
        rig.prompt.answerQuestion(false);
        rig.choose("Cosmote GR");
        QCOMPARE(rig.boxes(), "internet|| locked");
        rig.choose("Wind GR");

        rig.prompt.answerQuestion(false);
        rig.enter("Wind GR");
        QCOMPARE(rig.prompt.questions().mid(3), QStringList{"Update mail server to 'smtp.wind.test' ?"});
        QCOMPARE(rig.boxes(), "gint.b-online.gr|| locked");
        rig.enter("Acme NL");
        QCOMPARE(rig.boxes(), "acme.iot|| locked");
        rig.enter("Typed");
        QCOMPARE(rig.boxes(), "acme.iot|| open");
        QCOMPARE(rig.provider()->count(), 5);
        QCOMPARE(rig.prompt.questions().size(), 4);
        QVERIFY(rig.dialog.isVisible());

        child<QPushButton>(&rig.dialog, "cmdCancel")->click();
        QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(rig.dialog.mailServerChosen(), "mailgate.cosmotemail.gr");
        QCOMPARE(rig.dialog.record(), stored());
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // Typed as the user does; blanks stay in the APN caption only.
    void gprsOk_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("written"); // empty: refused
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("beeps");
        QTest::newRow("blank APN") << QStringList{"   ", "u1", "p1"} << QStringList() << QStringList() << 0;
        QTest::newRow("blanks around") << QStringList{" internet ", " u2 ", " p2 "}
                                       << QStringList{"internet", "u2", "p2"}
                                       << QStringList{"APN:  internet ", "User: u2", "PWD: p2"} << 0;
        const QString a32(32, 'a'), u16(16, 'u'), p16(16, 'p');
        QTest::newRow("cut at 32 and 16") << QStringList{a32 + 'b', u16 + 'v', p16 + 'q'} << QStringList{a32, u16, p16}
                                          << QStringList{"APN: aaaaaaaaaaaaaa...", "User: " + u16, "PWD: " + p16} << 3;
    }
    void gprsOk()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, written);
        QFETCH(QStringList, captions);
        GprsRig rig;
        for (int i = 0; i < 3; ++i) {
            child(&rig.dialog, kSimBoxes[i])->clear();
            QTest::keyClicks(child(&rig.dialog, kSimBoxes[i]), typed[i]);
        }
        QTEST(rig.prompt.beeps(), "beeps");
        child<QPushButton>(&rig.dialog, "cmdOK")->click();
        const SetupRecord &r = rig.dialog.record();
        if (written.isEmpty()) {
            QCOMPARE(rig.prompt.messages(), QStringList{"APN field may not be empty"});
            QVERIFY(rig.dialog.isVisible() && r == stored());
            return;
        }
        QVERIFY(rig.prompt.shown().isEmpty());
        QCOMPARE(rig.dialog.result(), int(QDialog::Accepted));
        QCOMPARE((QStringList{r.APN, r.GPRSID, r.GPRSPass}), written);
        QCOMPARE(rig.dialog.captions(), (CaptionList{{Item::lblAPN, captions[0]},
                                                     {Item::lblProviderUser, captions[1]},
                                                     {Item::lblProviderPWD, captions[2]}}));
    }

    // The port as pasted; a typed letter empties the box at once.
    void serverOk_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("written"); // 0: refused
        QTest::addColumn<QString>("address");
        QTest::newRow("half to even") << "1023.5" << 1024 << "host.example";
        QTest::newRow("highest, blanks kept") << "65535" << 65535 << " host.example ";
        QTest::newRow("65536") << "65536" << 0 << "host.example";
    }
    void serverOk()
    {
        QFETCH(QString, port);
        QFETCH(int, written);
        QFETCH(QString, address);
        ScriptedPrompt prompt;
        ServerSettings dialog(stored(), prompt);
        dialog.show();
        QLineEdit *txtIP = child(&dialog, "txtIP"), *txtPort = child(&dialog, "txtPort");
        QCOMPARE(txtIP->text() + '|' + txtPort->text(), "10.1.2.3|4001");
        QCOMPARE(rig::breaches(&dialog), QStringList());
        QTest::keyClicks(txtPort, "x");
        QCOMPARE(txtPort->text(), "");
        txtIP->setText(address);
        txtPort->setText(port);
        child<QPushButton>(&dialog, "cmdOK")->click();
        if (!written) {
            QCOMPARE(prompt.messages(), QStringList{"Wrong Host Port Number!"});
            QVERIFY(dialog.isVisible() && dialog.record() == stored() && dialog.captions().isEmpty());
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().HostIP, address);
        QCOMPARE(dialog.record().HostPort, written);
        QCOMPARE(dialog.captions(),
                 (CaptionList{{Item::lblTessarinIP, address},
                              {Item::lblTessarinPort, "Port: " + QString::number(written)},
                              {Item::lblServerPort, "Server IP port: " + QString::number(written)}}));
    }

    // The rates the firmware offers, by its version's text; an entry the
    // list lacks stays the record's until another is chosen. A pick counts
    // only through OK.
    void baud_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen"); // empty: OK without a pick
        QTest::addColumn<bool>("closed");    // by the close box after the pick
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *firmware, int baud, const QString &entries,
                            const QString &shown, const QString &chosen, int written, const QString &caption,
                            bool closed = false) {
            QTest::newRow(name) << firmware << baud << entries << shown << chosen << closed << written << caption;
        };
        const QString six = "1200|2400|4800|9600|19200|38400", seven = six + "|115200";
        const QString notOffered = "115200 (not offered by this firmware)";
        row("2.0.1 offers 115200", "2.0.1", 3, seven, "4800", "", 3, "Baud: 4800");
        row("10.0 is below 2.0.1", "10.0", 3, six, "4800", "", 3, "Baud: 4800");
        row("115200 offered", "3.0", 7, seven, "115200", "", 7, "Baud: 115200");
        row("115200 not offered", "2.0", 7, six + '|' + notOffered, notOffered, "", 7, "Baud: 115200");
        row("above the table", "3.0", 9, seven + "|Entry 9 (unknown rate)", "Entry 9 (unknown rate)", "", 9, "Baud: ");
        row("below the table", "3.0", 0, seven + "|Entry 0 (unknown rate)", "Entry 0 (unknown rate)", "", 0, "Baud: ");
        row("another chosen", "2.0", 7, six + '|' + notOffered, notOffered, "2400", 2, "Baud: 2400");
        row("close box", "3.0", 3, seven, "4800", "115200", 3, "", true);
    }
    void baud()
    {
        QFETCH(int, baud);
        QFETCH(QString, chosen);
        QFETCH(bool, closed);
        QFETCH(QString, caption);
        SetupRecord record = stored();
        record.Baud = baud;
        QFETCH(QString, firmware);
        frmBaud dialog(record, firmware);
        dialog.show();
        auto *cboBaud = child<QComboBox>(&dialog, "cboBaud");
        QStringList entries;
        for (int i = 0; i < cboBaud->count(); ++i)
            entries << cboBaud->itemText(i);
        QTEST(entries.join('|'), "entries");
        QVERIFY(!cboBaud->isEditable());
        QCOMPARE(rig::breaches(&dialog), QStringList());
        QTEST(cboBaud->currentText(), "shown");
        if (!chosen.isEmpty())
            pick(cboBaud, chosen);
        closed ? void(dialog.close()) : child<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(dialog.result(), int(closed ? QDialog::Rejected : QDialog::Accepted));
        QTEST(dialog.record().Baud, "written");
        QCOMPARE(dialog.captions(), (closed ? CaptionList{} : CaptionList{{Item::lblBaud, caption}}));
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
