// The search's order of settings and its time budget.

#include <gtest/gtest.h>

#include "link/line_scan.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

constexpr LinkParity O = LinkParity::Odd, E = LinkParity::Even, N = LinkParity::None;

TEST(LineScan, MostLikelySettingsComeFirst) {
    const std::vector<int> all = {600, 1200, 2400, 4800, 9600, 19200};
    const struct {
        const char* name;
        std::vector<int> bauds;
        std::vector<LinkParity> parities;
        std::optional<ScanSetting> stored;
        std::vector<ScanSetting> first;
    } cases[] = {
        {"defaults, then high to low",
         all,
         {O, E, N},
         std::nullopt,
         {{2400, O}, {19200, O}, {19200, E}, {19200, N}, {9600, O}}},
        {"the stored setting second",
         all,
         {O, E, N},
         ScanSetting{4800, E},
         {{2400, O}, {4800, E}, {19200, O}}},
        {"only what was asked", {9600, 1200}, {E}, ScanSetting{4800, E}, {{9600, E}, {1200, E}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ScanSetting> order = ScanOrder(c.bauds, c.parities, c.stored);
        ASSERT_GE(order.size(), c.first.size());
        for (size_t i = 0; i < c.first.size(); ++i) {
            EXPECT_EQ(order[i].baud, c.first[i].baud) << i;
            EXPECT_EQ(order[i].parity, c.first[i].parity) << i;
        }
        EXPECT_EQ(order.size(), c.bauds.size() * c.parities.size());  // each once
    }
}

// The default sweep (32 addresses, 6 speeds, 3 parities) on a silent line
// fits in a minute with the default allowance, with room for the program's
// own work; a probe never waits the 1.2 s answer time-out.
TEST(LineScan, SilentSweepFitsTheBudget) {
    const std::vector<int> all = {600, 1200, 2400, 4800, 9600, 19200};
    long long totalMs = 0;
    for (const ScanSetting& s : ScanOrder(all, {O, E, N}, std::nullopt)) {
        const LinkTiming t = ProbeTiming(s.baud, kDefaultProbeAllowanceMs);
        EXPECT_LT(t.answerTimeoutMs, 1200);
        // The first byte of an answer needs the request's 13 bytes and its own.
        EXPECT_GE(t.answerStartMs, 14 * 11 * 1000 / s.baud);
        EXPECT_FALSE(t.settleAfterTimeout);
        totalMs += 32LL * t.answerStartMs;
    }
    EXPECT_LE(totalMs, 56000);
}

// Found, nothing found or cancelled: the port's speed and parity and the
// engine's timing are the caller's again afterwards.
TEST(LineScan, LeavesThePortAndTimingAsItFoundThem) {
    const struct {
        const char* what;
        std::vector<ScanSetting> settings;
        bool cancel;
        size_t hits;
    } cases[] = {
        {"found at even parity", {{4800, O}, {4800, E}}, false, 1},
        {"nothing answers", {{4800, O}, {9600, E}}, false, 0},
        {"cancelled", {{600, E}}, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sim::LineOptions line;
        line.checkLine = true;
        line.baud = 4800;
        line.parity = 'e';
        test::SimRig rig(line);
        const int timeoutBefore = rig.engine.timing().answerTimeoutMs;
        LineScan scan(rig.port, rig.engine);
        LineScan::Plan plan;
        plan.addresses = {0};
        plan.settings = c.settings;
        plan.allowanceMs = c.cancel ? 2000 : 50;
        ASSERT_TRUE(scan.start(plan));
        if (c.cancel) {
            test::Spin(100);
            scan.cancel();
        }
        ASSERT_TRUE(test::SpinUntil([&] { return !scan.running(); }, 20000));
        EXPECT_EQ(scan.hits().size(), c.hits);
        EXPECT_EQ(rig.port.baudRate(), 2400);
        EXPECT_EQ(rig.port.parity(), O);
        EXPECT_EQ(rig.engine.timing().answerTimeoutMs, timeoutBefore);
    }
}

}  // namespace
}  // namespace lmk17
