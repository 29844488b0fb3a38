// Single values on the wire that the firmware branches must get exactly right.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "ops_harness.h"
#include "support/qt_printers.h"

namespace lmk17::test::ops {
namespace {

TEST(OldFirmwareWrite, NoCorrectionTravelsAsUnitGain) {
    OpsHarness h(Profile("K8620L31", 160));
    ASSERT_TRUE(h.started);
    ASSERT_EQ(h.read(), OperationOutcome::Completed);
    {
        ConfigModel::Edit e = h.model.edit();
        e.config().LowerRangeValue = 0.0;
        e.config().UpperRangeValue = 100.0;
        e.config().LowerCorrection = 0.0;
        e.config().UpperCorrection = 0.0;
    }
    h.model.RefreshFromConfig();
    h.requests.clear();
    ASSERT_EQ(h.write(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    EXPECT_EQ(h.requestsFor(1, 2).at(0).floatValue(), 0.0);
    EXPECT_EQ(h.requestsFor(2, 2).at(0).floatValue(), 100.0);
    EXPECT_EQ(h.requestsFor(3, 2).at(0).floatValue(), 1.0);
    EXPECT_EQ(h.requestsFor(4, 2).at(0).floatValue(), 0.0);

    h.model.edit().config().LowerCorrection = 5.0;  // a stale value the read must replace
    ASSERT_EQ(h.read(), OperationOutcome::Completed);
    EXPECT_EQ(h.model.config().LowerCorrection, 0.0);
    EXPECT_EQ(h.model.config().UpperCorrection, 0.0);
    EXPECT_EQ(h.model.config().UpperRangeValue, 100.0);
}

TEST(FixedRangeRead, ForeignConnectionBecomesTheRangesDefault) {
    // A fixed-range device whose stored connection its range does not permit.
    for (const int fw : {160, 191}) {
        OpsHarness h(Profile("K8620L31", fw, 0, true));
        ASSERT_TRUE(h.started);
        const InputRangeEntry* range = RangeByCode(h.tx().memory().integers[110]);
        ASSERT_NE(range, nullptr);
        int foreign = 0;
        for (int code = 1; code <= kConnectionCount && !foreign; ++code)
            if (!range->AllowsConnection(code)) foreign = code;
        ASSERT_NE(foreign, 0);
        h.tx().memory().integers[112] = fw < 170 ? foreign - 1 : foreign;
        // Refused connections make the adoption reject the record; only the
        // connection is looked at here.
        h.ui.defaultAnswer = true;
        TransmitterConfig seen;
        QObject::connect(&h.engine, &TransactionEngine::exchangeEnded, [&] {
            if (h.engine.operation().processCode == ProcessReadConfig &&
                h.engine.operation().step == 40)
                seen = h.model.config();
        });
        EXPECT_EQ(h.read(), OperationOutcome::Completed);
        EXPECT_EQ(seen.ConnectionCode, range->DefaultConnection) << fw;
        EXPECT_EQ(h.model.config().ConnectionCode, range->DefaultConnection) << fw;
    }
}

TEST(LiveHandOver, ConfigurationFromAFileMustBeReadFirst) {
    OpsHarness h(Profile("K8620L31", 191));
    ASSERT_TRUE(h.started);
    ASSERT_EQ(h.read(), OperationOutcome::Completed);
    h.model.setOrigin(ConfigOrigin::File);
    bool ran = false;
    h.engine.registerOperation(ProcessPV, [&] { ran = true; });
    h.ui.answers = {false};
    EXPECT_EQ(h.run([&] { return h.session.startOperation(ProcessPV, 10); }),
              OperationOutcome::Declined);
    EXPECT_FALSE(ran);
    EXPECT_EQ(h.ui.shown.at(0).text.left(40),
              QStringLiteral("Another transmitter was connected or con"));
}

TEST(ReadAdoption, InconsistentRecordBecomesUnsavedDefaults) {
    OpsHarness h(Profile("K8620L31", 191));
    ASSERT_TRUE(h.started);
    h.tx().memory().integers[151] = 2;  // no baud rate code
    EXPECT_EQ(h.read(), OperationOutcome::Completed);
    EXPECT_TRUE(h.ui.texts().contains(
        QStringLiteral("Transmitter configuration corrupt. Last writing probably not successful. "
                       "Default configuration will be pre-set!")));
    EXPECT_EQ(h.model.config().BaudCode, 15);
    // The record is no longer what the transmitter holds.
    EXPECT_TRUE(h.model.unsavedChanges());
    EXPECT_EQ(h.model.origin(), ConfigOrigin::Default);
}

TEST(WriteFitSerial, UnknownSerialNumberBelongsToNoOtherDevice) {
    OpsHarness h(Profile("K8620L31", 191));
    ASSERT_TRUE(h.started);
    ASSERT_EQ(h.read(), OperationOutcome::Completed);
    // As a configuration prepared without a transmitter carries it.
    h.model.edit().identity().serialNumber = 0;
    h.model.edit().config().SerialNumber = 0;
    h.ui.shown.clear();
    EXPECT_EQ(h.write(), OperationOutcome::Completed);
    ASSERT_EQ(h.ui.shown.size(), 1u) << h.ui.texts().join('|').toStdString();
    EXPECT_FALSE(h.ui.shown[0].isQuestion);
    // The written configuration now belongs to this device.
    EXPECT_EQ(h.model.config().SerialNumber, h.tx().profile().serial);
}

}  // namespace
}  // namespace lmk17::test::ops
