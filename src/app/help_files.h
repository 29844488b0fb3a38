#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace lmk17 {

// The help: an HTML folder named after the help file's name without its
// extension ("lmk17en" for "lmk17en.hlp"; a language module may name
// another), holding index.html (contents), keywords.html (keyword index)
// and contexts.txt (one "number page#anchor" per line).
struct HelpFiles {
    QString folder;    // empty when not found
    QString searched;  // the first place looked at, for the message
    QMap<int, QString> contexts;

    QString contentsPage() const;
    QString indexPage() const;
    // The page of a help context, the contents when the number is unknown.
    QString contextPage(int context) const;
};

// Looks for the help folder in the given folders in order (the program's
// folder first, then the program's data folders).
HelpFiles FindHelpFiles(const QString& helpFileName, const QStringList& folders);

// "1600 main.html#window" lines; blank lines and lines starting with '#' are skipped.
QMap<int, QString> ParseHelpContexts(const QString& text);

}  // namespace lmk17
