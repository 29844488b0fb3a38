#include "config/comparator_view.h"

#include <cmath>

#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/firmware.h"

namespace lmk17 {

ComparatorOffer OfferedComparatorControls(int typeIndex, int firmwareIndex) {
    ComparatorOffer offer;
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    if (!type) return offer;
    const bool choices = firmware::HasErrorStateChoices(FirmwareNumber(firmwareIndex));
    for (int n = 0; n < 2; ++n) {
        const bool comparator = type->Comparators > n;
        const bool relay = type->Relays > n;
        offer.enable[n] = comparator;
        offer.errorCurrent[n] = comparator && relay;
        offer.errorState[n] = comparator && relay && type->ErrorStateFlag && choices;
        offer.relay[n] = relay && type->RelayFlag && choices;
    }
    return offer;
}

quint8 AvailableComparatorBits(quint8 flags, int typeIndex) {
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    const int comparators = type ? type->Comparators : 0;
    if (comparators == 0) return flags & (kRelay1SignalsError | kRelay2SignalsError);
    if (comparators < 2) return flags & ~(kCmp2ErrorCurrent | kCmp2OnAtError);
    return flags;
}

ComparatorView ShowComparators(const TransmitterConfig& config, quint8 flags, int typeIndex,
                               int firmwareIndex) {
    ComparatorView v;
    v.offer = OfferedComparatorControls(typeIndex, firmwareIndex);
    v.enableChecked[0] = flags & (kCmp1Enabled | kCmp2Enabled);
    v.enableChecked[1] = flags & kCmp2Enabled;
    v.errorCurrentChecked[0] = flags & kCmp1ErrorCurrent;
    v.errorCurrentChecked[1] = flags & kCmp2ErrorCurrent;
    v.switchOnAtError[0] = flags & kCmp1OnAtError;
    v.switchOnAtError[1] = flags & kCmp2OnAtError;
    v.relayChecked[0] = flags & kRelay1SignalsError;
    v.relayChecked[1] = flags & kRelay2SignalsError;
    const double levels[2] = {config.Comparator1Level, config.Comparator2Level};
    const double hysteresis[2] = {config.Comparator1Hysteresis, config.Comparator2Hysteresis};
    for (int n = 0; n < 2; ++n) {
        v.reverse[n] = hysteresis[n] < 0.0;
        v.levelText[n] = FormatRangeDependent(config, levels[n]);
        v.hysteresisText[n] = FormatG5(std::fabs(ToDisplay(config, hysteresis[n])));
        v.controlsEnabled[n] = v.offer.enable[n] && v.enableChecked[n];
        v.relayEnabled[n] = v.offer.relay[n] && !v.enableChecked[n];
    }
    v.enableEnabled[0] = v.offer.enable[0];
    v.enableEnabled[1] = v.offer.enable[1] && v.enableChecked[0];
    return v;
}

}  // namespace lmk17
