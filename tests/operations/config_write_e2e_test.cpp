// Writing a configuration to the software transmitter and reading it back.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/validation_model.h"
#include "ops_expectations.h"
#include "ops_harness.h"
#include "ops_records.h"
#include "support/qt_printers.h"

namespace lmk17::test::ops {
namespace {

struct WriteCase {
    const char* name;
    const char* type;
    int firmware;
    bool fixedRange;
};

// A range the type permits other than its default one (a fixed-range device
// is made for such a range).
int OtherRange(const char* type) {
    const TransmitterTypeEntry* t = TypeAt(FindType(QString::fromLatin1(type)));
    for (int i = 1; i <= kRangeCount; ++i) {
        const int code = RangeAt(i)->Code;
        if (t->AllowsRange(code) && code != t->DefaultRange && !RangeAt(i)->UsesEditor) return code;
    }
    return 0;
}

float WireFloat(const TakenRequest& r) {
    return float(sim::ReadWireFloat(r.value, 0));
}
int WireInt(const TakenRequest& r) {
    return sim::ReadWireInt(r.value, 0, r.type == 0 ? 2 : 4);
}

class WriteBranches : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteBranches, WritesInOrderAndReadsBackTheSameRecord) {
    const WriteCase& c = GetParam();
    const int rangeCode = c.fixedRange ? OtherRange(c.type) : 0;
    OpsHarness h(Profile(c.type, c.firmware, rangeCode, c.fixedRange));
    ASSERT_TRUE(h.started) << h.error.toStdString();
    ASSERT_EQ(h.read(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    const TransmitterTypeEntry* type = TypeAt(h.model.identity().typeIndex);
    const Branch branch{c.firmware, !type->D, c.fixedRange};

    // The technician's edits.
    {
        ConfigModel::Edit scope = h.model.edit();
        TransmitterConfig& edit = scope.config();
        const double span = edit.YEnd() - edit.YStart();
        edit.Damping = -4.0;
        edit.LowerCorrection = 0.01 * span;
        edit.UpperCorrection = -0.02 * span;
        edit.UserNote = "Tag 5";
        if (branch.comparators) edit.Comparator1Level = 0.5 * (edit.YStart() + edit.YEnd());
    }
    h.model.RefreshFromConfig();  // the window shows the edits
    h.model.setUnsavedChanges(true);
    h.requests.clear();
    h.ui.shown.clear();

    ASSERT_EQ(h.write(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    const QStringList writing = ConfigurationSequence(branch, true);
    EXPECT_EQ(h.sequence(), writing + VerificationSequence(writing));
    ASSERT_EQ(h.ui.shown.size(), 1u) << h.ui.texts().join('|').toStdString();
    EXPECT_EQ(h.ui.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(h.ui.shown[0].text,
              QStringLiteral("Configuration was written to transmitter without any errors."));
    EXPECT_EQ(h.ui.progressCaption, QStringLiteral(" Checking the Written Configuration"));
    EXPECT_EQ(h.model.origin(), ConfigOrigin::Transmitter);
    EXPECT_FALSE(h.model.unsavedChanges());

    // The write-in-progress mark brackets the transfer.
    const auto flags = h.requestsFor(111, 2);
    ASSERT_EQ(flags.size(), 2u);
    EXPECT_EQ(WireInt(flags[0]) & 0x20, 0x20);
    EXPECT_EQ(WireInt(flags[1]) & 0x20, 0);
    EXPECT_EQ(h.tx().memory().integers[111] & 0x20, 0);
    // First-generation firmware: connections from 0, damping scaled.
    const int connection = h.model.config().ConnectionCode;
    EXPECT_EQ(WireInt(h.requestsFor(112, 2).at(0)), c.firmware < 170 ? connection - 1 : connection);
    EXPECT_FLOAT_EQ(WireFloat(h.requestsFor(5, 2).at(0)), c.firmware < 170 ? -8.092f : -4.0f);
    if (!branch.comparators) {
        EXPECT_EQ(WireInt(h.requestsFor(113, 2).at(0)), 0);
    }
    // The note in two rows of 16, blank-padded.
    const auto note = h.requestsFor(121, 2);
    ASSERT_EQ(note.size(), 2u);
    EXPECT_EQ(note[0].value.left(16), QByteArray("Tag 5").leftJustified(16, ' '));
    EXPECT_EQ(note[1].value.left(16), QByteArray(16, ' '));

    // Read back by a program that knows nothing yet.
    const TransmitterConfig written = h.model.config();
    ConfigModel fresh(h.ui);
    TransmitterSession other(h.engine, fresh, h.ui);
    ASSERT_EQ(h.run(other, [&] { return other.startRead(); }), OperationOutcome::Completed);
    ExpectSameRecord(written, fresh.config(), c.firmware, branch.comparators);
}

INSTANTIATE_TEST_SUITE_P(Firmware, WriteBranches,
                         ::testing::Values(WriteCase{"k8620_160", "K8620L31", 160, false},
                                           WriteCase{"k8620_170", "K8620L31", 170, false},
                                           WriteCase{"k8620_185", "K8620L31", 185, false},
                                           WriteCase{"k8620_190", "K8620L31", 190, false},
                                           WriteCase{"k8620_191", "K8620L31", 191, false},
                                           WriteCase{"k8410_160", "K8410H10", 160, false},
                                           WriteCase{"k8410_191", "K8410H10", 191, false},
                                           WriteCase{"k8620_fixed", "K8620L31", 191, true},
                                           WriteCase{"k8410_fixed_160", "K8410H10", 160, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// With the pages shown the complete check of a write reads the edits. An
// edit that still shows what was read must write the value read, not the
// five digits on the screen; a typed value is written as typed.
struct ShownValueCase {
    const char* name;
    const char* typed;  // nullptr: the edit is never touched
    double written;
};

void PrintTo(const ShownValueCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownRangeValue : public ::testing::TestWithParam<ShownValueCase> {};

TEST_P(ShownRangeValue, WritesTheReadValueUnlessTheUserTypedAnother) {
    const ShownValueCase& c = GetParam();
    constexpr double kRead = -200.123456;
    OpsHarness h(Profile("K8620L31", 191, 11));
    ASSERT_TRUE(h.started) << h.error.toStdString();
    sim::TransmitterMemory& memory = h.tx().memory();
    const double upper = memory.reals[1] + memory.reals[2];
    memory.reals[1] = kRead;
    memory.reals[2] = upper - kRead;
    h.model.setControlsShown(true);
    ASSERT_EQ(h.read(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    const QString shown = h.model.controls().lowerRangeText;
    ASSERT_EQ(shown.trimmed(), QStringLiteral("-200.12"));

    if (c.typed) {
        const QString typed = QString::fromLatin1(c.typed);
        EditTextChanged(h.model, EditField::LOEdt, typed);
        ASSERT_TRUE(LeaveEdit(h.model, EditField::LOEdt, typed, shown).accepted);
    }
    ASSERT_EQ(h.write(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    // The wire carries single precision.
    EXPECT_NEAR(memory.reals[1], c.written, 1e-5);
    EXPECT_NEAR(memory.reals[1] + memory.reals[2], upper, 2e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ShownRangeValue,
    ::testing::Values(ShownValueCase{"untouched", nullptr, -200.123456},
                      ShownValueCase{"left_unchanged", " -200.12", -200.123456},
                      ShownValueCase{"typed", "-150.5", -150.5},
                      ShownValueCase{"typed_the_rounded_value", "-200.120", -200.12}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lmk17::test::ops
