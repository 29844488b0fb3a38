#include <gtest/gtest.h>

#include "monitoring/monitor_parameters.h"

namespace lmk17 {
namespace {

// A typo in the interval never becomes an interval: it is refused, the
// message names the accepted range and the value kept.
TEST(MonitorIntervalField, TakesSecondsFrom1To1200AndRefusesTheRest) {
    struct Case {
        const char* typed;
        int kept;
        bool refused;
    };
    const Case cases[] = {
        {" 2,5", 2500, false},  {"1", 1000, false},  {"1200", 1200000, false}, {"abc", 3000, true},
        {"", 3000, true},       {"-3", 3000, true},  {"0,5", 3000, true},      {"0", 3000, true},
        {"1200.5", 3000, true}, {"12s", 3000, true}, {"nan", 3000, true},      {"1e9", 3000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const MonFieldCheck check = CheckMonIntervalField(QString::fromLatin1(c.typed), 3000);
        EXPECT_EQ(check.value, c.kept);
        EXPECT_EQ(!check.refusal.isEmpty(), c.refused);
        if (c.refused) {
            EXPECT_EQ(check.refusal,
                      "The time interval must be a number of seconds from 1 to 1200. The "
                      "previous value of 3.0 s is kept.");
        }
    }
}

}  // namespace
}  // namespace lmk17
