#include "frmabout.h"
#include "frmdepends.h"
#include "help.h"
#include "language.h"
#ifdef _WIN32
#include "helpfiles.h"
#include "platform_windows.h"
#else
#include "platform_linux.h"
#endif
#include "recordingplatform.h"
#include "scriptedprompt.h"
#include "widgetrig.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTextBrowser>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

std::string native(const QString &path)
{
    return QDir::toNativeSeparators(path).toLocal8Bit().toStdString();
}

// The file, in folders made for it; the owner may read it and do what mode adds.
bool writeFile(const QString &path, const QByteArray &body, QFile::Permissions mode = QFile::WriteOwner)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(body) == body.size()
           && file.setPermissions(mode | QFile::ReadOwner);
}

QByteArray page(const QString &title = u"Contents"_s)
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title.toUtf8() + "</title></head></html>";
}

QStringList column(QTreeWidget *list, int c)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(c);
    return texts;
}

#ifdef _WIN32
constexpr const char *kTestKey = "Software\\Merolan About Check";

HKEY createKey(HKEY root, const std::string &name)
{
    HKEY key = nullptr;
    RegCreateKeyExA(root, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}
#endif

} // namespace

using platform::HelpLanguage;
using namespace std::literals;
#ifndef _WIN32
using namespace platform::linux_impl;
#endif

// The about box, the loaded-modules list and the help desk on a recorded
// system, and the Linux side of the platform on this machine.
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
        QVERIFY(writeFile(data.path() + agreement, page()));
        button("Command1")->click();
        QVERIFY(writeFile(program.path() + agreement, page()));
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
        HelpDesk help(system, HelpLanguage::Greek);

        help.show(&owner, HelpLanguage::English);
        help.showForUser(&owner);
        QVERIFY(writeFile(data.path() + u"/Merolan Programmer_GR.chm"_s, page()));
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
        QVERIFY(writeFile(el + u"index.html"_s, page(guide)) && writeFile(el + u"email.html"_s, page(u"e-mail"_s)));
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

    // The first of the user's languages the program speaks decides; --lang
    // takes only the two names.
    void languageChoice()
    {
        const auto G = HelpLanguage::Greek;
        const auto E = HelpLanguage::English;
        const std::pair<QStringList, HelpLanguage> wanted[] = {
            {{u"el-GR"_s}, G},          {{u"el"_s}, G},           {{u"EL_cy"_s}, G}, {{u"de-DE"_s, u"el-GR"_s}, G},
            {{u"en-GB"_s, u"el"_s}, E}, {{u"ell"_s, u"fr"_s}, E}, {{u"C"_s}, E},     {{}, E}};
        for (const auto &[languages, language] : wanted)
            QVERIFY2(languageOfUiLanguages(languages) == language, qPrintable(languages.join(u',')));
        QVERIFY(languageOfName(u"el"_s) == G && languageOfName(u"en"_s) == E);
        for (const QString &other : {u"EL"_s, u"el-GR"_s, u"gr"_s, u""_s})
            QVERIFY2(!languageOfName(other), qPrintable(other));
    }

#ifdef _WIN32
    // The Windows side of the platform, on wine's registry and files. This
    // program carries a version resource with every text distinct and a Greek
    // table; partialversion.dll beside it one with two texts.
    void registryValues()
    {
        const HKEY key = createKey(HKEY_CURRENT_USER, kTestKey);
        QVERIFY(key);
        const auto set = [&](const char *name, DWORD type, std::string_view bytes) {
            return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()), DWORD(bytes.size()))
                   == ERROR_SUCCESS;
        };
        const DWORD number = 7;
        // Without its NUL, followed by a byte other than NUL: the registry adds a NUL it finds just past the count.
        QVERIFY(set("WithNul", REG_SZ, "C:\\Tools\\A\0"sv) && set("WithoutNul", REG_SZ, "C:\\Tools\\B!"sv.substr(0, 10))
                && set("InnerNul", REG_SZ, "AB\0CD\0"sv) && set("Empty", REG_SZ, ""sv)
                && set("Expandable", REG_EXPAND_SZ, "%TEMP%\\C\0"sv)
                && set("Fits", REG_SZ, std::string(1023, 'x') + '\0')
                && set("TooLong", REG_SZ, std::string(1024, 'y') + '\0')
                && set("Number", REG_DWORD, {reinterpret_cast<const char *>(&number), sizeof number}));
        RegCloseKey(key);

        const auto value = [](const char *name) { return platform::GetKeyValue(HKEY_CURRENT_USER, kTestKey, name); };
        QCOMPARE(value("WithNul"), "C:\\Tools\\A"s);
        QCOMPARE(value("WithoutNul"), "C:\\Tools\\B"s);
        QCOMPARE(value("InnerNul"), "AB\0CD"s);
        QCOMPARE(value("Empty"), ""s);
        QCOMPARE(value("Expandable"), "%TEMP%\\C"s);
        QCOMPARE(value("Fits"), std::string(1023, 'x'));
        for (const char *none : {"TooLong", "Number", "Absent"})
            QVERIFY2(!value(none), none);
        QVERIFY(!platform::GetKeyValue(HKEY_CURRENT_USER, kTestKey + "\\Absent"s, "WithNul"));
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    }

    void systemInformationTool()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        const HKEY root = createKey(HKEY_CURRENT_USER, kTestKey);
        QCOMPARE(platform::sysInfoPath(root), std::nullopt);

        QTemporaryDir dir;
        const std::string folder = native(dir.path());
        const std::string tool = folder + "\\MSINFO32.EXE";
        const HKEY location = createKey(root, "SOFTWARE\\Microsoft\\Shared Tools Location");
        const std::string named = folder + '\0';
        QCOMPARE(RegSetValueExA(location, "MSINFO", 0, REG_SZ, reinterpret_cast<const BYTE *>(named.data()),
                                DWORD(named.size())),
                 LONG(ERROR_SUCCESS));
        QCOMPARE(platform::sysInfoPath(root), std::nullopt);
        QVERIFY(writeFile(dir.filePath(u"MSINFO32.EXE"_s), "stand-in"));
        QCOMPARE(platform::sysInfoPath(root), tool);

        // The tool's own key without its PATH value leaves the folder in force;
        // its PATH wins, and is taken without looking for the file.
        const HKEY own = createKey(root, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
        QCOMPARE(platform::sysInfoPath(root), tool);
        const std::string path = "D:\\Info\\msinfo32.exe"s + '\0';
        RegSetValueExA(own, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE *>(path.data()), DWORD(path.size()));
        QCOMPARE(platform::sysInfoPath(root), "D:\\Info\\msinfo32.exe"s);
        for (const HKEY k : {own, location, root})
            RegCloseKey(k);
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    }

    void modulesAndVersions()
    {
        const std::string folder = native(QCoreApplication::applicationDirPath());
        const std::string exe = native(QCoreApplication::applicationFilePath());
        const std::string partial = folder + "\\partialversion.dll";
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"notes.txt"_s), "no version resource here"));
        const std::string plain = native(dir.filePath(u"notes.txt"_s));

        std::vector<std::string> paths{"left over", "from before"};
        QVERIFY(platform::GetProcessModules(paths));
        QCOMPARE(lower(paths.front()), lower(exe));
        QVERIFY(std::none_of(paths.begin(), paths.end(),
                             [](const std::string &p) { return p.empty() || p == "left over"; }));
        QVERIFY(std::any_of(paths.begin(), paths.end(),
                            [](const std::string &p) { return lower(p).ends_with("\\system32\\kernel32.dll"); }));

        const auto own = platform::GetVersionStrings(exe);
        QVERIFY(own);
        QCOMPARE(own->companyName + '|' + own->fileDescription + '|' + own->fileVersion + '|' + own->internalName + '|'
                     + own->legalCopyright + '|' + own->originalFileName + '|' + own->productName + '|'
                     + own->productVersion,
                 "Brantholm Test Bench|About box check|2.8.0.25|aboutcheck|Copyright (C) Test Bench 2026|"
                 "tst_about.exe|Merolan About Check|2.8 beta"s);
        const auto some = platform::GetVersionStrings(partial);
        QVERIFY(some);
        QCOMPARE(some->fileVersion + "|" + some->productName, "0.9.1|Partial Product"s);
        QCOMPARE(some->companyName + some->fileDescription + some->internalName + some->legalCopyright
                     + some->originalFileName + some->productVersion,
                 ""s);
        QVERIFY(!platform::GetVersionStrings(plain) && !platform::GetVersionStrings(plain + ".absent"));

        // The window program's own, which Explorer and the modules list show.
        const auto window = platform::GetVersionStrings(folder + "\\merolan.exe");
        QVERIFY(window);
        QCOMPARE(window->productName + '|' + window->fileDescription + '|' + window->fileVersion + '|'
                     + window->originalFileName,
                 "Merolan programmer|Setup tool for the Merolan GSM/GPRS modem|" MEROLAN_VERSION "|merolan.exe"s);

        platform::Platform &system = platform::systemPlatform();
        QCOMPARE(system.programDirectory(), folder);
        QVERIFY(system.dataDirectories().empty());
        QCOMPARE(lower(system.processModules().at(0)), lower(exe));
        const auto versions = system.versionStrings({partial, plain, exe});
        QVERIFY(versions.size() == 3 && versions[0] && !versions[1] && versions[2]);
        QCOMPARE(versions[0]->productName + '|' + versions[2]->productName, "Partial Product|Merolan About Check"s);
        QVERIFY(!system.openDocument(folder + "\\Brantholm Missing Document.rtf"));
    }

    void helpFiles()
    {
        QCOMPARE(platform::helpFilePath("C:\\Prog", HelpLanguage::Greek), "C:\\Prog\\Merolan Programmer_GR.chm"s);
        QCOMPARE(platform::helpFilePath("C:\\Prog", HelpLanguage::English), "C:\\Prog\\Merolan Programmer_EN.chm"s);
    }
#else
    // The Linux side of the platform; the Windows side has a check program of
    // its own, run under wine.
    void versionsOfFileNamesAndPackages()
    {
        const auto qt = versionOfFileName("/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2");
        QVERIFY(qt);
        QCOMPARE(qt->productName + '|' + qt->fileVersion + '|' + qt->originalFileName,
                 std::string("libQt6Core|6.4.2|libQt6Core.so.6.4.2"));
        QCOMPARE(versionOfFileName("/lib/ld-linux-x86-64.so.2")->fileVersion, std::string("2"));
        for (const char *plain : {"/opt/merolan/merolan", "/usr/lib/libplain.so", "/usr/lib/libodd.so."})
            QVERIFY2(!versionOfFileName(plain), plain);
        // What Debian's package database answers.
        const auto owners = packagesOfSearch("libc6:amd64: /lib/x86_64-linux-gnu/libc.so.6\n"
                                             "diversion by dash from: /bin/sh\n"
                                             "libqt6core6:amd64, libqt6core6t64:amd64: /usr/lib/libQt6Core.so.6.4.2\n");
        QCOMPARE(owners.size(), size_t(2));
        QCOMPARE(owners.at("/lib/x86_64-linux-gnu/libc.so.6"), std::string("libc6:amd64"));
        QCOMPARE(owners.at("/usr/lib/libQt6Core.so.6.4.2"), std::string("libqt6core6:amd64"));

        const platform::VersionStrings v = versionOfPackage(
            "libqt6core6:amd64\t6.4.2+dfsg-10\tDebian Qt/KDE Maintainers <debian-qt-kde@lists.debian.org>\t"
            "Qt 6 core module");
        QCOMPARE(v.productName + '|' + v.fileVersion + '|' + v.companyName + '|' + v.internalName,
                 std::string("Qt 6 core module|6.4.2+dfsg-10|Debian Qt/KDE Maintainers|libqt6core6:amd64"));
        QCOMPARE(versionOfPackage("solo\t1.0").companyName, std::string());
    }

    // The best tool first, found only where the search path says, and only
    // if it may run.
    void systemInformationTool()
    {
        QTemporaryDir first, second;
        const std::string search = (first.path() + QLatin1Char(':') + second.path()).toStdString();
        const auto found = [&] { return QString::fromStdString(findSysInfoTool(search)); };
        QCOMPARE(found(), QString());
        QVERIFY(writeFile(second.filePath(u"kinfocenter"_s), {}, QFile::ExeOwner));
        QCOMPARE(found(), second.filePath(QStringLiteral("kinfocenter")));
        QVERIFY(writeFile(first.filePath(u"hardinfo"_s), {}, QFile::ExeOwner)
                && writeFile(second.filePath(u"hardinfo2"_s), {}, {}));
        QCOMPARE(found(), first.filePath(QStringLiteral("hardinfo")));
    }

    // The desktop's own handlers, played by scripts on the search path:
    // xdg-open notes what it was asked, xdg-mime names a help viewer while the
    // file "viewer" exists.
    void desktopHandlers()
    {
        QTemporaryDir bin;
        const auto write = [&](const char *name, const QByteArray &body) {
            return writeFile(bin.filePath(QLatin1String(name)), body, QFile::ExeOwner);
        };
        const auto asked = [&] {
            QFile file(bin.filePath(QStringLiteral("asked")));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QVERIFY(write("xdg-open", "#!/bin/sh\necho \"$1\" >> '" + bin.filePath("asked").toUtf8() + "'\n"));
        QVERIFY(write("xdg-mime", "#!/bin/sh\n[ \"$3\" = application/vnd.ms-htmlhelp ] && [ -e '"
                                      + bin.filePath("viewer").toUtf8() + "' ] && echo xchm.desktop; exit 0\n"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        platform::Platform &system = platform::systemPlatform();
        const QString help = bin.filePath(QStringLiteral("Merolan Programmer_EN.chm"));

        QVERIFY(write("viewer", ""));
        QVERIFY(!system.showHelpFile(help.toStdString(), 0)); // no file: the guide is shown instead
        QVERIFY(write("Merolan Programmer_EN.chm", ""));
        QVERIFY(system.showHelpFile(help.toStdString(), 0));
        QTRY_COMPARE(asked(), help + '\n');
        QVERIFY(QFile::remove(bin.filePath(QStringLiteral("viewer"))));
        QVERIFY(!system.showHelpFile(help.toStdString(), 0)); // no viewer registered
        QVERIFY(system.openDocument("https://www.brantholm.example/merolan"));
        QTRY_COMPARE(asked(), help + "\nhttps://www.brantholm.example/merolan\n");
    }

    // This very process: the program first, then its libraries, which Debian's
    // package database names.
    void thisProcessAndItsLibraries()
    {
        platform::Platform &system = platform::systemPlatform();
        const std::vector<std::string> modules = system.processModules();
        QCOMPARE(QString::fromStdString(modules.at(0)), QCoreApplication::applicationFilePath());
        const auto qt = std::find_if(modules.begin(), modules.end(),
                                     [](const std::string &m) { return m.find("libQt6Core.so") != std::string::npos; });
        QVERIFY(qt != modules.end());
        const auto versions = system.versionStrings({modules[0], *qt, "linux-vdso.so.1"});
        // The kernel's object is no file, whatever its name says.
        QVERIFY(!versions.at(0) && versions.at(1) && !versions.at(2));
        QVERIFY2(versions[1]->fileVersion.rfind("6.", 0) == 0, versions[1]->fileVersion.c_str());
        if (QFile::exists(QStringLiteral("/var/lib/dpkg/status"))) {
            QCOMPARE(versions[1]->productName, std::string("Qt 6 core module"));
            QCOMPARE(versions[1]->companyName, std::string("Debian Qt/KDE Maintainers"));
        }
        QCOMPARE(system.programDirectory(), QCoreApplication::applicationDirPath().toStdString());
    }
#endif
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
