#include "config/validation_input.h"

#include <QLocale>
#include <cmath>

#include "common/decimal_number.h"
#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/edit_fields.h"
#include "config/output_limits.h"
#include "config/validation_texts.h"

namespace lmk17 {

void CheckOutcome::merge(const CheckOutcome& other) {
    messages.insert(messages.end(), other.messages.begin(), other.messages.end());
    if (!other.accepted) {
        accepted = false;
        page = other.page;
        focus = other.focus;
    }
}

QString CheckOutcome::failureText() const {
    return accepted || messages.empty() ? QString() : messages.back().text;
}

namespace validation_detail {

namespace {

// The stored value an edit shows, in the units ReadEdit gives.
double recordValue(const EditFieldDescriptor& d, const TransmitterConfig& c,
                   const CheckContext& context) {
    const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
    switch (d.scale) {
        case EditScale::RangeDependent:
        case EditScale::Plain:
            return c.*d.member;
        case EditScale::Absolute:
        case EditScale::AbsoluteRangeDependent:
            return std::fabs(c.*d.member);
        case EditScale::Output:
            if (!type) return 0.0;
            if (d.member) return PhysicalOutput(c, *type, c.*d.member);
            // The output range ends follow from the offset and the gain.
            return (d.field == EditField::ROLEdt ? c.OutputOffset : c.OutputGain + c.OutputOffset) *
                       type->Span() +
                   type->Start();
    }
    return 0.0;
}

// The text an edit shows for the record's value, as the adoption and the
// checks write it.
QString shownText(const EditFieldDescriptor& d, const TransmitterConfig& c, double value,
                  const CheckContext& context) {
    switch (d.scale) {
        case EditScale::RangeDependent:
            return FormatRangeDependent(c, value);
        case EditScale::AbsoluteRangeDependent:
            return FormatG5(std::fabs(ToDisplay(c, value)));
        case EditScale::Absolute:
            return FormatFixed(value, 1);
        case EditScale::Plain:
            return FormatFixed(value, d.check == EditCheck::Lead ? 3 : 1);
        case EditScale::Output: {
            const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
            return type ? FormatG5(value * type->k) : QString();
        }
    }
    return {};
}

}  // namespace

std::optional<double> ReadEdit(EditField field, const TransmitterConfig& config, ConfigView& view,
                               const CheckContext& context, CheckOutcome& outcome) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    if (!d) return std::nullopt;
    if (context.values) return recordValue(*d, *context.values, context);
    // An edit that still shows the record's value stands for that value
    // exactly: its text is the value rounded for the eye, and reading the
    // text back would write the rounding into the transmitter.
    const QString& text = EditText(view, field);
    const double stored = recordValue(*d, config, context);
    if (text.trimmed() == shownText(*d, config, stored, context).trimmed()) return stored;
    // A cleared edit reads as 0.
    const std::optional<double> shown = ParseDecimalNumber(text, EmptyText::ReadsAsZero);
    if (!shown) {
        Fail(outcome, field, validation_text::IncorrectFormat(field));
        return std::nullopt;
    }
    switch (d->scale) {
        case EditScale::RangeDependent:
            return FromDisplay(config, *shown);
        case EditScale::AbsoluteRangeDependent:
            return std::fabs(FromDisplay(config, *shown));
        case EditScale::Absolute:
            return std::fabs(*shown);
        case EditScale::Output: {
            const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
            return type ? *shown / type->k : *shown;
        }
        case EditScale::Plain:
            break;
    }
    return *shown;
}

void Fail(CheckOutcome& outcome, EditField field, const QString& text) {
    outcome.accepted = false;
    outcome.messages.push_back({MessageKind::Error, text});
    outcome.page = PageOf(field);
    outcome.focus = field;
}

}  // namespace validation_detail
}  // namespace lmk17
