// The roads of reading and writing that do not end in success, and the
// questions on the way, against the software transmitter.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include "config/catalogue.h"
#include "support/qt_printers.h"

#include "operations/common_routine_texts.h"
#include "operations/common_routines.h"
#include "operations/operation_texts.h"
#include "ops_expectations.h"
#include "ops_harness.h"

namespace lmk17::test::ops {
namespace {

QString T(const char* text) {
    return QString::fromLatin1(text);
}

bool Shown(const OpsHarness& h, const char* text) {
    return h.ui.texts().contains(T(text));
}

// A harness whose model holds what was read from a K8620L31 (1.91).
struct ReadFirst : OpsHarness {
    explicit ReadFirst(sim::TransmitterProfile profile = Profile("K8620L31", 191))
        : OpsHarness(profile) {
        if (started) started = read() == OperationOutcome::Completed;
        requests.clear();
        ui.shown.clear();
    }
    // The transmitter now says it is another device.
    void identifyAs(const QByteArray& text) {
        tx().memory().texts[{120, 2}] = sim::TextRow(text, 0);
        tx().memory().texts[{120, 3}] = sim::TextRow(text, 1);
    }
};

TEST(CorruptConfiguration, ReadPresetsTheDefaultsWithoutReading) {
    for (const bool preset : {true, false}) {
        OpsHarness h(Profile("K8620L31", 191));
        ASSERT_TRUE(h.started);
        h.tx().memory().integers[111] |= 0x20;
        h.ui.answers = {preset};
        const TransmitterConfig before = h.model.config();
        const OperationOutcome outcome = h.read();

        EXPECT_EQ(h.sequence(), IdentificationSequence()) << "the configuration is not read";
        ASSERT_FALSE(h.ui.shown.empty());
        EXPECT_TRUE(h.ui.shown[0].isQuestion);
        EXPECT_EQ(h.ui.shown[0].text, T(operation_text::kCorruptQuestion));
        EXPECT_FALSE(h.engine.operation().running());
        EXPECT_TRUE(h.engine.commandsEnabled());
        if (!preset) {
            EXPECT_EQ(outcome, OperationOutcome::CorruptDeclined);
            EXPECT_EQ(h.model.config(), before);
            continue;
        }
        EXPECT_EQ(outcome, OperationOutcome::CorruptPreset);
        ConfigModel defaults(h.ui);
        const int type = FindType(QStringLiteral("K8620L31"));
        ASSERT_TRUE(defaults.SetDefaultConfiguration(type, FindRange(h.tx().memory().integers[110]),
                                                     FindFirmware(191)));
        const TransmitterConfig& want = defaults.config();
        const TransmitterConfig& got = h.model.config();
        EXPECT_EQ(got.InputRangeCode, want.InputRangeCode);
        EXPECT_EQ(got.ConnectionCode, want.ConnectionCode);
        EXPECT_EQ(got.ComparatorFlags, want.ComparatorFlags);
        EXPECT_EQ(got.Damping, want.Damping);
        EXPECT_EQ(got.AddressByte, 192);  // address 0, odd parity
        EXPECT_TRUE(got.Manufacturer.isEmpty());
        EXPECT_TRUE(got.ManufactureDate.isEmpty());
        EXPECT_EQ(got.WorkingTime, 0);
        EXPECT_EQ(got.LastChangeDate, 0.0);
        // The device's identity belongs to the preset.
        EXPECT_EQ(got.SerialNumber, h.tx().profile().serial);
        EXPECT_EQ(h.model.identity().typeIndex, type);
        EXPECT_EQ(h.model.origin(), ConfigOrigin::Default);
        EXPECT_TRUE(h.model.hasConfiguration());
    }
}

TEST(CorruptConfiguration, WriteProceedsAndClearsTheMark) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    h.tx().memory().integers[111] |= 0x20;
    ASSERT_EQ(h.write(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    EXPECT_EQ(h.tx().memory().integers[111] & 0x20, 0);
    EXPECT_FALSE(Shown(h, operation_text::kCorruptQuestion));
}

// A failed exchange in the middle of a read, not repeated: the record is
// exactly what it was before the read.
TEST(FailedRead, DeclinedRepeatRestoresTheRecord) {
    const char* faults[] = {"refuse@14", "silence@14,15,16", "bad-check@14"};
    for (const char* fault : faults) {
        ReadFirst h(Profile("K8410H10", 185));
        ASSERT_TRUE(h.started);
        h.model.edit().config().UserNote = "before";
        h.model.edit().config().Damping = 7.5;
        const QByteArray image = h.model.config().ToImage();
        const ConfigIdentity identity = h.model.identity();
        sim::Fault f;
        ASSERT_TRUE(sim::Fault::parse(QString::fromLatin1(fault), f, nullptr));
        // Answer numbers count on from the first read's requests.
        f.answers = [&] {
            std::set<int> shifted;
            for (int n : f.answers) shifted.insert(n + h.line->answerNumber());
            return shifted;
        }();
        h.line->addFault(f);
        h.ui.answers = {false};
        EXPECT_EQ(h.read(), OperationOutcome::Stopped) << fault;
        EXPECT_EQ(h.ui.shown.at(0).text,
                  QCoreApplication::translate("Operations", operation_text::kRepeatReading))
            << fault;
        EXPECT_EQ(h.model.config().ToImage(), image) << fault;
        EXPECT_EQ(h.model.identity().serialNumber, identity.serialNumber);
        EXPECT_EQ(h.session.workingIdentity().typeIndex, identity.typeIndex);
        EXPECT_FALSE(h.engine.operation().running());
        EXPECT_TRUE(h.engine.commandsEnabled());
        EXPECT_FALSE(h.ui.progressOpen);
    }
}

TEST(FailedRead, BreakRestoresTheRecord) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    h.model.edit().config().UserNote = "before";
    const QByteArray image = h.model.config().ToImage();
    // Esc half-way through, answered Yes.
    QObject::connect(&h.engine, &TransactionEngine::exchangeEnded, [&] {
        if (h.engine.operation().processCode == ProcessReadConfig &&
            h.engine.operation().step == 140)
            QTimer::singleShot(0, [&] { BreakOperation(h.engine); });
    });
    h.ui.answers = {true};
    EXPECT_EQ(h.read(), OperationOutcome::Stopped);
    EXPECT_EQ(h.model.config().ToImage(), image);
}

TEST(FailedWrite, BadParametersHaveTheirOwnQuestion) {
    for (const bool repeat : {false, true}) {
        ReadFirst h;
        ASSERT_TRUE(h.started);
        sim::Fault refuse;
        refuse.kind = sim::Fault::Refuse;
        refuse.parameter = 5;
        h.line->addFault(refuse);
        // Yes after the fault is gone lets the repeated request through.
        h.ui.whileAsking = [&] { h.line->setFaults({}); };
        h.ui.answers = {repeat};
        const OperationOutcome outcome = h.write();
        ASSERT_FALSE(h.ui.shown.empty());
        EXPECT_EQ(h.ui.shown[0].text,
                  QCoreApplication::translate("Operations", operation_text::kRepeatBadParameters));
        if (repeat) {
            EXPECT_EQ(outcome, OperationOutcome::Completed);
            EXPECT_EQ(h.requestsFor(5, 2).size(), 2u);
            EXPECT_EQ(h.tx().memory().integers[111] & 0x20, 0);
            continue;
        }
        EXPECT_EQ(outcome, OperationOutcome::Stopped);
        ASSERT_EQ(h.ui.shown.size(), 2u);
        EXPECT_EQ(h.ui.shown[1].kind, MessageKind::Warning);
        EXPECT_EQ(h.ui.shown[1].text,
                  QCoreApplication::translate("Operations", operation_text::kWriteDeclined));
        // The mark stays: the next read offers the defaults.
        EXPECT_EQ(h.tx().memory().integers[111] & 0x20, 0x20);
        EXPECT_TRUE(h.requestsFor(111, 2).size() == 1u);
    }
}

// The device must fit the configuration before anything is written.
struct FitCase {
    const char* name;
    QByteArray identification;  // empty: unchanged
    int serial;                 // 0: unchanged
    int rangeCode;              // 0: unchanged
    bool answer;
    OperationOutcome outcome;
    const char* message;
};

class WriteFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(WriteFit, RefusedOrAskedBeforeAnyWrite) {
    const FitCase& c = GetParam();
    ReadFirst h;
    ASSERT_TRUE(h.started);
    if (!c.identification.isEmpty()) h.identifyAs(c.identification);
    if (c.serial) h.tx().memory().integers[101] = c.serial;
    if (c.rangeCode) h.tx().memory().integers[110] = c.rangeCode;
    h.ui.answers = {c.answer};
    const double changed = h.model.config().LastChangeDate;
    EXPECT_EQ(h.write(), c.outcome);
    ASSERT_FALSE(h.ui.shown.empty());
    EXPECT_EQ(h.ui.shown[0].text, T(c.message));
    if (c.outcome != OperationOutcome::Completed) {
        EXPECT_FALSE(h.anyWrite()) << h.sequence().join(' ').toStdString();
        EXPECT_EQ(h.sequence(), IdentificationSequence());
        EXPECT_EQ(h.tx().memory().integers[111] & 0x20, 0);
        // Nothing was written: the date of the last change is still the old one.
        EXPECT_EQ(h.model.config().LastChangeDate, changed);
    } else {
        EXPECT_TRUE(h.anyWrite());
        EXPECT_NE(h.model.config().LastChangeDate, changed);
    }
    EXPECT_FALSE(h.engine.operation().running());
    EXPECT_TRUE(h.engine.commandsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Devices, WriteFit,
    ::testing::Values(FitCase{"otherType", "K8410H10, FW 1.91", 0, 0, false,
                              OperationOutcome::Refused, operation_text::kDifferentType},
                      FitCase{"olderFirmware", "K8620L31, FW 1.90", 0, 0, false,
                              OperationOutcome::Refused, operation_text::kEarlierFirmware},
                      FitCase{"fixedOtherRange", "K8620L31; rev. 1,91", 0, 3, false,
                              OperationOutcome::Refused, operation_text::kFixedRange},
                      FitCase{"otherSerialNo", "", 99, 0, false, OperationOutcome::Declined,
                              operation_text::kAnotherTransmitter},
                      FitCase{"otherSerialYes", "", 99, 0, true, OperationOutcome::Completed,
                              operation_text::kAnotherTransmitter}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Identification, UnsupportedDeviceIsRefused) {
    OpsHarness h(Profile("K8620X99", 191));
    ASSERT_TRUE(h.started);
    EXPECT_EQ(h.read(), OperationOutcome::Refused);
    EXPECT_EQ(h.sequence(), IdentificationSequence());
    ASSERT_EQ(h.ui.shown.size(), 1u);
    EXPECT_EQ(h.ui.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(h.ui.shown[0].text.startsWith(
        QStringLiteral("The connected transmitter K8620X99 is not supported")));
    EXPECT_EQ(h.session.lastRefusal(), IdentityRefusal::Type);
    EXPECT_EQ(h.session.lastIdentified().serialNumber, h.tx().profile().serial);
    // Nothing read is kept: the working identity is the configuration's again.
    EXPECT_EQ(h.session.workingIdentity().serialNumber, h.model.identity().serialNumber);
    EXPECT_FALSE(h.model.hasConfiguration());
    EXPECT_TRUE(h.engine.commandsEnabled());
}

TEST(Starts, UnsavedChangesAreAskedAbout) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    h.model.setUnsavedChanges(true);
    h.ui.answers = {false};
    EXPECT_EQ(h.read(), OperationOutcome::None);
    EXPECT_EQ(h.ui.last(), T(operation_text::kUnsavedChanges));
    EXPECT_TRUE(h.requests.empty());
    EXPECT_TRUE(h.engine.commandsEnabled());
    h.ui.answers = {true};
    EXPECT_EQ(h.read(), OperationOutcome::Completed);
}

TEST(Starts, WriteNeedsAConfiguration) {
    OpsHarness h(Profile("K8620L31", 191));
    ASSERT_TRUE(h.started);
    EXPECT_EQ(h.write(), OperationOutcome::None);
    EXPECT_EQ(h.ui.last(), T(operation_text::kNoConfiguration));
    EXPECT_TRUE(h.requests.empty());
}

TEST(Starts, InvalidRecordNeverReachesTheTransmitter) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    h.model.edit().config().UpperRangeValue = h.model.config().LowerRangeValue;  // no span
    EXPECT_EQ(h.write(), OperationOutcome::None);
    EXPECT_TRUE(h.requests.empty());
    EXPECT_FALSE(h.ui.shown.empty());
    EXPECT_FALSE(h.engine.operation().running());
    EXPECT_TRUE(h.engine.commandsEnabled());
}

TEST(Starts, ClosedPortAsksToConnect) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    const QByteArray image = h.model.config().ToImage();
    h.port.close();
    h.ui.answers = {false};
    EXPECT_EQ(h.read(), OperationOutcome::Stopped);
    EXPECT_EQ(h.ui.shown.at(0).text,
              QStringLiteral("No communication port connected, cannot continue. Do you want to "
                             "connect it now?"));
    EXPECT_EQ(h.model.config().ToImage(), image);
}

// A live operation after identification: handed over when the configuration
// is this device's, else the configuration must be read first.
TEST(LiveHandOver, ChecksTheConfigurationFirst) {
    ReadFirst h;
    ASSERT_TRUE(h.started);
    int calls = 0;
    int stepSeen = 0;
    h.engine.registerOperation(ProcessWorkingTime, [&] {
        ++calls;
        stepSeen = h.engine.operation().step;
        h.engine.operation().clear();
        h.engine.EnableCommands(true);
    });
    EXPECT_EQ(h.run([&] { return h.session.startOperation(ProcessWorkingTime, 7); }),
              OperationOutcome::Completed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(stepSeen, 7);
    EXPECT_TRUE(h.ui.shown.empty());

    for (const bool readAgain : {false, true}) {
        h.model.setUnsavedChanges(true);
        h.requests.clear();
        h.ui.shown.clear();
        h.ui.answers = {readAgain};
        const OperationOutcome outcome =
            h.run([&] { return h.session.startOperation(ProcessWorkingTime, 7); });
        EXPECT_EQ(h.ui.shown.at(0).text, T(operation_text::kReadAgainQuestion));
        EXPECT_EQ(calls, 1) << "the live operation is not resumed";
        if (readAgain) {
            EXPECT_EQ(outcome, OperationOutcome::Completed);
            EXPECT_EQ(h.sequence(), ConfigurationSequence({191, true}, false));
            EXPECT_FALSE(h.model.unsavedChanges());
        } else {
            EXPECT_EQ(outcome, OperationOutcome::Declined);
            EXPECT_EQ(h.sequence(), IdentificationSequence());
        }
    }
}

}  // namespace
}  // namespace lmk17::test::ops

namespace lmk17::test::ops {
namespace {

// A transmitter that acknowledges a write but keeps another value: the write
// is not reported as done, and the parameter is named with both values.
TEST(WriteReadBack, AValueKeptOtherwiseIsNamed) {
    const struct {
        const char* fault;  // "" for a transmitter that keeps what it is sent
        OperationOutcome outcome;
        const char* named;  // in the message
    } cases[] = {
        {"", OperationOutcome::Completed, "without any errors"},
        {"skew:5", OperationOutcome::Mismatched, " parameter 5 (row 0): written 4, read 16"},
        {"skew:121", OperationOutcome::Mismatched, " parameter 121 (row 1): written \""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        ReadFirst h;
        ASSERT_TRUE(h.started);
        h.model.edit().config().Damping = 4.0;
        h.model.RefreshFromConfig();
        if (*c.fault) {
            sim::Fault f;
            ASSERT_TRUE(sim::Fault::parse(QString::fromLatin1(c.fault), f, nullptr));
            h.line->addFault(f);
        }
        h.ui.shown.clear();
        EXPECT_EQ(h.write(), c.outcome);
        ASSERT_EQ(h.ui.shown.size(), 1u) << h.ui.texts().join('|').toStdString();
        EXPECT_TRUE(h.ui.shown[0].text.contains(QLatin1String(c.named)))
            << h.ui.shown[0].text.toStdString();
        const bool kept = c.outcome == OperationOutcome::Completed;
        EXPECT_EQ(h.ui.shown[0].kind, kept ? MessageKind::Information : MessageKind::Error);
        // What the transmitter does not hold stays an unsaved change.
        EXPECT_EQ(h.model.unsavedChanges(), !kept);
        EXPECT_FALSE(h.ui.progressOpen);
        EXPECT_TRUE(h.engine.commandsEnabled());
    }
}

}  // namespace
}  // namespace lmk17::test::ops
