#include "emailsettings.h"
#include "frmbaud.h"
#include "gprssettings.h"
#include "samplesetup.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

#include <QAbstractItemView>

#include <memory>

using namespace Qt::StringLiterals;

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

// The sample setup in the dialog, with a network that offers its mail server.
struct EmailRig
{
    ScriptedPrompt prompt;
    SetupRecord record = sampleSetup();
    std::unique_ptr<EmailSettings> dialog;

    explicit EmailRig(qint16 role = 3)
    {
        record.Role = role;
        const Provider vodafone{u"Vodafone GR"_s, u"internet"_s, u"user"_s, u"kexo"_s, u"smtp.vodafone.test"_s, false};
        dialog = std::make_unique<EmailSettings>(record, Presets{{vodafone}, u"server.test"_s, {}}, prompt);
        dialog->show();
    }
    QString text(const char *box) const
    {
        if (auto *line = dialog->findChild<QLineEdit *>(QLatin1String(box)))
            return line->text();
        return rig::find<QPlainTextEdit>(dialog.get(), "txtRecip")->toPlainText();
    }
    void type(const char *box, const QString &keys) const
    {
        QWidget *w = rig::find(dialog.get(), box);
        for (const QChar key : keys) // keyClicks has no key for a line feed
            key == u'\n' ? QTest::keyClick(w, Qt::Key_Return) : QTest::keyClick(w, key.toLatin1());
    }
};

const char *const kBoxes[] = {"txtRecip", "txtSender", "txtSMTP", "txtUser", "txtPWD", "txtAPN", "txtGPRSUser"};

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

    // What the boxes show; OK on them untouched stores nothing, OK after
    // typing stores every box trimmed and says so in the captions (the SIM
    // boxes' keep their blanks); Cancel stores nothing. The SIM column shows
    // for a modem that takes data calls only.
    void loadOkCancel_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("typed");
        QTest::newRow("untouched, OK") << 3 << "cmdOK" << false;
        QTest::newRow("typed, OK") << 3 << "cmdOK" << true;
        QTest::newRow("typed, Cancel") << 3 << "cmdCancel" << true;
        QTest::newRow("role 2, no SIM column") << 2 << "cmdOK" << false;
    }
    void loadOkCancel()
    {
        QFETCH(int, role);
        QFETCH(QString, button);
        QFETCH(bool, typed);
        EmailRig rig{qint16(role)};
        QStringList shown;
        for (const char *box : kBoxes)
            shown << rig.text(box);
        QCOMPARE(shown.mid(0, 5), (QStringList{u"alarm@site.example"_s, u"modem@site.example"_s, u"smtp.site.example"_s,
                                               u"mail-user"_s, u"********"_s}));
        QCOMPARE(rig::find(rig.dialog.get(), "fraGPRS")->isVisible(), role == 3);
        QCOMPARE(rig::find<QComboBox>(rig.dialog.get(), "cboInterval")->currentText(), u"12"_s);
        if (typed) {
            const QStringList keys{u"k@l.gr;\n m@n.gr ;"_s, u" x@y.gr "_s, u" smtp.typed "_s, u" u1 "_s, u" p1 "_s,
                                   u" internet "_s,         u" g2 "_s};
            for (int i = 0; i < 7; ++i) {
                rig::find<QWidget>(rig.dialog.get(), kBoxes[i])->setFocus();
                QTest::keyClick(rig::find(rig.dialog.get(), kBoxes[i]), Qt::Key_A, Qt::ControlModifier);
                rig.type(kBoxes[i], keys[i]);
            }
            rig::find<QComboBox>(rig.dialog.get(), "cboInterval")->setEditText(u"6"_s);
        }
        rig::find<QPushButton>(rig.dialog.get(), button)->click();
        QCOMPARE(rig.dialog->result(), int(button == "cmdOK"_L1 ? QDialog::Accepted : QDialog::Rejected));
        const SetupRecord &r = rig.dialog->record();
        if (typed && button == "cmdOK"_L1) {
            QCOMPARE((QStringList{r.ERecep, r.ESender, r.MailServer, r.XUser, r.XPas, r.APN, r.GPRSID}).join('|'),
                     u"k@l.gr,m@n.gr|x@y.gr|smtp.typed|u1|p1|internet|g2"_s);
            QCOMPARE(r.EmailInterval, 6);
            QVERIFY(rig.dialog->captions()
                    == (CaptionList{{Item::lblEmail, u"Email: per 6h"_s},
                                    {Item::lblAPN, u"APN:  internet "_s},
                                    {Item::lblProviderUser, u"User:  g2 "_s}}));
        } else if (button == "cmdOK"_L1) {
            QVERIFY(r == rig.record && rig.dialog->captions().isEmpty());
        }
        QVERIFY(rig.prompt.unexpected().isEmpty() && rig.prompt.beeps() == 0);
    }

    // The recipients box cuts at its 90th character every time, with a beep,
    // leaving the caret at the end; the mail boxes cut at their 41st. A
    // network's mail server goes into the box on Yes; the record takes it
    // only through OK, and a refused OK keeps the dialog open and the record.
    void boxesAndOk()
    {
        EmailRig rig;
        auto *recipients = rig::find<QPlainTextEdit>(rig.dialog.get(), "txtRecip");
        for (int round = 1; round <= 2; ++round) {
            recipients->clear();
            rig.type("txtRecip", QString(88, u'r') + u"st"_s);
            QCOMPARE(recipients->toPlainText(), QString(88, u'r') + u's');
            QCOMPARE(recipients->textCursor().position(), 89);
            QCOMPARE(rig.prompt.beeps(), round);
        }
        auto *sender = rig::find<QLineEdit>(rig.dialog.get(), "txtSender");
        sender->clear();
        rig.type("txtSender", QString(39, u'w') + u"xy"_s);
        QCOMPARE(sender->text(), QString(39, u'w') + u'x');
        QCOMPARE(rig.prompt.beeps(), 3);

        recipients->setPlainText(u"alarm@site.example"_s);
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig::find<QComboBox>(rig.dialog.get(), "cboProvider"), Qt::Key_Up);
        QCOMPARE(rig.prompt.questions(), QStringList{u"Update mail server to 'smtp.vodafone.test' ?"_s});
        QCOMPARE(rig.text("txtSMTP"), u"smtp.vodafone.test"_s);
        sender->setText(u"se"_s);
        rig::find<QPushButton>(rig.dialog.get(), "cmdOK")->click();
        QCOMPARE(rig.prompt.messages(), QStringList{u"Email sender is not acceptable!"_s});
        QVERIFY(rig.dialog->isVisible() && rig.dialog->record() == rig.record);
        sender->setText(u"s@e.gr"_s);
        rig::find<QPushButton>(rig.dialog.get(), "cmdOK")->click();
        QCOMPARE(rig.dialog->record().MailServer, u"smtp.vodafone.test"_s);
        QCOMPARE(rig.dialog->record().ESender, u"s@e.gr"_s);
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
