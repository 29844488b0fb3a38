#pragma once

#include "config/validation.h"

namespace lmk17::validation_detail {

// Both ends of the output range (firmware 1.90 and later): bounds, span,
// order, then gain and offset; the output limits and error outputs keep their
// physical distance to the end they belong to and are kept within bounds.
CheckOutcome CheckOutputRange(TransmitterConfig& config, ConfigView& view,
                              const CheckContext& context);

// The output limits (errorOutputs false) or the error outputs: bounds of
// each, then the pair's span and order.
CheckOutcome CheckOutputLimitPair(bool errorOutputs, TransmitterConfig& config, ConfigView& view,
                                  const CheckContext& context);

}  // namespace lmk17::validation_detail
