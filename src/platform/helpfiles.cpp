#include "helpfiles.h"

namespace platform {

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
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

} // namespace platform
