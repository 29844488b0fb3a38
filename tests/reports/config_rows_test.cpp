// What the configuration protocol prints for a configuration: the rows that
// depend on the firmware, the error current's side and the link settings.

#include <gtest/gtest.h>

#include <functional>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "reports/config_rows.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

// The report of a K8620L20 (two relays, two comparators, 4..20 mA) default
// configuration at a firmware, changed as a case asks; one line per row.
QStringList reportOf(int firmware, const std::function<void(TransmitterConfig&)>& change) {
    test::ScriptedInteraction ui;
    ConfigModel model{ui};
    model.edit().identity().typeIndex = FindType(QLatin1String("K8620L20"));
    model.edit().identity().firmwareIndex = FindFirmware(firmware);
    model.edit().identity().rangeIndex = FindRange(11);
    EXPECT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                              model.identity().firmwareIndex));
    change(model.edit().config());
    model.RefreshFromConfig();
    QStringList lines;
    for (const ReportRow& row : ConfigurationRows(model).rows) {
        QStringList cells;
        for (const ReportCell& cell : row.cells) cells << cell.text;
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

TEST(ProtocolRows, RowsByConfiguration) {
    struct Case {
        const char* name;
        int firmware;
        std::function<void(TransmitterConfig&)> change;
        const char* row;
        bool present;
    } cases[] = {
        {"two sensors from 1.90: both lead resistances", 190,
         [](TransmitterConfig& c) {
             c.ConnectionCode = 8;
             c.LeadResistance2 = 1.25;
         },
         "Lead Resistance 2:|1.250 Ohm", true},
        {"two sensors before 1.90: one lead resistance", 185,
         [](TransmitterConfig& c) { c.ConnectionCode = 8; }, "Lead Resistance 2:", false},
        {"two sensors before 1.90: its label", 185,
         [](TransmitterConfig& c) { c.ConnectionCode = 8; }, "Lead Resistance:|", true},
        {"high error current", 191, [](TransmitterConfig& c) { c.Damping = 4.0; },
         "Error Indication:|cca  22 mA", true},
        {"low error current", 191, [](TransmitterConfig& c) { c.Damping = -4.0; },
         "Error Indication:|cca  3.5 mA", true},
        {"9600 Bd", 191, [](TransmitterConfig& c) { c.BaudCode = 3; }, "BaudRate: 9600 Bd, ", true},
        {"19200 Bd", 191, [](TransmitterConfig& c) { c.BaudCode = 1; }, "BaudRate: 19200 Bd, ",
         true},
        {"unknown baud code", 191, [](TransmitterConfig& c) { c.BaudCode = 0; },
         "BaudRate: 2400 Bd, ", true},
        {"relay 1 is comparator 2's", 191, [](TransmitterConfig& c) { c.ComparatorFlags = 0x06; },
         " and by Switching Relay 1", false},
        {"relay 1 signals errors", 191, [](TransmitterConfig& c) { c.ComparatorFlags = 0x04; },
         " and by Switching Relay 1", true},
        {"relay 2 beside comparator 1", 191, [](TransmitterConfig& c) { c.ComparatorFlags = 0x09; },
         " and by Switching Relay 2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = reportOf(c.firmware, c.change);
        bool found = false;
        for (const QString& line : lines) found = found || line.contains(QString::fromUtf8(c.row));
        EXPECT_EQ(found, c.present) << lines.join(QLatin1Char('\n')).toStdString();
    }
}

}  // namespace
}  // namespace lmk17
