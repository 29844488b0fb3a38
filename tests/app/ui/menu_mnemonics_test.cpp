// Alt and a letter reach every menu and every menu entry, in every language
// module: the main window's menu bar, the linearization editor's, and the
// popup menus of the plots; no control of those windows takes a menu's letter.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/language_modules.h"
#include "app/ui/main_form.h"
#include "linearization/ui/linear_form.h"
#include "main_window_rig.h"
#include "monitoring/ui/mon_graph_form.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {
namespace {

// The actions of one menu (or of the bar) that show a text: each needs a
// mnemonic, and no two may share one. A submenu is a menu of its own.
// The readouts of a popup (" X= 12.5  °C", empty until it opens) are no
// entries.
void CheckMnemonics(const QString& where, const QList<QAction*>& actions, QStringList& problems) {
    QMap<QKeySequence, QString> taken;
    for (QAction* a : actions) {
        const QString text = a->text().trimmed();
        if (a->isSeparator() || text.isEmpty() || text.startsWith(QLatin1String("X=")) ||
            text.startsWith(QLatin1String("Y=")))
            continue;
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

// A control of the window with a menu title's letter makes Alt and that
// letter ambiguous: it no longer surely opens the menu.
void CheckControlsBesideTheBar(const QString& where, QWidget* window, QStringList& problems) {
    QMap<QKeySequence, QString> titles;
    for (QAction* a : window->findChild<QMenuBar*>()->actions())
        titles.insert(QKeySequence::mnemonic(a->text()), QString(a->text()).remove('&'));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue;  // a dialog has letters of its own
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            text = label->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && titles.contains(key))
            problems << where + QStringLiteral(": \"%1\" shares %2 with the menu \"%3\"")
                                    .arg(QString(text).remove('&').trimmed(), key.toString(),
                                         titles[key]);
    }
}

// The popup menu a right click on `plot` opens (modally), checked while it
// shows and then closed; the number of its actions.
int CheckPopup(const QString& where, PlotView* plot, QStringList& problems) {
    int count = -1;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            count = int(popup->actions().size());
            CheckMnemonics(where, popup->actions(), problems);
            popup->close();
        }
    });
    closer.start(10);
    emit plot->rightReleased(plot->mapToGlobal(QPoint(5, 5)), QPointF(1, 2));
    return count;
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
        CheckControlsBesideTheBar(name + QStringLiteral(" main window"), shell.form.get(),
                                  problems);
        TLinearForm editor(shell.stack().linEditor(), shell.form.get());
        CheckMnemonics(name + QStringLiteral(" linearization editor"),
                       editor.findChild<QMenuBar*>()->actions(), problems);
        CheckControlsBesideTheBar(name + QStringLiteral(" linearization editor"), &editor,
                                  problems);
        // Two readouts, a separator, two entries.
        EXPECT_EQ(CheckPopup(name + QStringLiteral(" linearization plot popup"),
                             editor.findChild<PlotView*>(QStringLiteral("LinPlot")), problems),
                  5);
        TMonGraphForm graph(shell.stack().monitoring(), shell.form->interaction());
        CheckMnemonics(name + QStringLiteral(" monitoring graph popup"), graph.PopupMenu->actions(),
                       problems);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace lmk17
