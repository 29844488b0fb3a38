#pragma once

#include <QString>
#include <QStringList>

#include <iterator>

class QCoreApplication;
class QTranslator;

namespace lmk17 {

// The languages the program knows, in their fixed order: the extension of
// the language module (a file named like the program file with it, holding
// Qt translations), the name shown in the language list (as the language's
// speakers name it), the LangID the settings file keeps for it, and the
// locale of Qt's own texts.
//
// LangID keeps the names earlier versions wrote ("Espanol", "France",
// "Po Polski"): a settings file shared with them keeps working both ways,
// and stays in the single-byte code page (an "ñ" would turn the whole file
// into UTF-8, which older readers take for mojibake). A stored list name
// is understood too.
struct LanguageEntry {
    const char* extension;
    const char* name;
    const char* langId;
    const char* locale;
};

// notr: each language is listed by its own name, whatever the running language.
inline constexpr LanguageEntry kLanguages[] = {
    {".CSY", "Česky", "Česky", "cs"},         {".DE", "Deutsch", "Deutsch", "de"},
    {".EN", "English", "English", "en"},      {".ESP", "Español", "Espanol", "es"},
    {".FR", "Français", "France", "fr"},      {".PLK", "Polski", "Po Polski", "pl"},
    {".SKY", "Slovensky", "Slovensky", "sk"},
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

// The language a stored LangID or a list item names: trimmed, compared
// exactly with the LangIDs, then the list names, in table order; -1 when it
// names none (empty included).
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

// LanguageCmBoxChange: the user picked an item of the language list; the
// value stored is that language's LangID (an unknown item: its trimmed
// text). LangID is written whenever the pick differs from the stored value (so that
// picking the running language again cancels an earlier pick), and the
// restart warning is shown only when it differs from the running language.
struct LanguagePick {
    QString langId;  // the value to store
    bool writeLangId = false;
    bool warnRestart = false;
};
LanguagePick PickLanguage(const QString& itemText, const QString& storedLangId, int running);

// "Change of language will be applied after application restart!"
QString RestartWarningText();

}  // namespace lmk17
