#include "platform_linux.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <link.h>
#include <sstream>

namespace platform {
namespace linux_impl {

namespace {

// Graphical tools that show the machine's hardware and system, best first.
const char *const kSysInfoTools[] = {"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};

QString fromNative(const std::string &text)
{
    return QString::fromUtf8(text);
}

std::string toNative(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Runs a query tool to the end; its standard output, or none when it could not run.
std::optional<std::string> outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted() || !process.waitForFinished(10000))
        return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

bool startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

std::string fileNameOf(const std::string &path)
{
    return std::filesystem::path(path).filename().string();
}

// The names under which the package database may know a loaded file: the
// loader's path, the file it links to, and both with or without the /usr that
// merged directories make optional.
std::vector<std::string> knownNames(const std::string &path)
{
    std::vector<std::string> names{path};
    std::error_code error;
    const std::string real = std::filesystem::canonical(path, error).string();
    if (!error && real != path)
        names.push_back(real);
    for (std::size_t i = 0, n = names.size(); i < n; ++i) {
        const std::string &name = names[i];
        if (name.rfind("/usr/", 0) == 0)
            names.push_back(name.substr(4));
        else if (name.rfind("/lib", 0) == 0)
            names.push_back("/usr" + name);
    }
    return names;
}

} // namespace

std::optional<VersionStrings> versionOfFileName(const std::string &path)
{
    const std::string name = fileNameOf(path);
    const auto so = name.find(".so.");
    if (so == std::string::npos || so + 4 == name.size())
        return std::nullopt;
    VersionStrings version;
    version.productName = name.substr(0, so);
    version.fileVersion = name.substr(so + 4);
    version.productVersion = version.fileVersion;
    version.originalFileName = name;
    return version;
}

std::map<std::string, std::string> packagesOfSearch(const std::string &output)
{
    std::map<std::string, std::string> packages;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        // "libc6:amd64: /lib/x86_64-linux-gnu/libc.so.6"; diversion notes have no ": /".
        const auto split = line.find(": /");
        if (split == std::string::npos || line.rfind("diversion ", 0) == 0)
            continue;
        std::string package = line.substr(0, split);
        package = package.substr(0, package.find(','));
        packages.emplace(line.substr(split + 2), package);
    }
    return packages;
}

VersionStrings versionOfPackage(const std::string &line)
{
    std::vector<std::string> fields;
    std::istringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t'))
        fields.push_back(field);
    fields.resize(4);
    std::string maker = fields[2].substr(0, fields[2].find(" <"));
    VersionStrings version;
    version.internalName = fields[0];
    version.fileVersion = fields[1];
    version.productVersion = fields[1];
    version.companyName = maker;
    version.productName = fields[3];
    version.fileDescription = fields[3];
    return version;
}

std::string findSysInfoTool(const std::string &searchPath)
{
    const QStringList folders = fromNative(searchPath).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *tool : kSysInfoTools) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool), folders);
        if (!found.isEmpty())
            return toNative(found);
    }
    return {};
}

} // namespace linux_impl

namespace {

using namespace linux_impl;

class LinuxPlatform : public Platform
{
public:
    std::string programDirectory() const override
    {
        std::error_code error;
        const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string(".") : program.parent_path().string();
    }

    std::vector<std::string> dataDirectories() const override
    {
        // Installed under a prefix, the program's files lie in <prefix>/share/merolan.
        std::vector<std::string> folders{
            toNative(QDir::cleanPath(fromNative(programDirectory()) + QStringLiteral("/../share/merolan")))};
        for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
            const std::string own = toNative(QDir(folder).filePath(QStringLiteral("merolan")));
            if (std::find(folders.begin(), folders.end(), own) == folders.end())
                folders.push_back(own);
        }
        return folders;
    }

    bool openDocument(const std::string &pathOrAddress) override
    {
        return startDetached(QStringLiteral("xdg-open"), {fromNative(pathOrAddress)});
    }

    bool startSysInfo() override
    {
        const char *path = std::getenv("PATH");
        const std::string tool = findSysInfoTool(path ? path : "");
        return !tool.empty() && startDetached(fromNative(tool), {});
    }

    std::vector<std::string> processModules() override
    {
        std::vector<std::string> modules;
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *data) {
                auto &list = *static_cast<std::vector<std::string> *>(data);
                // The loader names the program itself with an empty text.
                if (list.empty() && (!info->dlpi_name || !*info->dlpi_name)) {
                    std::error_code error;
                    list.push_back(std::filesystem::read_symlink("/proc/self/exe", error).string());
                } else if (info->dlpi_name && *info->dlpi_name) {
                    list.emplace_back(info->dlpi_name);
                }
                return 0;
            },
            &modules);
        return modules;
    }

    std::vector<std::optional<VersionStrings>> versionStrings(const std::vector<std::string> &paths) override
    {
        std::vector<std::vector<std::string>> names;
        QStringList search;
        for (const std::string &path : paths) {
            names.push_back(knownNames(path));
            for (const std::string &name : names.back())
                search << fromNative(name);
        }
        // Two queries for the whole list: one process per library would take seconds.
        std::map<std::string, std::string> owners;
        if (const auto found = outputOf(QStringLiteral("dpkg-query"), QStringList{QStringLiteral("-S")} + search))
            owners = packagesOfSearch(*found);
        std::map<std::string, VersionStrings> packages;
        QStringList query{QStringLiteral("-W"),
                          QStringLiteral("-f=${binary:Package}\\t${Version}\\t${Maintainer}\\t${binary:Summary}\\n")};
        for (const auto &owner : owners)
            query << fromNative(owner.second);
        if (!owners.empty()) {
            if (const auto found = outputOf(QStringLiteral("dpkg-query"), query)) {
                std::istringstream lines(*found);
                std::string line;
                while (std::getline(lines, line)) {
                    VersionStrings version = versionOfPackage(line);
                    packages.emplace(version.internalName, version);
                }
            }
        }

        std::vector<std::optional<VersionStrings>> versions;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            std::optional<VersionStrings> version;
            for (const std::string &name : names[i]) {
                const auto owner = owners.find(name);
                const auto package = owner == owners.end() ? packages.end() : packages.find(owner->second);
                if (package != packages.end()) {
                    version = package->second;
                    version->originalFileName = fileNameOf(paths[i]);
                    break;
                }
            }
            // The kernel's own object (linux-vdso.so.1) is no file: nothing to say of it.
            if (!version && paths[i].rfind('/', 0) == 0) {
                // The link the loader followed carries only the major number.
                std::error_code error;
                const std::filesystem::path real = std::filesystem::canonical(paths[i], error);
                version = versionOfFileName(error ? paths[i] : real.string());
            }
            versions.push_back(version);
        }
        return versions;
    }

    bool showHelpFile(const std::string &path, std::uintptr_t) override
    {
        // Only a viewer the desktop has registered for compiled help; without
        // one, xdg-open would hand the file to whatever takes any file.
        const QString file = fromNative(path);
        if (!QFileInfo::exists(file))
            return false;
        const QString type = QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension).name();
        const auto handler =
            outputOf(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
        if (!handler || QByteArray::fromStdString(*handler).trimmed().isEmpty())
            return false;
        return startDetached(QStringLiteral("xdg-open"), {file});
    }
};

} // namespace

Platform &systemPlatform()
{
    static LinuxPlatform platform;
    return platform;
}

} // namespace platform
