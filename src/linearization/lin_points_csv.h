#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "linearization/point_grid.h"

namespace lmk17 {

// A table of linearization points as a spreadsheet or a script writes it:
// one point a line, X and Y separated by ';', a tab or blanks, or by the one
// comma of a line that has no other separator. Blank lines, lines starting
// with '#' and a header line (a first line whose X is no number) become empty
// rows, so that a row number is the line number.
struct PointsCsv {
    std::vector<GridRow> rows;
    QString error;  // empty when read; else what is wrong, naming the line
};

// No table of at most 64 points comes near this size, comments and all.
inline constexpr qint64 kMaxPointsCsvSize = 256 * 1024;

PointsCsv ParsePointsCsv(const QByteArray& bytes);
// Reads the file with the size bound; the error names the file.
PointsCsv ReadPointsCsv(const QString& path);

// A characteristic: X strictly rising or strictly falling from point to
// point. The 1-based row of the first point that repeats the X before it or
// turns back, if any. Rows whose X is no number are left to the grid reader.
std::optional<int> FirstNonMonotonicRow(const std::vector<GridRow>& rows);

}  // namespace lmk17
