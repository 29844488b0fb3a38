// A transmitter's own linearization tables against the program's: kept when
// they measure what the range's characteristic says, replaced (with the
// warning) when they belong to something else. Either way the live
// operations run on the configuration just read.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "monitoring/live_sim_rig.h"
#include "sim_memory.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

enum class Tables { FittedElsewhere, OfPt100, OneCoefficientDamaged };

// Puts the tables of another range (as a write of them would leave them)
// into the transmitter's memory.
void HoldTablesOf(sim::SimTransmitter& tx, int rangeCode, int tablesOf) {
    TransmitterConfig c = sim::DefaultConfig(tx.typeIndex(), rangeCode, tx.address(), 1);
    ApplyStandardTables(c, tablesOf);
    const sim::TransmitterMemory m = sim::MemoryFromConfig(c, tx.firmware(), tx.typeIndex(), {});
    for (const auto& [key, values] : m.blocks)
        if (key.first == 50 || key.first == 70) tx.memory().blocks[key] = values;
}

TEST(StandardTablesOnTheTransmitter, OwnTablesAreKeptWrongOnesReplaced) {
    const struct {
        const char* name;
        int range;
        Tables tables;
        bool replaced;
    } cases[] = {
        {"type K fitted elsewhere", 52, Tables::FittedElsewhere, false},
        {"Ni1000 fitted elsewhere", 15, Tables::FittedElsewhere, false},
        {"Pt100 tables on type K", 52, Tables::OfPt100, true},
        {"type K with a damaged coefficient", 52, Tables::OneCoefficientDamaged, true},
    };
    const QString warning = QStringLiteral("Attention! Linearization table or cold junction");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::TransmitterProfile profile = Profile("K8410H10", 191, c.range);
        profile.foreignTables = c.tables == Tables::FittedElsewhere;
        LiveSimRig rig({profile});
        ASSERT_TRUE(rig.started);
        if (c.tables == Tables::OfPt100) HoldTablesOf(rig.transmitter(), c.range, 11);
        if (c.tables == Tables::OneCoefficientDamaged)
            rig.transmitter().memory().blocks[{50, 4}][0] += 20.0;  // c0 of segment 4
        ASSERT_TRUE(rig.readConfiguration());
        EXPECT_EQ(rig.ui.texts().join('\n').contains(warning), c.replaced);
        EXPECT_EQ(MatchesStandardTables(rig.model.config(), c.range), c.replaced);
        EXPECT_EQ(rig.model.unsavedChanges(), c.replaced);  // a mend is to be written or saved

        // ... but is no reason to read the configuration again, not for the
        // first live operation nor for the next one.
        rig.ui.shown.clear();
        ASSERT_TRUE(rig.live.startWorkingTimeReading());
        ASSERT_TRUE(rig.waitIdle());
        ASSERT_TRUE(rig.live.readOrStopPv());
        ASSERT_TRUE(rig.waitIdle());
        EXPECT_TRUE(rig.ui.shown.empty()) << rig.ui.texts().join('\n').toStdString();
        EXPECT_FALSE(rig.live.page().workingTimeText.isEmpty());
        EXPECT_FALSE(rig.live.page().pvText.isEmpty());
    }
}

}  // namespace
}  // namespace lmk17
