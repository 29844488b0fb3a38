#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
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

// The German module's manual: its own pages and keywords; a page it lacks,
// whether reached by a link, a context or the history, opens in English.
TEST(HelpViewer, ALanguagesManualFallsBackToEnglishPages) {
    HelpViewer german(QStringLiteral("lmk17de.hlp"), {kProgramDir});
    auto* page = german.findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
    german.showContext(help::Comparators);
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17de/input_page.html")));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Grenzwertkomparatoren")));
    german.showIndex();
    auto* keywords = german.findChild<QListWidget*>(QStringLiteral("HelpKeywords"));
    QStringList words;
    for (int i = 0; i < keywords->count(); ++i) words << keywords->item(i)->text();
    EXPECT_TRUE(words.contains(QStringLiteral("Vergleichsstellentemperatur")));
    EXPECT_FALSE(words.contains(QStringLiteral("Cold junction temperature")));

    // A manual of one page beside the English one.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lmk17sk")));
    ASSERT_TRUE(QFile::link(QDir(kProgramDir).filePath(QStringLiteral("lmk17en")),
                            QDir(dir.path()).filePath(QStringLiteral("lmk17en"))));
    QFile index(QDir(dir.path()).filePath(QStringLiteral("lmk17sk/index.html")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        "<html><body><ul><li><a href=\"tools_page.html#cj\">CJ</a></li></ul></body></html>");
    index.close();
    HelpViewer slovak(QStringLiteral("lmk17sk.hlp"), {dir.path()});
    page = slovak.findChild<QTextBrowser*>(QStringLiteral("HelpPage"));
    slovak.showContents();
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17sk/index.html")));
    page->setSource(QUrl(QStringLiteral("tools_page.html#cj")));  // as a click on the link
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17en/tools_page.html")));
    EXPECT_EQ(page->source().fragment(), QStringLiteral("cj"));
    slovak.showContext(help::MainWindow);
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17en/main_window.html")));
    page->backward();
    EXPECT_TRUE(page->source().toLocalFile().endsWith(QLatin1String("lmk17en/tools_page.html")));
    slovak.showIndex();  // no keywords of its own: the English ones
    EXPECT_GT(slovak.findChild<QListWidget*>(QStringLiteral("HelpKeywords"))->count(), 20);
}
