#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <vector>

#include "app/app_settings.h"
#include "app/language_modules.h"
#include "common/ini_file.h"

using namespace lmk17;

namespace {

const QString kProgramDir = QStringLiteral(LMK17_PROGRAM_DIR);

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

void removeTranslators() {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

}  // namespace

// Only the languages whose module exists are listed, in the fixed order,
// found beside the program or in a later folder; English always.
TEST(LanguageModules, ListShowsExistingModulesAndAlwaysEnglish) {
    QTemporaryDir first, second;
    EXPECT_EQ(CheckLanguageSupport(QStringLiteral("lmk17"), {first.path()}),
              QStringList{QStringLiteral(" English")});
    touch(first.path() + QStringLiteral("/lmk17.SKY"));
    touch(second.path() + QStringLiteral("/lmk17.DE"));
    touch(first.path() + QStringLiteral("/lmk17.de"));  // names are case-sensitive
    touch(first.path() + QStringLiteral("/other.CSY"));
    EXPECT_EQ(CheckLanguageSupport(QStringLiteral("lmk17"), {first.path(), second.path()}),
              (QStringList{QStringLiteral(" Deutsch"), QStringLiteral(" English"),
                           QStringLiteral(" Slovensky")}));
}

TEST(LanguageModules, LangIdAndPicks) {
    EXPECT_EQ(LanguageOfId(QStringLiteral(" Deutsch ")), 1);
    EXPECT_EQ(LanguageOfId(QStringLiteral("deutsch")), -1);
    EXPECT_EQ(LanguageOfId(QString()), -1);
    EXPECT_EQ(LanguageOfId(QStringLiteral("Česky")), 0);

    const int english = kEnglish, german = 1;
    struct Case {
        const char* item;
        const char* stored;
        int running;
        bool write, warn;
        const char* langId;  // nullptr: the trimmed item
    } cases[] = {
        {" Deutsch", "", english, true, true},          // the first pick
        {" English", "Deutsch", english, true, false},  // taking an earlier pick back
        {" Deutsch", "Deutsch", english, false, true},  // the same pick again
        {" English", "", english, true, false},         // the built-in texts, now named
        {" Deutsch", "Deutsch", german, false, false},  // the running language
        // The list names a language as its speakers do; LangID keeps the
        // name earlier versions stored.
        {" Español", "", english, true, true, "Espanol"},
        {" Français", "France", english, false, true, "France"},
        {" Polski", "Polski", english, true, true, "Po Polski"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const LanguagePick pick =
            PickLanguage(QString::fromUtf8(c.item), QString::fromUtf8(c.stored), c.running);
        EXPECT_EQ(pick.langId, QString::fromUtf8(c.langId ? c.langId : c.item).trimmed());
        EXPECT_EQ(pick.writeLangId, c.write);
        EXPECT_EQ(pick.warnRestart, c.warn);
    }
}

// A settings file keeps working whichever name of a language it stores:
// the names earlier versions wrote, the list's names, the settings file's
// legacy code page.
TEST(LanguageModules, OldAndNewStoredNamesChooseTheSameLanguage) {
    const QStringList list{QStringLiteral(" Česky"), QStringLiteral(" English"),
                           QStringLiteral(" Español"), QStringLiteral(" Français"),
                           QStringLiteral(" Polski")};
    const struct {
        const char* stored;
        int language;
        int listIndex;
    } cases[] = {
        {"Espanol", 3, 2},    {"Español", 3, 2},  {" France ", 4, 3}, {"Français", 4, 3},
        {"Po Polski", 5, 4},  {"Polski", 5, 4},   {"Česky", 0, 0},    {"English", 2, 1},
        {"Francais", -1, -1}, {"Deutsch", 1, -1},  // a module this list lacks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(LanguageOfId(QString::fromUtf8(c.stored)), c.language);
        QTemporaryDir none;  // no modules: only the list's mark is looked at
        const LanguageSwitch s =
            SwitchLanguage(*QCoreApplication::instance(), QString::fromUtf8(c.stored), list,
                           QStringLiteral("lmk17"), {none.path()});
        EXPECT_EQ(s.listIndex, c.listIndex);
    }
    // The file as an earlier version wrote it, in Windows-1250.
    const AppSettings fromLegacy =
        ReadAppSettings(IniFile::fromBytes(QByteArray("[Language]\r\nLangID=\xC8"
                                                      "esky\r\n")),
                        {"/", "/"});
    EXPECT_EQ(LanguageOfId(fromLegacy.langId), 0);
}

// Every module built beside the program loads at start and changes the texts;
// a LangID naming a missing module leaves the built-in texts.
TEST(LanguageModules, EachModuleLoadsAndChangesTexts) {
    const QString english = RestartWarningText();
    const QStringList list = CheckLanguageSupport(QStringLiteral("lmk17"), {kProgramDir});
    ASSERT_EQ(list.size(), kLanguageCount) << list.join(QLatin1Char('|')).toStdString();
    QStringList seen{english};
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i == kEnglish) continue;
        const QString name = QString::fromUtf8(kLanguages[i].name);
        SCOPED_TRACE(name.toStdString());
        const LanguageSwitch s = SwitchLanguage(*QCoreApplication::instance(), name, list,
                                                QStringLiteral("lmk17"), {kProgramDir});
        EXPECT_EQ(s.running, i);
        EXPECT_EQ(s.listIndex, list.indexOf(QLatin1Char(' ') + name));
        EXPECT_FALSE(seen.contains(RestartWarningText()));
        seen << RestartWarningText();
        removeTranslators();
    }
    QTemporaryDir empty;
    const LanguageSwitch s =
        SwitchLanguage(*QCoreApplication::instance(), QStringLiteral("France"),
                       {QStringLiteral(" English")}, QStringLiteral("lmk17"), {empty.path()});
    EXPECT_EQ(s.running, kEnglish);
    EXPECT_EQ(s.listIndex, -1);
    EXPECT_EQ(RestartWarningText(), english);
}

namespace {

// The environment of one case, put back afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment(const char* language, const char* lcAll, const char* lang) {
        for (const char* v : kVariables) saved_.push_back(qgetenv(v));
        set("LANGUAGE", language);
        set("LC_ALL", lcAll);
        set("LC_MESSAGES", nullptr);
        set("LANG", lang);
    }
    ~LocaleEnvironment() {
        for (size_t i = 0; i < std::size(kVariables); ++i) set(kVariables[i], saved_[i]);
    }

private:
    static constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    static void set(const char* name, const char* value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    static void set(const char* name, const QByteArray& value) {
        set(name, value.isNull() ? nullptr : value.constData());
    }
    std::vector<QByteArray> saved_;
};

// A first start (no LangID stored) speaks the language of the user's locale.
TEST(LanguageModules, FirstStartFollowsTheLocale) {
    const struct {
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* expected;  // nullptr: none of ours (the built-in English)
    } cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", "Deutsch"},
        {nullptr, nullptr, "cs_CZ.UTF-8", "Česky"},
        {nullptr, nullptr, "sk_SK", "Slovensky"},
        {nullptr, nullptr, "fr_CA.UTF-8@euro", "Français"},
        {nullptr, nullptr, "en_GB.UTF-8", "English"},
        {nullptr, nullptr, "it_IT.UTF-8", nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"pl:de", nullptr, "de_DE.UTF-8", "Polski"},         // LANGUAGE's list first
        {"it:es", nullptr, "de_DE.UTF-8", "Español"},        // its first language of ours
        {"pl", nullptr, "C.UTF-8", nullptr},                 // no LANGUAGE under "C"
        {nullptr, "es_ES.UTF-8", "de_DE.UTF-8", "Español"},  // LC_ALL before LANG
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language ? c.language : "-") + " " + (c.lang ? c.lang : "-"));
        const LocaleEnvironment environment(c.language, c.lcAll, c.lang);
        const int language = LanguageFromLocale(LocaleNamesFromEnvironment());
        EXPECT_EQ(language < 0 ? std::string("none") : std::string(kLanguages[language].name),
                  c.expected ? std::string(c.expected) : std::string("none"));
    }

    // No LangID: the module of the locale's language is loaded and shown in the list.
    const LocaleEnvironment german(nullptr, nullptr, "de_DE.UTF-8");
    const QStringList list = CheckLanguageSupport(QStringLiteral("lmk17"), {kProgramDir});
    const LanguageSwitch s = SwitchLanguage(*QCoreApplication::instance(), QString(), list,
                                            QStringLiteral("lmk17"), {kProgramDir});
    EXPECT_EQ(QString::fromUtf8(kLanguages[s.running].name), QStringLiteral("Deutsch"));
    EXPECT_EQ(s.listIndex, list.indexOf(QStringLiteral(" Deutsch")));
    removeTranslators();
}

}  // namespace
