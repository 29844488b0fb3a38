#pragma once

#include <QString>
#include <QStringList>

#include <iterator>

class QCoreApplication;
class QTranslator;

namespace lmk17 {

// The languages the program knows, in their fixed order: the extension of
// the language module (a file named like the program file with it, holding
// Qt translations), the name shown in the language list and stored as LangID
// (the names keep their historic spelling), and the locale of Qt's own texts.
struct LanguageEntry {
    const char* extension;
    const char* name;
    const char* locale;
};

// notr: each language is listed by its own name, whatever the running language.
inline constexpr LanguageEntry kLanguages[] = {
    {".CSY", "Česky", "cs"},     {".DE", "Deutsch", "de"}, {".EN", "English", "en"},
    {".ESP", "Espanol", "es"},   {".FR", "France", "fr"},  {".PLK", "Po Polski", "pl"},
    {".SKY", "Slovensky", "sk"},
};
inline constexpr int kLanguageCount = int(std::size(kLanguages));
inline constexpr int kEnglish = 2;  // the built-in texts

// The folders searched for modules, in order: the program's folder, then the
// data folders of ProgramDataFolders() (app_paths.h).
QStringList LanguageModuleFolders();

// The module file of a language: the first "<programBaseName><extension>"
// found in the folders; empty when none exists.
QString FindLanguageModule(int language, const QString& programBaseName,
                           const QStringList& folders);

// The language list (Check_Language_Support): " " + name of every language
// whose module exists, in table order. " English" is always listed, module or
// not, so that the built-in texts can always be chosen again.
QStringList CheckLanguageSupport(const QString& programBaseName, const QStringList& folders);

// The language a stored LangID names: trimmed, compared exactly with the
// names in table order; -1 when it names none (empty included).
int LanguageOfId(const QString& langId);

// The language the user's locale asks for (a first start, no LangID stored):
// `localeNames` as LocaleNamesFromEnvironment() gives them; the first whose
// language code is one of ours wins ("de_DE.UTF-8" -> Deutsch, "en_GB" ->
// English); -1 when none is (unset, "C", a language we do not have).
int LanguageFromLocale(const QStringList& localeNames);
// LANGUAGE's priority list ("de:en"), then the locale of the messages (the
// first set of LC_ALL, LC_MESSAGES, LANG). As gettext does, LANGUAGE counts
// only when that locale is not "C" or "POSIX".
QStringList LocaleNamesFromEnvironment();

// What SwitchLanguage did at start.
struct LanguageSwitch {
    int running = kEnglish;  // the language whose texts are shown
    int listIndex = -1;      // the list item whose trimmed text equals LangID
};

// SwitchLanguage: loads the module of the language LangID names (with no
// LangID stored, the language of the user's locale) (with Qt's
// own texts for that language) into the application, before any window
// exists; a missing or unreadable module leaves the built-in texts. The
// translators live as children of the application.
LanguageSwitch SwitchLanguage(QCoreApplication& app, const QString& langId,
                              const QStringList& languageList, const QString& programBaseName,
                              const QStringList& folders);

// LanguageCmBoxChange: the user picked an item of the language list. LangID
// is written whenever the pick differs from the stored value (so that
// picking the running language again cancels an earlier pick), and the
// restart warning is shown only when it differs from the running language.
struct LanguagePick {
    QString langId;  // the value to store: the trimmed item text
    bool writeLangId = false;
    bool warnRestart = false;
};
LanguagePick PickLanguage(const QString& itemText, const QString& storedLangId, int running);

// "Change of language will be applied after application restart!"
QString RestartWarningText();

}  // namespace lmk17
