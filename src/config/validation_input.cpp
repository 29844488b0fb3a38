#include "config/validation_input.h"

#include <QLocale>
#include <cmath>

#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/output_limits.h"
#include "config/validation_texts.h"

namespace lmk17 {

QString& EditText(ConfigView& view, EditField field) {
    switch (field) {
        case EditField::LOEdt:
            return view.lowerRangeText;
        case EditField::HIEdt:
            return view.upperRangeText;
        case EditField::LOEEdt:
            return view.lowerCorrectionText;
        case EditField::HIEEdt:
            return view.upperCorrectionText;
        case EditField::DampEdt:
            return view.dampingText;
        case EditField::RCEdt:
            return view.leadText;
        case EditField::RC8_1Edt:
            return view.lead1Text;
        case EditField::RC8_2Edt:
            return view.lead2Text;
        case EditField::TemperCJEdt:
            return view.cjTemperatureText;
        case EditField::SL1Edt:
            return view.comparators.levelText[0];
        case EditField::HS1Edt:
            return view.comparators.hysteresisText[0];
        case EditField::SL2Edt:
            return view.comparators.levelText[1];
        case EditField::HS2Edt:
            return view.comparators.hysteresisText[1];
        case EditField::ROLEdt:
            return view.output.rangeLowText;
        case EditField::ROHEdt:
            return view.output.rangeHighText;
        case EditField::NPSatLoEdt:
            return view.output.saturationLowText;
        case EditField::NPSatHiEdt:
            return view.output.saturationHighText;
        case EditField::NPErrLoEdt:
            return view.output.errorLowText;
        case EditField::NPErrHiEdt:
            return view.output.errorHighText;
        case EditField::None:
            break;
    }
    static QString none;
    none.clear();
    return none;
}

ConfigPage PageOf(EditField field) {
    switch (field) {
        case EditField::ROLEdt:
        case EditField::ROHEdt:
        case EditField::NPSatLoEdt:
        case EditField::NPSatHiEdt:
        case EditField::NPErrLoEdt:
        case EditField::NPErrHiEdt:
            return ConfigPage::Output;
        default:
            return ConfigPage::Input;
    }
}

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

enum class Scale { RangeDependent, Absolute, Plain, Output };

Scale scaleOf(EditField field) {
    switch (field) {
        case EditField::LOEdt:
        case EditField::HIEdt:
        case EditField::LOEEdt:
        case EditField::HIEEdt:
        case EditField::SL1Edt:
        case EditField::SL2Edt:
            return Scale::RangeDependent;
        case EditField::HS1Edt:
        case EditField::HS2Edt:
        case EditField::DampEdt:
            return Scale::Absolute;
        case EditField::ROLEdt:
        case EditField::ROHEdt:
        case EditField::NPSatLoEdt:
        case EditField::NPSatHiEdt:
        case EditField::NPErrLoEdt:
        case EditField::NPErrHiEdt:
            return Scale::Output;
        default:
            return Scale::Plain;
    }
}

// The stored value an edit shows, in the units ReadEdit gives.
double recordValue(EditField field, const TransmitterConfig& c, const CheckContext& context) {
    const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
    auto physical = [&](double x) { return type ? PhysicalOutput(c, *type, x) : 0.0; };
    const double o0 = type ? type->Start() : 0.0;
    const double span = type ? type->Span() : 0.0;
    switch (field) {
        case EditField::LOEdt:
            return c.LowerRangeValue;
        case EditField::HIEdt:
            return c.UpperRangeValue;
        case EditField::LOEEdt:
            return c.LowerCorrection;
        case EditField::HIEEdt:
            return c.UpperCorrection;
        case EditField::DampEdt:
            return std::fabs(c.Damping);
        case EditField::RCEdt:
        case EditField::RC8_1Edt:
            return c.LeadResistance1;
        case EditField::RC8_2Edt:
            return c.LeadResistance2;
        case EditField::TemperCJEdt:
            return c.CjTemperature;
        case EditField::SL1Edt:
            return c.Comparator1Level;
        case EditField::HS1Edt:
            return std::fabs(c.Comparator1Hysteresis);
        case EditField::SL2Edt:
            return c.Comparator2Level;
        case EditField::HS2Edt:
            return std::fabs(c.Comparator2Hysteresis);
        case EditField::ROLEdt:
            return c.OutputOffset * span + o0;
        case EditField::ROHEdt:
            return (c.OutputGain + c.OutputOffset) * span + o0;
        case EditField::NPSatLoEdt:
            return physical(c.SaturationLow);
        case EditField::NPSatHiEdt:
            return physical(c.SaturationHigh);
        case EditField::NPErrLoEdt:
            return physical(c.ErrorLow);
        case EditField::NPErrHiEdt:
            return physical(c.ErrorHigh);
        case EditField::None:
            break;
    }
    return 0.0;
}

}  // namespace

std::optional<double> ReadEdit(EditField field, const TransmitterConfig& config, ConfigView& view,
                               const CheckContext& context, CheckOutcome& outcome) {
    if (context.values) return recordValue(field, *context.values, context);
    const std::optional<double> shown = ParseNumber(EditText(view, field));
    if (!shown) {
        Fail(outcome, field, validation_text::IncorrectFormat(field));
        return std::nullopt;
    }
    switch (scaleOf(field)) {
        case Scale::RangeDependent:
            return FromDisplay(config, *shown);
        case Scale::Absolute:
            return field == EditField::DampEdt ? std::fabs(*shown)
                                               : std::fabs(FromDisplay(config, *shown));
        case Scale::Output: {
            const OutputTypeEntry* type = OutputTypeOf(context.typeIndex);
            return type ? *shown / type->k : *shown;
        }
        case Scale::Plain:
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
