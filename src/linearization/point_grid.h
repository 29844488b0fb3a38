#pragma once

#include <QString>
#include <vector>

#include "common/user_interaction.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// One row of a point grid as the user typed it.
struct GridRow {
    QString x;
    QString y;
};

// Where a grid read stopped: the 1-based row and column of the offending cell.
struct GridCell {
    int row = 0;
    int column = 0;
};

// Reads the linearization point grid (StrGrd2PoleLnTb): rows with an empty X
// are skipped, an empty Y reads as 0, every X must lie within the standard
// table's X range of the range's input type. The accepted points replace
// LinPoints, sorted by X. When the grid was edited, the X limits follow the
// points (more than 4) or the standard table, and the PV limits the points'
// Y with a 1 % margin. On failure the message has been shown, `bad` names the
// cell and nothing has changed.
bool ReadLinPointGrid(const std::vector<GridRow>& rows, int rangeIndex, bool edited, LinData& data,
                      UserInteraction& ui, GridCell* bad = nullptr);

// One row of the CJ grid as it was shown: its texts and the stored point.
struct ShownCjcRow {
    GridRow text;
    XYPoint stored;  // ohm, volts
};

// Reads the CJ point grid (StrGrd2PoleKPoln): X in the editor's CJ unit
// (degrees Celsius converted to the sensor's ohms), Y in mV stored as volts;
// every X must lie within the sensor's resistances at -55 and 155 degrees.
// A cell whose trimmed text is still the one `shown` put there keeps its
// stored value: the two sensor cubics are not exact inverses, so converting
// a shown temperature back would move the point (-55 degrees shows as
// -55.000487 and would then be refused).
bool ReadCjcPointGrid(const std::vector<GridRow>& rows, LinData& data, UserInteraction& ui,
                      GridCell* bad = nullptr, const std::vector<ShownCjcRow>* shown = nullptr);

// The rows CjcPointRows shows, with the points behind them.
std::vector<ShownCjcRow> ShownCjcRows(const LinData& data);

// The grid rows showing a point table as the editor shows it (" %.*g", 8
// digits; CJ X in the editor's unit and Y in mV).
std::vector<GridRow> LinPointRows(const LinData& data);
std::vector<GridRow> CjcPointRows(const LinData& data);

}  // namespace lmk17
