// The about box, the loaded-modules list and the help desk, on a recorded system.
#include "frmabout.h"
#include "frmdepends.h"
#include "help.h"
#include "recordingplatform.h"
#include "scriptedprompt.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

std::string native(const QString &path)
{
    return path.toLocal8Bit().toStdString();
}

bool touch(const QString &path, const QString &title = QStringLiteral("Contents"))
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write("<html><head><meta charset=\"utf-8\"><title>" + title.toUtf8() + "</title></head></html>") > 0;
}

QStringList column(QTreeWidget *list, int c)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(c);
    return texts;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void versionCaption_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("caption");
        QTest::newRow("two spaces before Build") << "2.8.0.25"
                                                 << "Version 2.8  Build 25";
        QTest::newRow("the third part is not shown") << "10.12.3.407"
                                                     << "Version 10.12  Build 407";
    }
    void versionCaption()
    {
        QFETCH(QString, version);
        QFETCH(QString, caption);
        QCOMPARE(::versionCaption(version), caption);
    }

    void aboutBoxSaysWhatItIs()
    {
        RecordingPlatform system;
        ScriptedPrompt prompt;
        frmAbout about(system, prompt);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Merolan programmer"));
        const auto text = [&](const char *name) { return about.findChild<QLabel *>(QLatin1String(name))->text(); };
        QCOMPARE(text("lblTitle"), QStringLiteral("Merolan programmer"));
        QCOMPARE(text("lblVersion"), QStringLiteral("Version 1.0  Build 1"));
        const QStringList description = text("lblDescription").split(QLatin1Char('\n'));
        QCOMPARE(description.size(), 2);
        QCOMPARE(description[0], QStringLiteral("Programs the Brantholm Merolan modem."));
        QVERIFY(!description[1].isEmpty());
        QCOMPARE(text("lblDisclaimer"), QString());
        const auto button = [&](const char *name) { return about.findChild<QPushButton *>(QLatin1String(name)); };
        QCOMPARE(button("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        QCOMPARE(button("Command1")->text(), QStringLiteral("View license"));
        for (const char *name : {"cmdOK", "cmdSysInfo", "Command1"})
            QVERIFY2(!button(name)->accessibleName().isEmpty(), name);
    }

    // The agreement beside the program, else with the installed data; else nothing at all.
    void viewLicenseOpensTheAgreementWhereItLies()
    {
        QTemporaryDir program, data;
        RecordingPlatform system;
        system.folder = native(program.path());
        system.data = {native(data.path() + QStringLiteral("/none")), native(data.path())};
        ScriptedPrompt prompt;
        frmAbout about(system, prompt);
        auto *view = about.findChild<QPushButton *>(QStringLiteral("Command1"));

        view->click();
        QCOMPARE(system.opened.size(), size_t(0));
        QVERIFY(prompt.messages().isEmpty());

        QVERIFY(touch(data.path() + QStringLiteral("/Brantholm Freeware License Agreement.rtf")));
        view->click();
        QCOMPARE(QString::fromStdString(system.opened.back()),
                 data.path() + QStringLiteral("/Brantholm Freeware License Agreement.rtf"));

        QVERIFY(touch(program.path() + QStringLiteral("/Brantholm Freeware License Agreement.rtf")));
        view->click();
        QCOMPARE(QString::fromStdString(system.opened.back()),
                 program.path() + QStringLiteral("/Brantholm Freeware License Agreement.rtf"));
        QVERIFY(prompt.unexpected().isEmpty());
    }

    void systemInfoOrWhyNot()
    {
        RecordingPlatform system;
        ScriptedPrompt prompt;
        frmAbout about(system, prompt);
        auto *info = about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
        info->click();
        QCOMPARE(prompt.messages(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        system.sysInfo = true;
        info->click();
        QCOMPARE(system.sysInfoStarts, 2);
        QCOMPARE(prompt.messages().size(), 1);
    }

    void siteLabelOpensItsAddress()
    {
        RecordingPlatform system;
        ScriptedPrompt prompt;
        frmAbout about(system, prompt);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *site = about.findChild<QLabel *>(QStringLiteral("lblSite"));
        QTest::mouseClick(site, Qt::LeftButton, {}, QPoint(3, site->height() / 2));
        QCOMPARE(system.opened, std::vector<std::string>{"https://www.brantholm.example/merolan"});
    }

    // Enter presses OK even with the focus on another button.
    void enterAndEscapeClose()
    {
        RecordingPlatform system;
        ScriptedPrompt prompt;
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmAbout about(system, prompt);
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            about.findChild<QWidget *>(QStringLiteral("cmdSysInfo"))->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY(system.sysInfoStarts == 0 && prompt.shown().isEmpty());
        }
    }

    void pictureDoubleClickListsTheModules()
    {
        RecordingPlatform system;
        system.modules = {"/lib/libc.so.6"};
        system.versions = {std::nullopt};
        ScriptedPrompt prompt;
        frmAbout about(system, prompt);
        about.show();
        QString seen;
        QTimer::singleShot(0, &about, [&] {
            QWidget *depends = QApplication::activeModalWidget();
            seen = depends->objectName() + QLatin1Char('|') + depends->windowTitle();
            QVERIFY(depends->parentWidget() == &about);
            static_cast<QDialog *>(depends)->reject();
        });
        QTest::mouseDClick(about.findChild<QLabel *>(QStringLiteral("Image")), Qt::LeftButton);
        QCOMPARE(seen, QStringLiteral("frmDepends|Software Dependencies"));
    }

    void modulesListedSortedAndSized()
    {
        RecordingPlatform system;
        system.modules = {"/usr/lib/libz.so.1.2.13", "/opt/merolan/merolan", "/lib/libc.so.6"};
        platform::VersionStrings zlib{"Zlib Makers", "zlib library", "1:1.2.13", "zlib1g",
                                      "(c)",         "libz.so",      "zlib",     "1.2.13"};
        platform::VersionStrings libc{"GNU Libc Maintainers", "C library", "2.36-9", "libc6", "(c) FSF", "libc.so.6",
                                      "GNU C Library",        "2.36"};
        system.versions = {zlib, std::nullopt, libc};
        frmDepends depends(system);
        auto *list = depends.findChild<QTreeWidget *>(QStringLiteral("ListView"));
        QCOMPARE(column(list, 0).size(), 3);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("File Name"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Product Name"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("File Version"));
        QCOMPARE(list->headerItem()->text(3), QStringLiteral("Company Name"));
        QCOMPARE(column(list, 0), QStringList({"/lib/libc.so.6", "/opt/merolan/merolan", "/usr/lib/libz.so.1.2.13"}));
        QCOMPARE(column(list, 1), QStringList({"GNU C Library", "", "zlib"}));
        QCOMPARE(column(list, 3), QStringList({"GNU Libc Maintainers", "", "Zlib Makers"}));

        depends.resize(1023, 600);
        depends.show();
        QVERIFY(QTest::qWaitForWindowExposed(&depends));
        // Twice on "File Version": ascending both times.
        for (int click = 0; click < 2; ++click) {
            QHeaderView *header = list->header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
            QCOMPARE(column(list, 2), QStringList({"", "1:1.2.13", "2.36-9"}));
        }

        QCOMPARE(list->geometry().size(), QSize(1000, 557));
        const int inside = list->viewport()->width();
        QCOMPARE(list->columnWidth(1), inside / 5);
        QCOMPARE(list->columnWidth(2), inside / 5);
        QCOMPARE(list->columnWidth(3), inside / 5);
        QCOMPARE(list->columnWidth(0), inside - 3 * (inside / 5));
        // Copy puts the list on the clipboard as text, in the order shown.
        const QString copied = QStringLiteral("File Name\tProduct Name\tFile Version\tCompany Name\n"
                                              "/opt/merolan/merolan\t\t\t\n"
                                              "/usr/lib/libz.so.1.2.13\tzlib\t1:1.2.13\tZlib Makers\n"
                                              "/lib/libc.so.6\tGNU C Library\t2.36-9\tGNU Libc Maintainers\n");
        auto *cmdCopy = depends.findChild<QPushButton *>(QStringLiteral("cmdCopy"));
        for (const bool byKey : {true, false}) {
            QGuiApplication::clipboard()->clear();
            byKey ? QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier) : cmdCopy->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        }
        const QRect copy = cmdCopy->geometry();
        QVERIFY(copy.top() > list->geometry().bottom() && copy.bottom() < depends.height());
        QCOMPARE(copy.right(), list->geometry().right());
        depends.resize(523, 300);
        QCOMPARE(list->geometry().size(), QSize(500, 257));
        QCOMPARE(list->columnWidth(3), list->viewport()->width() / 5);
    }

    // The file beside the program, or in the data folders; where the viewer
    // cannot show it, the guide from its pages; neither, no word.
    void helpFindsItsFileOrTheGuide()
    {
        QTemporaryDir program, data;
        RecordingPlatform system;
        system.folder = native(program.path());
        system.data = {native(data.path())};
        ScriptedPrompt prompt;
        QWidget owner;
        HelpDesk help(system);

        help.show(&owner, platform::HelpLanguage::English);
        system.greek = true;
        help.showForUser(&owner);
        QVERIFY(touch(data.path() + QStringLiteral("/Merolan Programmer_GR.chm")));
        help.showForUser(&owner);
        QCOMPARE(system.helpShown, (std::vector<std::string>{native(program.path() + "/Merolan Programmer_EN.chm"),
                                                             native(program.path() + "/Merolan Programmer_GR.chm"),
                                                             native(data.path() + "/Merolan Programmer_GR.chm")}));
        QVERIFY(!help.guideWindow());

        system.viewer = false;
        help.showForUser(&owner);
        QVERIFY(!help.guideWindow());
        const QString el = data.path() + QStringLiteral("/help/el/");
        const QString guide = QStringLiteral("\u0392\u03bf\u03ae\u03b8\u03b5\u03b9\u03b1 Merolan");
        QVERIFY(touch(el + QStringLiteral("index.html"), guide)
                && touch(el + QStringLiteral("email.html"), QStringLiteral("e-mail")));
        help.showForUser(&owner);
        QVERIFY(help.guideWindow() && help.guideWindow()->isVisible());
        QCOMPARE(help.guideWindow()->browser()->source(), QUrl::fromLocalFile(el + QStringLiteral("index.html")));
        // The title is the guide's own name, in the guide's language, then the page's.
        QCOMPARE(help.guideWindow()->windowTitle(), guide);
        help.guideWindow()->browser()->setSource(QUrl::fromLocalFile(el + QStringLiteral("email.html")));
        QCOMPARE(help.guideWindow()->windowTitle(), guide + QStringLiteral(" - e-mail"));
        QVERIFY(prompt.messages().isEmpty());

        // Opened from a modal dialog, the guide is the dialog's while it runs,
        // so that the dialog does not block it, and the main window's after.
        QDialog dialog(&owner);
        HelpWindow *seen = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            help.show(&dialog, platform::HelpLanguage::Greek);
            seen = help.guideWindow();
            QVERIFY(seen && seen->parentWidget() == &dialog && seen->isVisible() && seen->isWindow());
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(seen && help.guideWindow() == seen);
        QVERIFY(seen->parentWidget() == &owner && seen->isVisible() && seen->isWindow());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
