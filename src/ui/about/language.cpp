#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

using platform::HelpLanguage;

std::optional<HelpLanguage> languageOfName(const QString &name)
{
    if (name == QLatin1String("el"))
        return HelpLanguage::Greek;
    if (name == QLatin1String("en"))
        return HelpLanguage::English;
    return std::nullopt;
}

HelpLanguage languageOfUiLanguages(const QStringList &wanted)
{
    for (const QString &tag : wanted) {
        // "el", "el-GR", "el_CY": the language comes before the territory.
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (const std::optional<HelpLanguage> spoken = languageOfName(language.toLower()))
            return *spoken;
    }
    return HelpLanguage::English;
}

QStringList installTranslations(HelpLanguage language, const std::vector<std::string> &folders)
{
    if (language == HelpLanguage::English)
        return {};
    QStringList missing;
    for (const char *name : {"merolan_el.qm", "qtbase_el.qm"}) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        bool loaded = false;
        for (const std::string &folder : folders) {
            const QString path =
                QString::fromLocal8Bit(folder) + QStringLiteral("/translations/") + QLatin1String(name);
            if (QFileInfo::exists(path) && translator->load(path)) {
                loaded = QCoreApplication::installTranslator(translator);
                break;
            }
        }
        if (!loaded) {
            delete translator;
            missing << QLatin1String(name);
        }
    }
    return missing;
}
