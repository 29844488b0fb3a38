#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "app/help_book.h"
#include "app/help_contexts.h"

using namespace lmk17;

namespace {

const QString kProgramDir = QStringLiteral(LMK17_PROGRAM_DIR);

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The file and anchor a help URL points at exist.
::testing::AssertionResult resolves(const QString& url) {
    const QUrl u(url);
    const QString page = readAll(u.toLocalFile());
    if (page.isEmpty()) return ::testing::AssertionFailure() << "no page " << url.toStdString();
    if (u.hasFragment() && !page.contains(QStringLiteral("name=\"%1\"").arg(u.fragment())))
        return ::testing::AssertionFailure() << "no anchor " << url.toStdString();
    return ::testing::AssertionSuccess();
}

}  // namespace

// The manual built beside the program answers every help context a window
// can ask for, and every link of its contents and keyword index leads to an
// existing page and anchor.
TEST(HelpBook, EveryContextAndLinkOpensAnExistingTopic) {
    HelpBook book;
    ASSERT_TRUE(
        book.open(QStringLiteral("lmk17en.hlp"), {QStringLiteral("/nonexistent"), kProgramDir}))
        << book.error().toStdString();
    EXPECT_EQ(book.folder(), QDir(kProgramDir).filePath(QStringLiteral("lmk17en")));
    for (const int context : help::kAllContexts) {
        SCOPED_TRACE(context);
        EXPECT_TRUE(book.hasContext(context));
        EXPECT_TRUE(resolves(book.contextPage(context)));
    }
    EXPECT_EQ(book.contexts().size(), int(std::size(help::kAllContexts)));
    for (const char* page : {"index.html", "keywords.html"}) {
        const QList<HelpLink> links =
            ParseHelpLinks(readAll(QDir(book.folder()).filePath(QLatin1String(page))));
        EXPECT_GT(links.size(), 20) << page;
        for (const HelpLink& link : links) {
            const qsizetype hash = link.target.indexOf(QLatin1Char('#'));
            QUrl url = QUrl::fromLocalFile(QDir(book.folder()).filePath(link.target.left(hash)));
            if (hash >= 0) url.setFragment(link.target.mid(hash + 1));
            EXPECT_TRUE(resolves(url.toString())) << page << ": " << link.text.toStdString();
        }
    }
}

TEST(HelpBook, ContextsFileAndMissingFolder) {
    const QMap<int, QString> contexts = ParseHelpContexts(QStringLiteral(
        "# comment\n\n1600  main.html#main\n  900\tlin.html\nbad line here\nx y\n1700\n"));
    EXPECT_EQ(contexts, (QMap<int, QString>{{1600, QStringLiteral("main.html#main")},
                                            {900, QStringLiteral("lin.html")}}));

    QTemporaryDir dir;
    HelpBook book;
    EXPECT_FALSE(book.open(QStringLiteral("lmk17de.hlp"), {dir.path(), kProgramDir}));
    EXPECT_EQ(book.error(), QDir(dir.path()).filePath(QStringLiteral("lmk17de")));

    // A folder without contexts.txt still opens; unknown contexts show the contents.
    QDir(dir.path()).mkdir(QStringLiteral("lmk17de"));
    QFile index(QDir(dir.path()).filePath(QStringLiteral("lmk17de/index.html")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("<html></html>");
    index.close();
    ASSERT_TRUE(book.open(QStringLiteral("lmk17de.hlp"), {dir.path()}));
    EXPECT_EQ(book.contextPage(1600), book.contentsPage());
}

TEST(HelpBook, LinksKeepTheirNestingAndText) {
    const QList<HelpLink> links = ParseHelpLinks(
        QStringLiteral("<a href=\"index.html\">Contents</a><ul><li><a href=\"a.html\">Top &amp; "
                       "more</a>\n<ul><li><a href=\"a.html#x\">Inner "
                       "<b>bold</b> &ndash; &#176;C</a></li></ul></li>\n<li><a "
                       "href=\"b.html\">Next</a></li></ul>"));
    ASSERT_EQ(links.size(), 3);
    EXPECT_EQ(links[0].text, QStringLiteral("Top & more"));
    EXPECT_EQ(links[0].depth, 0);
    EXPECT_EQ(links[1].text, QStringLiteral("Inner bold \u2013 \u00b0C"));
    EXPECT_EQ(links[1].target, QStringLiteral("a.html#x"));
    EXPECT_EQ(links[1].depth, 1);
    EXPECT_EQ(links[2].depth, 0);
}
