#pragma once

#include "helpfiles.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// The language the windows and the help speak: Greek or English, chosen once
// at start.

// "el" or "en", as --lang takes them.
std::optional<platform::HelpLanguage> languageOfName(const QString &name);

// The first of the user's languages, most wanted first as
// QLocale::uiLanguages() gives them, that the program speaks; English where
// none is.
platform::HelpLanguage languageOfUiLanguages(const QStringList &wanted);

// Installs the program's texts and Qt's own in that language, from the first
// of the folders whose "translations" folder holds them. English is the
// texts' own language and needs nothing. Gives the files not found.
QStringList installTranslations(platform::HelpLanguage language, const std::vector<std::string> &folders);
