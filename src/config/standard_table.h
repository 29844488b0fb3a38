#pragma once

#include <array>

namespace lmk17 {

// A standard characteristic of an input type as the catalogue holds it:
// row 0 = (X start, X end, Y start, Y end) in device units, rows 1..8 the
// eight segments' cubic coefficients (c3, c2, c1, c0); the cold-junction
// polynomial is stored c3 first.
struct StandardTable {
    std::array<std::array<double, 4>, 9> rows{};
    std::array<double, 4> cj{};
};

// The generated tables of the input types that have their own segments
// (11..15 resistance thermometers, 51..59 thermocouples). Returns nullptr for
// every other code; the catalogue builds those from the default table.
const StandardTable* OwnStandardTable(int code);

}  // namespace lmk17
