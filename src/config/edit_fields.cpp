#include "config/edit_fields.h"

#include <QtGlobal>

namespace lmk17 {

namespace {

using F = EditField;
using P = ConfigPage;
using S = EditScale;
using C = EditCheck;
using R = TransmitterConfig;

// The parameter names are translated where the messages are made.
constexpr EditFieldDescriptor kFields[] = {
    {F::LOEdt, "LOEdt", P::Input, S::RangeDependent, C::InRange, &R::LowerRangeValue,
     [](ConfigView& v) -> QString& { return v.lowerRangeText; },
     QT_TRANSLATE_NOOP("Configuration", "lower range value"), 0, false},
    {F::HIEdt, "HIEdt", P::Input, S::RangeDependent, C::InRange, &R::UpperRangeValue,
     [](ConfigView& v) -> QString& { return v.upperRangeText; },
     QT_TRANSLATE_NOOP("Configuration", "upper range value"), 0, false},
    {F::LOEEdt, "LOEEdt", P::Input, S::RangeDependent, C::Correction, &R::LowerCorrection,
     [](ConfigView& v) -> QString& { return v.lowerCorrectionText; },
     QT_TRANSLATE_NOOP("Configuration", "correction of sensor error at lower range value"), 0,
     false},
    {F::HIEEdt, "HIEEdt", P::Input, S::RangeDependent, C::Correction, &R::UpperCorrection,
     [](ConfigView& v) -> QString& { return v.upperCorrectionText; },
     QT_TRANSLATE_NOOP("Configuration", "correction of sensor error at upper range value"), 0,
     false},
    {F::DampEdt, "DampEdt", P::Input, S::Absolute, C::Damping, &R::Damping,
     [](ConfigView& v) -> QString& { return v.dampingText; },
     QT_TRANSLATE_NOOP("Configuration", "damping"), 0, true},
    {F::RCEdt, "RCEdt", P::Input, S::Plain, C::Lead, &R::LeadResistance1,
     [](ConfigView& v) -> QString& { return v.leadText; },
     QT_TRANSLATE_NOOP("Configuration", "lead resistance"), 0, false},
    {F::RC8_1Edt, "RC8_1Edt", P::Input, S::Plain, C::Lead, &R::LeadResistance1,
     [](ConfigView& v) -> QString& { return v.lead1Text; },
     QT_TRANSLATE_NOOP("Configuration", "lead resistance"), 0, false},
    {F::RC8_2Edt, "RC8_2Edt", P::Input, S::Plain, C::Lead, &R::LeadResistance2,
     [](ConfigView& v) -> QString& { return v.lead2Text; },
     QT_TRANSLATE_NOOP("Configuration", "lead resistance"), 0, false},
    {F::TemperCJEdt, "TemperCJEdt", P::Input, S::Plain, C::CjTemperature, &R::CjTemperature,
     [](ConfigView& v) -> QString& { return v.cjTemperatureText; },
     QT_TRANSLATE_NOOP("Configuration", "cold junction temperature"), 0, false},
    {F::SL1Edt, "SL1Edt", P::Input, S::RangeDependent, C::InRange, &R::Comparator1Level,
     [](ConfigView& v) -> QString& { return v.comparators.levelText[0]; },
     QT_TRANSLATE_NOOP("Configuration", "limit comparator %d switching level"), 1, false},
    {F::HS1Edt, "HS1Edt", P::Input, S::AbsoluteRangeDependent, C::Hysteresis,
     &R::Comparator1Hysteresis,
     [](ConfigView& v) -> QString& { return v.comparators.hysteresisText[0]; },
     QT_TRANSLATE_NOOP("Configuration", "limit comparator %d hysteresis"), 1, false},
    {F::SL2Edt, "SL2Edt", P::Input, S::RangeDependent, C::InRange, &R::Comparator2Level,
     [](ConfigView& v) -> QString& { return v.comparators.levelText[1]; },
     QT_TRANSLATE_NOOP("Configuration", "limit comparator %d switching level"), 2, false},
    {F::HS2Edt, "HS2Edt", P::Input, S::AbsoluteRangeDependent, C::Hysteresis,
     &R::Comparator2Hysteresis,
     [](ConfigView& v) -> QString& { return v.comparators.hysteresisText[1]; },
     QT_TRANSLATE_NOOP("Configuration", "limit comparator %d hysteresis"), 2, true},
    {F::ROLEdt, "ROLEdt", P::Output, S::Output, C::OutputRange, nullptr,
     [](ConfigView& v) -> QString& { return v.output.rangeLowText; },
     QT_TRANSLATE_NOOP("Configuration", "lower output range"), 0, false},
    {F::ROHEdt, "ROHEdt", P::Output, S::Output, C::OutputRange, nullptr,
     [](ConfigView& v) -> QString& { return v.output.rangeHighText; },
     QT_TRANSLATE_NOOP("Configuration", "upper output range"), 0, false},
    {F::NPSatLoEdt, "NPSatLoEdt", P::Output, S::Output, C::SaturationPair, &R::SaturationLow,
     [](ConfigView& v) -> QString& { return v.output.saturationLowText; },
     QT_TRANSLATE_NOOP("Configuration", "lower output limit"), 0, false},
    {F::NPSatHiEdt, "NPSatHiEdt", P::Output, S::Output, C::SaturationPair, &R::SaturationHigh,
     [](ConfigView& v) -> QString& { return v.output.saturationHighText; },
     QT_TRANSLATE_NOOP("Configuration", "upper output limit"), 0, false},
    {F::NPErrLoEdt, "NPErrLoEdt", P::Output, S::Output, C::ErrorPair, &R::ErrorLow,
     [](ConfigView& v) -> QString& { return v.output.errorLowText; },
     QT_TRANSLATE_NOOP("Configuration", "lower error output"), 0, false},
    {F::NPErrHiEdt, "NPErrHiEdt", P::Output, S::Output, C::ErrorPair, &R::ErrorHigh,
     [](ConfigView& v) -> QString& { return v.output.errorHighText; },
     QT_TRANSLATE_NOOP("Configuration", "upper error output"), 0, false},
};

// The table is indexed by the enum: the n-th descriptor is the edit n.
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        if (static_cast<std::size_t>(kFields[i].field) != i + 1) return false;
    return true;
}
static_assert(inEnumOrder(), "the edit descriptors follow the order of EditField");  // notr
static_assert(std::size(kFields) == static_cast<std::size_t>(EditField::NPErrHiEdt),
              "every edit has a descriptor");  // notr

}  // namespace

std::span<const EditFieldDescriptor> EditFieldDescriptors() {
    return kFields;
}

const EditFieldDescriptor* DescriptorOf(EditField field) {
    const auto n = static_cast<std::size_t>(field);
    return n >= 1 && n <= std::size(kFields) ? &kFields[n - 1] : nullptr;
}

QString& EditText(ConfigView& view, EditField field) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    return d ? d->viewText(view) : view.noEditText;
}

const QString& EditText(const ConfigView& view, EditField field) {
    // Only read: the descriptor's accessor hands out the view's own text.
    return EditText(const_cast<ConfigView&>(view), field);
}

ConfigPage PageOf(EditField field) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    return d ? d->page : ConfigPage::Input;
}

}  // namespace lmk17
