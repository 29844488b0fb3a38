#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/help_contexts.h"
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
