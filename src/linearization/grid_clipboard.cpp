#include "linearization/grid_clipboard.h"

#include <QStringList>

#include "linearization/lin_text.h"

namespace lmk17 {

std::vector<GridRow> ParsePastedRows(const QString& text) {
    std::vector<GridRow> rows;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool first = true;
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        if (line.trimmed().isEmpty()) continue;
        // A tab separates cells whenever there is one: "1,5<tab>2,5" has decimal commas.
        const QChar sep = line.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(';');
        const QStringList cells = line.split(sep);
        GridRow row{cells.value(0).trimmed(), cells.value(1).trimmed()};
        const bool heading = !ParseDecimal(row.x) && !ParseDecimal(row.y);
        const bool wasFirst = first;
        first = false;
        if (wasFirst && heading) continue;
        rows.push_back(row);
    }
    return rows;
}

QString CopiedRowsText(const std::vector<GridRow>& rows) {
    QString text;
    for (const GridRow& r : rows) {
        if (r.x.trimmed().isEmpty() && r.y.trimmed().isEmpty()) continue;
        text += r.x.trimmed() + QLatin1Char('\t') + r.y.trimmed() + QLatin1Char('\n');
    }
    return text;
}

}  // namespace lmk17
