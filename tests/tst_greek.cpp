#include "frmselcon.h"
#include "language.h"
#include "memorylink.h"
#include "recordingplatform.h"
#include "scriptedprompt.h"
#include "setupdiagram.h"
#include "simmodem.h"
#include "virtualclock.h"
#include "widgetrig.h"

#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>

using namespace Qt::StringLiterals;

namespace {

// What a Greek technician reads as it is: names, units, standards, addresses.
const QRegularExpression
    kKept(uR"(\b(Merolan programmer|Merolan|Tessarin|Ombrilex|GPRS|GSM|APN|SMS|SIM|PIN|COM\d*|RS-232|USB|IP|SMTP|TCP|)"
          uR"(Ethernet|e-mail|baud|OK|Master|null modem|Windows|Linux|Qt|JSON|MRL|Brantholm)\b|)"
          uR"(https?://\S+|/dev/\S+|\*\.\w+|\S+@\S+|\w[\w-]*(\.[\w-]+)+)"_s,
          QRegularExpression::CaseInsensitiveOption);

// Every text a widget and the ones inside it show or tell a screen reader,
// hidden ones too; the contents of fields are the user's data.
QStringList textsOf(QWidget *root)
{
    QStringList out;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        out << w->toolTip() << w->whatsThis() << w->accessibleName() << w->accessibleDescription();
        if (w->isWindow())
            out << w->windowTitle();
        if (auto *label = qobject_cast<QLabel *>(w))
            out << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            out << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(w))
            out << group->title();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            out << edit->placeholderText();
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                out << tabs->tabText(i) << tabs->tabToolTip(i);
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                out << combo->itemText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                out << view->model()->headerData(c, Qt::Horizontal).toString();
        for (QAction *action : w->actions())
            out << action->text() << action->toolTip();
    }
    return out;
}

// The modem and the setup the window was shown with, then the window and its
// dialogs in Greek.
struct Rig
{
    VirtualClock clock;
    SimModem sim{clock};
    MemorySerialLink link{clock, sim};
    ScriptedPrompt prompt;
    RecordingPlatform system;
    std::unique_ptr<frmSelCon> window;
    QStringList english; // "where: text"

    explicit Rig(const QString &commandLine = {})
    {
        link.setPorts({u"COM1"_s});
        system.folder = MEROLAN_PROGRAM_DIR;
        system.viewer = false;
        window = std::make_unique<frmSelCon>(link, prompt,
                                             StartOptions{commandLine, {}, {}, platform::HelpLanguage::Greek}, system);
    }
    // The Latin words left once the kept names and the modem's data are taken out.
    void check(const QString &where, const QStringList &texts)
    {
        const SetupRecord &r = window->session().ModemSetup;
        const QStringList data{r.HostIP,
                               r.APN,
                               r.GPRSID,
                               r.GPRSPass,
                               r.SMSNum,
                               r.ERecep,
                               r.ESender,
                               r.MailServer,
                               r.XUser,
                               r.XPas,
                               window->session().SerialNumber};
        for (QString text : texts) {
            const QString shown = text;
            for (const QString &value : data)
                if (!value.isEmpty())
                    text.replace(value, u" "_s);
            text.replace(kKept, u" "_s);
            if (text.contains(QRegularExpression(u"[A-Za-z]{2,}"_s)))
                english << where + u": "_s + shown;
        }
    }
    void checkWindow(const QString &where) { check(where, textsOf(window.get())); }
    void checkNextDialog(const QString &where, const std::function<void(QDialog &)> &then = {})
    {
        rig::onNextDialog([this, where, then](QDialog &dialog) {
            check(where, textsOf(&dialog));
            if (then)
                then(dialog);
        });
    }
};

} // namespace

class TestGreek : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(installTranslations(platform::HelpLanguage::Greek, {MEROLAN_PROGRAM_DIR}), QStringList());
    }

    // Each way to the modem, its diagram, the programming tab in every role,
    // every editor, the menus' dialogs, the help and every message told.
    void nothingLeftInEnglish()
    {
        for (const char *line : {",,1,0,1", ",,1,0,2"})
            Rig(QString::fromLatin1(line)).checkWindow(u"start "_s + QLatin1String(line));

        Rig rig;
        rig.window->show();
        rig.checkWindow(u"start"_s);
        rig::find<QPushButton>(rig.window.get(), "cmdConnect")->click();
        auto *roles = rig::find<QComboBox>(rig.window.get(), "cboRole");
        for (int role = 0; role < roles->count(); ++role) {
            roles->setCurrentIndex(role);
            emit roles->activated(role);
            rig.checkWindow(u"role "_s + roles->itemText(role));
        }
        SetupDiagram *diagram = rig.window->diagram();
        for (const char *editor : {"gprs", "server", "email", "baud"}) {
            rig.checkNextDialog(QString::fromLatin1(editor));
            QMetaObject::invokeMethod(diagram, (editor + "Clicked"_ba).constData());
        }
        rig.checkNextDialog(u"schedule"_s);
        emit diagram->scheduleClicked(0);
        for (const char *prompted : {"sms", "password", "clock", "serverPort"})
            QMetaObject::invokeMethod(diagram, (prompted + "Clicked"_ba).constData());
        emit diagram->deviceClicked(0);

        const auto menu = [&](const char *name) { rig::find<QAction>(rig.window.get(), name)->trigger(); };
        rig.checkNextDialog(u"pending changes"_s);
        menu("mnuFilePending");
        rig.checkNextDialog(u"about"_s, [&](QDialog &about) {
            rig.checkNextDialog(u"dependencies"_s);
            QTest::mouseDClick(rig::find(&about, "Image"), Qt::LeftButton);
            rig::find<QPushButton>(&about, "cmdSysInfo")->click();
        });
        menu("mnuHelpAbout");
        menu("mnuHelpContents");
        rig.prompt.answerFile(std::nullopt);
        menu("mnuFileSave");
        rig.checkWindow(u"programming"_s);

        QStringList told;
        for (const ScriptedPrompt::Shown &shown : rig.prompt.shown())
            told << shown.text << shown.title;
        for (const UserPrompt::FileDialog &dialog : rig.prompt.fileDialogs())
            told << dialog.title << dialog.filters;
        rig.check(u"told"_s, told);
        for (const QString &left : std::as_const(rig.english))
            qWarning("in English: %s", qPrintable(left));
        QVERIFY(rig.english.isEmpty());
        QVERIFY(rig.prompt.shown().size() >= 3);

        // Greek runs longer than English: the window, once read, still fits an
        // 800×600 screen.
        const QSize least = rig.window->minimumSizeHint();
        QVERIFY2(least.width() <= 800 && least.height() <= 600,
                 qPrintable(u"%1×%2"_s.arg(least.width()).arg(least.height())));
    }
};

QTEST_MAIN(TestGreek)
#include "tst_greek.moc"
