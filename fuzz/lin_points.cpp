// Point tables come from spreadsheets and the clipboard: the CSV reader of
// lin fit and the grid's paste parser take any text without a crash, and the
// grid reader accepts or refuses what they give.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "common/silent_interaction.h"
#include "config/catalogue.h"
#include "linearization/grid_clipboard.h"
#include "linearization/lin_points_csv.h"
#include "linearization/lin_record.h"
#include "linearization/point_grid.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (qint64(size) > kMaxPointsCsvSize) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    SilentInteraction ui;
    const int index = FindRange(91);
    const PointsCsv csv = ParsePointsCsv(bytes);
    if (csv.error.isEmpty()) {
        (void)FirstNonMonotonicRow(csv.rows);
        LinData d;
        Default2LinPom(d, index, true);
        (void)ReadLinPointGrid(csv.rows, index, true, d, ui);
    }
    const std::vector<GridRow> pasted = ParsePastedRows(QString::fromUtf8(bytes));
    (void)CopiedRowsText(pasted);
    LinData d;
    Default2LinPom(d, index, true);
    (void)ReadLinPointGrid(pasted, index, true, d, ui);
    return 0;
}
