#include "emailsettings.h"
#include "samplesetup.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

#include <memory>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;

namespace {

// The sample setup in the dialog, with a network that offers its mail server.
struct Rig
{
    ScriptedPrompt prompt;
    SetupRecord record = sampleSetup();
    std::unique_ptr<EmailSettings> dialog;

    explicit Rig(qint16 role = 3)
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

class TestEmailSettings : public QObject
{
    Q_OBJECT

private slots:
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
        Rig rig{qint16(role)};
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

    // A refused OK keeps the dialog open and the record as it was.
    void refusedOk()
    {
        Rig rig;
        rig::find<QLineEdit>(rig.dialog.get(), "txtSender")->setText(u"se"_s);
        rig::find<QPushButton>(rig.dialog.get(), "cmdOK")->click();
        QCOMPARE(rig.prompt.messages(), QStringList{u"Email sender is not acceptable!"_s});
        QVERIFY(rig.dialog->isVisible() && rig.dialog->record() == rig.record);
    }

    // The recipients box cuts at its 90th character every time, with a beep,
    // leaving the caret at the end; the mail boxes cut at their 41st.
    void boxesCutAtTheirLimit()
    {
        Rig rig;
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
    }

    // A network's mail server goes into the box on Yes; the record takes it only with OK.
    void providerOffersItsMailServer()
    {
        Rig rig;
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig::find<QComboBox>(rig.dialog.get(), "cboProvider"), Qt::Key_Up);
        QCOMPARE(rig.prompt.questions(), QStringList{u"Update mail server to 'smtp.vodafone.test' ?"_s});
        QCOMPARE(rig.text("txtSMTP"), u"smtp.vodafone.test"_s);
        QCOMPARE(rig.dialog->record(), rig.record);
        rig::find<QPushButton>(rig.dialog.get(), "cmdOK")->click();
        QCOMPARE(rig.dialog->record().MailServer, u"smtp.vodafone.test"_s);
    }
};

QTEST_MAIN(TestEmailSettings)
#include "tst_emailsettings.moc"
