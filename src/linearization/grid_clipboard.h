#pragma once

#include <QString>
#include <vector>

#include "linearization/point_grid.h"

namespace lmk17 {

// Points as a spreadsheet copies them: one row a line, the two columns
// separated by a tab or a semicolon, either decimal mark. Surrounding blanks
// are dropped, blank lines skipped, and a first line whose cells are not
// numbers (a column heading) is left out. Columns beyond the second are
// ignored; a line of one column gives an empty Y.
std::vector<GridRow> ParsePastedRows(const QString& text);

// The rows with an X as the grid copies them: "X<tab>Y" lines, trimmed, the
// numbers as shown.
QString CopiedRowsText(const std::vector<GridRow>& rows);

}  // namespace lmk17
