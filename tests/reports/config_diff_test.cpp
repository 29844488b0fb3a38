// Two configurations compared field by field: what a technician is shown
// before trusting that a file and a transmitter hold the same.

#include <gtest/gtest.h>

#include <functional>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "reports/config_diff.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

using Change = std::function<void(TransmitterConfig&)>;

// A K8620L20 default configuration (firmware 1.91, Pt100), changed as asked.
void configure(ConfigModel& model, const Change& change) {
    model.edit().identity().typeIndex = FindType(QLatin1String("K8620L20"));
    model.edit().identity().firmwareIndex = FindFirmware(191);
    model.edit().identity().rangeIndex = FindRange(11);
    ASSERT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                              model.identity().firmwareIndex));
    change(model.edit().config());
    model.RefreshFromConfig();
}

TEST(CompareConfigurations, NamesExactlyTheFieldsThatDiffer) {
    const struct {
        const char* what;
        Change change;
        QStringList differing;  // field names shown as differing
        QStringList record;     // stored values that differ
    } cases[] = {
        {"equal", [](TransmitterConfig&) {}, {}, {}},
        {"working time only: a counter, not a setting",
         [](TransmitterConfig& c) { c.WorkingTime += 3600; },
         {},
         {}},
        {"damping", [](TransmitterConfig& c) { c.Damping = 2.0; }, {"Damping"}, {"Damping"}},
        {"a range end inside the table",
         [](TransmitterConfig& c) { c.UpperRangeValue *= 0.5; },
         {"Set Range / End / Input"},
         {"UpperRangeValue"}},
        {"a comparator's level",
         [](TransmitterConfig& c) { c.Comparator2Level *= 0.5; },
         {"Limit Comparator 2 / Switch Level"},
         {"Comparator2Level"}},
        {"below the listing's digits: still not equal",
         [](TransmitterConfig& c) { c.Damping += 1e-4; },
         {},
         {"Damping"}},
        {"below what the transmitter holds: equal",
         [](TransmitterConfig& c) {
             c.Damping += 1e-12;
             c.LinSegTable[0][1] = double(float(c.LinSegTable[0][1]));
             c.UserNote = c.UserNote + "   ";
         },
         {},
         {}},
        {"the note",
         [](TransmitterConfig& c) { c.UserNote = "pump 3"; },
         {"Text Note"},
         {"UserNote"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedInteraction ui;
        ConfigModel left{ui}, right{ui};
        configure(left, [](TransmitterConfig&) {});
        configure(right, c.change);
        const ConfigurationComparison cmp = CompareConfigurations(left, right);
        QStringList differing;
        for (const FieldComparison& f : cmp.fields)
            if (f.differs()) differing << f.name;
        EXPECT_EQ(differing, c.differing);
        EXPECT_EQ(cmp.recordDifferences, c.record);
        EXPECT_EQ(cmp.equal(), c.differing.isEmpty() && c.record.isEmpty());
    }
    // Whole numbers stay exact where binary32 has no whole numbers left.
    test::ScriptedInteraction ui;
    ConfigModel left{ui}, right{ui};
    configure(left, [](TransmitterConfig& c) { c.SerialNumber = 99999998; });
    configure(right, [](TransmitterConfig& c) { c.SerialNumber = 99999999; });
    EXPECT_EQ(CompareConfigurations(left, right).recordDifferences, QStringList{"SerialNumber"});
}

TEST(CompareConfigurations, AFieldOnlyOneSideHasIsEmptyOnTheOther) {
    test::ScriptedInteraction ui;
    ConfigModel one{ui}, two{ui};
    configure(one, [](TransmitterConfig&) {});
    configure(two, [](TransmitterConfig& c) {  // two sensors: a second lead resistance
        c.ConnectionCode = 8;
        c.LeadResistance2 = 1.25;
    });
    const ConfigurationComparison cmp = CompareConfigurations(one, two);
    const auto field = [&](const QString& name) -> const FieldComparison* {
        for (const FieldComparison& f : cmp.fields)
            if (f.name == name) return &f;
        return nullptr;
    };
    const FieldComparison* lead = field(QStringLiteral("Lead Resistance 2"));
    ASSERT_NE(lead, nullptr);
    EXPECT_TRUE(lead->left.isEmpty());
    EXPECT_EQ(lead->right, QStringLiteral("1.250 Ohm"));
    EXPECT_TRUE(lead->differs());
    EXPECT_FALSE(cmp.equal());
}

}  // namespace
}  // namespace lmk17
