#pragma once

#include <array>

#include "config/reference/segment_fit.h"

namespace lmk17::reference {

// The best table for a characteristic: row 0 as catalogued, eight cubics that
// meet exactly at the boundaries and whose largest error over the span is as
// small as possible (minimax, solved as a linear programme on a fine grid);
// among those, each segment's own largest error is made as small as
// possible, and the parts of the table outside the span follow the
// characteristic as far as it is defined.
struct SegmentFit {
    bool ok = false;
    TableRows rows{};
    double gridError = 0.0;  // the minimax error on the fitting grid, °C
};
SegmentFit FitStandardTable(const StandardCharacteristic& ch);

// Expands p(s) = d0 + d1 s + d2 s² + d3 s³ with s = alpha x + beta into
// coefficients of x, returned c3 first.
std::array<double, 4> ExpandAffine(const std::array<double, 4>& d, double alpha, double beta);

}  // namespace lmk17::reference
