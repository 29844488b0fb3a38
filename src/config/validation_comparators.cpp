// The comparator settings as one check: flags from the controls, the enabled
// comparators' values checked, unused values moved into their bounds.
#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "config/comparator_view.h"
#include "config/display_scaling.h"
#include "config/validation.h"
#include "config/validation_input.h"

namespace lmk17 {

namespace {

struct ComparatorBits {
    quint8 enabled, errorCurrent, onAtError;
};
constexpr ComparatorBits kBits[2] = {{kCmp1Enabled, kCmp1ErrorCurrent, kCmp1OnAtError},
                                     {kCmp2Enabled, kCmp2ErrorCurrent, kCmp2OnAtError}};

// Comparator n (0 or 1) when offered and enabled: its flag bits, then its
// level and hysteresis.
CheckOutcome takeComparator(int n, quint8& flags, TransmitterConfig& c, ConfigView& view,
                            const CheckContext& context) {
    const ComparatorView& cv = view.comparators;
    const ComparatorOffer& offer = cv.offer;
    flags |= kBits[n].enabled;
    // Without a relay of its own the comparator can only signal by the
    // error current.
    if (!offer.errorCurrent[n] || cv.errorCurrentChecked[n]) flags |= kBits[n].errorCurrent;
    if (offer.errorState[n] && cv.switchOnAtError[n]) flags |= kBits[n].onAtError;
    CheckOutcome outcome =
        CheckField(n == 0 ? EditField::SL1Edt : EditField::SL2Edt, c, view, context);
    if (!outcome.accepted) return outcome;
    outcome.merge(validation_detail::CheckHysteresis(n + 1, c, view, context));
    return outcome;
}

}  // namespace

CheckOutcome CheckComparators(TransmitterConfig& c, ConfigView& view, const CheckContext& context) {
    CheckOutcome outcome;
    // The offered controls follow the type and firmware, whatever the view
    // was last told.
    view.comparators.offer = OfferedComparatorControls(context.typeIndex, context.firmwareIndex);
    const ComparatorOffer offer = view.comparators.offer;
    quint8 flags = 0;
    for (int n = 0; n < 2; ++n) {
        if (!(offer.enable[n] && view.comparators.enableChecked[n])) continue;
        outcome.merge(takeComparator(n, flags, c, view, context));
        if (!outcome.accepted) return outcome;
    }
    if (!(flags & kCmp2Enabled)) {
        const InputRangeEntry* range = RangeByCode(c.InputRangeCode);
        const double level = range ? range->Defaults[kDefCmp2Level] : c.YEnd();
        c.Comparator2Level =
            std::clamp(level, std::min(c.YStart(), c.YEnd()), std::max(c.YStart(), c.YEnd()));
    }
    const ComparatorView& cv = view.comparators;
    if (offer.relay[0] && cv.relayChecked[0] && !(flags & (kCmp1Enabled | kCmp2Enabled)))
        flags |= kRelay1SignalsError;
    if (offer.relay[1] && cv.relayChecked[1] && !(flags & kCmp2Enabled))
        flags |= kRelay2SignalsError;
    // Values of comparators not in use are kept within bounds so that the
    // record stays sound for the transmitter.
    for (double* level : {&c.Comparator1Level, &c.Comparator2Level})
        if (!WithinInputRange(c, *level)) *level = (1.0 - kBoundTolerance) * c.YEnd();
    for (double* hysteresis : {&c.Comparator1Hysteresis, &c.Comparator2Hysteresis})
        if (!WithinCorrectionBound(c, *hysteresis)) *hysteresis = 0.0;
    c.ComparatorFlags = flags;
    view.comparators = ShowComparators(c, flags, context.typeIndex, context.firmwareIndex);
    return outcome;
}

}  // namespace lmk17
