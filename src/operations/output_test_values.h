#pragma once

#include <QString>
#include <optional>

#include "config/catalogue.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// Leaving a test value edit: the text in the output unit, divided by k, must
// lie within the output test range [q15, q16] or be negative (which takes the
// transmitter out of test mode); it is shown again as " %.4g" of the value
// x k. Text that is no number, or a value outside the range, is refused
// (nullopt): a typing slip must never drive the loop to another current.
std::optional<QString> NormaliseTestValueText(const QString& text, const OutputTypeEntry& output);

// The value written as parameter 220 for the output x (A or V): from 1.90 the
// transmitter takes a normalised position, below 1.70 microamperes (x 1000),
// in between x itself. Negative values go unchanged.
double TestValueToSend(double x, int fw, const TransmitterConfig& config,
                       const OutputTypeEntry& output);

// The value that takes the transmitter out of output test mode.
inline constexpr double kLeaveTestMode = -200.0;

}  // namespace lmk17
