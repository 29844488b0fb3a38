#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace lmk17 {

// A link of a contents or index page: its text and its target, and how deep
// it sits in nested lists (0 = top level).
struct HelpLink {
    QString text;
    QString target;
    int depth = 0;
};

// The program's help: a folder of HTML pages named after the help file's name
// without its extension ("lmk17en" for "lmk17en.hlp"; the name is a
// translatable text, so a language module may bring a manual of its own).
// The folder holds index.html (contents), keywords.html (keyword index) and
// contexts.txt ("number page#anchor" per line). The English manual stands in
// for whatever a language's manual lacks: the whole folder, a page or a
// context.
class HelpBook {
public:
    // The help file's name as the running language gives it.
    static QString helpFileName();
    // The folders searched, in order: the program's folder, then the
    // data folders of ProgramDataFolders() (app_paths.h).
    static QStringList searchFolders();
    // The folder name of the English manual, the one every language falls
    // back to.
    static QString fallbackName();
    // The folder the help opens in the running language, or the place looked
    // at first when there is none.
    static QString locate();

    // Looks for the folder of helpFileName in the folders in order, and for
    // the English manual beside it, and reads their contexts. Without the
    // language's folder the English one is opened. False when neither is
    // found; error() then names the place looked at first.
    bool open(const QString& helpFileName, const QStringList& folders);

    // The language's folder (the English one when the language has none).
    QString folder() const { return folder_; }
    // The English manual's folder; empty when it was not found.
    QString fallbackFolder() const { return fallbackFolder_; }
    QString error() const { return error_; }

    // Absolute URLs (file path with an optional #anchor) of the pages.
    QString contentsPage() const;
    QString indexPage() const;
    // The topic of a context number: the language's page, else the English
    // one, else the contents.
    QString contextPage(int context) const;
    bool hasContext(int context) const {
        return contexts_.contains(context) || fallbackContexts_.contains(context);
    }
    // The language's own contexts.
    const QMap<int, QString>& contexts() const { return contexts_; }

    // The entries of the contents page and of the keyword index (the
    // language's own keywords, or the English ones when it has none), each
    // target an absolute URL; empty when the page cannot be read.
    QList<HelpLink> contentsLinks() const;
    QList<HelpLink> keywordLinks() const;

    // A page of the language's folder that does not exist becomes the same
    // page of the English manual (anchor kept); any other URL is returned as
    // it is.
    QString resolve(const QString& url) const;

private:
    QString folder_;
    QString fallbackFolder_;
    QString error_;
    QMap<int, QString> contexts_;
    QMap<int, QString> fallbackContexts_;
};

// "1600 main_window.html#main" lines; blank lines and '#' comments skipped,
// malformed lines ignored.
QMap<int, QString> ParseHelpContexts(const QString& text);

// The text of an HTML fragment with its character entities decoded (the
// named ones our pages use, and numeric ones).
QString DecodeHelpEntities(const QString& text);

// The links in the (nested) lists of one of our own help pages, in page order.
QList<HelpLink> ParseHelpLinks(const QString& html);

}  // namespace lmk17
