#include "linearization/point_grid.h"

#include "linearization/lin_texts.h"

#include <algorithm>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {

constexpr double kCjcMinCelsius = -55.0;
constexpr double kCjcMaxCelsius = 155.0;

bool Refuse(UserInteraction& ui, GridCell* bad, int row, int column, const QString& text) {
    ui.message(MessageKind::Error, text);
    if (bad) *bad = {row, column};
    return false;
}

bool FormatError(UserInteraction& ui, GridCell* bad, int row, int column) {
    return Refuse(ui, bad, row, column,
                  LinTexts::tr("Incorrect format of the value in row n.%1 and column n.%2, "
                               "please correct.")
                      .arg(row)
                      .arg(column));
}

// Parses the non-empty rows; false after reporting the first bad cell.
template <typename Accept>
bool ParseRows(const std::vector<GridRow>& rows, UserInteraction& ui, GridCell* bad,
               Accept accept) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = int(i) + 1;
        if (rows[i].x.trimmed().isEmpty()) continue;
        const std::optional<double> x = ParseDecimal(rows[i].x);
        if (!x) return FormatError(ui, bad, row, 1);
        const std::optional<double> y = ParseDecimal(rows[i].y);
        if (!y) return FormatError(ui, bad, row, 2);
        if (!accept(row, *x, *y)) return false;
    }
    return true;
}

}  // namespace

bool ReadLinPointGrid(const std::vector<GridRow>& rows, int rangeIndex, bool edited, LinData& data,
                      UserInteraction& ui, GridCell* bad) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    const int code = range ? range->Code : 0;
    const double xStart = StandardXStart(code);
    const double xEnd = StandardXEnd(code);
    LinPointTable points;
    const bool ok = ParseRows(rows, ui, bad, [&](int row, double x, double y) {
        const double u = InputToInternal(rangeIndex, x);
        if (u < xStart || u > xEnd) return FormatError(ui, bad, row, 1);
        if (!points.Append(x, y)) return FormatError(ui, bad, row, 1);
        return true;
    });
    if (!ok) return false;
    points.Sort();
    data.LinPoints = points;
    if (!edited || points.count == 0) return true;

    LinPom& pom = data.pom;
    if (points.count > 4) {
        pom.XStart() = InputToInternal(rangeIndex, points[0].x);
        pom.XEnd() = InputToInternal(rangeIndex, points[points.count - 1].x);
    } else {
        pom.XStart() = xStart;
        pom.XEnd() = xEnd;
    }
    double lo = points[0].y, hi = points[0].y;
    for (int i = 1; i < points.count; ++i) {
        lo = std::min(lo, points[i].y);
        hi = std::max(hi, points[i].y);
    }
    pom.YStart() = lo - 0.01 * (hi - lo);
    pom.YEnd() = hi + 0.01 * (hi - lo);
    return true;
}

bool ReadCjcPointGrid(const std::vector<GridRow>& rows, LinData& data, UserInteraction& ui,
                      GridCell* bad, const std::vector<ShownCjcRow>* shown) {
    const bool celsius = data.pom.CjcXUnit != 1;
    const double lo = CjcCelsiusToOhm(kCjcMinCelsius);
    const double hi = CjcCelsiusToOhm(kCjcMaxCelsius);
    CjcPointTable points;
    const auto unchanged = [&](int row, int column) {
        if (!shown || size_t(row) > shown->size()) return false;
        const GridRow& was = (*shown)[size_t(row - 1)].text;
        const GridRow& now = rows[size_t(row - 1)];
        return column == 1 ? was.x.trimmed() == now.x.trimmed()
                           : was.y.trimmed() == now.y.trimmed();
    };
    const bool ok = ParseRows(rows, ui, bad, [&](int row, double x, double y) {
        double ohm = celsius ? CjcCelsiusToOhm(x) : x;
        double volts = y / 1000.0;
        if (unchanged(row, 1)) ohm = (*shown)[size_t(row - 1)].stored.x;
        if (unchanged(row, 2)) volts = (*shown)[size_t(row - 1)].stored.y;
        if (ohm < lo || ohm > hi) {
            // The ohm limits are not whole numbers; they are shown with two decimals.
            const QString text =
                celsius ? LinTexts::tr(
                              "Value in row n.%1 and column n.%2 is out of range < %3, "
                              "%4 > °C, please correct.")
                              .arg(row)
                              .arg(1)
                              .arg(int(kCjcMinCelsius))
                              .arg(int(kCjcMaxCelsius))
                        : LinTexts::tr(
                              "Value in row n.%1 and column n.%2 is out of range < %3, "
                              "%4 > Ohm, please correct.")
                              .arg(row)
                              .arg(1)
                              .arg(lo, 0, 'f', 2)
                              .arg(hi, 0, 'f', 2);
            return Refuse(ui, bad, row, 1, text);
        }
        if (!points.Append(ohm, volts)) return FormatError(ui, bad, row, 1);
        return true;
    });
    if (!ok) return false;
    points.Sort();
    data.CJCPoints = points;
    return true;
}

std::vector<GridRow> LinPointRows(const LinData& data) {
    std::vector<GridRow> rows;
    for (int i = 0; i < data.LinPoints.count; ++i)
        rows.push_back({FieldText(data.LinPoints[i].x), FieldText(data.LinPoints[i].y)});
    return rows;
}

std::vector<GridRow> CjcPointRows(const LinData& data) {
    std::vector<GridRow> rows;
    for (const ShownCjcRow& r : ShownCjcRows(data)) rows.push_back(r.text);
    return rows;
}

std::vector<ShownCjcRow> ShownCjcRows(const LinData& data) {
    std::vector<ShownCjcRow> rows;
    for (int i = 0; i < data.CJCPoints.count; ++i) {
        const XYPoint& p = data.CJCPoints[i];
        const double x = data.pom.CjcXUnit == 1 ? p.x : CjcOhmToCelsius(p.x);
        rows.push_back({{FieldText(x), FieldText(p.y * 1000.0)}, p});
    }
    return rows;
}

}  // namespace lmk17
