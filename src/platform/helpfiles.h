#pragma once

// The names of the program's help and licence files and how the help's
// language is chosen. The same rules on every system.

#include <string>

namespace platform {

enum class HelpLanguage { English, Greek };

// "\Merolan Programmer_EN.chm" or "\Merolan Programmer_GR.chm"; the leading
// separator is the system's own ("/" outside Windows).
std::string helpFileName(HelpLanguage language);
// The folder followed directly by the file name: no separator is added or removed.
std::string helpFilePath(const std::string &directory, HelpLanguage language);

// Windows locale identifier 1032 is Greek (Greece); every other one is English.
HelpLanguage helpLanguageOfLocaleId(unsigned long localeId);
// A POSIX locale name such as "el_GR.UTF-8" or "el"; the C locale and every
// other language give English.
HelpLanguage helpLanguageOfLocaleName(const std::string &name);

// The licence agreement "Brantholm Freeware License Agreement.rtf" in the folder.
std::string licenceFilePath(const std::string &directory);

} // namespace platform
