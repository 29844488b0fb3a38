// Tokens of the ordering code a user copies into an order: every baud rate of
// the transmitter's table and the comparator and relay tokens of a type with
// two relays and two comparators.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/ordering_code.h"

namespace lmk17 {
namespace {

constexpr int kK8620L20 = 28;  // two relays that can signal errors, two comparators
constexpr int kFw191 = 14;

QString codeOf(void (*change)(TransmitterConfig&)) {
    TransmitterConfig c;
    SetDefaultConfiguration(c, kK8620L20, 0, kFw191);
    c.TransmitterType = "K8620L20, FW 1.91";
    change(c);
    return BuildOrderingCode(c, kK8620L20, kFw191).text;
}

TEST(OrderingCodeTokens, EveryBaudRate) {
    const struct {
        int code;
        const char* token;
    } cases[] = {
        {63, "BR6"},
        {31, "BR12"},
        {15, "BR24"},
        {7, "BR48"},
        {3, "BR96"},
        {1, "BR192"},
        // not a code of the table: the transmitter's default rate
        {0, "BR24"},
        {2, "BR24"},
        {255, "BR24"},
    };
    for (const auto& c : cases) {
        TransmitterConfig config;
        SetDefaultConfiguration(config, kK8620L20, 0, kFw191);
        config.BaudCode = quint8(c.code);
        const QString code = BuildOrderingCode(config, kK8620L20, kFw191).text;
        EXPECT_TRUE(code.contains(QStringLiteral("  ADR0  %1  PO  ").arg(QLatin1String(c.token))))
            << c.code << ": " << code.toStdString();
    }
}

TEST(OrderingCodeTokens, ComparatorsAndRelays) {
    struct Case {
        const char* name;
        void (*change)(TransmitterConfig&);
        const char* piece;
        bool present;
    } cases[] = {
        {"both comparators", [](TransmitterConfig& c) { c.ComparatorFlags = 0x03; }, "  S2E  S1L ",
         true},
        {"both comparators give no S1E", [](TransmitterConfig& c) { c.ComparatorFlags = 0x03; },
         "S1E", false},
        {"relay 2 signals errors beside comparator 1",
         [](TransmitterConfig& c) { c.ComparatorFlags = 0x09; }, "  ER2  LE ", true},
        {"relay 2 is comparator 2's", [](TransmitterConfig& c) { c.ComparatorFlags = 0x0A; }, "ER2",
         false},
        {"relay 1 is comparator 2's", [](TransmitterConfig& c) { c.ComparatorFlags = 0x06; }, "ER1",
         false},
        {"both relays signal errors", [](TransmitterConfig& c) { c.ComparatorFlags = 0x0C; },
         "  ECH  ER1  ER2  LE ", true},
        {"zero damping keeps the high error current", [](TransmitterConfig& c) { c.Damping = 0.0; },
         "  DP 0.0 s  ECH  ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString code = codeOf(c.change);
        EXPECT_EQ(code.contains(QString::fromUtf8(c.piece)), c.present) << code.toStdString();
    }
}

}  // namespace
}  // namespace lmk17
