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
    void helpFileNames()
    {
        // Nothing is added or removed between folder and name.
        QCOMPARE(platform::helpFilePath("/opt/", HelpLanguage::Greek), std::string("/opt//Merolan Programmer_GR.chm"));
        QCOMPARE(platform::helpFilePath("/opt", HelpLanguage::English), std::string("/opt/Merolan Programmer_EN.chm"));
        QCOMPARE(platform::licenceFilePath("/opt"), std::string("/opt/Brantholm Freeware License Agreement.rtf"));
        QCOMPARE(platform::helpLanguageOfLocaleId(1032), HelpLanguage::Greek);
        for (unsigned long other : {1033ul, 1032ul + 0x10000ul, 8ul, 0ul})
            QCOMPARE(platform::helpLanguageOfLocaleId(other), HelpLanguage::English);
    }

    // The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty decides.
    void localeNames()
    {
        const auto G = HelpLanguage::Greek;
        const auto E = HelpLanguage::English;
        const std::tuple<const char *, const char *, const char *, HelpLanguage> rows[] = {
            {nullptr, nullptr, "el_GR.UTF-8", G},
            {nullptr, nullptr, "el_CY", G},
            {nullptr, nullptr, "el", G},
            {nullptr, nullptr, "el@euro", G},
            {nullptr, nullptr, "el.ISO-8859-7", G},
            {nullptr, nullptr, "ell_XX", E},
            {nullptr, nullptr, "en_GB.UTF-8", E},
            {nullptr, nullptr, "C", E},
            {nullptr, nullptr, nullptr, E},
            {nullptr, "en_US", "el_GR", E},
            {"el_GR", "en_US", "en_US", G},
            {"", "el_GR", "en_US", G},
        };
        for (const auto &[lcAll, lcMessages, lang, language] : rows)
            QVERIFY2(helpLanguageOfEnvironment(lcAll, lcMessages, lang) == language, lang ? lang : "none");
    }

    void versionFromTheFileName()
    {
        const auto qt = versionOfFileName("/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2");
        QVERIFY(qt);
        QCOMPARE(qt->productName, std::string("libQt6Core"));
        QCOMPARE(qt->fileVersion, std::string("6.4.2"));
        QCOMPARE(qt->originalFileName, std::string("libQt6Core.so.6.4.2"));
        QCOMPARE(versionOfFileName("/lib/ld-linux-x86-64.so.2")->fileVersion, std::string("2"));
        QVERIFY(!versionOfFileName("/opt/merolan/merolan"));
        QVERIFY(!versionOfFileName("/usr/lib/libplain.so"));
        QVERIFY(!versionOfFileName("/usr/lib/libodd.so."));
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
        QCOMPARE(v.productName, std::string("Qt 6 core module"));
        QCOMPARE(v.fileVersion, std::string("6.4.2+dfsg-10"));
        QCOMPARE(v.companyName, std::string("Debian Qt/KDE Maintainers"));
        QCOMPARE(v.internalName, std::string("libqt6core6:amd64"));
        QCOMPARE(versionOfPackage("solo\t1.0").companyName, std::string());
    }

    // The best tool first, found only where the search path says.
    void systemInformationTool()
    {
        QTemporaryDir first, second;
        const auto tool = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        };
        const std::string search = (first.path() + QLatin1Char(':') + second.path()).toStdString();
        QCOMPARE(findSysInfoTool(search), std::string());
        QVERIFY(tool(second.path() + QStringLiteral("/kinfocenter")));
        QCOMPARE(findSysInfoTool(search), (second.path() + QStringLiteral("/kinfocenter")).toStdString());
        QVERIFY(tool(first.path() + QStringLiteral("/hardinfo")));
        QCOMPARE(findSysInfoTool(search), (first.path() + QStringLiteral("/hardinfo")).toStdString());
        QFile plain(second.path() + QStringLiteral("/hardinfo2"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QCOMPARE(findSysInfoTool(search), (first.path() + QStringLiteral("/hardinfo")).toStdString());
    }

    // The desktop's own handlers, played by scripts on the search path that
    // note what they were asked.
    void desktopHandlers()
    {
        QTemporaryDir bin;
        const QString asked = bin.filePath(QStringLiteral("asked"));
        const auto script = [&](const char *name, const QByteArray &body) {
            QFile file(bin.filePath(QLatin1String(name)));
            return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + body + '\n') > 0
                   && file.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
        };
        QVERIFY(script("xdg-open", "echo \"open $1\" >> '" + asked.toUtf8() + "'"));
        QVERIFY(script("xdg-mime", "[ \"$3\" = application/vnd.ms-htmlhelp ] && [ -e '"
                                       + bin.filePath("viewer").toUtf8() + "' ] && echo xchm.desktop; exit 0"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        const auto lines = [&] {
            QFile file(asked);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                                  : QStringList();
        };
        platform::Platform &system = platform::systemPlatform();
        const std::string help = bin.filePath(QStringLiteral("Merolan Programmer_EN.chm")).toStdString();

        QFile viewer(bin.filePath(QStringLiteral("viewer")));
        QVERIFY(viewer.open(QIODevice::WriteOnly));
        QVERIFY(!system.showHelpFile(help, 0)); // no file: the guide is shown instead
        QFile(QString::fromStdString(help)).open(QIODevice::WriteOnly);
        QVERIFY(system.showHelpFile(help, 0));
        QTRY_COMPARE(lines(), QStringList{QStringLiteral("open ") + QString::fromStdString(help)});
        QVERIFY(viewer.remove());
        QVERIFY(!system.showHelpFile(help, 0)); // no viewer registered

        QVERIFY(system.openDocument("https://www.brantholm.example/merolan"));
        QTRY_COMPARE(lines().size(), 2);
        QCOMPARE(lines()[1], QStringLiteral("open https://www.brantholm.example/merolan"));
    }

    // This very process: the program first, then its libraries, which Debian's
    // package database names.
    void thisProcessAndItsLibraries()
    {
        platform::Platform &system = platform::systemPlatform();
        const std::vector<std::string> modules = system.processModules();
        QVERIFY(modules.size() > 3);
        QCOMPARE(QString::fromStdString(modules[0]), QCoreApplication::applicationFilePath());
        const auto qt = std::find_if(modules.begin(), modules.end(),
                                     [](const std::string &m) { return m.find("libQt6Core.so") != std::string::npos; });
        QVERIFY(qt != modules.end());
        const auto versions = system.versionStrings({modules[0], *qt, "linux-vdso.so.1"});
        QCOMPARE(versions.size(), size_t(3));
        QVERIFY(!versions[0]);
        QVERIFY(!versions[2]); // the kernel's object is no file, whatever its name says
        QVERIFY(versions[1]);
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
