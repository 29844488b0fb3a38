#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace lmk17 {

// The program's help: a folder of HTML pages named after the help file's name
// without its extension ("lmk17en" for "lmk17en.hlp"; the name is a
// translatable text, so a language module may bring a manual of its own).
// The folder holds index.html (contents), keywords.html (keyword index) and
// contexts.txt ("number page#anchor" per line).
class HelpBook {
public:
    // The help file's name as the running language gives it.
    static QString helpFileName();
    // The folders searched, in order: the program's folder, then the
    // program's data folders (QStandardPaths, AppDataLocation).
    static QStringList searchFolders();

    // Looks for the folder of helpFileName in the folders in order and reads
    // its contexts. False when no folder holds it; error() then names the
    // place looked at first.
    bool open(const QString& helpFileName, const QStringList& folders);

    QString folder() const { return m_folder; }
    QString error() const { return m_error; }

    // Absolute URLs (file path with an optional #anchor) of the pages.
    QString contentsPage() const;
    QString indexPage() const;
    // The topic of a context number; the contents when the number is unknown.
    QString contextPage(int context) const;
    bool hasContext(int context) const { return m_contexts.contains(context); }
    const QMap<int, QString>& contexts() const { return m_contexts; }

private:
    QString m_folder;
    QString m_error;
    QMap<int, QString> m_contexts;
};

// "1600 main_window.html#main" lines; blank lines and '#' comments skipped,
// malformed lines ignored.
QMap<int, QString> ParseHelpContexts(const QString& text);

// A link of a contents or index page: its text and its target, and how deep
// it sits in nested lists (0 = top level).
struct HelpLink {
    QString text;
    QString target;
    int depth = 0;
};
// The links in the (nested) lists of one of our own help pages, in page order.
QList<HelpLink> ParseHelpLinks(const QString& html);

}  // namespace lmk17
