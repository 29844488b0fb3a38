#include "config/defaults.h"

#include "config/catalogue.h"
#include "config/firmware.h"

namespace lmk17 {

namespace {

bool validTypeAndFirmware(int typeIndex, int firmwareIndex) {
    return TypeAt(typeIndex) && FirmwareNumber(firmwareIndex) != 0;
}

// Range code, connection, flags, factor, unit, the nine defaults and the
// standard tables of a range.
void takeRange(TransmitterConfig& c, const InputRangeEntry& r, double factor) {
    c.InputRangeCode = r.Code;
    c.ConnectionCode = r.DefaultConnection;
    c.LowerRangeValue = r.Defaults[kDefLowerRange];
    c.UpperRangeValue = r.Defaults[kDefUpperRange];
    c.LowerCorrection = r.Defaults[kDefLowerCorrection];
    c.UpperCorrection = r.Defaults[kDefUpperCorrection];
    c.Damping = r.Defaults[kDefDamping];
    c.Comparator1Level = r.Defaults[kDefCmp1Level];
    c.Comparator1Hysteresis = r.Defaults[kDefCmp1Hysteresis];
    c.Comparator2Level = r.Defaults[kDefCmp2Level];
    c.Comparator2Hysteresis = r.Defaults[kDefCmp2Hysteresis];
    c.RangeFlags = r.Flags;
    c.DisplayFactor = factor;
    c.PvUnit = r.PvUnit;
    ApplyStandardTables(c, r.Code);
}

}  // namespace

double EditorDisplayFactor(quint8 rangeFlags) {
    return DisplayDivisor(rangeFlags);
}

bool SetDefaultConfiguration(TransmitterConfig& config, int typeIndex, int rangeIndex,
                             int firmwareIndex) {
    if (!validTypeAndFirmware(typeIndex, firmwareIndex)) return false;
    const TransmitterTypeEntry& type = *TypeAt(typeIndex);
    const InputRangeEntry* range = RangeByCode(type.DefaultRange);
    if (!range) return false;
    config.Signature = kCurrentSignature;
    takeRange(config, *range, range->Factor);
    config.ComparatorFlags = type.DefaultComparatorFlags;
    config.LeadResistance1 = 0.0;
    config.CjTemperature = 0.0;
    config.AddressByte = kDefaultAddressByte;
    config.BaudCode = kDefaultBaudCode;
    config.UserNote.clear();
    SetDefaultOutputLimits(config, typeIndex, firmwareIndex);
    config.LeadResistance2 = 0.0;
    config.FilterFlags = 0;
    const InputRangeEntry* current = RangeAt(rangeIndex);
    if (current && current->OptionalCustomer)
        takeRange(config, *current, EditorDisplayFactor(current->Flags));
    return true;
}

bool SetDefaultOutputLimits(TransmitterConfig& config, int typeIndex, int firmwareIndex) {
    if (!validTypeAndFirmware(typeIndex, firmwareIndex)) return false;
    const OutputTypeEntry* out = OutputTypeOf(typeIndex);
    if (!out) return false;
    const bool keepCodes = config.SaturationCodes != 0 && config.ErrorCodes != 0 &&
                           firmware::UsesOutputCodes(FirmwareNumber(firmwareIndex));
    if (!keepCodes) {
        config.SaturationCodes = 0;
        config.ErrorCodes = 0;
        config.OutputCodePoly = {};
    }
    config.OutputGain = 1.0;
    config.OutputOffset = 0.0;
    const double o0 = out->Start();
    const double span = out->Span();
    config.SaturationLow = (out->q[2] - o0) / span;
    config.SaturationHigh = (out->q[3] - o0) / span;
    config.ErrorLow = (out->q[5] - o0) / span;
    config.ErrorHigh = (out->q[6] - o0) / span;
    return true;
}

bool ApplyRangeDefaults(TransmitterConfig& config, int rangeIndex) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range) return false;
    const quint8 locked = config.RangeFlags & kRangeFlagSetupUnitLocked;
    takeRange(config, *range,
              range->UsesEditor ? EditorDisplayFactor(range->Flags) : range->Factor);
    config.RangeFlags = quint8(range->Flags | locked);
    // The default connection, or the first one offered when it is missing.
    const ConnectionList connections = FillConnectionList(range->Code);
    if (connections.positionOfCode(range->DefaultConnection) < 0 &&
        !connections.codeOfPosition.empty())
        config.ConnectionCode = quint8(connections.codeOfPosition.front());
    config.CjTemperature = 0.0;
    config.LeadResistance1 = 0.0;
    config.LeadResistance2 = 0.0;
    return true;
}

}  // namespace lmk17
