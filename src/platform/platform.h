#pragma once

// What each operating system does differently: the help viewer, the
// system-information tool, opening a document with its default handler, and
// the modules loaded into this process with their version information.
// Plain C++, so that the Windows side builds on the Win32 API alone. Text is in
// the system's narrow encoding: the ANSI code page on Windows, UTF-8 on Linux.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The texts of a file's version information, in the order they are looked up.
struct VersionStrings
{
    std::string companyName;
    std::string fileDescription;
    std::string fileVersion;
    std::string internalName;
    std::string legalCopyright;
    std::string originalFileName;
    std::string productName;
    std::string productVersion;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // The folder the program file lies in, without a trailing separator.
    virtual std::string programDirectory() const = 0;
    // Further folders that hold the program's installed files (help, licence),
    // searched after the program's own folder; none on Windows.
    virtual std::vector<std::string> dataDirectories() const = 0;
    // The program's own folder, then the data folders: where its files are looked for.
    std::vector<std::string> programFolders() const
    {
        std::vector<std::string> folders{programDirectory()};
        for (std::string &folder : dataDirectories())
            folders.push_back(std::move(folder));
        return folders;
    }
    // Opens a file or a web address with the desktop's default handler, in a
    // normal window; false when nothing could be started.
    virtual bool openDocument(const std::string &pathOrAddress) = 0;
    // Starts the system-information tool; false when the system has none.
    virtual bool startSysInfo() = 0;
    // Full paths of the modules loaded into this process, in the system's order.
    virtual std::vector<std::string> processModules() = 0;
    // The version information of each file, in the same order; no value for a
    // file the system knows nothing about.
    virtual std::vector<std::optional<VersionStrings>> versionStrings(const std::vector<std::string> &paths) = 0;
    // Shows a help file's default topic in the system's help viewer, owned by
    // the given native window. False when it cannot be shown that way (no
    // viewer, or on Linux no file), so that the program can show the guide
    // itself; on Windows the viewer reports a missing file in its own words.
    virtual bool showHelpFile(const std::string &path, std::uintptr_t ownerWindow) = 0;
};

// The implementation for the system the program runs on.
Platform &systemPlatform();

} // namespace platform
