// The help-file rules and the Linux side of the platform, on this machine.
#include "platform_linux.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using platform::HelpLanguage;
using namespace platform::linux_impl;

Q_DECLARE_METATYPE(HelpLanguage)

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void helpFileNames()
    {
        QCOMPARE(platform::helpFilePath("/opt/merolan", HelpLanguage::English),
                 std::string("/opt/merolan/Merolan Programmer_EN.chm"));
        QCOMPARE(platform::helpFilePath("/opt/merolan", HelpLanguage::Greek),
                 std::string("/opt/merolan/Merolan Programmer_GR.chm"));
        // Nothing is added or removed between folder and name.
        QCOMPARE(platform::helpFilePath("/opt/", HelpLanguage::Greek), std::string("/opt//Merolan Programmer_GR.chm"));
        QCOMPARE(platform::licenceFilePath("/opt/merolan"),
                 std::string("/opt/merolan/Brantholm Freeware License Agreement.rtf"));
        QCOMPARE(platform::helpLanguageOfLocaleId(1032), HelpLanguage::Greek);
        for (unsigned long other : {1033ul, 1031ul, 1033ul + 0x10000ul, 8ul, 0ul})
            QCOMPARE(platform::helpLanguageOfLocaleId(other), HelpLanguage::English);
    }

    void localeNames_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcMessages");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<HelpLanguage>("language");
        const auto G = HelpLanguage::Greek;
        const auto E = HelpLanguage::English;
        QTest::newRow("Greek, Greece") << QByteArray() << QByteArray() << QByteArray("el_GR.UTF-8") << G;
        QTest::newRow("Greek, Cyprus") << QByteArray() << QByteArray() << QByteArray("el_CY") << G;
        QTest::newRow("language alone") << QByteArray() << QByteArray() << QByteArray("el") << G;
        QTest::newRow("with a modifier") << QByteArray() << QByteArray() << QByteArray("el@euro") << G;
        QTest::newRow("code set only") << QByteArray() << QByteArray() << QByteArray("el.ISO-8859-7") << G;
        QTest::newRow("another language starting el") << QByteArray() << QByteArray() << QByteArray("ell_XX") << E;
        QTest::newRow("English") << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << E;
        QTest::newRow("C locale") << QByteArray() << QByteArray() << QByteArray("C") << E;
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << E;
        QTest::newRow("LC_MESSAGES before LANG") << QByteArray() << QByteArray("en_US") << QByteArray("el_GR") << E;
        QTest::newRow("LC_ALL before both") << QByteArray("el_GR") << QByteArray("en_US") << QByteArray("en_US") << G;
        QTest::newRow("an empty LC_ALL is unset") << QByteArray("") << QByteArray("el_GR") << QByteArray("en_US") << G;
    }
    void localeNames()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcMessages);
        QFETCH(QByteArray, lang);
        QFETCH(HelpLanguage, language);
        const auto text = [](const QByteArray &value) { return value.isNull() ? nullptr : value.constData(); };
        QCOMPARE(helpLanguageOfEnvironment(text(lcAll), text(lcMessages), text(lang)), language);
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
