#pragma once

#include <QString>
#include <optional>

#include "common/decimal_number.h"

namespace lmk17 {

// Reads a number typed by the user or stored in a linearization file; an
// empty text reads as 0.
inline std::optional<double> ParseDecimal(const QString& text) {
    return ParseDecimalNumber(text, EmptyText::ReadsAsZero);
}

// Reads a decimal integer (surrounding blanks ignored); nullopt otherwise.
std::optional<int> ParseInteger(const QString& text);

// " %.*g": a leading blank and `digits` significant digits, as every number
// in the editor's fields and grids is shown.
QString FieldText(double value, int digits = 8);

// "%.*g" without the blank.
QString GText(double value, int digits);

// A floating value as a linearization file stores it: general format with up
// to 15 significant digits and the decimal separator of the system's locale.
QString FileNumberText(double value);

}  // namespace lmk17
