#include "helpfiles.h"

namespace platform {

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
constexpr unsigned long kGreekGreece = 1032;
} // namespace

std::string helpFileName(HelpLanguage language)
{
    return kSeparator
           + std::string(language == HelpLanguage::Greek ? "Merolan Programmer_GR.chm" : "Merolan Programmer_EN.chm");
}

std::string helpFilePath(const std::string &directory, HelpLanguage language)
{
    return directory + helpFileName(language);
}

std::string licenceFilePath(const std::string &directory)
{
    return directory + kSeparator + "Brantholm Freeware License Agreement.rtf";
}

HelpLanguage helpLanguageOfLocaleId(unsigned long localeId)
{
    return localeId == kGreekGreece ? HelpLanguage::Greek : HelpLanguage::English;
}

HelpLanguage helpLanguageOfLocaleName(const std::string &name)
{
    // The language is the part before any territory, code set or modifier.
    const bool greek =
        name.rfind("el", 0) == 0 && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return greek ? HelpLanguage::Greek : HelpLanguage::English;
}

} // namespace platform
