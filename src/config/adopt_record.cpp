#include "config/adopt_record.h"

#include <QCoreApplication>
#include <cmath>

#include "config/display_scaling.h"
#include "config/firmware.h"
#include "config/standard_correspondence.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

constexpr double kMaxLeadResistance = 40.0;
constexpr double kMinCjTemperature = -50.0;
constexpr double kMaxCjTemperature = 150.0;
constexpr double kMinDamping = 0.5;
constexpr double kMaxDamping = 65.0;

bool validBaudCode(quint8 code) {
    return code == 1 || code == 3 || code == 7 || code == 15 || code == 31 || code == 63;
}

bool sameWithin(double value, double expected, double relative) {
    return std::fabs(value - expected) <= std::fabs(expected) * relative;
}

// Step 8: the display factor a range requires.
bool displayFactorFits(const TransmitterConfig& c, const InputRangeEntry& r) {
    if (!r.UsesEditor) return sameWithin(c.DisplayFactor, r.Factor, 1e-6);
    if (r.OptionalCustomer) return sameWithin(c.DisplayFactor, DisplayDivisor(c.RangeFlags), 1e-6);
    return true;  // customer ranges carry the factor of their own linearization
}

// Steps 4 and 5: the customer box, the linearization button and the standard
// tables of ranges whose linearization the user cannot change.
void adoptLinearization(TransmitterConfig& c, const InputRangeEntry& r, AdoptResult& result) {
    ConfigView& v = result.view;
    const bool standard = MatchesStandardTables(c, r.Code);
    v.customerVisible = r.OptionalCustomer;
    v.customerChecked = r.OptionalCustomer && !standard;
    if (r.UsesEditor) {
        v.linearEnabled = !r.OptionalCustomer || v.customerChecked;
        return;
    }
    v.linearEnabled = false;
    // A table that differs from ours only as another fit of the same
    // characteristic does is kept: the transmitter measures correctly with it.
    if (!standard && !CorrespondsToStandardTables(c, r.Code)) {
        v.warnings << QCoreApplication::translate(
            "Configuration",
            "Attention! Linearization table or cold junction compensation table does not "
            "correspond to input range. For proper function it is necessary to write/save the "
            "configuration again!");
        ApplyStandardTables(c, r.Code);
        result.tablesReplaced = true;
    }
}

// Steps 9 and 10: which of the lead resistance and CJ groups are shown.
void adoptGroups(const TransmitterConfig& c, const InputRangeEntry& r, int fw, ConfigView& v) {
    const ConnectionEntry* conn = ConnectionAt(c.ConnectionCode);
    const bool twoSensors = conn && conn->TwoSensors;
    const bool twoValues = twoSensors && firmware::HasSecondLeadResistance(fw);
    v.leadGroupVisible = conn && (conn->NeedsLeadResistance || (twoSensors && !twoValues));
    v.twoLeadGroupVisible = twoValues;
    v.cjGroupVisible = conn && conn->CjCompensation && r.Code != 5 && !r.OptionalCustomer;
}

// Step 16: comparator values outside their bounds. Values of a comparator in
// use make the record corrupt; unused ones take the range's defaults.
bool adoptComparatorValues(TransmitterConfig& c, const InputRangeEntry& r) {
    const bool any = c.ComparatorFlags & (kCmp1Enabled | kCmp2Enabled);
    const bool second = c.ComparatorFlags & kCmp2Enabled;
    struct Check {
        double& value;
        bool inUse;
        bool level;
        int defaultIndex;
    };
    const Check checks[] = {
        {c.Comparator1Level, any, true, kDefCmp1Level},
        {c.Comparator2Level, second, true, kDefCmp2Level},
        {c.Comparator1Hysteresis, any, false, kDefCmp1Hysteresis},
        {c.Comparator2Hysteresis, second, false, kDefCmp2Hysteresis},
    };
    for (const Check& check : checks) {
        const bool ok =
            check.level ? WithinInputRange(c, check.value) : WithinCorrectionBound(c, check.value);
        if (ok) continue;
        if (check.inUse) return false;
        check.value = r.Defaults[check.defaultIndex];
    }
    return true;
}

// Steps 11 to 15 and 19: the checked numeric fields and their texts.
CorruptStep adoptValues(const TransmitterConfig& c, int fw, ConfigView& v) {
    if (!WithinInputRange(c, c.LowerRangeValue) || !WithinInputRange(c, c.UpperRangeValue))
        return CorruptStep::RangeValues;
    v.lowerRangeText = FormatRangeDependent(c, c.LowerRangeValue);
    v.upperRangeText = FormatRangeDependent(c, c.UpperRangeValue);
    if (!WithinCorrectionBound(c, c.LowerCorrection) ||
        !WithinCorrectionBound(c, c.UpperCorrection))
        return CorruptStep::Corrections;
    v.lowerCorrectionText = FormatRangeDependent(c, c.LowerCorrection);
    v.upperCorrectionText = FormatRangeDependent(c, c.UpperCorrection);
    if (!WithinInterval(c.LeadResistance1, 0.0, kMaxLeadResistance))
        return CorruptStep::LeadResistance;
    v.leadText = v.lead1Text = FormatFixed(c.LeadResistance1, 3);
    v.lead2Text.clear();
    if (firmware::HasSecondLeadResistance(fw)) {
        if (!WithinInterval(c.LeadResistance2, 0.0, kMaxLeadResistance))
            return CorruptStep::LeadResistance;
        v.lead2Text = FormatFixed(c.LeadResistance2, 3);
    }
    if (!WithinInterval(c.CjTemperature, kMinCjTemperature, kMaxCjTemperature))
        return CorruptStep::CjTemperature;
    v.cjTemperatureText = FormatFixed(c.CjTemperature, 1);
    if (!WithinInterval(std::fabs(c.Damping), kMinDamping, kMaxDamping))
        return CorruptStep::Damping;
    v.dampingText = FormatFixed(std::fabs(c.Damping), 1);
    v.errorHighChecked = c.Damping > 0.0;
    return CorruptStep::None;
}

QString noteText(const QByteArray& note) {
    QByteArray trimmed = note;
    while (trimmed.endsWith(' ')) trimmed.chop(1);
    return ShowPlainText(trimmed);
}

}  // namespace

AdoptResult AdoptRecord(TransmitterConfig& c, int typeIndex, int firmwareIndex) {
    AdoptResult result;
    ConfigView& v = result.view;
    auto fail = [&result](CorruptStep step) {
        result.corrupt = step;
        return result;
    };
    const int fw = FirmwareNumber(firmwareIndex);
    v.editDisableChecked = c.RangeFlags & kRangeFlagSetupUnitLocked;      // 1
    v.rangeList = FillRangeList(typeIndex, FindRange(c.InputRangeCode));  // 2
    v.rangePosition = v.rangeList.positionOfIndex(FindRange(c.InputRangeCode));
    if (v.rangePosition < 0) {
        // An empty list (no transmitter type known yet) blanks the window (3);
        // a range the list does not hold is a corrupt record.
        if (!v.rangeList.items.isEmpty()) result.corrupt = CorruptStep::RangeNotListed;
        v.editDisableChecked = false;
        return result;
    }
    v.blank = false;
    v.communicationEnabled = true;
    const InputRangeEntry& range = *RangeAt(v.rangeList.indexOfPosition[v.rangePosition]);
    adoptLinearization(c, range, result);               // 4, 5
    v.unitSymbol = UnitSymbol(c.PvUnit);                // 6
    v.connectionList = FillConnectionList(range.Code);  // 7
    v.connectionPosition = v.connectionList.positionOfCode(c.ConnectionCode);
    if (v.connectionPosition < 0) return fail(CorruptStep::ConnectionNotPermitted);
    if (!displayFactorFits(c, range)) return fail(CorruptStep::DisplayFactor);
    adoptGroups(c, range, fw, v);            // 9, 10
    result.corrupt = adoptValues(c, fw, v);  // 11..15
    if (result.corrupt != CorruptStep::None) return result;
    if (!adoptComparatorValues(c, range)) return fail(CorruptStep::Comparators);
    c.ComparatorFlags = AvailableComparatorBits(c.ComparatorFlags, typeIndex);  // 17
    v.comparators = ShowComparators(c, c.ComparatorFlags, typeIndex, firmwareIndex);
    v.userNote = noteText(c.UserNote);                                   // 18
    if (!validBaudCode(c.BaudCode)) return fail(CorruptStep::BaudCode);  // 19
    v.filter60Checked = c.FilterFlags & 0x01;                            // 20
    v.identification = ShowIdentification(c, typeIndex);                 // 21
    v.output = ShowOutputValues(c, typeIndex, firmwareIndex);
    return result;
}

}  // namespace lmk17
