// The checks of the Input page's edits.
#include <cmath>

#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/edit_fields.h"
#include "config/validation.h"
#include "config/validation_input.h"
#include "config/validation_output.h"
#include "config/validation_texts.h"

namespace lmk17 {

using validation_detail::Fail;
using validation_detail::ReadEdit;
namespace text = validation_text;

namespace {

constexpr double kMinDamping = 0.5;
constexpr double kMaxDamping = 65.0;
constexpr double kMaxLeadResistance = 40.0;
constexpr double kMinCjTemperature = -50.0;
constexpr double kMaxCjTemperature = 150.0;

// The record's value behind an edit that has one of its own.
double& storedValue(TransmitterConfig& c, EditField field) {
    return c.*DescriptorOf(field)->member;
}

// Range values and comparator levels: stored first, then tested, so a
// rejected value stays until the user corrects it.
CheckOutcome checkInRange(EditField field, TransmitterConfig& c, ConfigView& view,
                          const CheckContext& context) {
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(field, c, view, context, outcome);
    if (!v) return outcome;
    storedValue(c, field) = *v;
    if (!WithinInputRange(c, *v)) {
        Fail(outcome, field,
             text::OutOfRange(
                 field, text::RangeInterval(ToDisplay(c, c.YStart()), ToDisplay(c, c.YEnd()))));
        return outcome;
    }
    EditText(view, field) = FormatRangeDependent(c, *v);
    return outcome;
}

// The largest correction and hysteresis: 5 % of the input range, exactly
// (the adoption of a record allows its 0.1 % tolerance on top).
bool withinFivePercent(const TransmitterConfig& c, double v) {
    return std::fabs(v) <= kCorrectionFraction * (c.YEnd() - c.YStart());
}

CheckOutcome checkCorrection(EditField field, TransmitterConfig& c, ConfigView& view,
                             const CheckContext& context) {
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(field, c, view, context, outcome);
    if (!v) return outcome;
    storedValue(c, field) = *v;
    if (!withinFivePercent(c, *v)) {
        Fail(outcome, field, text::CorrectionTooHigh(field == EditField::HIEEdt));
        return outcome;
    }
    EditText(view, field) = FormatRangeDependent(c, *v);
    return outcome;
}

// The damping's sign carries the error-current direction chosen by the
// "Low Output" / "High Output" buttons.
CheckOutcome checkDamping(TransmitterConfig& c, ConfigView& view, const CheckContext& context) {
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(EditField::DampEdt, c, view, context, outcome);
    if (!v) return outcome;
    c.Damping = view.errorHighChecked ? *v : -*v;
    if (!WithinInterval(*v, kMinDamping, kMaxDamping)) {
        Fail(outcome, EditField::DampEdt,
             text::OutOfRange(EditField::DampEdt, text::DampingInterval(kMinDamping, kMaxDamping)));
        return outcome;
    }
    view.dampingText = FormatFixed(*v, 1);
    view.errorHighChecked = c.Damping > 0.0;
    return outcome;
}

// Lead resistances are stored only when accepted.
CheckOutcome checkLead(EditField field, TransmitterConfig& c, ConfigView& view,
                       const CheckContext& context) {
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(field, c, view, context, outcome);
    if (!v) return outcome;
    if (!WithinInterval(*v, 0.0, kMaxLeadResistance)) {
        Fail(outcome, field, text::OutOfRange(field, text::LeadInterval(0.0, kMaxLeadResistance)));
        return outcome;
    }
    storedValue(c, field) = *v;
    const QString shown = FormatFixed(*v, 3);
    if (field == EditField::RC8_2Edt) {
        view.lead2Text = shown;
    } else {  // both edits of the first lead resistance show the same value
        view.leadText = shown;
        view.lead1Text = shown;
    }
    return outcome;
}

// A cold-junction temperature outside what the adoption of a record accepts
// is refused here: accepted, it would make the whole configuration count as
// corrupt at the next adoption and be replaced by the defaults.
CheckOutcome checkCjTemperature(TransmitterConfig& c, ConfigView& view,
                                const CheckContext& context) {
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(EditField::TemperCJEdt, c, view, context, outcome);
    if (!v) return outcome;
    if (!WithinInterval(*v, kMinCjTemperature, kMaxCjTemperature)) {
        Fail(outcome, EditField::TemperCJEdt,
             text::OutOfRange(EditField::TemperCJEdt,
                              text::CjInterval(kMinCjTemperature, kMaxCjTemperature)));
        return outcome;
    }
    c.CjTemperature = *v;
    view.cjTemperatureText = FormatFixed(*v, 1);
    return outcome;
}

}  // namespace

namespace validation_detail {

// Hysteresis: the polarity list is kept in the sign; reverse switching needs
// a hysteresis, so Reverse with 0 falls back to Normal with a notice.
CheckOutcome CheckHysteresis(int n, TransmitterConfig& c, ConfigView& view,
                             const CheckContext& context) {
    const EditField field = n == 1 ? EditField::HS1Edt : EditField::HS2Edt;
    double& stored = n == 1 ? c.Comparator1Hysteresis : c.Comparator2Hysteresis;
    bool& reverse = view.comparators.reverse[n - 1];
    CheckOutcome outcome;
    const std::optional<double> v = ReadEdit(field, c, view, context, outcome);
    if (!v) {
        reverse = false;
        return outcome;
    }
    if (reverse && *v == 0.0) {
        reverse = false;
        outcome.messages.push_back({MessageKind::Warning, text::ReverseNeedsHysteresis(n)});
    }
    stored = reverse ? -*v : *v;
    reverse = stored < 0.0;
    if (!withinFivePercent(c, *v)) {
        Fail(outcome, field, text::HysteresisTooHigh(n));
        return outcome;
    }
    EditText(view, field) = FormatG5(std::fabs(ToDisplay(c, stored)));
    return outcome;
}

}  // namespace validation_detail

CheckOutcome CheckField(EditField field, TransmitterConfig& c, ConfigView& view,
                        const CheckContext& context) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    if (!d) return {};
    switch (d->check) {
        case EditCheck::InRange:
            return checkInRange(field, c, view, context);
        case EditCheck::Correction:
            return checkCorrection(field, c, view, context);
        case EditCheck::Damping:
            return checkDamping(c, view, context);
        case EditCheck::Lead:
            return checkLead(field, c, view, context);
        case EditCheck::CjTemperature:
            return checkCjTemperature(c, view, context);
        case EditCheck::Hysteresis:
            return validation_detail::CheckHysteresis(d->comparator, c, view, context);
        case EditCheck::OutputRange:
            return validation_detail::CheckOutputRange(c, view, context);
        case EditCheck::SaturationPair:
            return validation_detail::CheckOutputLimitPair(false, c, view, context);
        case EditCheck::ErrorPair:
            return validation_detail::CheckOutputLimitPair(true, c, view, context);
    }
    return {};
}

}  // namespace lmk17
