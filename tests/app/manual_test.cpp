// The manual in every language against the English one and against the
// language module it belongs to: the same pages, anchors and help contexts,
// program texts quoted as that language's module shows them, no broken link
// or image, and pages that pass tidy.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "app/help_book.h"

using namespace lmk17;

namespace {

const QString kManualDir = QStringLiteral(LMK17_SOURCE_DIR "/doc/manual");
const QString kTranslationsDir = QStringLiteral(LMK17_SOURCE_DIR "/translations");
const QStringList kLanguages{QStringLiteral("cs"), QStringLiteral("de"), QStringLiteral("es"),
                             QStringLiteral("fr"), QStringLiteral("pl"), QStringLiteral("sk")};

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString folderOf(const QString& lang) {
    return QDir(kManualDir).filePath(QStringLiteral("lmk17") + lang);
}

// A text as a window shows it: accelerator marks gone, blanks collapsed.
QString shown(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text.simplified();
}

// The texts one language module can show: exact ones, and patterns for texts
// with arguments (%1 stands for any value, "…" in the manual included).
struct ProgramTexts {
    QSet<QString> exact;
    QList<QRegularExpression> patterns;
    QMap<QString, QString> byContext;  // "context|source" -> translation

    void add(const QString& text) {
        const QString s = shown(text);
        if (s.isEmpty()) return;
        // Qt's %1 and the printf conversions the older texts use (%s, %.2g).
        static const QRegularExpression argument(
            QStringLiteral("%(?:L?\\d|[-+ #0]*\\d*(?:\\.\\d+)?[sdgfiuxXc])"));
        if (!s.contains(argument)) {
            exact.insert(s);
            return;
        }
        QStringList literal = s.split(argument);
        for (QString& part : literal) part.replace(QLatin1String("%%"), QLatin1String("%"));
        if (literal.join(QString()).trimmed().size() < 6) return;  // "%1 %2" says nothing
        QStringList escaped;
        for (const QString& part : literal) escaped << QRegularExpression::escape(part);
        patterns.append(QRegularExpression(QLatin1Char('^') + escaped.join(QStringLiteral(".+")) +
                                           QLatin1Char('$')));
    }
    bool contains(const QString& quoted) const {
        const QString s = shown(quoted);
        if (exact.contains(s)) return true;
        for (const QRegularExpression& p : patterns)
            if (p.match(s).hasMatch()) return true;
        return false;
    }
};

// The sources (English) and the translations of one .ts file.
void ReadTs(const QString& path, ProgramTexts* sources, ProgramTexts* translations) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&f);
    QString context, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (sources) sources->add(source);
        } else if (xml.name() == QLatin1String("translation") ||
                   xml.name() == QLatin1String("numerusform")) {
            const bool numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            if (numerus) continue;  // its numerusform children follow
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (translations) {
                translations->add(text);
                translations->byContext.insert(context + QLatin1Char('|') + source, text);
            }
        }
    }
}

const ProgramTexts& EnglishTexts() {
    static const ProgramTexts texts = [] {
        ProgramTexts t;
        for (const QString& lang : kLanguages)
            ReadTs(QDir(kTranslationsDir).filePath(QStringLiteral("lmk17_%1.ts").arg(lang)), &t,
                   nullptr);
        return t;
    }();
    return texts;
}

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QSet<QString> Anchors(const QString& html) {
    static const QRegularExpression anchor(QStringLiteral("\\b(?:name|id)=\"([^\"]+)\""));
    QSet<QString> names;
    for (auto it = anchor.globalMatch(html); it.hasNext();) names.insert(it.next().captured(1));
    return names;
}

QStringList Captures(const QString& html, const QString& pattern) {
    const QRegularExpression rx(pattern, QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (auto it = rx.globalMatch(html); it.hasNext();) found << it.next().captured(1);
    return found;
}

}  // namespace

// Failures name the language, not the bytes of the string.
void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

class Manual : public ::testing::TestWithParam<QString> {
protected:
    QString lang() const { return GetParam(); }
    QString folder() const { return folderOf(lang()); }
    QString english() const { return folderOf(QStringLiteral("en")); }
};

}  // namespace

// Each language module names its own manual, so that F1 opens it.
TEST_P(Manual, LanguageModuleNamesItsOwnManual) {
    if (lang() == QLatin1String("en")) GTEST_SKIP() << "English is the program's own language";
    ProgramTexts translated;
    ReadTs(QDir(kTranslationsDir).filePath(QStringLiteral("lmk17_%1.ts").arg(lang())), nullptr,
           &translated);
    EXPECT_EQ(translated.byContext.value(QStringLiteral("Help|lmk17en.hlp")),
              QStringLiteral("lmk17%1.hlp").arg(lang()));
}

// Every page and every anchor of the English manual is there, and every help
// context leads to the same page and anchor.
TEST_P(Manual, HasEveryPageAnchorAndContextOfTheEnglishManual) {
    ASSERT_TRUE(QFileInfo(folder()).isDir()) << folder().toStdString();
    EXPECT_EQ(Pages(folder()), Pages(english()));
    for (const QString& page : Pages(english())) {
        SCOPED_TRACE(page.toStdString());
        const QSet<QString> own = Anchors(readAll(QDir(folder()).filePath(page)));
        for (const QString& anchor : Anchors(readAll(QDir(english()).filePath(page))))
            EXPECT_TRUE(own.contains(anchor)) << "anchor " << anchor.toStdString();
    }
    const QMap<int, QString> contexts =
        ParseHelpContexts(readAll(QDir(folder()).filePath(QStringLiteral("contexts.txt"))));
    EXPECT_EQ(contexts,
              ParseHelpContexts(readAll(QDir(english()).filePath(QStringLiteral("contexts.txt")))));
}

// The keyword index is the language's own: mostly words of that language,
// every entry leading somewhere.
TEST_P(Manual, KeywordIndexIsTheLanguagesOwn) {
    const QList<HelpLink> own =
        ParseHelpLinks(readAll(QDir(folder()).filePath(QStringLiteral("keywords.html"))));
    const QList<HelpLink> en =
        ParseHelpLinks(readAll(QDir(english()).filePath(QStringLiteral("keywords.html"))));
    EXPECT_GT(own.size(), en.size() * 3 / 4);
    if (lang() == QLatin1String("en")) return;
    QSet<QString> englishWords;
    for (const HelpLink& link : en) englishWords.insert(link.text);
    int untranslated = 0;
    for (const HelpLink& link : own) untranslated += englishWords.contains(link.text) ? 1 : 0;
    EXPECT_LT(untranslated, own.size() / 3) << "keywords left in English";
}

// What a page quotes of the program in <span class="ui"> is a text the
// language module shows (or, where it has no translation, the English one).
TEST_P(Manual, QuotedProgramTextsAreTheModulesOwn) {
    ProgramTexts translated;
    if (lang() != QLatin1String("en"))
        ReadTs(QDir(kTranslationsDir).filePath(QStringLiteral("lmk17_%1.ts").arg(lang())), nullptr,
               &translated);
    int quotes = 0;
    for (const QString& page : Pages(folder())) {
        const QString html = readAll(QDir(folder()).filePath(page));
        for (const QString& raw :
             Captures(html, QStringLiteral("<span class=\"ui\">(.*?)</span>"))) {
            ++quotes;
            const QString text = DecodeHelpEntities(raw);
            EXPECT_FALSE(raw.contains(QLatin1Char('<')))
                << page.toStdString() << ": " << raw.toStdString();
            EXPECT_TRUE(translated.contains(text) || EnglishTexts().contains(text))
                << page.toStdString() << ": \"" << text.toStdString() << "\"";
        }
    }
    EXPECT_GT(quotes, 200);
}

// Every link inside the manual and every image leads to an existing file and
// anchor; every page is UTF-8 HTML with its language named.
TEST_P(Manual, LinksAndImagesResolveAndPagesAreWellFormed) {
    for (const QString& page : Pages(folder())) {
        SCOPED_TRACE(page.toStdString());
        const QString html = readAll(QDir(folder()).filePath(page));
        EXPECT_TRUE(html.startsWith(QLatin1String("<!DOCTYPE html>")));
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(lang())));
        EXPECT_TRUE(html.contains(QLatin1String("<meta charset=\"utf-8\">")));
        EXPECT_FALSE(html.contains(QLatin1String("<tt>")));
        for (const QString& href : Captures(html, QStringLiteral("<a [^>]*href=\"([^\"]*)\""))) {
            if (href.contains(QLatin1String(":"))) continue;  // mail and web addresses
            const QString file = href.section(QLatin1Char('#'), 0, 0);
            const QString anchor = href.section(QLatin1Char('#'), 1);
            const QString target =
                file.isEmpty() ? page : QDir::cleanPath(QDir(folder()).filePath(file));
            const QString text = readAll(QDir(folder()).filePath(target));
            EXPECT_FALSE(text.isEmpty()) << "link " << href.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(Anchors(text).contains(anchor)) << "link " << href.toStdString();
            }
        }
        for (const QString& img : Captures(html, QStringLiteral("(<img [^>]*>)"))) {
            EXPECT_TRUE(img.contains(QLatin1String(" alt=\""))) << img.toStdString();
            const QString src = Captures(img, QStringLiteral("src=\"([^\"]*)\"")).value(0);
            EXPECT_TRUE(QFileInfo(QDir(folder()).filePath(src)).isFile()) << src.toStdString();
            // Installed, the language folders stand side by side as here.
            EXPECT_FALSE(src.startsWith(QLatin1String("../../")));
        }
    }
}

// tidy finds nothing to warn about.
TEST_P(Manual, PagesPassTidy) {
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty()) GTEST_SKIP() << "tidy is not installed (scripts/install-deps.sh)";
    for (const QString& page : Pages(folder())) {
        QProcess p;
        p.start(tidy, {QStringLiteral("-e"), QStringLiteral("-q"), QDir(folder()).filePath(page)});
        ASSERT_TRUE(p.waitForFinished(20000)) << page.toStdString();
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput()),
                  QString())
            << page.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Manual,
                         ::testing::Values(QStringLiteral("en"), QStringLiteral("cs"),
                                           QStringLiteral("de"), QStringLiteral("es"),
                                           QStringLiteral("fr"), QStringLiteral("pl"),
                                           QStringLiteral("sk")),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });
