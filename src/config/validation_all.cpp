// The complete check before a configuration is saved or written.
#include <cmath>

#include "config/catalogue.h"
#include "config/firmware.h"
#include "config/output_limits.h"
#include "config/validation.h"
#include "config/validation_input.h"
#include "config/validation_texts.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

QByteArray withoutTrailingBlanks(QByteArray text) {
    while (text.endsWith(' ')) text.chop(1);
    return text;
}

// Step 2: ranges whose linearization the user cannot change, and optional
// customer ranges without a customer linearization, carry the standard tables.
void applyStandardTablesWhereFixed(TransmitterConfig& c, const ConfigView& view) {
    const InputRangeEntry* range = RangeByCode(c.InputRangeCode);
    if (!range) return;
    if (!range->UsesEditor || (range->OptionalCustomer && !view.customerChecked))
        ApplyStandardTables(c, range->Code);
}

// Step 4: the measuring span must be at least 1 % of the input range.
CheckOutcome checkSpan(const TransmitterConfig& c) {
    CheckOutcome outcome;
    if (std::fabs(c.UpperRangeValue - c.LowerRangeValue) < 0.01 * (c.YEnd() - c.YStart()))
        validation_detail::Fail(outcome, EditField::HIEdt, validation_text::SpanTooSmall());
    return outcome;
}

// Step 7: the lead resistances the connection uses, 0 for the others. For the
// two-sensor connection before firmware 1.90 the single edit shown for it
// holds the first sensor's value, which is taken over.
CheckOutcome takeLeadResistances(TransmitterConfig& c, ConfigView& view,
                                 const CheckContext& context) {
    c.LeadResistance1 = 0.0;
    c.LeadResistance2 = 0.0;
    const ConnectionEntry* conn = ConnectionAt(c.ConnectionCode);
    if (!conn) return {};
    const bool twoValues = conn->TwoSensors &&
                           firmware::HasSecondLeadResistance(FirmwareNumber(context.firmwareIndex));
    if (twoValues) {
        CheckOutcome outcome = CheckField(EditField::RC8_1Edt, c, view, context);
        if (outcome.accepted) outcome.merge(CheckField(EditField::RC8_2Edt, c, view, context));
        return outcome;
    }
    if (conn->NeedsLeadResistance || conn->TwoSensors)
        return CheckField(EditField::RCEdt, c, view, context);
    return {};
}

// Step 8.
CheckOutcome takeCjTemperature(TransmitterConfig& c, ConfigView& view,
                               const CheckContext& context) {
    const ConnectionEntry* conn = ConnectionAt(c.ConnectionCode);
    if (conn && conn->CjCompensation) return CheckField(EditField::TemperCJEdt, c, view, context);
    c.CjTemperature = 0.0;
    return {};
}

// Steps 10 and 11: output range, output limits and error outputs as far as
// the firmware has them.
CheckOutcome checkOutputs(TransmitterConfig& c, ConfigView& view, const CheckContext& context) {
    const int fw = FirmwareNumber(context.firmwareIndex);
    CheckOutcome outcome;
    if (firmware::HasOutputRange(fw)) {
        outcome.merge(CheckField(EditField::ROLEdt, c, view, context));
        if (!outcome.accepted) return outcome;
    }
    if (firmware::HasOutputLimits(fw)) {
        outcome.merge(CheckField(EditField::NPSatLoEdt, c, view, context));
        if (!outcome.accepted) return outcome;
        outcome.merge(CheckField(EditField::NPErrLoEdt, c, view, context));
    }
    return outcome;
}

}  // namespace

CheckOutcome CheckAllFields(TransmitterConfig& c, ConfigView& view,
                            const CheckContext& givenContext) {
    // Numbers taken from a record are taken as it was before the check
    // started: the steps below change it.
    CheckContext context = givenContext;
    std::optional<TransmitterConfig> snapshot;
    if (context.values) {
        snapshot = *context.values;
        context.values = &*snapshot;
    }
    CheckOutcome outcome;
    auto step = [&](const CheckOutcome& result) {
        outcome.merge(result);
        return outcome.accepted;
    };
    c.Signature = kCurrentSignature;                                            // 1
    applyStandardTablesWhereFixed(c, view);                                     // 2
    if (!step(CheckField(EditField::LOEdt, c, view, context))) return outcome;  // 3
    if (!step(CheckField(EditField::HIEdt, c, view, context))) return outcome;
    if (!step(checkSpan(c))) return outcome;                                     // 4
    if (!step(CheckField(EditField::LOEEdt, c, view, context))) return outcome;  // 5
    if (!step(CheckField(EditField::HIEEdt, c, view, context))) return outcome;
    if (!step(CheckField(EditField::DampEdt, c, view, context))) return outcome;
    if (!step(CheckComparators(c, view, context))) return outcome;
    c.UserNote = withoutTrailingBlanks(  // 6
        (context.values ? context.values->UserNote : EncodeWindows1250(view.userNote))
            .left(kTextLength));
    if (!step(takeLeadResistances(c, view, context))) return outcome;  // 7
    if (!step(takeCjTemperature(c, view, context))) return outcome;    // 8
    if (view.editDisableChecked)                                       // 9
        c.RangeFlags |= kRangeFlagSetupUnitLocked;
    else
        c.RangeFlags &= quint8(~kRangeFlagSetupUnitLocked);
    if (!step(checkOutputs(c, view, context))) return outcome;       // 10, 11
    EncodeOutputCodes(c, context.typeIndex, context.firmwareIndex);  // 12 (1.81..1.89 only)
    c.FilterFlags = view.filter60Checked ? 0x01 : 0x00;              // 13
    return outcome;
}

}  // namespace lmk17
