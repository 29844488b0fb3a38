// Alt and a letter reach every menu and every menu entry, in every language
// module: the main window's menu bar and the linearization editor's.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/language_modules.h"
#include "app/ui/main_form.h"
#include "linearization/ui/linear_form.h"
#include "main_window_rig.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {
namespace {

// The actions of one menu (or of the bar) that show a text: each needs a
// mnemonic, and no two may share one. A submenu is a menu of its own.
void CheckMnemonics(const QString& where, const QList<QAction*>& actions, QStringList& problems) {
    QMap<QKeySequence, QString> taken;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const QString shown = QString(a->text()).remove(QLatin1Char('&'));
        const QKeySequence key = QKeySequence::mnemonic(a->text());
        if (key.isEmpty())
            problems << where + QStringLiteral(": \"%1\" has no mnemonic").arg(shown);
        else if (taken.contains(key))
            problems << where + QStringLiteral(": \"%1\" and \"%2\" share %3")
                                    .arg(taken[key], shown, key.toString());
        else
            taken.insert(key, shown);
        if (a->menu())
            CheckMnemonics(where + QStringLiteral(" › ") + shown, a->menu()->actions(), problems);
    }
}

TEST(Menus, EveryMenuAndEntryHasAMnemonicOfItsOwnInEveryLanguage) {
    QStringList problems;
    for (int language = 0; language < kLanguageCount; ++language) {
        test::LanguageModule texts(language);
        ASSERT_TRUE(texts.loaded()) << kLanguages[language].extension;
        const QString name = QLatin1String(kLanguages[language].locale);
        test::Shell shell;
        CheckMnemonics(name + QStringLiteral(" main window"), shell.form->menuBar()->actions(),
                       problems);
        TLinearForm editor(shell.stack().linEditor(), shell.form.get());
        CheckMnemonics(name + QStringLiteral(" linearization editor"),
                       editor.findChild<QMenuBar*>()->actions(), problems);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace lmk17
