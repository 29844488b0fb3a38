#pragma once

#include <QtGlobal>
#include <array>

#include "config/standard_table.h"

namespace lmk17 {

// The linearization editor's working record. LinSegTable and CjcPoly have the
// layout of the configuration record: LinSegTable[k][0] is a limit (k = 0
// YEnd, 1 YStart, 2 XEnd, 3 XStart, all in internal units for X), and
// LinSegTable[k][s] (s = 1..8) the coefficient of u^k of segment s; CjcPoly
// holds the coefficient of X^0 first.
struct LinPom {
    quint8 DisplayConfig = 0;  // bits 0..1 decimal places, the rest the record's flags
    double DisplayFactor = 1.0;
    std::array<double, 4> CjcPoly{};
    std::array<std::array<double, 9>, 4> LinSegTable{};
    quint8 PvUnit = 0;
    double RtdA = 0.0;  // T1 in the one-point method at T1
    double RtdB = 0.0;
    double RtdC = 0.0;
    double RtdR0 = 0.0;    // RT1 in the one-point method at T1
    quint8 RtdMethod = 0;  // 0 constants, 1 one point R0, 2 one point (T1, RT1)
    quint8 HasCjc = 0;
    quint8 HasRtd = 0;
    quint8 CjcXUnit = 0;  // 0 degrees Celsius, 1 ohm

    double& YEnd() { return LinSegTable[0][0]; }
    double& YStart() { return LinSegTable[1][0]; }
    double& XEnd() { return LinSegTable[2][0]; }
    double& XStart() { return LinSegTable[3][0]; }
    double YEnd() const { return LinSegTable[0][0]; }
    double YStart() const { return LinSegTable[1][0]; }
    double XEnd() const { return LinSegTable[2][0]; }
    double XStart() const { return LinSegTable[3][0]; }

    // Decimal places of the display, 0..2 (the value 3 counts as 2).
    int DecimalPlaces() const;
    // Sets the decimal-place bits (keeping the others) and DisplayFactor.
    void SetDecimalPlaces(int places);

    // Whether the PV limits fit the transmitter's display with the chosen
    // decimal places (+-9999.5, +-999.95 or +-99.995).
    bool PvRangeFitsDisplay() const;

    // Segment s (1..8): coefficients c0..c3 of u^0..u^3.
    std::array<double, 4> Segment(int s) const;
    void SetSegment(int s, const std::array<double, 4>& c);

    bool operator==(const LinPom&) const = default;
};

// One point of a point table: X in input units (or CJ sensor ohms), Y in PV
// units (or volts).
struct XYPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const XYPoint&) const = default;
};

// A point table with a fixed capacity and a count.
template <int Capacity>
struct PointTable {
    static constexpr int kCapacity = Capacity;
    std::array<XYPoint, Capacity> points{};
    int count = 0;

    void Clear() {
        points.fill({});
        count = 0;
    }
    // False when the table is full.
    bool Append(double x, double y) {
        if (count >= Capacity) return false;
        points[size_t(count++)] = {x, y};
        return true;
    }
    const XYPoint& operator[](int i) const { return points[size_t(i)]; }
    // Sorts by X ascending with an exchange sort that swaps a pair only when
    // the earlier X is strictly greater, so equal X keep their order.
    void Sort();

    bool operator==(const PointTable&) const = default;
};

using LinPointTable = PointTable<64>;
using CjcPointTable = PointTable<20>;

// Everything the linearization editor works on: the record and the two point
// tables LinPoints (count = LinPointsNum) and CJCPoints (count = CJCPointsNum).
struct LinData {
    LinPom pom;
    LinPointTable LinPoints;
    CjcPointTable CJCPoints;
    bool operator==(const LinData&) const = default;
};

template <int Capacity>
void PointTable<Capacity>::Sort() {
    for (int pass = count - 1; pass > 0; --pass) {
        bool swapped = false;
        for (int i = 0; i < pass; ++i) {
            if (points[size_t(i)].x > points[size_t(i + 1)].x) {
                std::swap(points[size_t(i)], points[size_t(i + 1)]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}

// --- units ----------------------------------------------------------------------

// User's X units to the transmitter's internal units and back, for the range
// with the given 1-based catalogue index: u = x * m / F and x = u * F / m.
// Both give 0 when no range (index 0 or beyond the catalogue) is selected.
double InputToInternal(int rangeIndex, double x);
double InternalToInput(int rangeIndex, double u);

// --- the standard table in the record's orientation --------------------------------

// Copies a standard table into LinSegTable (entry r of row k = entry 3 - k of
// the standard row r) and its CJ polynomial into CjcPoly (c0 first).
void StandardToLinPom(const StandardTable& table, LinPom& pom);
// The reverse: LinPom's table and CJ polynomial in the standard orientation.
StandardTable LinPomToStandard(const LinPom& pom);

// --- evaluation ---------------------------------------------------------------------

// The segment (1..8) that evaluates internal value u: the first s with
// XStart + w*s >= u, w = (XEnd - XStart) / 8; values beyond XEnd use 8.
int SegmentOf(const LinPom& pom, double u);
// Segment s's cubic at u.
double EvaluateSegment(const LinPom& pom, int s, double u);
// The linearized value of internal value u (segment 8 unclipped beyond XEnd).
double EvaluateInternal(const LinPom& pom, double u);
// The linearized value of x in input units of the range.
double EvaluateInput(const LinPom& pom, int rangeIndex, double x);
// The CJ polynomial at a sensor resistance in ohm, in volts.
double EvaluateCjc(const LinPom& pom, double ohm);

}  // namespace lmk17
