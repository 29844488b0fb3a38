// Reading a configuration from the software transmitter, end to end.

#include <gtest/gtest.h>

#include <algorithm>

#include "config/catalogue.h"
#include "operations/operation_texts.h"
#include "ops_expectations.h"
#include "ops_harness.h"
#include "sim_memory.h"
#include "support/qt_printers.h"

namespace lmk17::test::ops {
namespace {

struct ReadCase {
    const char* name;
    const char* type;
    int firmware;
    bool comparators;
};

class ReadBranches : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadBranches, ReadsTheWholeConfigurationInOrder) {
    const ReadCase& c = GetParam();
    OpsHarness h(Profile(c.type, c.firmware));
    ASSERT_TRUE(h.started) << h.error.toStdString();
    const int typeIndex = FindType(QString::fromLatin1(c.type));
    ASSERT_GT(typeIndex, 0);
    ASSERT_EQ(TypeAt(typeIndex)->D, !c.comparators);

    ASSERT_EQ(h.read(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    EXPECT_EQ(h.sequence(), ConfigurationSequence({c.firmware, c.comparators}, false));

    // The transmitter holds the catalogue defaults of its type.
    const TransmitterConfig want = sim::DefaultConfig(typeIndex, 0, 0, h.tx().profile().serial);
    const TransmitterConfig& got = h.model.config();
    EXPECT_EQ(got.InputRangeCode, want.InputRangeCode);
    EXPECT_EQ(got.ConnectionCode, want.ConnectionCode);
    EXPECT_EQ(got.RangeFlags, want.RangeFlags);
    EXPECT_EQ(got.ComparatorFlags, want.ComparatorFlags);
    EXPECT_FLOAT_EQ(got.LowerRangeValue, want.LowerRangeValue);
    EXPECT_FLOAT_EQ(got.UpperRangeValue, want.UpperRangeValue);
    EXPECT_NEAR(got.LowerCorrection, want.LowerCorrection, 1e-4);
    EXPECT_NEAR(got.UpperCorrection, want.UpperCorrection, 1e-4);
    EXPECT_NEAR(got.Damping, want.Damping, 1e-5);
    EXPECT_EQ(got.SerialNumber, h.tx().profile().serial);
    EXPECT_EQ(got.TransmitterType.trimmed(), h.tx().profile().identificationText());
    EXPECT_EQ(got.Manufacturer.trimmed(), h.tx().profile().manufacturer.toLatin1());
    EXPECT_EQ(got.ManufactureDate.trimmed(), h.tx().profile().manufactureDate.toLatin1());
    // Old firmware counts in units of 10 s; the record holds seconds.
    EXPECT_NEAR(double(got.WorkingTime), double(h.tx().workingTimeS()), 20.0);
    if (c.firmware < 190) {
        // What the firmware does not hold keeps its defaults.
        EXPECT_EQ(got.OutputGain, 1.0);
        EXPECT_EQ(got.OutputOffset, 0.0);
        EXPECT_EQ(got.LeadResistance2, 0.0);
    }
    if (c.firmware < 181 || c.firmware > 189) {
        EXPECT_EQ(got.SaturationCodes, 0u);
        EXPECT_EQ(got.ErrorCodes, 0u);
    } else {
        EXPECT_EQ(got.SaturationCodes, want.SaturationCodes);
        EXPECT_EQ(got.ErrorCodes, want.ErrorCodes);
        EXPECT_NEAR(got.SaturationLow, want.SaturationLow, 1e-4);
        EXPECT_NEAR(got.ErrorHigh, want.ErrorHigh, 1e-4);
    }
    EXPECT_NEAR(got.SaturationHigh, want.SaturationHigh, 1e-4);

    // Finished: the identity is adopted and the record is the transmitter's.
    EXPECT_EQ(h.model.identity().typeIndex, typeIndex);
    EXPECT_EQ(h.model.identity().firmwareIndex, FindFirmware(c.firmware));
    EXPECT_EQ(h.model.identity().serialNumber, h.tx().profile().serial);
    EXPECT_EQ(h.model.origin(), ConfigOrigin::Transmitter);
    EXPECT_FALSE(h.model.unsavedChanges());
    EXPECT_TRUE(h.model.hasConfiguration());
    EXPECT_FALSE(h.engine.operation().running());
    EXPECT_TRUE(h.engine.commandsEnabled());
    EXPECT_FALSE(h.ui.progressOpen);
    EXPECT_EQ(h.ui.progressMaximum, 440);
    EXPECT_EQ(h.ui.progressCaption, QStringLiteral(" Reading Configuration from Transmitter"));
    ASSERT_FALSE(h.ui.progress.empty());
    EXPECT_TRUE(std::is_sorted(h.ui.progress.begin(), h.ui.progress.end()));
    EXPECT_EQ(h.ui.progress.back(), 440);
    EXPECT_TRUE(h.ui.shown.empty()) << h.ui.texts().join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Firmware, ReadBranches,
                         ::testing::Values(ReadCase{"k8620_160", "K8620L31", 160, true},
                                           ReadCase{"k8620_170", "K8620L31", 170, true},
                                           ReadCase{"k8620_185", "K8620L31", 185, true},
                                           ReadCase{"k8620_190", "K8620L31", 190, true},
                                           ReadCase{"k8620_191", "K8620L31", 191, true},
                                           ReadCase{"k8410_160", "K8410H10", 160, false},
                                           ReadCase{"k8410_185", "K8410H10", 185, false},
                                           ReadCase{"k8410_191", "K8410H10", 191, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lmk17::test::ops
