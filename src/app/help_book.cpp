#include "app/help_book.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include "app/app_paths.h"

namespace lmk17 {

namespace {

constexpr char kContentsFile[] = "index.html";
constexpr char kIndexFile[] = "keywords.html";
constexpr char kContextsFile[] = "contexts.txt";
constexpr char kFallbackName[] = "lmk17en";

}  // namespace

// The few named entities our pages use; numeric ones are decoded generally.
QString DecodeHelpEntities(const QString& text) {
    static const QRegularExpression entity(QStringLiteral("&(#x?[0-9a-fA-F]+|[a-zA-Z]+);"));
    static const QMap<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("minus"), QStringLiteral("\u2212")},
        {QStringLiteral("hellip"), QStringLiteral("\u2026")},
        {QStringLiteral("deg"), QStringLiteral("\u00b0")},
        {QStringLiteral("mu"), QStringLiteral("\u00b5")},
    };
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x")) ? name.mid(2).toUInt(&ok, 16)
                                                                   : name.mid(1).toUInt(&ok, 10);
            out +=
                ok ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1) : m.captured();
        } else {
            out += named.value(name, m.captured());
        }
        last = m.capturedEnd();
    }
    return out + text.mid(last);
}

namespace {

QString pageUrl(const QString& folder, const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? target : target.left(hash);
    QUrl url = QUrl::fromLocalFile(QDir(folder).filePath(file));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    return url.toString();
}

bool pageExists(const QString& folder, const QString& target) {
    const QString file = target.section(QLatin1Char('#'), 0, 0);
    return !folder.isEmpty() && !file.isEmpty() && QFileInfo(QDir(folder).filePath(file)).isFile();
}

// The first of the folders that holds a manual of this name.
QString findManual(const QString& name, const QStringList& folders) {
    for (const QString& base : folders) {
        const QString candidate = QDir(base).filePath(name);
        if (QFileInfo(QDir(candidate).filePath(QLatin1String(kContentsFile))).isFile())
            return QDir(candidate).absolutePath();
    }
    return {};
}

QMap<int, QString> readContexts(const QString& folder) {
    QFile contexts(QDir(folder).filePath(QLatin1String(kContextsFile)));
    if (folder.isEmpty() || !contexts.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return ParseHelpContexts(QString::fromUtf8(contexts.readAll()));
}

}  // namespace

QString HelpBook::helpFileName() {
    return QCoreApplication::translate("Help", "lmk17en.hlp");
}

QStringList HelpBook::searchFolders() {
    return ProgramDataFolders(QCoreApplication::applicationDirPath());
}

QString HelpBook::fallbackName() {
    return QLatin1String(kFallbackName);
}

QString HelpBook::locate() {
    HelpBook book;
    return book.open(helpFileName(), searchFolders()) ? book.folder() : book.error();
}

bool HelpBook::open(const QString& helpFileName, const QStringList& folders) {
    const QString name = QFileInfo(helpFileName).completeBaseName();
    error_.clear();
    fallbackFolder_ = findManual(fallbackName(), folders);
    folder_ = name.isEmpty() ? QString() : findManual(name, folders);
    if (folder_.isEmpty()) folder_ = fallbackFolder_;
    contexts_ = readContexts(folder_);
    fallbackContexts_ =
        fallbackFolder_ == folder_ ? QMap<int, QString>() : readContexts(fallbackFolder_);
    if (!folder_.isEmpty()) return true;
    error_ = folders.isEmpty() ? name : QDir(folders.first()).filePath(name);
    return false;
}

QString HelpBook::contentsPage() const {
    return pageUrl(folder_, QLatin1String(kContentsFile));
}

QString HelpBook::indexPage() const {
    return resolve(pageUrl(folder_, QLatin1String(kIndexFile)));
}

QString HelpBook::contextPage(int context) const {
    const QString own = contexts_.value(context);
    if (pageExists(folder_, own)) return pageUrl(folder_, own);
    const QString english = fallbackContexts_.value(context);
    if (pageExists(fallbackFolder_, english)) return pageUrl(fallbackFolder_, english);
    // A context the language names on a page it lacks: that page in English.
    if (!own.isEmpty() && pageExists(fallbackFolder_, own)) return pageUrl(fallbackFolder_, own);
    return contentsPage();
}

namespace {

// The links of a page, each target made absolute against the folder given
// (a relative link of the contents stays in the language's folder, where
// resolve() finds what it lacks).
QList<HelpLink> pageLinks(const QString& pageUrl, const QString& folder) {
    QFile page(QUrl(pageUrl).toLocalFile());
    if (!page.open(QIODevice::ReadOnly)) return {};
    QList<HelpLink> links = ParseHelpLinks(QString::fromUtf8(page.readAll()));
    for (HelpLink& link : links) {
        const qsizetype hash = link.target.indexOf(QLatin1Char('#'));
        QUrl url = QUrl::fromLocalFile(
            QDir(folder).filePath(hash < 0 ? link.target : link.target.left(hash)));
        if (hash >= 0) url.setFragment(link.target.mid(hash + 1));
        link.target = url.toString();
    }
    return links;
}

}  // namespace

QList<HelpLink> HelpBook::contentsLinks() const {
    return pageLinks(contentsPage(), folder_);
}

QList<HelpLink> HelpBook::keywordLinks() const {
    const QString index = indexPage();
    return pageLinks(index, QFileInfo(QUrl(index).toLocalFile()).path());
}

QString HelpBook::resolve(const QString& url) const {
    const QUrl u(url);
    if (!u.isLocalFile() || fallbackFolder_.isEmpty() || folder_ == fallbackFolder_) return url;
    const QString file = QDir::cleanPath(u.toLocalFile());
    const QString relative = QDir(folder_).relativeFilePath(file);
    if (relative.startsWith(QLatin1String("..")) || QFileInfo(file).isFile()) return url;
    if (!QFileInfo(QDir(fallbackFolder_).filePath(relative)).isFile()) return url;
    QUrl english = QUrl::fromLocalFile(QDir(fallbackFolder_).filePath(relative));
    english.setFragment(u.fragment());
    return english.toString();
}

QMap<int, QString> ParseHelpContexts(const QString& text) {
    QMap<int, QString> contexts;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool ok = false;
        const int number = parts.first().toInt(&ok);
        if (ok && parts.size() == 2) contexts.insert(number, parts[1]);
    }
    return contexts;
}

QList<HelpLink> ParseHelpLinks(const QString& html) {
    static const QRegularExpression token(
        QStringLiteral("<(/?)ul\\b[^>]*>|<a\\s+href=\"([^\"]*)\"[^>]*>(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QList<HelpLink> links;
    int depth = -1;  // the first list is the top level
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedLength(2) == 0 && m.captured(0).startsWith(QLatin1Char('<')) &&
            !m.captured(0).startsWith(QLatin1String("<a"), Qt::CaseInsensitive)) {
            depth += m.captured(1).isEmpty() ? 1 : -1;
            continue;
        }
        // Links outside the lists (the pages' own navigation) are no entries.
        const QString text = DecodeHelpEntities(m.captured(3).remove(tag)).simplified();
        if (depth >= 0 && !text.isEmpty()) links.append({text, m.captured(2), depth});
    }
    return links;
}

}  // namespace lmk17
