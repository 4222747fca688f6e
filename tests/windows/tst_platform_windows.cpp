// Checks the Windows platform layer in a real Win32 process (under wine on the
// build machine). Argument: the folder this program lies in, as Windows names it.

#include "helpfiles.h"
#include "platform_windows.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string_view>

using namespace std::literals;
using platform::HelpLanguage;

namespace {

int failures = 0;

std::string shown(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text)
        out += c == '\0' ? "\\0"s : std::string(1, c);
    return out + "\"";
}
std::string shown(const std::optional<std::string> &text)
{
    return text ? shown(*text) : "(none)";
}

void check(bool ok, const char *what, const char *file, int line)
{
    if (!ok) {
        ++failures;
        std::printf("%s:%d: failed: %s\n", file, line, what);
    }
}

template <typename Actual, typename Expected>
void checkEqual(const Actual &actual, const Expected &expected, const char *what, const char *file, int line)
{
    if (actual == expected)
        return;
    ++failures;
    std::printf("%s:%d: failed: %s\n    got:      %s\n    expected: %s\n", file, line, what, shown(actual).c_str(),
                shown(expected).c_str());
}

#define CHECK(condition) check((condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected) checkEqual((actual), (expected), #actual, __FILE__, __LINE__)

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

constexpr const char *kTestKey = "Software\\Merolan Platform Check";

void setValue(HKEY key, const char *name, DWORD type, std::string_view bytes)
{
    CHECK(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()), DWORD(bytes.size()))
          == ERROR_SUCCESS);
}

HKEY createKey(HKEY root, const std::string &name)
{
    HKEY key = nullptr;
    CHECK(RegCreateKeyExA(root, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS);
    return key;
}

// Leftovers of a run that stopped half-way would decide the lookups.
void removeTestData(const std::string &msinfoFolder)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    DeleteFileA((msinfoFolder + "\\MSINFO32.EXE").c_str());
    RemoveDirectoryA(msinfoFolder.c_str());
}

void testKeyValues()
{
    const HKEY key = createKey(HKEY_CURRENT_USER, kTestKey);
    setValue(key, "WithNul", REG_SZ, "C:\\Tools\\A\0"sv);
    // Followed by a byte other than NUL: the registry adds a NUL it finds just past the count.
    setValue(key, "WithoutNul", REG_SZ, "C:\\Tools\\B!"sv.substr(0, 10));
    setValue(key, "InnerNul", REG_SZ, "AB\0CD\0"sv);
    setValue(key, "Empty", REG_SZ, ""sv);
    setValue(key, "Expandable", REG_EXPAND_SZ, "%TEMP%\\C\0"sv);
    const std::string fits = std::string(1023, 'x') + '\0';
    const std::string tooLong = std::string(1024, 'y') + '\0';
    setValue(key, "Fits", REG_SZ, fits);
    setValue(key, "TooLong", REG_SZ, tooLong);
    const DWORD number = 7;
    CHECK(RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), sizeof number)
          == ERROR_SUCCESS);
    RegCloseKey(key);

    const auto value = [](const char *name) { return platform::GetKeyValue(HKEY_CURRENT_USER, kTestKey, name); };
    CHECK_EQ(value("WithNul"), "C:\\Tools\\A"s);
    CHECK_EQ(value("WithoutNul"), "C:\\Tools\\B"s);
    CHECK_EQ(value("InnerNul"), "AB\0CD"s);
    CHECK_EQ(value("Empty"), ""s);
    CHECK_EQ(value("Expandable"), "%TEMP%\\C"s);
    CHECK_EQ(value("Fits"), std::string(1023, 'x'));
    CHECK_EQ(value("TooLong"), std::nullopt);
    CHECK_EQ(value("Number"), std::nullopt);
    CHECK_EQ(value("Absent"), std::nullopt);
    CHECK_EQ(platform::GetKeyValue(HKEY_CURRENT_USER, kTestKey + "\\Absent"s, "WithNul"), std::nullopt);
}

std::string tempPath(const char *name)
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    return base + std::string(name);
}

void testSysInfoLookup(const std::string &folder)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    const HKEY root = createKey(HKEY_CURRENT_USER, kTestKey);
    CHECK_EQ(platform::sysInfoPath(root), std::nullopt);

    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string tool = folder + "\\MSINFO32.EXE";
    const HKEY location = createKey(root, "SOFTWARE\\Microsoft\\Shared Tools Location");
    setValue(location, "MSINFO", REG_SZ, folder + '\0');
    CHECK_EQ(platform::sysInfoPath(root), std::nullopt);

    std::ofstream(tool) << "stand-in";
    CHECK_EQ(platform::sysInfoPath(root), tool);

    // The tool's own key without its PATH value leaves the folder in force.
    const HKEY own = createKey(root, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    CHECK_EQ(platform::sysInfoPath(root), tool);

    // Its PATH wins, and is taken without looking for the file.
    setValue(own, "PATH", REG_SZ, "D:\\Info\\msinfo32.exe\0"sv);
    CHECK_EQ(platform::sysInfoPath(root), "D:\\Info\\msinfo32.exe"s);

    RegCloseKey(own);
    RegCloseKey(location);
    RegCloseKey(root);
}

void testModules(const std::string &exe)
{
    std::vector<std::string> paths{"left over", "from before"};
    CHECK(platform::GetProcessModules(paths));
    CHECK(!paths.empty() && lower(paths.front()) == lower(exe));
    CHECK(std::none_of(paths.begin(), paths.end(), [](const std::string &p) { return p.empty() || p == "left over"; }));
    CHECK(std::any_of(paths.begin(), paths.end(),
                      [](const std::string &p) { return lower(p).ends_with("\\system32\\kernel32.dll"); }));
}

void testVersionStrings(const std::string &exe, const std::string &partial, const std::string &plain)
{
    CHECK(platform::GetVersionStrings(exe).has_value());
    const auto own = platform::GetVersionStrings(exe).value_or(platform::VersionStrings{});
    CHECK_EQ(own.companyName, "Brantholm Test Bench"s);
    CHECK_EQ(own.fileDescription, "Platform layer check"s);
    CHECK_EQ(own.fileVersion, "2.8.0.25"s);
    CHECK_EQ(own.internalName, "platformcheck"s);
    CHECK_EQ(own.legalCopyright, "Copyright (C) Test Bench 2026"s);
    CHECK_EQ(own.originalFileName, "tst_platform_windows.exe"s);
    CHECK_EQ(own.productName, "Merolan Platform Check"s);
    CHECK_EQ(own.productVersion, "2.8 beta"s);

    CHECK(platform::GetVersionStrings(partial).has_value());
    const auto some = platform::GetVersionStrings(partial).value_or(platform::VersionStrings{});
    CHECK_EQ(some.fileVersion + "|" + some.productName, "0.9.1|Partial Product"s);
    CHECK_EQ(some.companyName + some.fileDescription + some.internalName + some.legalCopyright + some.originalFileName
                 + some.productVersion,
             ""s);

    CHECK(!platform::GetVersionStrings(plain).has_value());
    CHECK(!platform::GetVersionStrings(plain + ".absent").has_value());
}

void testHelpRules()
{
    CHECK_EQ(platform::helpFilePath("C:\\Prog", HelpLanguage::Greek), "C:\\Prog\\Merolan Programmer_GR.chm"s);
    CHECK_EQ(platform::helpFilePath("C:\\Prog", HelpLanguage::English), "C:\\Prog\\Merolan Programmer_EN.chm"s);
}

void testSystemPlatform(const std::string &folder, const std::string &exe, const std::string &partial,
                        const std::string &plain)
{
    platform::Platform &system = platform::systemPlatform();
    CHECK_EQ(system.programDirectory(), folder);
    CHECK(system.dataDirectories().empty());

    const auto modules = system.processModules();
    CHECK(!modules.empty() && lower(modules.front()) == lower(exe));

    const auto versions = system.versionStrings({partial, plain, exe});
    CHECK(versions.size() == 3 && versions[0] && !versions[1] && versions[2]
          && versions[0]->productName == "Partial Product" && versions[2]->productName == "Merolan Platform Check");

    CHECK(SetThreadLocale(1032));
    CHECK(system.greekLocale());
    CHECK(SetThreadLocale(1033));
    CHECK(!system.greekLocale());

    CHECK(!system.openDocument(folder + "\\Brantholm Missing Document.rtf"));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::printf("usage: tst_platform_windows <folder of this program>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::string exe = folder + "\\tst_platform_windows.exe";
    const std::string partial = folder + "\\partialversion.dll";
    const std::string plain = tempPath("merolan-notes.txt");
    std::ofstream(plain) << "no version resource here";

    const std::string msinfoFolder = tempPath("merolan-msinfo");
    removeTestData(msinfoFolder);

    testKeyValues();
    testSysInfoLookup(msinfoFolder);
    testModules(exe);
    testVersionStrings(exe, partial, plain);
    testHelpRules();
    testSystemPlatform(folder, exe, partial, plain);

    removeTestData(msinfoFolder);
    DeleteFileA(plain.c_str());
    std::printf("%d checks failed\n", failures);
    return failures == 0 ? 0 : 1;
}
