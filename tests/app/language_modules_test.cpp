#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include "app/language_modules.h"

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
    } cases[] = {
        {" Deutsch", "", english, true, true},          // the first pick
        {" English", "Deutsch", english, true, false},  // taking an earlier pick back
        {" Deutsch", "Deutsch", english, false, true},  // the same pick again
        {" English", "", english, true, false},         // the built-in texts, now named
        {" Deutsch", "Deutsch", german, false, false},  // the running language
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const LanguagePick pick =
            PickLanguage(QString::fromUtf8(c.item), QString::fromUtf8(c.stored), c.running);
        EXPECT_EQ(pick.langId, QString::fromUtf8(c.item).trimmed());
        EXPECT_EQ(pick.writeLangId, c.write);
        EXPECT_EQ(pick.warnRestart, c.warn);
    }
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
