// Day numbers as the configuration, the monitoring and their files keep them.
#include <gtest/gtest.h>

#include "common/day_number.h"

namespace lmk17 {
namespace {

TEST(DayNumber, CountsDaysFromTheEpochWithTheTimeAsFraction) {
    const struct {
        QDateTime moment;
        double day;
    } cases[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {QDateTime(QDate(1900, 1, 1), QTime(6, 0)), 2.25},
        {QDateTime(QDate(2000, 1, 1), QTime(12, 0)), 36526.5},
        {QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)), 45351.0 + 86399.0 / 86400.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moment.toString(Qt::ISODate).toStdString());
        EXPECT_DOUBLE_EQ(DayNumberOf(c.moment), c.day);
    }
    EXPECT_EQ(DayNumberEpoch(), QDate(1899, 12, 30));
}

}  // namespace
}  // namespace lmk17
