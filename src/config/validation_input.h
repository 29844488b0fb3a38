#pragma once

#include <optional>

#include "config/validation.h"

// Pieces shared by the check files: how an edit's number is read and how a
// failure is reported.

namespace lmk17::validation_detail {

// The number an edit stands for in the record's units (device units for
// range-dependent values, absolute values for damping and hysteresis,
// A or V for output values); nullopt with the format message in outcome
// when the text is no number.
std::optional<double> ReadEdit(EditField field, const TransmitterConfig& config, ConfigView& view,
                               const CheckContext& context, CheckOutcome& outcome);

// Marks the outcome failed with the message (error icon), the edit's page
// and the focus on the edit.
void Fail(CheckOutcome& outcome, EditField field, const QString& text);

}  // namespace lmk17::validation_detail

namespace lmk17::validation_detail {

// Comparator n's hysteresis with its polarity list (n = 1 or 2).
CheckOutcome CheckHysteresis(int n, TransmitterConfig& config, ConfigView& view,
                             const CheckContext& context);

}  // namespace lmk17::validation_detail
