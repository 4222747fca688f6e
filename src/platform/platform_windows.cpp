#ifdef _WIN32

// The program speaks the ANSI code page throughout; a build that defines UNICODE
// (as Qt's does) must not turn the toolhelp names into their wide forms here.
#undef UNICODE
#undef _UNICODE

#include "platform_windows.h"

#include "helpfiles.h"

#include <htmlhelp.h>
#include <shellapi.h>
#include <tlhelp32.h>
#include <winver.h>

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

constexpr DWORD kValueBufferSize = 1024;

bool isFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// ShellExecuteA reports success with a value above 32, failure with an error code up to 32.
bool shellOpen(const std::string &path)
{
    const HINSTANCE result = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCSTR, UINT, DWORD_PTR);

// Loaded on first use and never unloaded: the viewer's windows live in this process.
HtmlHelpFunction htmlHelp()
{
    static const HtmlHelpFunction function = []() -> HtmlHelpFunction {
        const HMODULE viewer = LoadLibraryA("hhctrl.ocx");
        if (viewer == nullptr)
            return nullptr;
        // Through void (*)(): the one cast of a function pointer that says "any signature" on purpose.
        return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void (*)()>(GetProcAddress(viewer, "HtmlHelpA")));
    }();
    return function;
}

class WindowsPlatform : public Platform
{
public:
    std::string programDirectory() const override
    {
        std::string path(MAX_PATH, '\0');
        for (;;) {
            const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
            // A full buffer means the name may have been cut short.
            if (length < path.size()) {
                path.resize(length);
                break;
            }
            path.resize(path.size() * 2);
        }
        const std::size_t separator = path.find_last_of('\\');
        return separator == std::string::npos ? std::string() : path.substr(0, separator);
    }

    std::vector<std::string> dataDirectories() const override { return {}; }

    bool openDocument(const std::string &pathOrAddress) override { return shellOpen(pathOrAddress); }

    bool startSysInfo() override { return StartSysInfo(); }

    std::vector<std::string> processModules() override
    {
        std::vector<std::string> paths;
        GetProcessModules(paths);
        return paths;
    }

    std::vector<std::optional<VersionStrings>> versionStrings(const std::vector<std::string> &paths) override
    {
        std::vector<std::optional<VersionStrings>> result;
        result.reserve(paths.size());
        for (const std::string &path : paths)
            result.push_back(GetVersionStrings(path));
        return result;
    }

    bool showHelpFile(const std::string &path, std::uintptr_t ownerWindow) override
    {
        const HtmlHelpFunction show = htmlHelp();
        if (show == nullptr)
            return false;
        // The viewer reports its own troubles, a missing file among them; its result tells nothing more.
        show(reinterpret_cast<HWND>(ownerWindow), path.c_str(), HH_DISPLAY_TOPIC, 0);
        return true;
    }
};

} // namespace

std::optional<std::string> GetKeyValue(HKEY root, const std::string &keyName, const std::string &valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[kValueBufferSize];
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    const LONG result =
        RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The length is the registry's, so a value stored without its NUL keeps its last character.
    std::string text(buffer, size);
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<std::string> sysInfoPath(HKEY root)
{
    if (auto path = GetKeyValue(root, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"))
        return path;
    if (const auto folder = GetKeyValue(root, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
        std::string path = *folder + "\\MSINFO32.EXE";
        if (isFile(path))
            return path;
    }
    return std::nullopt;
}

bool StartSysInfo()
{
    const auto path = sysInfoPath(HKEY_LOCAL_MACHINE);
    return path && shellOpen(*path);
}

bool GetProcessModules(std::vector<std::string> &paths)
{
    paths.assign(1, std::string());
    const DWORD self = GetCurrentProcessId();
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, self);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry)) {
        if (entry.th32ProcessID != self)
            continue;
        std::string path(entry.szExePath, strnlen(entry.szExePath, sizeof entry.szExePath));
        if (paths.front().empty())
            paths.front() = std::move(path);
        else
            paths.push_back(std::move(path));
    }
    CloseHandle(snapshot);
    return true;
}

std::optional<VersionStrings> GetVersionStrings(const std::string &path)
{
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
    if (size < 1)
        return std::nullopt;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()))
        return std::nullopt;

    // The first translation names the string table: language, then code page.
    WORD translation[2] = {0, 0};
    void *entry = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &entry, &length) && length >= sizeof translation)
        std::memcpy(translation, entry, sizeof translation);
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", translation[0], translation[1]);

    const auto text = [&](const char *name) {
        const std::string key = std::string("\\StringFileInfo\\") + table + "\\" + name;
        void *value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueA(data.data(), key.c_str(), &value, &chars) || value == nullptr)
            return std::string();
        const char *first = static_cast<const char *>(value);
        return std::string(first, strnlen(first, chars));
    };
    return VersionStrings{text("CompanyName"),  text("FileDescription"), text("FileVersion"),
                          text("InternalName"), text("LegalCopyright"),  text("OriginalFileName"),
                          text("ProductName"),  text("ProductVersion")};
}

Platform &systemPlatform()
{
    static WindowsPlatform windows;
    return windows;
}

} // namespace platform

#endif
