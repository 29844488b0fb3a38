// The checks around a write without a line: the read-back compared as the
// wire holds the values, and the check before the write (backup kept and
// pruned, unit settings kept, what counts as unchanged).

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "operations/write_backups.h"
#include "operations/write_verification.h"
#include "stack/write_safety.h"
#include "support/builders.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

using Change = std::function<void(LinkRequest&)>;

TEST(WriteVerification, ReadBackIsComparedAsTheWireHoldsIt) {
    const struct {
        const char* what;
        int type;
        Change written;
        Change answered;
        QString mismatch;  // the line reported; empty when none
    } cases[] = {
        {"a float read back as binary32 is the same",
         TypeFloat,
         [](LinkRequest& r) { r.value = 0.1; },
         [](LinkRequest& r) { r.value = double(float(0.1)); },
         {}},
        {"a float differing beyond six digits", TypeFloat,
         [](LinkRequest& r) { r.value = 100.0001; }, [](LinkRequest& r) { r.value = 100.0002; },
         QStringLiteral(" parameter 205 (row 2): written 100.000099, read 100.000198")},
        {"the first element of a block", TypeBlock,
         [](LinkRequest& r) {
             r.values = {1, 2, 3, 4};
         },
         [](LinkRequest& r) {
             r.values = {9, 2, 3, 4};
         },
         QStringLiteral(" parameter 205 (row 2): written 1; 2; 3; 4, read 9; 2; 3; 4")},
        {"the last element of a block", TypeBlock,
         [](LinkRequest& r) {
             r.values = {1, 2, 3, 4};
         },
         [](LinkRequest& r) {
             r.values = {1, 2, 3, 5};
         },
         QStringLiteral(" parameter 205 (row 2): written 1; 2; 3; 4, read 1; 2; 3; 5")},
        {"a 16-bit value", TypeInt16, [](LinkRequest& r) { r.value16 = -3; },
         [](LinkRequest& r) { r.value16 = 3; },
         QStringLiteral(" parameter 205 (row 2): written -3, read 3")},
        {"a text",
         TypeText,
         [](LinkRequest& r) { r.text = "pump 3          "; },
         [](LinkRequest& r) { r.text = "pump 3          "; },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteVerification v;
        LinkRequest write = test::WriteRequest(205, c.type, 0, 2);
        c.written(write);
        v.noteWritten(write);
        ASSERT_EQ(v.size(), 1u);
        LinkRequest answer = v.readBack(0);
        EXPECT_EQ(answer.operation, OpRead);
        c.answered(answer);
        v.compare(0, answer);
        EXPECT_EQ(v.mismatches(), c.mismatch.isEmpty() ? QStringList() : QStringList{c.mismatch});
    }
}

// Rows of one block parameter are read back each; a second write of the same
// row leaves its last value to compare with.
TEST(WriteVerification, EachRowOnceWithItsLastValue) {
    WriteVerification v;
    for (const auto& [row, value] : {std::pair{1, 1.0}, {2, 2.0}, {1, 3.0}}) {
        LinkRequest w = test::WriteRequest(80, TypeBlock, 0, row);
        w.values = {value, 0, 0, 0};
        v.noteWritten(w);
    }
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v.readBack(0).row, 1);
    EXPECT_EQ(v.readBack(0).values[0], 3.0);
    EXPECT_EQ(v.readBack(1).row, 2);
}

// A K8620L20 configuration of serial number 4711, changed as asked.
void configure(ConfigModel& model, const std::function<void(TransmitterConfig&)>& change) {
    model.edit().identity().typeIndex = FindType(QLatin1String("K8620L20"));
    model.edit().identity().firmwareIndex = FindFirmware(191);
    model.edit().identity().rangeIndex = FindRange(11);
    ASSERT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                              model.identity().firmwareIndex));
    model.edit().config().SerialNumber = 4711;
    change(model.edit().config());
    model.RefreshFromConfig();
}

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 0, 0));

TEST(CheckBeforeWrite, BackupPruningUnitSettingsAndWhatCountsAsUnchanged) {
    using WhenEqual = WriteSafety::WhenEqual;
    const struct {
        const char* what;
        std::function<void(TransmitterConfig&)> toWrite;
        std::function<void(WriteSafety&)> safety;
        std::deque<bool> answers;
        OperationOutcome outcome;
        int questions;
        int backupsLeft;  // of the three a month old, plus the new one
    } cases[] = {
        {"equal and skipped: told, nothing asked",
         [](TransmitterConfig&) {},
         [](WriteSafety&) {},
         {},
         OperationOutcome::Unchanged,
         0,
         4},
        {"equal and forced",
         [](TransmitterConfig&) {},
         [](WriteSafety& s) { s.whenEqual = WhenEqual::Write; },
         {},
         OperationOutcome::Running,
         0,
         4},
        {"equal and asked",
         [](TransmitterConfig&) {},
         [](WriteSafety& s) { s.whenEqual = WhenEqual::Ask; },
         {true},
         OperationOutcome::Running,
         1,
         4},
        {"only the date of the last change differs: a write sets it anyway",
         [](TransmitterConfig& c) { c.LastChangeDate = 40000.5; },
         [](WriteSafety&) {},
         {},
         OperationOutcome::Unchanged,
         0,
         4},
        {"a change declined",
         [](TransmitterConfig& c) { c.Damping = 2.5; },
         [](WriteSafety&) {},
         {false},
         OperationOutcome::Declined,
         1,
         4},
        {"a change confirmed",
         [](TransmitterConfig& c) { c.Damping = 2.5; },
         [](WriteSafety&) {},
         {true},
         OperationOutcome::Running,
         1,
         4},
        {"each unit keeps its address, speed and note",
         [](TransmitterConfig& c) {
             c.AddressByte = 7;
             c.BaudCode = 0x45;
             c.UserNote = "other unit";
         },
         [](WriteSafety& s) { s.keepUnitSettings = true; },
         {},
         OperationOutcome::Unchanged,
         0,
         4},
        {"the old backups beyond the count go",
         [](TransmitterConfig&) {},
         [](WriteSafety& s) { s.keepBackups = 2; },
         {},
         OperationOutcome::Unchanged,
         0,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedInteraction ui;
        ConfigModel present(ui), toWrite(ui);
        configure(present, [](TransmitterConfig&) {});
        configure(toWrite, c.toWrite);
        QTemporaryDir dir;
        QString error;
        for (int days : {30, 31, 32})
            ASSERT_FALSE(
                SaveBackup(dir.path(), present.config(), kNow.addDays(-days), &error).isEmpty());
        WriteSafety safety;
        safety.backup = true;
        safety.backupFolder = dir.path();
        safety.whenEqual = WhenEqual::Skip;
        c.safety(safety);
        ui.answers = c.answers;
        WriteSafetyReport report;

        EXPECT_EQ(CheckBeforeWrite(safety, present, toWrite, ui, report, kNow), c.outcome);
        EXPECT_EQ(int(ui.questions.size()), c.questions);
        EXPECT_EQ(report.writeStarted, c.outcome == OperationOutcome::Running);
        const std::vector<BackupFile> left = ListBackups(dir.path(), 4711);
        ASSERT_EQ(int(left.size()), c.backupsLeft);
        EXPECT_EQ(left.front().path, report.backupPath);
        EXPECT_EQ(left.front().taken, kNow);
        if (safety.keepUnitSettings) {
            EXPECT_EQ(toWrite.config().AddressByte, present.config().AddressByte);
            EXPECT_EQ(toWrite.config().BaudCode, present.config().BaudCode);
            EXPECT_EQ(toWrite.config().UserNote, present.config().UserNote);
        }
    }
}

}  // namespace
}  // namespace lmk17
