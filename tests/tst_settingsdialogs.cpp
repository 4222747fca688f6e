#include "frmbaud.h"
#include "gprssettings.h"
#include "scriptedprompt.h"
#include "serversettings.h"

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
    T *found = dialog->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void type(QLineEdit *box, const QString &keys)
{
    box->clear();
    QTest::keyClicks(box, keys);
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

SetupRecord stored()
{
    SetupRecord r;
    r.HostIP = "10.1.2.3";
    r.HostPort = 4001;
    r.APN = "apn.stored";
    r.GPRSID = "gprs-id";
    r.GPRSPass = "gprs-pass";
    r.Baud = 3;
    return r;
}

const char *const kSimBoxes[] = {"txtAPN", "txtGPRSUser", "txtGPRSPWD"};

// The shipped networks, each with a mail server to offer.
Presets withMailServers()
{
    Presets presets = builtInPresets();
    presets.providers[1].mailServer = "smtp.vodafone.test";
    presets.providers[2].mailServer = "smtp.wind.test";
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
    void choose(const char *provider) { pick(child<QComboBox>(&dialog, "cboProvider"), provider); }
};

} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT

private slots:
    // A network fills and locks the boxes and asks about its mail server; the
    // last Yes names it, and it outlives Cancel while the record stays.
    void gprsProviders()
    {
        GprsRig rig;
        QCOMPARE(rig.dialog.windowTitle(), "GPRS provider settings ");
        QCOMPARE(child<QComboBox>(&rig.dialog, "cboProvider")->currentText(), "Other");
        QCOMPARE(rig.boxes(), "apn.stored|gprs-id|gprs-pass open");
        rig.prompt.answerQuestion(false);
        rig.choose("Vodafone GR");
        QCOMPARE(rig.boxes(), "internet|user|kexo locked");
        QCOMPARE(rig.prompt.questions(), QStringList{"Update mail server to 'smtp.vodafone.test' ?"});
        QCOMPARE(rig.dialog.mailServerChosen(), std::nullopt);
        rig.choose("Other");
        QCOMPARE(rig.boxes(), "internet|user|kexo open");

        rig.prompt.answerQuestion(true);
        rig.prompt.answerQuestion(false);
        rig.choose("Cosmote GR");
        QCOMPARE(rig.boxes(), "internet|| locked");
        rig.choose("Wind GR");
        child<QPushButton>(&rig.dialog, "cmdCancel")->click();
        QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(rig.dialog.mailServerChosen(), "mailgate.cosmotemail.gr");
        QCOMPARE(rig.dialog.record(), stored());
        QCOMPARE(rig.prompt.questions().size(), 3);
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // Enter in the provider box chooses what it shows, once: it neither
    // presses OK nor adds a typed name to the list. A network without a mail
    // server asks nothing; the question prefers No.
    void gprsProviderByKeyboard()
    {
        Presets presets = withMailServers();
        presets.providers.append({"Acme NL", "acme.iot", "", "", "", false});
        ScriptedPrompt prompt;
        GPRSSettings dialog(stored(), presets, prompt);
        dialog.show();
        auto *provider = child<QComboBox>(&dialog, "cboProvider");
        provider->setFocus();
        provider->lineEdit()->selectAll();
        prompt.answerQuestion(false);
        QTest::keyClicks(provider->lineEdit(), "Wind GR");
        QTest::keyClick(provider->lineEdit(), Qt::Key_Return);
        QCOMPARE(prompt.questions(), QStringList{"Update mail server to 'smtp.wind.test' ?"});
        QCOMPARE(prompt.shown().last().preferred, UserPrompt::Answer::No);
        QVERIFY(dialog.isVisible());
        QCOMPARE(child(&dialog, "txtAPN")->text(), "gint.b-online.gr");

        provider->lineEdit()->selectAll();
        QTest::keyClicks(provider->lineEdit(), "Acme NL");
        QTest::keyClick(provider->lineEdit(), Qt::Key_Return);
        QCOMPARE(child(&dialog, "txtAPN")->text(), "acme.iot");
        provider->lineEdit()->selectAll();
        QTest::keyClicks(provider->lineEdit(), "Typed");
        QTest::keyClick(provider->lineEdit(), Qt::Key_Return);
        QVERIFY(child(&dialog, "txtAPN")->isEnabled());
        QCOMPARE(provider->count(), 5);
        QCOMPARE(prompt.questions().size(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(prompt.unexpected().isEmpty());
    }

    void gprsApnIsCutAt32()
    {
        GprsRig rig;
        QLineEdit *apn = child(&rig.dialog, "txtAPN");
        type(apn, QString(32, 'a') + 'b');
        QCOMPARE(apn->text(), QString(32, 'a'));
        QCOMPARE(rig.prompt.beeps(), 1);
    }

    void gprsOk_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("written"); // empty: refused
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("blank APN") << QStringList{"   ", "u1", "p1"} << QStringList() << QStringList();
        QTest::newRow("blanks around") << QStringList{" internet ", " u2 ", " p2 "}
                                       << QStringList{"internet", "u2", "p2"}
                                       << QStringList{"APN:  internet ", "User: u2", "PWD: p2"};
    }
    void gprsOk()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, written);
        QFETCH(QStringList, captions);
        GprsRig rig;
        for (int i = 0; i < 3; ++i)
            type(child(&rig.dialog, kSimBoxes[i]), typed[i]);
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

    void serverBoxes()
    {
        ScriptedPrompt prompt;
        ServerSettings dialog(stored(), prompt);
        QCOMPARE(dialog.windowTitle(), "Tessarin settings");
        QLineEdit *port = child(&dialog, "txtPort");
        QCOMPARE(child(&dialog, "txtIP")->text(), "10.1.2.3");
        QCOMPARE(port->text(), "4001");
        QCOMPARE(child<QLabel>(&dialog, "Label2")->buddy(), child(&dialog, "txtIP"));
        QCOMPARE(child<QLabel>(&dialog, "Label1")->buddy(), port);
        QTest::keyClicks(port, "x");
        QCOMPARE(port->text(), "");
        QTest::keyClicks(port, "7");
        QCOMPARE(port->text(), "7");
    }

    void serverOk_data()
    {
        QTest::addColumn<QString>("port"); // as pasted
        QTest::addColumn<int>("written");  // 0: refused
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
        child(&dialog, "txtIP")->setText(address);
        child(&dialog, "txtPort")->setText(port);
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

    void baudList()
    {
        const QStringList six{"1200", "2400", "4800", "9600", "19200", "38400"};
        for (const char *firmware : {"2.0.1", "2.0", "10.0"}) {
            frmBaud dialog(stored(), firmware);
            auto *cboBaud = child<QComboBox>(&dialog, "cboBaud");
            QStringList shown;
            for (int i = 0; i < cboBaud->count(); ++i)
                shown << cboBaud->itemText(i);
            const bool fast = QString(firmware) == "2.0.1";
            QCOMPARE(shown, fast ? six + QStringList{"115200"} : six);
            QVERIFY(!cboBaud->isEditable());
            QCOMPARE(child<QLabel>(&dialog, "lblRate")->buddy(), cboBaud);
            QCOMPARE(dialog.windowTitle(), "Baud rate selection");
        }
    }

    // An entry the list lacks stays the record's entry until another is chosen.
    void baudStoredEntry_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen"); // empty: OK without a pick
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("caption");
        const QString notOffered = "115200 (not offered by this firmware)";
        QTest::newRow("115200 offered") << "3.0" << 7 << "115200" << QString() << 7 << "Baud: 115200";
        QTest::newRow("115200 not offered") << "2.0" << 7 << notOffered << QString() << 7 << "Baud: 115200";
        QTest::newRow("above the table") << "3.0" << 9 << "Entry 9 (unknown rate)" << QString() << 9 << "Baud: ";
        QTest::newRow("below the table") << "3.0" << 0 << "Entry 0 (unknown rate)" << QString() << 0 << "Baud: ";
        QTest::newRow("another chosen") << "2.0" << 7 << notOffered << "2400" << 2 << "Baud: 2400";
    }
    void baudStoredEntry()
    {
        QFETCH(int, baud);
        QFETCH(QString, chosen);
        QFETCH(QString, caption);
        SetupRecord record = stored();
        record.Baud = baud;
        QFETCH(QString, firmware);
        frmBaud dialog(record, firmware);
        dialog.show();
        auto *cboBaud = child<QComboBox>(&dialog, "cboBaud");
        QTEST(cboBaud->currentText(), "shown");
        if (!chosen.isEmpty())
            pick(cboBaud, chosen);
        child<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QTEST(dialog.record().Baud, "written");
        QCOMPARE(dialog.captions(), (CaptionList{{Item::lblBaud, caption}}));
    }

    // A pick counts only through OK.
    void baudCloseBoxWritesNothing()
    {
        frmBaud dialog(stored(), "3.0");
        dialog.show();
        pick(child<QComboBox>(&dialog, "cboBaud"), "115200");
        dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.record() == stored() && dialog.captions().isEmpty());
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
