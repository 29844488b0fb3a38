#include "app/language_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "app/app_paths.h"

namespace lmk17 {

QStringList LanguageModuleFolders() {
    return ProgramDataFolders(QCoreApplication::applicationDirPath());
}

QString FindLanguageModule(int language, const QString& programBaseName,
                           const QStringList& folders) {
    if (language < 0 || language >= kLanguageCount) return {};
    const QString file = programBaseName + QLatin1String(kLanguages[language].extension);
    for (const QString& folder : folders) {
        const QFileInfo info(QDir(folder).filePath(file));
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

QStringList CheckLanguageSupport(const QString& programBaseName, const QStringList& folders) {
    QStringList items;
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i == kEnglish || !FindLanguageModule(i, programBaseName, folders).isEmpty())
            items << QLatin1Char(' ') + QString::fromUtf8(kLanguages[i].name);
    }
    return items;
}

int LanguageOfId(const QString& langId) {
    const QString id = langId.trimmed();
    if (id.isEmpty()) return -1;
    for (int i = 0; i < kLanguageCount; ++i)
        if (id == QString::fromUtf8(kLanguages[i].langId)) return i;
    for (int i = 0; i < kLanguageCount; ++i)
        if (id == QString::fromUtf8(kLanguages[i].name)) return i;
    return -1;
}

int LanguageFromLocale(const QStringList& localeNames) {
    for (const QString& name : localeNames) {
        // language[_territory][.codeset][@modifier]
        const QString code = name.section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .trimmed()
                                 .toLower();
        for (int i = 0; i < kLanguageCount; ++i)
            if (!code.isEmpty() && code == QLatin1String(kLanguages[i].locale)) return i;
    }
    return -1;
}

QStringList LocaleNamesFromEnvironment() {
    QString messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(variable);
        if (!messages.isEmpty()) break;
    }
    if (messages.isEmpty() || messages == QLatin1String("C") ||
        messages.startsWith(QLatin1String("C.")) || messages == QLatin1String("POSIX"))
        return {};
    QStringList names =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    names << messages;
    return names;
}

LanguageSwitch SwitchLanguage(QCoreApplication& app, const QString& langId,
                              const QStringList& languageList, const QString& programBaseName,
                              const QStringList& folders) {
    LanguageSwitch result;
    const bool fromLocale = langId.trimmed().isEmpty();
    const int language =
        fromLocale ? LanguageFromLocale(LocaleNamesFromEnvironment()) : LanguageOfId(langId);
    if (language >= 0 && language != kEnglish) {
        auto* module = new QTranslator(&app);
        const QString file = FindLanguageModule(language, programBaseName, folders);
        if (!file.isEmpty() && module->load(file)) {
            app.installTranslator(module);
            result.running = language;
            // Qt's own texts (the Yes and No of the message boxes, the file
            // and print dialogs) in the same language.
            auto* qtTexts = new QTranslator(&app);
            if (qtTexts->load(QLatin1String("qt_") + QLatin1String(kLanguages[language].locale),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                app.installTranslator(qtTexts);
            else
                delete qtTexts;
        } else {
            delete module;
        }
    }
    // The list shows the running language when the locale chose it, else
    // the language LangID names, under either of its names.
    const int shown = fromLocale ? result.running : LanguageOfId(langId);
    for (int i = 0; shown >= 0 && i < languageList.size(); ++i) {
        if (LanguageOfId(languageList[i]) == shown) {
            result.listIndex = i;
            break;
        }
    }
    return result;
}

LanguagePick PickLanguage(const QString& itemText, const QString& storedLangId, int running) {
    LanguagePick pick;
    const int language = LanguageOfId(itemText);
    pick.langId =
        language >= 0 ? QString::fromUtf8(kLanguages[language].langId) : itemText.trimmed();
    pick.writeLangId = pick.langId != storedLangId.trimmed();
    pick.warnRestart = LanguageOfId(pick.langId) != running;
    return pick;
}

QString RestartWarningText() {
    return QCoreApplication::translate(
        "Language", "Change of language will be applied after application restart!");
}

}  // namespace lmk17
