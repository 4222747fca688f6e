#pragma once

// The names of the program's help and licence files. The same rules on every
// system.

#include <string>

namespace platform {

enum class HelpLanguage { English, Greek };

// "\Merolan Programmer_EN.chm" or "\Merolan Programmer_GR.chm"; the leading
// separator is the system's own ("/" outside Windows).
std::string helpFileName(HelpLanguage language);
// The folder followed directly by the file name: no separator is added or removed.
std::string helpFilePath(const std::string &directory, HelpLanguage language);

// The licence agreement "Brantholm Freeware License Agreement.rtf" in the folder.
std::string licenceFilePath(const std::string &directory);

} // namespace platform
