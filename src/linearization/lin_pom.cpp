#include "linearization/lin_pom.h"

#include "config/catalogue.h"

namespace lmk17 {

int LinPom::DecimalPlaces() const {
    const int bits = DisplayConfig & 0x03;
    return bits > 2 ? 2 : bits;
}

void LinPom::SetDecimalPlaces(int places) {
    places = qBound(0, places, 2);
    DisplayConfig = quint8((DisplayConfig & ~0x03) | places);
    DisplayFactor = places == 0 ? 1.0 : places == 1 ? 10.0 : 100.0;
}

bool LinPom::PvRangeFitsDisplay() const {
    static constexpr double kLimit[] = {9999.5, 999.95, 99.995};
    const double limit = kLimit[DecimalPlaces()];
    return YStart() >= -limit && YEnd() <= limit;
}

std::array<double, 4> LinPom::Segment(int s) const {
    return {LinSegTable[0][size_t(s)], LinSegTable[1][size_t(s)], LinSegTable[2][size_t(s)],
            LinSegTable[3][size_t(s)]};
}

void LinPom::SetSegment(int s, const std::array<double, 4>& c) {
    for (size_t k = 0; k < 4; ++k) LinSegTable[k][size_t(s)] = c[k];
}

namespace {

// m / F of a range, or 0 when there is no range.
double InternalPerInput(int rangeIndex) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range || range->Factor == 0.0) return 0.0;
    return DisplayDivisor(range->Flags) / range->Factor;
}

}  // namespace

double InputToInternal(int rangeIndex, double x) {
    return x * InternalPerInput(rangeIndex);
}

double InternalToInput(int rangeIndex, double u) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range) return 0.0;
    return u * range->Factor / DisplayDivisor(range->Flags);
}

void StandardToLinPom(const StandardTable& table, LinPom& pom) {
    for (size_t r = 0; r < 9; ++r)
        for (size_t k = 0; k < 4; ++k) pom.LinSegTable[k][r] = table.rows[r][3 - k];
    for (size_t n = 0; n < 4; ++n) pom.CjcPoly[n] = table.cj[3 - n];
}

StandardTable LinPomToStandard(const LinPom& pom) {
    StandardTable table;
    for (size_t r = 0; r < 9; ++r)
        for (size_t k = 0; k < 4; ++k) table.rows[r][3 - k] = pom.LinSegTable[k][r];
    for (size_t n = 0; n < 4; ++n) table.cj[3 - n] = pom.CjcPoly[n];
    return table;
}

int SegmentOf(const LinPom& pom, double u) {
    const double w = (pom.XEnd() - pom.XStart()) / 8.0;
    for (int s = 1; s <= 8; ++s)
        if (pom.XStart() + w * s >= u) return s;
    return 8;
}

double EvaluateSegment(const LinPom& pom, int s, double u) {
    const auto c = pom.Segment(s);
    return c[0] + c[1] * u + c[2] * u * u + c[3] * u * u * u;
}

double EvaluateInternal(const LinPom& pom, double u) {
    return EvaluateSegment(pom, SegmentOf(pom, u), u);
}

double EvaluateInput(const LinPom& pom, int rangeIndex, double x) {
    return EvaluateInternal(pom, InputToInternal(rangeIndex, x));
}

double EvaluateCjc(const LinPom& pom, double ohm) {
    const auto& c = pom.CjcPoly;
    return c[0] + c[1] * ohm + c[2] * ohm * ohm + c[3] * ohm * ohm * ohm;
}

}  // namespace lmk17
