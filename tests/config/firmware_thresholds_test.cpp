// Every firmware-dependent behaviour switches at one version: the version
// itself, the one just below and the one just above must each land on the
// right side, or a transmitter of that firmware is configured wrongly.

#include <gtest/gtest.h>

#include "config/firmware.h"

namespace lmk17 {
namespace {

TEST(FirmwareThresholds, EachBehaviourStartsAtItsVersion) {
    struct Case {
        const char* name;
        bool (*has)(int);
        int first;  // first version with the behaviour
        int last;   // last version with it (0: every later one)
    } cases[] = {
        {"one-based connections", firmware::UsesOneBasedConnections, 170, 0},
        {"working time in seconds", firmware::CountsWorkingTimeInSeconds, 170, 0},
        {"direct corrections", firmware::HasDirectCorrections, 170, 0},
        {"error state choices", firmware::HasErrorStateChoices, 170, 0},
        {"output codes", firmware::UsesOutputCodes, 181, 189},
        {"output limits", firmware::HasOutputLimits, 181, 0},
        {"output range", firmware::HasOutputRange, 190, 0},
        {"normalised limits", firmware::HasNormalisedLimits, 190, 0},
        {"second lead resistance", firmware::HasSecondLeadResistance, 190, 0},
        {"input filter", firmware::HasInputFilter, 191, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.has(c.first - 1));
        EXPECT_TRUE(c.has(c.first));
        EXPECT_EQ(c.has(c.first + 1), c.last == 0 || c.first + 1 <= c.last);
        if (c.last != 0) {
            EXPECT_TRUE(c.has(c.last - 1));
            EXPECT_TRUE(c.has(c.last));
            EXPECT_FALSE(c.has(c.last + 1));
        } else {
            EXPECT_TRUE(c.has(195));
        }
        EXPECT_FALSE(c.has(160));
    }
}

}  // namespace
}  // namespace lmk17
