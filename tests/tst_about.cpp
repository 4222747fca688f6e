// The about box, the loaded-modules list and the help desk, on a recorded system.
#include "frmabout.h"
#include "frmdepends.h"
#include "help.h"
#include "recordingplatform.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

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

using namespace Qt::StringLiterals;

namespace {

std::string native(const QString &path)
{
    return path.toLocal8Bit().toStdString();
}

bool touch(const QString &path, const QString &title = u"Contents"_s)
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
    // What the box says; the site line opens its address; the agreement is
    // opened beside the program, else with the installed data, else not at
    // all; System Info says when it cannot start; the picture lists the
    // loaded modules.
    void aboutBox()
    {
        QTemporaryDir program, data;
        RecordingPlatform system;
        ScriptedPrompt prompt;
        frmAbout about{system, prompt};
        const auto button = [&](const char *name) { return rig::find<QPushButton>(&about, name); };
        system.folder = native(program.path());
        system.data = {native(data.path() + u"/none"_s), native(data.path())};
        QCOMPARE(rig::find<QLabel>(&about, "lblVersion")->text(), u"Version 1.0  Build 1"_s);
        // Two blanks before Build; the third part is not shown.
        QCOMPARE(::versionCaption(u"10.12.3.407"_s), u"Version 10.12  Build 407"_s);
        // Each button spoken without its mnemonic and dots.
        QCOMPARE(button("cmdSysInfo")->accessibleName(), u"System Info"_s);
        QCOMPARE(rig::breaches(&about), QStringList());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *site = rig::find<QLabel>(&about, "lblSite");
        QTest::mouseClick(site, Qt::LeftButton, {}, QPoint(3, site->height() / 2));

        const QString agreement = u"/Brantholm Freeware License Agreement.rtf"_s;
        button("Command1")->click();
        QVERIFY(touch(data.path() + agreement));
        button("Command1")->click();
        QVERIFY(touch(program.path() + agreement));
        button("Command1")->click();
        QCOMPARE(system.opened,
                 (std::vector<std::string>{"https://www.brantholm.example/merolan", native(data.path() + agreement),
                                           native(program.path() + agreement)}));

        button("cmdSysInfo")->click();
        system.sysInfo = true;
        button("cmdSysInfo")->click();

        rig::onNextDialog([&](QDialog &depends) {
            QCOMPARE(depends.objectName(), u"frmDepends"_s);
            QVERIFY(depends.parentWidget() == &about);
        });
        QTest::mouseDClick(rig::find(&about, "Image"), Qt::LeftButton);

        // Enter presses OK even with the focus on another button; Escape cancels.
        for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
            about.show();
            about.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            button("cmdSysInfo")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected));
        }
        QCOMPARE(system.sysInfoStarts, 2);
        QCOMPARE(prompt.messages(), QStringList{u"System Information Is Unavailable At This Time"_s});
        QVERIFY(prompt.unexpected().isEmpty());
    }

    void modulesListedSortedAndCopied()
    {
        RecordingPlatform system;
        system.modules = {"/usr/lib/libz.so.1.2.13", "/opt/merolan/merolan", "/lib/libc.so.6"};
        platform::VersionStrings zlib{"Zlib Makers", "zlib library", "1:1.2.13", "zlib1g",
                                      "(c)",         "libz.so",      "zlib",     "1.2.13"};
        platform::VersionStrings libc{"GNU Libc Maintainers", "C library", "2.36-9", "libc6", "(c) FSF", "libc.so.6",
                                      "GNU C Library",        "2.36"};
        system.versions = {zlib, std::nullopt, libc};
        frmDepends depends(system);
        auto *list = rig::find<QTreeWidget>(&depends, "ListView");
        QCOMPARE(column(list, 0), QStringList({"/lib/libc.so.6", "/opt/merolan/merolan", "/usr/lib/libz.so.1.2.13"}));

        depends.show();
        QVERIFY(QTest::qWaitForWindowExposed(&depends));
        // Twice on "File Version": ascending both times.
        for (int click = 0; click < 2; ++click) {
            QHeaderView *header = list->header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
            QCOMPARE(column(list, 2), QStringList({"", "1:1.2.13", "2.36-9"}));
        }

        // The file name takes what the other three leave.
        const int fifth = list->viewport()->width() / 5;
        QCOMPARE(list->columnWidth(0), list->viewport()->width() - 3 * fifth);
        // Copy puts the list on the clipboard as text, headings first, in the order shown.
        const QString copied = u"File Name\tProduct Name\tFile Version\tCompany Name\n"
                               "/opt/merolan/merolan\t\t\t\n"
                               "/usr/lib/libz.so.1.2.13\tzlib\t1:1.2.13\tZlib Makers\n"
                               "/lib/libc.so.6\tGNU C Library\t2.36-9\tGNU Libc Maintainers\n"_s;
        auto *cmdCopy = rig::find<QPushButton>(&depends, "cmdCopy");
        for (const bool byKey : {true, false}) {
            QGuiApplication::clipboard()->clear();
            byKey ? QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier) : cmdCopy->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        }
    }

    // The file beside the program, or in the data folders; where the viewer
    // cannot show it, the guide from its pages; neither, no word.
    void helpFindsItsFileOrTheGuide()
    {
        QTemporaryDir program, data;
        RecordingPlatform system;
        system.folder = native(program.path());
        system.data = {native(data.path())};
        QWidget owner;
        HelpDesk help(system);

        help.show(&owner, platform::HelpLanguage::English);
        system.greek = true;
        help.showForUser(&owner);
        QVERIFY(touch(data.path() + u"/Merolan Programmer_GR.chm"_s));
        help.showForUser(&owner);
        QCOMPARE(system.helpShown, (std::vector<std::string>{native(program.path() + "/Merolan Programmer_EN.chm"),
                                                             native(program.path() + "/Merolan Programmer_GR.chm"),
                                                             native(data.path() + "/Merolan Programmer_GR.chm")}));
        QVERIFY(!help.guideWindow());

        system.viewer = false;
        help.showForUser(&owner);
        QVERIFY(!help.guideWindow());
        const QString el = data.path() + u"/help/el/"_s;
        const QString guide = u"\u0392\u03bf\u03ae\u03b8\u03b5\u03b9\u03b1 Merolan"_s;
        QVERIFY(touch(el + u"index.html"_s, guide) && touch(el + u"email.html"_s, u"e-mail"_s));
        help.showForUser(&owner);
        QVERIFY(help.guideWindow() && help.guideWindow()->isVisible());
        QCOMPARE(help.guideWindow()->browser()->source(), QUrl::fromLocalFile(el + u"index.html"_s));
        // The title is the guide's own name, in the guide's language, then the page's.
        QCOMPARE(help.guideWindow()->windowTitle(), guide);
        help.guideWindow()->browser()->setSource(QUrl::fromLocalFile(el + u"email.html"_s));
        QCOMPARE(help.guideWindow()->windowTitle(), guide + u" - e-mail"_s);

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
