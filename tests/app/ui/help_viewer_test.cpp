#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include "app/help_contexts.h"
#include "app/language_modules.h"
#include "app/ui/help_viewer.h"

using namespace lmk17;

namespace {
const QString kProgramDir = QStringLiteral(LMK17_PROGRAM_DIR);
}

// F1, Ctrl+F1 and the numbered contexts open their pages; the index takes a
// keyword as it is typed.
TEST(HelpViewer, OpensContentsIndexAndContexts) {
    HelpViewer viewer(QStringLiteral("lmk17en.hlp"), {kProgramDir});
    auto* page = viewer.findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
    auto* tabs = viewer.findChild<QTabWidget*>();
    ASSERT_TRUE(page && tabs);

    viewer.showContents();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17en/index.html")));
    EXPECT_GT(viewer.findChild<QTreeWidget*>(QStringLiteral("HelpContents"))->topLevelItemCount(),
              10);

    viewer.showContext(help::Comparators);
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("/input_page.html")));
    EXPECT_EQ(page->source().fragment(), QStringLiteral("comparators"));
    EXPECT_TRUE(page->toPlainText().contains(QLatin1String("Limit comparators")));

    viewer.showIndex();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("keywords.html")));
    auto* keyword = viewer.findChild<QLineEdit*>(QStringLiteral("HelpKeyword"));
    auto* keywords = viewer.findChild<QListWidget*>(QStringLiteral("HelpKeywords"));
    EXPECT_TRUE(keyword->text().isEmpty());
    QTest::keyClicks(keyword, QStringLiteral("hyst"));
    ASSERT_TRUE(keywords->currentItem());
    EXPECT_EQ(keywords->currentItem()->text(), QStringLiteral("Hysteresis"));
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_EQ(page->source().fragment(), QStringLiteral("comparators"));
}

TEST(HelpViewer, MissingHelpNamesTheFolder) {
    HelpViewer viewer(QStringLiteral("lmk17xx.hlp"), {QStringLiteral("/nonexistent/place")});
    viewer.showContext(help::MainWindow);
    EXPECT_TRUE(viewer.findChild<QTextBrowser*>(QStringLiteral("HelpPage"))
                    ->toPlainText()
                    .contains(QLatin1String("/nonexistent/place/lmk17xx")));
}

// A language module loaded at start gives the windows made afterwards its texts.
TEST(HelpViewer, TakesTheTextsOfTheLanguageModule) {
    const LanguageSwitch s =
        SwitchLanguage(*QCoreApplication::instance(), QStringLiteral("Deutsch"),
                       {QStringLiteral(" Deutsch")}, QStringLiteral("lmk17"), {kProgramDir});
    EXPECT_EQ(s.running, 1);
    HelpViewer viewer(QStringLiteral("lmk17en.hlp"), {kProgramDir});
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("LMK-17 Hilfe"));
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_EQ(HelpViewer(QStringLiteral("lmk17en.hlp"), {kProgramDir}).windowTitle(),
              QStringLiteral("LMK-17 Help"));
}

// Opened from a modal dialog (options, linearization editor), the viewer is
// not blocked by it: it belongs to that dialog while it runs, and comes back
// to its owner, still open, when the dialog ends and is deleted.
TEST(HelpViewer, UsableBesideAModalDialog) {
    QWidget owner;
    auto* viewer = new HelpViewer(QStringLiteral("lmk17en.hlp"), {kProgramDir}, &owner);
    auto* dialog = new QDialog(&owner);
    bool joined = false;
    QTimer::singleShot(0, dialog, [&] {
        viewer->showContext(help::Comparators);
        joined = viewer->parentWidget() == dialog && viewer->isWindow() && viewer->isVisible();
        dialog->reject();
    });
    dialog->exec();
    delete dialog;
    EXPECT_TRUE(joined);
    EXPECT_EQ(viewer->parentWidget(), &owner);
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_TRUE(viewer->isVisible());
}
