#include <gtest/gtest.h>

#include "monitoring/monitor_parameters.h"

namespace lmk17 {
namespace {

// A typo or a value out of range never becomes a parameter: it is refused,
// the message names the accepted range and the previous value, which is kept.
TEST(MonitorFields, TakeTheirRangeAndRefuseTheRest) {
    struct Case {
        MonField field;
        const char* typed;
        int previous;
        int kept;  // the previous value when refused
        const char* refusal;
    };
    const char* interval =
        "The time interval must be a number of seconds from 1 to 1200. The previous value of "
        "3.0 s is kept.";
    const char* points =
        "The number of graph records must be a whole number from 20 to 2000. The previous "
        "value of 200 is kept.";
    const char* digits =
        "The number of significant places of the PV must be a whole number from 3 to 25. The "
        "previous value of 10 is kept.";
    const char* percent =
        "The change of the PV value must be a whole number of percent from 1 to 1000. The "
        "previous value of 10 % is kept.";
    const char* period =
        "The time period must be a whole number of seconds from 20 to 7200. The previous value "
        "of 300 s is kept.";
    const Case cases[] = {
        {MonField::Interval, " 2,5", 3000, 2500, nullptr},
        {MonField::Interval, "1", 3000, 1000, nullptr},
        {MonField::Interval, "1200", 3000, 1200000, nullptr},
        {MonField::Interval, "abc", 3000, 3000, interval},
        {MonField::Interval, "", 3000, 3000, interval},
        {MonField::Interval, "-3", 3000, 3000, interval},
        {MonField::Interval, "0,5", 3000, 3000, interval},
        {MonField::Interval, "1200.5", 3000, 3000, interval},
        {MonField::Interval, "12s", 3000, 3000, interval},
        {MonField::Interval, "nan", 3000, 3000, interval},
        {MonField::Interval, "1e9", 3000, 3000, interval},
        {MonField::PointLimit, " 20", 200, 20, nullptr},
        {MonField::PointLimit, "2000", 200, 2000, nullptr},
        {MonField::PointLimit, "2OO", 200, 200, points},
        {MonField::PointLimit, "5000", 200, 200, points},
        {MonField::PointLimit, "19", 200, 200, points},
        {MonField::PointLimit, "", 200, 200, points},
        {MonField::Digits, "3", 10, 3, nullptr},
        {MonField::Digits, "25", 10, 25, nullptr},
        {MonField::Digits, "l2", 10, 10, digits},
        {MonField::Digits, "2", 10, 10, digits},
        {MonField::Digits, "12.5", 10, 10, digits},
        {MonField::Percent, "1", 10, 1, nullptr},
        {MonField::Percent, "1000", 10, 1000, nullptr},
        {MonField::Percent, "5%", 10, 10, percent},
        {MonField::Percent, "0", 10, 10, percent},
        {MonField::Percent, "5000", 10, 10, percent},
        {MonField::Period, "20", 300, 20, nullptr},
        {MonField::Period, "7200", 300, 7200, nullptr},
        {MonField::Period, "x", 300, 300, period},
        {MonField::Period, "10", 300, 300, period},
        {MonField::Period, "9000", 300, 300, period},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SCOPED_TRACE(int(c.field));
        const MonFieldCheck check =
            CheckMonField(c.field, QString::fromLatin1(c.typed), c.previous);
        EXPECT_EQ(check.value, c.kept);
        EXPECT_EQ(check.refusal, c.refusal ? QString::fromLatin1(c.refusal) : QString());
    }
}

}  // namespace
}  // namespace lmk17
