#include "emailsettings.h"
#include "scriptedprompt.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;

namespace {

const QString kLogin = u"This mail server requires the Password and User fields for email authentication!"_s;
const QString kApn = u"WARNING: APN field is empty\nDo you want to proceed?"_s;
const QString kNoInterval = u"No email interval was selected!"_s;
const QString kRecipient = u"Email recipient is not acceptable!"_s;
const QString kSender = u"Email sender is not acceptable!"_s;
const QString kCosmote = u"mailgate.cosmotemail.gr"_s;
const QStringList kColumns{u"Frame1"_s, u"Frame2"_s, u"Frame3"_s, u"Label7"_s, u"fraGPRS"_s, u"lblInfo"_s};

// The boxes show it otherwise than it stands: the password as its
// placeholder, recipients with blanks joined by ";", a mail server with blanks.
SetupRecord loaded(qint16 role = 3, qint16 interval = 4, const QString &user = u"xuser"_s)
{
    return {role,        1,          u"host.test"_s,     1024, u"apn.test"_s,
            u"gid"_s,    u"gpass"_s, u"6900000001"_s,    5,    u"a@b.gr, c@d.gr"_s,
            u"s@e.gr"_s, interval,   u" smtp.loaded "_s, user, QString(99, u'*')};
}

struct Rig
{
    ScriptedPrompt prompt;
    SetupRecord record;
    std::unique_ptr<EmailSettings> dialog;

    explicit Rig(const SetupRecord &r = loaded()) : record(r)
    {
        const Provider cosmote{u"Cosmote GR"_s, u"internet"_s, {}, {}, kCosmote, true};
        const Provider vodafone{u"Vodafone GR"_s, u"internet"_s, u"user"_s, u"kexo"_s, u"smtp.vodafone.test"_s, false};
        dialog = std::make_unique<EmailSettings>(r, Presets{{cosmote, vodafone}, u"server.test"_s, {}}, prompt);
        dialog->show();
    }
    template <typename T = QLineEdit>
    T *get(QAnyStringView name) const
    {
        T *found = dialog->findChild<T *>(name.toString());
        if (!found)
            qFatal("no control %s", qPrintable(name.toString()));
        return found;
    }
    QComboBox *combo(const char *name) const { return get<QComboBox>(name); }
    QPlainTextEdit *recipients() const { return get<QPlainTextEdit>("txtRecip"); }
    QString text(const QString &box) const
    {
        const auto *line = dialog->findChild<QLineEdit *>(box);
        return line ? line->text() : recipients()->toPlainText();
    }
    void type(const QString &box, const QString &keys) const
    {
        if (auto *line = dialog->findChild<QLineEdit *>(box))
            line->clear();
        else
            recipients()->clear();
        for (const QChar key : keys) // keyClicks has no key for a line feed
            key == u'\n' ? QTest::keyClick(get<QWidget>(box), Qt::Key_Return)
                         : QTest::keyClick(get<QWidget>(box), key.toLatin1());
    }
    QStringList shown() const
    {
        QStringList out;
        for (const QString &name : kColumns)
            if (get<QWidget>(name)->isVisible())
                out << name;
        return out;
    }
    void ok() const { QTest::mouseClick(get<QPushButton>("cmdOK"), Qt::LeftButton); }
};

} // namespace

class TestEmailSettings : public QObject
{
    Q_OBJECT

private slots:
    // What the boxes show, and the keyboard's way round them. OK on boxes
    // left as they were stores nothing.
    void load_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("intervalText");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("chain");
        const QStringList all{u"cboInterval"_s, u"txtRecip"_s,   u"txtSender"_s,   u"txtSMTP"_s,
                              u"txtUser"_s,     u"txtPWD"_s,     u"cboProvider"_s, u"txtAPN"_s,
                              u"txtGPRSUser"_s, u"txtGPRSPWD"_s, u"cmdOK"_s,       u"cmdCancel"_s};
        QTest::newRow("disabled, role 1") << 1 << 0 << QString() << u"Email Disabled"_s << QString() << QStringList()
                                          << QStringList{all[0], all[10], all[11]};
        QTest::newRow("4 hours, role 3") << 3 << 4 << u"xuser"_s << u"4"_s << u"********"_s << kColumns << all;
        QTest::newRow("24 hours, role 2")
            << 2 << 24 << u"u24"_s << u"24"_s << u"********"_s << kColumns.first(4) << all.first(6) + all.last(2);
    }
    void load()
    {
        QFETCH(int, role);
        QFETCH(int, interval);
        QFETCH(QString, user);
        Rig rig(loaded(qint16(role), qint16(interval), user));
        QTEST(rig.combo("cboInterval")->currentText(), "intervalText");
        QTEST(rig.text(u"txtPWD"_s), "password");
        QTEST(rig.shown(), "shown");
        QStringList boxes;
        for (const char *box : {"txtUser", "txtRecip", "txtSender", "txtSMTP", "txtAPN", "txtGPRSUser", "txtGPRSPWD"})
            boxes << rig.text(QLatin1String(box));
        QCOMPARE(boxes, (QStringList{user, u"a@b.gr; c@d.gr"_s, u"s@e.gr"_s, u" smtp.loaded "_s, u"apn.test"_s,
                                     u"gid"_s, u"gpass"_s}));
        QCOMPARE(rig.get<QLabel>("lblInfo")->text(),
                 u"\n  The SIM card provider settings are required to be able to send email. "_s);
        QStringList chain;
        QWidget *first = rig.combo("cboInterval"), *w = first;
        do {
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
                chain << w->objectName();
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                         qPrintable(w->objectName()));
            }
            w = w->nextInFocusChain();
        } while (w != first);
        QTEST(chain, "chain");

        rig.ok();
        QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(rig.dialog->record().XPas, QString(99, u'*'));
        QVERIFY(rig.dialog->record() == rig.record && rig.dialog->captions().isEmpty());
    }

    // Any interval above 0, picked or typed, shows the e-mail frames; without
    // them the window shrinks. The SIM column widens it.
    void intervalShowsTheFrames()
    {
        Rig rig(loaded(1, 0)), wide(loaded(3, 0));
        QVERIFY(wide.dialog->width() > rig.dialog->width() + wide.get<QWidget>("fraGPRS")->width() / 2);
        QComboBox *interval = rig.combo("cboInterval");
        const int disabled = rig.dialog->height();
        QTest::keyClick(interval, Qt::Key_Down);
        QCOMPARE(interval->currentText(), u"1 hour"_s);
        QCOMPARE(rig.shown(), kColumns.first(4));
        QVERIFY(rig.dialog->height() > disabled + rig.get<QWidget>("Frame1")->height());
        QTest::keyClick(interval, Qt::Key_Up);
        QCOMPARE(rig.shown(), QStringList());
        QCOMPARE(rig.dialog->height(), disabled);
        for (const auto &[typed, frames] : {std::pair{"5", true}, {"0", false}, {"99", true}, {"weekly", false}}) {
            interval->lineEdit()->clear();
            QTest::keyClicks(interval, QLatin1String(typed));
            QCOMPARE(rig.shown(), frames ? kColumns.first(4) : QStringList());
        }
    }

    // Each box its own value with blanks around it, so a swap or a missed
    // trim shows; the captions keep the SIM boxes' blanks.
    void okStoresEveryBox()
    {
        Rig rig;
        const QStringList boxes{u"txtRecip"_s, u"txtSender"_s, u"txtSMTP"_s,     u"txtUser"_s,
                                u"txtPWD"_s,   u"txtAPN"_s,    u"txtGPRSUser"_s, u"txtGPRSPWD"_s};
        const QStringList typed{u"k@l.gr;\n m@n.gr ;"_s, u" x@y.gr "_s, u" smtp.typed "_s, u" u1 "_s, u" p1 "_s,
                                u" internet "_s,         u" g2 "_s,     u" k3 "_s};
        for (int i = 0; i < boxes.size(); ++i)
            rig.type(boxes[i], typed[i]);
        rig.combo("cboInterval")->lineEdit()->clear();
        QTest::keyClicks(rig.combo("cboInterval"), u"6"_s);
        rig.ok();
        const SetupRecord &r = rig.dialog->record();
        QCOMPARE((QStringList{r.ERecep, r.ESender, r.MailServer, r.XUser, r.XPas, r.APN, r.GPRSID, r.GPRSPass,
                              QString::number(r.EmailInterval), r.HostIP}),
                 (QStringList{u"k@l.gr,m@n.gr"_s, u"x@y.gr"_s, u"smtp.typed"_s, u"u1"_s, u"p1"_s, u"internet"_s,
                              u"g2"_s, u"k3"_s, u"6"_s, u"host.test"_s}));
        const CaptionList expected{{Item::lblEmail, u"Email: per 6h"_s},
                                   {Item::lblAPN, u"APN:  internet "_s},
                                   {Item::lblProviderUser, u"User:  g2 "_s},
                                   {Item::lblProviderPWD, u"PWD:  k3 "_s}};
        QVERIFY(rig.dialog->captions() == expected);
        QVERIFY(rig.prompt.unexpected().isEmpty() && rig.prompt.beeps() == 0);
    }

    // OK's checks in their order, and the interval that passing them stores.
    // The APN question comes only for roles below 3; No leaves the caret in
    // the APN box, Yes goes on with the other checks.
    void ok_data()
    {
        QTest::addColumn<QStringList>("boxes"); // interval, recipients, sender, SMTP, user, password, APN
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("answer"); // -1 none, 0 No, 1 Yes
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<int>("interval"); // -1: refused
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const QStringList &boxes, const QStringList &prompts, int interval = -1,
                            const QString &caption = {}, int role = 3, int answer = -1) {
            QTest::newRow(name) << boxes << role << answer << prompts << interval << caption;
        };
        const QString a = u"a@b"_s, s = u"s@e"_s, m = u"m"_s, apn = u"apn"_s, blanks = u"   "_s;
        row("login before all", {{}, u"x"_s, u"y"_s, kCosmote, {}, u"p"_s, {}}, {kLogin}, -1, {}, 1);
        row("login given", {u"1"_s, a, s, kCosmote, u"u"_s, u"p"_s, apn}, {}, 1, u"Email: per 1h"_s);
        row("no login wanted", {u"12 hours"_s, a, s, u"smtp.vodafone.test"_s, {}, {}, apn}, {}, 12,
            u"Email: per 12h"_s);
        row("APN No", {{}, a, s, m, {}, {}, blanks}, {kApn}, -1, {}, 1, 0);
        row("APN Yes, then interval", {{}, a, s, m, {}, {}, blanks}, {kApn, kNoInterval}, -1, {}, 2, 1);
        row("role 3 never asks", {u"3.5"_s, a, s, m, {}, {}, {}}, {}, 4, u"Email: per 4h"_s);
        row("recipient @ first", {u"1"_s, u"@b.gr"_s, s, m, {}, {}, apn}, {kRecipient});
        row("sender without @", {u"1"_s, a, u"se"_s, m, {}, {}, apn}, {kSender});
        row("disabled", {u"Email Disabled"_s, a, s, m, {}, {}, apn}, {}, 0, u"Email: Disabled"_s);
    }
    void ok()
    {
        QFETCH(QStringList, boxes);
        QFETCH(int, role);
        QFETCH(int, answer);
        Rig rig(loaded(qint16(role)));
        rig.combo("cboInterval")->setEditText(boxes[0]);
        rig.recipients()->setPlainText(boxes[1]);
        for (int i = 2; i < 7; ++i)
            rig.get(QStringList{u"txtSender"_s, u"txtSMTP"_s, u"txtUser"_s, u"txtPWD"_s, u"txtAPN"_s}[i - 2])
                ->setText(boxes[i]);
        if (answer >= 0)
            rig.prompt.answerQuestion(answer == 1);
        rig.ok();
        QStringList prompts;
        for (const ScriptedPrompt::Shown &shown : rig.prompt.shown()) {
            prompts << shown.text;
            if (shown.kind == ScriptedPrompt::Shown::Question)
                QVERIFY(shown.icon == UserPrompt::Icon::Information && shown.preferred == UserPrompt::Answer::Yes);
        }
        QTEST(prompts, "prompts");
        QTEST(rig.dialog->result() == QDialog::Accepted ? int(rig.dialog->record().EmailInterval) : -1, "interval");
        QTEST(rig.dialog->captions().value(0).text, "caption");
        if (rig.dialog->result() != QDialog::Accepted)
            QVERIFY(rig.dialog->isVisible() && rig.dialog->record() == rig.record);
        if (answer == 0)
            QCOMPARE(rig.dialog->focusWidget(), rig.get("txtAPN"));
        QVERIFY(rig.prompt.unexpected().isEmpty());
    }

    // Typing inside the addresses goes on at the caret; a paste takes text
    // only. The mail boxes cut at their 41st character, the recipients box at
    // its 90th, leaving the caret at the end; each cut beeps.
    void typingPastingAndLimits()
    {
        SetupRecord two = loaded();
        two.ERecep = u"first@example.net,second@example.net"_s;
        Rig rig(two);
        QTextCursor caret = rig.recipients()->textCursor();
        caret.setPosition(4);
        rig.recipients()->setTextCursor(caret);
        QTest::keyClicks(rig.recipients(), u"XY"_s);
        QCOMPARE(rig.recipients()->toPlainText(), u"firsXYt@example.net;second@example.net"_s);
        QCOMPARE(rig.recipients()->textCursor().position(), 6);

        auto *picture = new QMimeData;
        picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QGuiApplication::clipboard()->setMimeData(picture);
        QTest::keyClick(rig.recipients(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rig.recipients()->toPlainText(), u"firsXYt@example.net;second@example.net"_s);
        QGuiApplication::clipboard()->setText(u";third@example.net"_s);
        rig.recipients()->moveCursor(QTextCursor::End);
        QTest::keyClick(rig.recipients(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rig.recipients()->toPlainText(), u"firsXYt@example.net;second@example.net;third@example.net"_s);
        QVERIFY(rig.prompt.unexpected().isEmpty() && rig.prompt.beeps() == 0);

        const QString w39(39, u'w'), r88(88, u'r');
        QStringList kept;
        for (const char *box : {"txtSender", "txtSMTP", "txtUser", "txtPWD"}) {
            rig.type(QLatin1String(box), w39 + u"xy"_s);
            kept << rig.text(QLatin1String(box));
        }
        QCOMPARE(kept, QStringList(4, w39 + u'x'));
        rig.type(u"txtRecip"_s, r88 + u"st"_s);
        QCOMPARE(rig.recipients()->toPlainText(), r88 + u's');
        QCOMPARE(rig.recipients()->textCursor().position(), 89);
        QCOMPARE(rig.prompt.beeps(), 5);
    }

    // A network's mail server goes into this dialog's box on Yes; the record
    // takes it only with OK.
    void providerOffersItsMailServer()
    {
        Rig rig;
        rig.prompt.answerQuestion(false);
        rig.prompt.answerQuestion(true);
        QTest::keyClick(rig.combo("cboProvider"), Qt::Key_Up);
        QCOMPARE(rig.text(u"txtSMTP"_s), u" smtp.loaded "_s);
        QTest::keyClick(rig.combo("cboProvider"), Qt::Key_Up);
        QCOMPARE(rig.text(u"txtSMTP"_s), kCosmote);
        QCOMPARE(rig.prompt.questions(), (QStringList{u"Update mail server to 'smtp.vodafone.test' ?"_s,
                                                      u"Update mail server to 'mailgate.cosmotemail.gr' ?"_s}));
        QVERIFY(rig.dialog->record() == rig.record);
        rig.ok();
        QCOMPARE(rig.dialog->record().MailServer, kCosmote);
    }
};

QTEST_MAIN(TestEmailSettings)
#include "tst_emailsettings.moc"
