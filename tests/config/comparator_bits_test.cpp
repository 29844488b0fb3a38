// What the comparator controls offer for each type (the second comparator is
// enabled only after the first, and the bits of a comparator the type lacks
// never reach the record), and the catalogue's bounds on an identity.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/comparator_view.h"
#include "config/config_model.h"
#include "config/identification_text.h"
#include "config/transmitter_config.h"

namespace lmk17 {
namespace {

TEST(ComparatorBits, EveryTypeKeepsOnlyTheBitsOfItsComparators) {
    const quint8 secondOnly = kCmp2ErrorCurrent | kCmp2OnAtError;
    const quint8 relays = kRelay1SignalsError | kRelay2SignalsError;
    int seen[3] = {0, 0, 0};
    for (int t = 1; t <= kTypeCount; ++t) {
        const int comparators = TypeAt(t)->Comparators;
        ASSERT_LE(comparators, 2);
        ++seen[comparators];
        const quint8 kept = AvailableComparatorBits(0xFF, t);
        SCOPED_TRACE(TypeAt(t)->Name);
        switch (comparators) {
            case 0:
                EXPECT_EQ(kept, relays);
                break;
            case 1:
                EXPECT_EQ(kept, quint8(0xFF & ~secondOnly));
                break;
            default:
                EXPECT_EQ(kept, 0xFF);
                break;
        }
    }
    // Types without and with two comparators are both walked (no type has one).
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[2], 0);
}

TEST(ComparatorBits, TheSecondComparatorWaitsForTheFirst) {
    const struct {
        quint8 flags;
        bool secondEnableable;
    } cases[] = {{0, false}, {kCmp1Enabled, true}, {kCmp1Enabled | kCmp2Enabled, true}};
    TransmitterConfig config;
    int checked = 0;
    for (int t = 1; t <= kTypeCount; ++t) {
        if (TypeAt(t)->Comparators < 2) continue;
        const ComparatorView offer = ShowComparators(config, 0, t, kFirmwareCount);
        if (!offer.offer.enable[1]) continue;
        ++checked;
        for (const auto& c : cases) {
            const ComparatorView v = ShowComparators(config, c.flags, t, kFirmwareCount);
            EXPECT_EQ(v.enableEnabled[1], c.secondEnableable) << TypeAt(t)->Name << " " << c.flags;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(IdentityBounds, TheFirstAndLastTypeFirmwareAndRangeAreSupported) {
    const struct {
        int type, firmware, range;
        bool supported;
    } cases[] = {
        {1, 1, 1, true},
        {kTypeCount, kFirmwareCount, kRangeCount, true},
        {kTypeCount + 1, 1, 1, false},
        {1, kFirmwareCount + 1, 1, false},
        {1, 1, kRangeCount + 1, false},
        {0, 1, 1, false},
    };
    for (const auto& c : cases) {
        ConfigIdentity id;
        id.typeIndex = c.type;
        id.firmwareIndex = c.firmware;
        id.rangeIndex = c.range;
        EXPECT_EQ(IdentitySupported(id), c.supported)
            << c.type << " " << c.firmware << " " << c.range;
    }
}

}  // namespace
}  // namespace lmk17
