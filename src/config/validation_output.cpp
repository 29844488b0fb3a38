// The checks of the Output page's edits.
#include "config/validation_output.h"

#include <cmath>
#include <utility>

#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/output_limits.h"
#include "config/validation_input.h"
#include "config/validation_texts.h"

namespace lmk17::validation_detail {

namespace text = validation_text;

namespace {

// Output type values used here (A or V): q8/q9 bound the output range and
// the output limits, q10/q11 the error outputs; q12..q14 are the smallest
// output span, limit span and error span.
enum { kMinLimit = 8, kMaxLimit = 9, kMinError = 10, kMaxError = 11 };
enum { kMinOutputSpan = 12, kMinLimitSpan = 13, kMinErrorSpan = 14 };

// A damaged record may hold a gain of 0; dividing by it would store
// infinities, so such a gain counts as 1.
double usableGain(const TransmitterConfig& c) {
    return std::isfinite(c.OutputGain) && c.OutputGain != 0.0 ? c.OutputGain : 1.0;
}

double normalised(const TransmitterConfig& c, const OutputTypeEntry& t, double physical) {
    return ((physical - t.Start()) / t.Span() - c.OutputOffset) / usableGain(c);
}

// One output value: read and held within [low, high].
std::optional<double> readBounded(EditField field, const OutputTypeEntry& t, int low, int high,
                                  TransmitterConfig& c, ConfigView& view,
                                  const CheckContext& context, CheckOutcome& outcome) {
    const std::optional<double> v = ReadEdit(field, c, view, context, outcome);
    if (!v) return std::nullopt;
    if (!WithinInterval(*v, t.q[low], t.q[high])) {
        const QString unit = UnitSymbol(t.UnitCode);
        Fail(outcome, field,
             text::OutOfRange(field, text::OutputInterval(t.q[low] * t.k, t.q[high] * t.k, unit)));
        return std::nullopt;
    }
    return v;
}

}  // namespace

CheckOutcome CheckOutputRange(TransmitterConfig& c, ConfigView& view, const CheckContext& context) {
    CheckOutcome outcome;
    const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
    if (!type) return outcome;
    const OutputTypeEntry& t = *type;
    std::optional<double> start =
        readBounded(EditField::ROLEdt, t, kMinLimit, kMaxLimit, c, view, context, outcome);
    if (!start) return outcome;
    std::optional<double> end =
        readBounded(EditField::ROHEdt, t, kMinLimit, kMaxLimit, c, view, context, outcome);
    if (!end) return outcome;
    // A range of no width would make the gain 0 and every limit infinite;
    // it is refused like a span below the smallest one.
    if (std::fabs(*end - *start) < t.q[kMinOutputSpan] || *end == *start) {
        Fail(outcome, EditField::ROHEdt,
             text::OutputSpanTooSmall(t.q[kMinOutputSpan] * t.k, UnitSymbol(t.UnitCode)));
        return outcome;
    }
    if (*end < *start) std::swap(start, end);
    const PhysicalOutputLimits old = ComputePhysicalLimits(c, t);
    const double oldStart = c.OutputOffset * t.Span() + t.Start();
    const double oldEnd = (c.OutputGain + c.OutputOffset) * t.Span() + t.Start();
    c.OutputOffset = (*start - t.Start()) / t.Span();
    c.OutputGain = (*end - *start) / t.Span();
    // Lower limits move with the range start, upper ones with its end.
    const double satLow = std::max(old.SaturationLow + (*start - oldStart), t.q[kMinLimit]);
    const double errLow = std::max(old.ErrorLow + (*start - oldStart), t.q[kMinError]);
    const double satHigh = std::min(old.SaturationHigh + (*end - oldEnd), t.q[kMaxLimit]);
    const double errHigh = std::min(old.ErrorHigh + (*end - oldEnd), t.q[kMaxError]);
    c.SaturationLow = normalised(c, t, satLow);
    c.SaturationHigh = normalised(c, t, satHigh);
    c.ErrorLow = normalised(c, t, errLow);
    c.ErrorHigh = normalised(c, t, errHigh);
    view.output = ShowOutputValues(c, context.typeIndex, context.firmwareIndex);
    return outcome;
}

CheckOutcome CheckOutputLimitPair(bool errorOutputs, TransmitterConfig& c, ConfigView& view,
                                  const CheckContext& context) {
    CheckOutcome outcome;
    const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
    if (!type) return outcome;
    const OutputTypeEntry& t = *type;
    const EditField lowField = errorOutputs ? EditField::NPErrLoEdt : EditField::NPSatLoEdt;
    const EditField highField = errorOutputs ? EditField::NPErrHiEdt : EditField::NPSatHiEdt;
    const int lowBound = errorOutputs ? kMinError : kMinLimit;
    const int highBound = errorOutputs ? kMaxError : kMaxLimit;
    double& lowStored = errorOutputs ? c.ErrorLow : c.SaturationLow;
    double& highStored = errorOutputs ? c.ErrorHigh : c.SaturationHigh;

    const std::optional<double> low =
        readBounded(lowField, t, lowBound, highBound, c, view, context, outcome);
    if (!low) return outcome;
    lowStored = normalised(c, t, *low);
    const std::optional<double> high =
        readBounded(highField, t, lowBound, highBound, c, view, context, outcome);
    if (!high) return outcome;
    highStored = normalised(c, t, *high);
    const int minSpan = errorOutputs ? kMinErrorSpan : kMinLimitSpan;
    if (std::fabs(*high - *low) < t.q[minSpan]) {
        const QString unit = UnitSymbol(t.UnitCode);
        Fail(outcome, highField,
             errorOutputs ? text::ErrorSpanTooSmall(t.q[minSpan] * t.k, unit)
                          : text::SaturationSpanTooSmall(t.q[minSpan] * t.k, unit));
        return outcome;
    }
    if (*high < *low) std::swap(lowStored, highStored);
    EditText(view, lowField) = FormatG5(PhysicalOutput(c, t, lowStored) * t.k);
    EditText(view, highField) = FormatG5(PhysicalOutput(c, t, highStored) * t.k);
    return outcome;
}

}  // namespace lmk17::validation_detail
