#pragma once

#include <QString>
#include <vector>

#include "reports/page_composer.h"

namespace lmk17 {

class ConfigModel;

// One cell of a protocol row: its text, where it starts (percent of the
// reference width) and how it is set.
struct ReportCell {
    double x = 0.0;
    QString text;
    CellStyle style = CellStyle::Regular;
};

// Default cell positions of a protocol row, cells 0..6.
inline constexpr double kCellX[7] = {10, 12, 38, 46, 60, 78, 90};

struct ReportRow {
    std::vector<ReportCell> cells;  // labels are the bold cells
    double extraSpace = 0.0;        // added before the row's own advance, x unit
    bool rangeTable = false;        // the range table stands here (no cells)
    bool printed = true;            // false: a detail only the text listing shows
    bool compared = true;           // false: a counter or a file's own mark, not a setting
};

// The range table: header, units, start and end rows of the columns input,
// correction and output (column 0 holds the row names).
struct RangeTable {
    QString cells[4][4];
};

// Everything the configuration protocol and the command line's listing show of
// a configuration, row by row in their order, each row only when it applies
// to the configuration's type, firmware, range and connection.
struct ConfigurationReport {
    std::vector<ReportRow> rows;
    RangeTable table;
};
ConfigurationReport ConfigurationRows(const ConfigModel& model);

}  // namespace lmk17
