// The monitoring dialog's fields at both ends of what they take: a bound off
// by one changes what a stored or typed value becomes.

#include <gtest/gtest.h>

#include "monitoring/monitor_log.h"
#include "monitoring/monitor_parameters.h"
#include "support/qt_printers.h"

namespace lmk17 {
namespace {

TEST(MonitorBounds, EachFieldAtItsEnds) {
    struct Case {
        const char* field;
        int (*check)(const QString&);
        const char* typed;
        int taken;
    } cases[] = {
        {"interval", CheckMonInterval, "0.999", 1000},
        {"interval", CheckMonInterval, "1", 1000},
        {"interval", CheckMonInterval, "1200", 1200000},
        {"interval", CheckMonInterval, "1200.001", 1200000},
        {"point limit", CheckMonPointLimit, "19", 20},
        {"point limit", CheckMonPointLimit, "20", 20},
        {"point limit", CheckMonPointLimit, "1999", 1999},
        {"point limit", CheckMonPointLimit, "2000", 2000},
        {"point limit", CheckMonPointLimit, "2001", 2000},
        {"digits", CheckMonDigits, "3", 3},
        {"digits", CheckMonDigits, "25", 25},
        {"digits", CheckMonDigits, "26", 25},
        {"change percent", CheckMonPercent, "1", 1},
        {"change percent", CheckMonPercent, "1000", 1000},
        {"change percent", CheckMonPercent, "1001", 1000},
        {"period", CheckMonPeriod, "19", 20},
        {"period", CheckMonPeriod, "20", 20},
        {"period", CheckMonPeriod, "3601", 3601},
        {"period", CheckMonPeriod, "7200", 7200},
        {"period", CheckMonPeriod, "7201", 7200},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.check(QString::fromLatin1(c.typed)), c.taken) << c.field << " " << c.typed;
}

TEST(MonitorBounds, AddressListAtItsEnds) {
    const struct {
        const char* typed;
        bool taken;
        const char* written;
    } cases[] = {
        {"31", true, "31"},
        {"32", false, ""},
        {"0", true, "0"},
        {"30-31", true, "30,31"},
        {"29-31", true, "29-31"},
        {"5-5", true, "5"},
        {"1,2,4,5,6", true, "1,2,4-6"},
    };
    for (const auto& c : cases) {
        const auto list = ParseMonAddressList(QString::fromLatin1(c.typed));
        ASSERT_EQ(list.has_value(), c.taken) << c.typed;
        if (list) {
            EXPECT_EQ(MonAddressListText(*list), QString::fromLatin1(c.written)) << c.typed;
        }
    }
}

// The window keeps 501 lines; the next one empties it first.
TEST(MonitorBounds, LogWindowLimit) {
    MonitorLog log;
    for (int i = 0; i <= MonitorLog::kWindowLimit; ++i) log.PrintMonMemo(QString::number(i));
    EXPECT_EQ(log.windowLines().size(), 501);
    log.PrintMonMemo(QStringLiteral("next"));
    EXPECT_EQ(log.windowLines(), QStringList{QStringLiteral("next")});
}

}  // namespace
}  // namespace lmk17
