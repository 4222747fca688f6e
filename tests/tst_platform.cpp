// The help-file rules and the Linux side of the platform, on this machine.
#include "platform_linux.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using platform::HelpLanguage;
using namespace platform::linux_impl;

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void localeNames()
    {
        const auto G = HelpLanguage::Greek;
        const auto E = HelpLanguage::English;
        const std::pair<const char *, HelpLanguage> langs[] = {
            {"el_GR.UTF-8", G}, {"el", G},          {"el@euro", G}, {"el.ISO-8859-7", G},
            {"ell_XX", E},      {"en_GB.UTF-8", E}, {"C", E}};
        for (const auto &[lang, language] : langs)
            QVERIFY2(helpLanguageOfEnvironment(nullptr, nullptr, lang) == language, lang);
        // The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides.
        QVERIFY(helpLanguageOfEnvironment(nullptr, nullptr, nullptr) == E);
        QVERIFY(helpLanguageOfEnvironment(nullptr, "en_US", "el_GR") == E);
        QVERIFY(helpLanguageOfEnvironment("el_GR", "en_US", "en_US") == G);
        QVERIFY(helpLanguageOfEnvironment("", "el_GR", "en_US") == G);
        // Windows gives a locale id: Greek is 1032 exactly.
        QCOMPARE(platform::helpLanguageOfLocaleId(1032), G);
        for (unsigned long other : {1033ul, 1032ul + 0x10000ul, 8ul, 0ul})
            QCOMPARE(platform::helpLanguageOfLocaleId(other), E);
    }

    void versionFromTheFileName()
    {
        const auto qt = versionOfFileName("/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2");
        QVERIFY(qt);
        QCOMPARE(qt->productName + '|' + qt->fileVersion + '|' + qt->originalFileName,
                 std::string("libQt6Core|6.4.2|libQt6Core.so.6.4.2"));
        QCOMPARE(versionOfFileName("/lib/ld-linux-x86-64.so.2")->fileVersion, std::string("2"));
        for (const char *plain : {"/opt/merolan/merolan", "/usr/lib/libplain.so", "/usr/lib/libodd.so."})
            QVERIFY2(!versionOfFileName(plain), plain);
    }

    void packageDatabaseAnswers()
    {
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
        const auto place = [](const QTemporaryDir &dir, const char *name, QFile::Permissions mode) {
            QFile file(dir.filePath(QLatin1String(name)));
            return file.open(QIODevice::WriteOnly) && file.setPermissions(mode | QFile::ReadOwner);
        };
        const std::string search = (first.path() + QLatin1Char(':') + second.path()).toStdString();
        const auto found = [&] { return QString::fromStdString(findSysInfoTool(search)); };
        QCOMPARE(found(), QString());
        QVERIFY(place(second, "kinfocenter", QFile::ExeOwner));
        QCOMPARE(found(), second.filePath(QStringLiteral("kinfocenter")));
        QVERIFY(place(first, "hardinfo", QFile::ExeOwner) && place(second, "hardinfo2", {}));
        QCOMPARE(found(), first.filePath(QStringLiteral("hardinfo")));
    }

    // The desktop's own handlers, played by scripts on the search path:
    // xdg-open notes what it was asked, xdg-mime names a help viewer while the
    // file "viewer" exists.
    void desktopHandlers()
    {
        QTemporaryDir bin;
        const auto write = [&](const QString &name, const QByteArray &body) {
            QFile file(bin.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(body) == body.size()
                   && file.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
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
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
