#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    EXPECT_FALSE(book.open(QStringLiteral("lmk17de.hlp"), {dir.path()}));
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

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

}  // namespace

// What a language's manual lacks is shown from the English one: the whole
// folder, a page, a context, the keyword index. Never an error page.
TEST(HelpBook, ALanguageFallsBackToEnglishForWhatItLacks) {
    QTemporaryDir dir;
    const QString en = QDir(dir.path()).filePath(QStringLiteral("lmk17en"));
    const QString de = QDir(dir.path()).filePath(QStringLiteral("lmk17de"));
    for (const char* page : {"index.html", "keywords.html", "main.html", "tools.html"})
        writeFile(QDir(en).filePath(QLatin1String(page)), "<html></html>");
    writeFile(QDir(en).filePath(QStringLiteral("contexts.txt")),
              "1600 main.html#main\n1900 tools.html#pv\n2200 missing.html#x\n");
    writeFile(QDir(de).filePath(QStringLiteral("index.html")), "<html></html>");
    writeFile(QDir(de).filePath(QStringLiteral("main.html")), "<html></html>");
    writeFile(QDir(de).filePath(QStringLiteral("contexts.txt")),
              "1600 main.html#main\n1900 tools.html#pv\n");

    HelpBook book;
    ASSERT_TRUE(book.open(QStringLiteral("lmk17de.hlp"), {dir.path()}));
    EXPECT_EQ(book.folder(), QDir(de).absolutePath());
    EXPECT_EQ(book.fallbackFolder(), QDir(en).absolutePath());
    const auto url = [](const QString& folder, const char* page, const char* anchor = "") {
        QUrl u = QUrl::fromLocalFile(QDir(folder).filePath(QLatin1String(page)));
        if (*anchor) u.setFragment(QLatin1String(anchor));
        return u.toString();
    };
    struct Case {
        int context;
        QString expected;
    };
    const Case cases[] = {
        {1600, url(de, "main.html", "main")},  // the language's own page
        {1900, url(en, "tools.html", "pv")},   // its page is missing: English
        {2200, url(de, "index.html")},         // nowhere a page: the contents
        {3000, url(de, "index.html")},         // unknown anywhere: the contents
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        EXPECT_EQ(book.contextPage(c.context), c.expected);
    }
    EXPECT_TRUE(book.hasContext(2200));
    EXPECT_EQ(book.indexPage(), url(en, "keywords.html"));
    EXPECT_EQ(book.resolve(url(de, "tools.html", "cj")), url(en, "tools.html", "cj"));
    EXPECT_EQ(book.resolve(url(de, "main.html", "x")), url(de, "main.html", "x"));
    EXPECT_EQ(book.resolve(QStringLiteral("https://example.org/")),
              QStringLiteral("https://example.org/"));

    // The lists' targets: the contents' links within the language's folder
    // (resolve() finds a missing page in English), the English keywords'
    // links within the English folder.
    writeFile(QDir(de).filePath(QStringLiteral("index.html")),
              "<ul><li><a href=\"main.html#main\">Main</a></li></ul>");
    writeFile(QDir(en).filePath(QStringLiteral("keywords.html")),
              "<ul><li><a href=\"tools.html#pv\">PV</a></li></ul>");
    const QList<HelpLink> contents = book.contentsLinks();
    ASSERT_EQ(contents.size(), 1);
    EXPECT_EQ(contents[0].target, url(de, "main.html", "main"));
    const QList<HelpLink> keywords = book.keywordLinks();
    ASSERT_EQ(keywords.size(), 1);
    EXPECT_EQ(keywords[0].text, QStringLiteral("PV"));
    EXPECT_EQ(keywords[0].target, url(en, "tools.html", "pv"));

    // A language without any manual of its own opens the English one.
    ASSERT_TRUE(book.open(QStringLiteral("lmk17sk.hlp"), {dir.path()}));
    EXPECT_EQ(book.folder(), QDir(en).absolutePath());
    EXPECT_EQ(book.contextPage(1900), url(en, "tools.html", "pv"));
}
