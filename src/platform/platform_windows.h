#pragma once

// The Win32 routines behind the Windows platform, open to the tests on their own.
// All text is in the ANSI code page.

#ifdef _WIN32

#include "platform.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {

// A text value of the registry; nothing when the key cannot be opened, the
// value cannot be read into 1024 bytes, or the value is not text.
std::optional<std::string> GetKeyValue(HKEY root, const std::string &keyName, const std::string &valueName);

// Where the system-information tool lies according to the registry below root
// (HKEY_LOCAL_MACHINE for the program): its own "PATH" entry, or else the shared
// tools folder when MSINFO32.EXE is really there.
std::optional<std::string> sysInfoPath(HKEY root);

// Starts the system-information tool in a normal window; false when the system
// has none registered or it could not be started.
bool StartSysInfo();

// Replaces paths with the modules of the current process, in the snapshot's
// order. False when no snapshot could be taken; paths then holds one empty text.
bool GetProcessModules(std::vector<std::string> &paths);

// The eight texts of a file's version resource; nothing when the file has none.
std::optional<VersionStrings> GetVersionStrings(const std::string &path);

} // namespace platform

#endif
