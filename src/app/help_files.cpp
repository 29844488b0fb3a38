#include "app/help_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lmk17 {

QString HelpFiles::contentsPage() const {
    return QDir(folder).filePath(QStringLiteral("index.html"));
}

QString HelpFiles::indexPage() const {
    return QDir(folder).filePath(QStringLiteral("keywords.html"));
}

QString HelpFiles::contextPage(int context) const {
    const auto it = contexts.constFind(context);
    if (it == contexts.constEnd()) return contentsPage();
    return QDir(folder).filePath(*it);
}

QMap<int, QString> ParseHelpContexts(const QString& text) {
    QMap<int, QString> map;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space <= 0) continue;
        bool ok = false;
        const int number = line.left(space).toInt(&ok);
        const QString page = line.mid(space + 1).trimmed();
        if (ok && !page.isEmpty() && !map.contains(number)) map.insert(number, page);
    }
    return map;
}

HelpFiles FindHelpFiles(const QString& helpFileName, const QStringList& folders) {
    HelpFiles h;
    const QString name = QFileInfo(helpFileName.trimmed()).completeBaseName();
    for (const QString& f : folders) {
        const QString candidate = QDir(f).filePath(name);
        if (h.searched.isEmpty()) h.searched = candidate;
        if (!QFileInfo(QDir(candidate).filePath(QStringLiteral("index.html"))).isFile()) continue;
        h.folder = candidate;
        QFile contexts(QDir(candidate).filePath(QStringLiteral("contexts.txt")));
        if (contexts.open(QIODevice::ReadOnly))
            h.contexts = ParseHelpContexts(QString::fromUtf8(contexts.readAll()));
        break;
    }
    return h;
}

}  // namespace lmk17
