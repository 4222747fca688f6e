#pragma once

// The pieces of the Linux platform that the tests reach on their own.

#include "helpfiles.h"
#include "platform.h"

#include <map>
#include <string>

namespace platform::linux_impl {

// The version a shared object's file name carries after ".so.": "libQt6Core.so.6.4.2"
// gives "6.4.2"; none without one.
std::optional<VersionStrings> versionOfFileName(const std::string &path);

// "pkg:arch: /path" lines of `dpkg-query -S`, by path; a file that several
// packages share counts for the first.
std::map<std::string, std::string> packagesOfSearch(const std::string &output);

// One tab-separated line of `dpkg-query -W` (package, version, maintainer,
// summary) as version texts: the summary is the product, the maintainer
// without the mail address the maker.
VersionStrings versionOfPackage(const std::string &line);

// The first system-information tool found in the colon-separated folders; empty when none.
std::string findSysInfoTool(const std::string &searchPath);

} // namespace platform::linux_impl
