#include "linearization/lin_points_csv.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "linearization/lin_pom.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {

std::optional<GridRow> SplitCsvLine(const QString& line) {
    static const QRegularExpression separators(QStringLiteral("[;\\t ]+"));
    QStringList fields = line.split(separators, Qt::SkipEmptyParts);
    if (fields.size() < 2) fields = line.split(QLatin1Char(','));
    if (fields.size() != 2) return std::nullopt;
    return GridRow{fields[0], fields[1]};
}

}  // namespace

PointsCsv ParsePointsCsv(const QByteArray& bytes) {
    PointsCsv result;
    int points = 0;
    bool first = true;
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        const bool skip = line.isEmpty() || line.startsWith(QLatin1Char('#'));
        std::optional<GridRow> row = skip ? std::nullopt : SplitCsvLine(line);
        const bool header = first && !skip && (!row || !ParseDecimal(row->x));
        if (!skip) first = false;
        if (skip || header) {
            result.rows.push_back({});
            continue;
        }
        if (!row) {
            result.error =
                QStringLiteral(
                    "line %1: expected two columns, X and Y")  // notr: the command line speaks
                                                               // English
                    .arg(result.rows.size() + 1);
            return result;
        }
        if (++points > LinPointTable::kCapacity) {
            result.error =
                QStringLiteral(
                    "line %1: more than %2 points")  // notr: the command line speaks English
                    .arg(result.rows.size() + 1)
                    .arg(LinPointTable::kCapacity);
            return result;
        }
        result.rows.push_back(*row);
    }
    return result;
}

PointsCsv ReadPointsCsv(const QString& path) {
    PointsCsv result;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("%1: is a folder").arg(path);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        // The command line speaks English.
        const QString reason = file.errorString();
        result.error = QStringLiteral("cannot open %1: %2").arg(path, reason);  // notr
        return result;
    }
    // Bounded: a huge file or an endless device is refused, not read whole.
    const QByteArray bytes = file.read(kMaxPointsCsvSize + 1);
    if (bytes.size() > kMaxPointsCsvSize) {
        result.error =
            QStringLiteral(
                "%1: larger than %2 kB; no table of %3 points is")  // notr: the command line speaks
                                                                    // English
                .arg(path)
                .arg(kMaxPointsCsvSize / 1024)
                .arg(LinPointTable::kCapacity);
        return result;
    }
    result = ParsePointsCsv(bytes);
    if (!result.error.isEmpty()) result.error = path + QStringLiteral(":") + result.error;
    return result;
}

std::optional<int> FirstNonMonotonicRow(const std::vector<GridRow>& rows) {
    std::optional<double> previous;
    int direction = 0;  // +1 rising, -1 falling, 0 not known yet
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].x.trimmed().isEmpty() && rows[i].y.trimmed().isEmpty()) continue;
        const std::optional<double> x = ParseDecimal(rows[i].x);
        if (!x) continue;
        if (previous) {
            const int step = *x > *previous ? 1 : *x < *previous ? -1 : 0;
            if (step == 0 || (direction != 0 && step != direction)) return int(i) + 1;
            direction = step;
        }
        previous = x;
    }
    return std::nullopt;
}

}  // namespace lmk17
