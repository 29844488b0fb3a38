// "Search…": a transmitter found is offered for use only once the search has
// ended (the port has its own settings back), and only a row that exists.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/transmitter_search.h"
#include "link/port_connection.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

TEST(TransmitterSearch, AFoundTransmitterCanBeUsedOnlyOnceTheSearchHasEnded) {
    test::SimRig rig;
    TransmitterSearch search(rig.stack);
    QSignalSpy usability(&search, &TransmitterSearch::usabilityChanged);
    LineScan::Plan plan;
    plan.addresses = {0};
    plan.settings = {ScanSetting{9600, LinkParity::Even}};
    plan.allowanceMs = 50;
    // What the search says about rows -1, 0 and 1 at each stage.
    struct Stage {
        const char* name;
        bool minus, first, second;
    };
    std::vector<Stage> seen;
    const auto note = [&](const char* name) {
        seen.push_back({name, search.canUse(-1), search.canUse(0), search.canUse(1)});
    };
    QObject::connect(&search, &TransmitterSearch::transmitterFound,
                     [&] { note("found, running"); });
    note("before the search");
    ASSERT_TRUE(search.start(plan));
    note("started");
    ASSERT_TRUE(test::SpinUntil([&] { return !search.running(); }, 20000));
    note("ended");
    const Stage expected[] = {
        {"before the search", false, false, false},
        {"started", false, false, false},
        {"found, running", false, false, false},
        {"ended", false, true, false},
    };
    ASSERT_EQ(seen.size(), std::size(expected));
    for (size_t i = 0; i < seen.size(); ++i) {
        const Stage& s = seen[i];
        SCOPED_TRACE(s.name);
        EXPECT_STREQ(s.name, expected[i].name);
        EXPECT_EQ(s.minus, expected[i].minus);
        EXPECT_EQ(s.first, expected[i].first);
        EXPECT_EQ(s.second, expected[i].second);
    }
    EXPECT_EQ(usability.count(), 2);  // at the start and at the end

    // The search put the program's own settings back; use() takes the find's.
    EXPECT_NE(rig.stack.connection().settings().baudIndex, 4);
    EXPECT_FALSE(search.use(1));
    ASSERT_TRUE(search.use(0));
    EXPECT_EQ(rig.stack.connection().settings().baudIndex, 4);    // 9600 Bd
    EXPECT_EQ(rig.stack.connection().settings().parityIndex, 2);  // even
}

}  // namespace
}  // namespace lmk17
