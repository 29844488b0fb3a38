// What every write does first against the software transmitter: the present
// configuration read and kept as a backup, the changes listed and asked, and
// nothing written when any of it fails.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <iostream>

#include "config/validation_model.h"
#include "files/config_load.h"
#include "operations/operation_texts.h"
#include "operations/write_backups.h"
#include "ops_expectations.h"
#include "ops_harness.h"
#include "reports/config_diff.h"
#include "support/qt_printers.h"

namespace lmk17::test::ops {
namespace {

QString T(const char* text) {
    return QString::fromLatin1(text);
}

// A K8620L31 read into the model, then the damping changed: a write would
// change one field of the transmitter.
struct Edited : OpsHarness {
    explicit Edited(bool edit = true, const std::function<void(sim::LineOptions&)>& tune = {})
        : OpsHarness(Profile("K8620L31", 191), tune) {
        if (!started || read() != OperationOutcome::Completed) {
            started = false;
            return;
        }
        CheckAll(model);
        present = model.config();
        if (edit) {
            model.edit().config().Damping = present.Damping + 1.5;
            model.RefreshFromConfig();
        }
        takenBefore = int(requests.size());
        requests.clear();
        ui.shown.clear();
        ui.questions.clear();
    }
    WriteSafety safety(const QString& folder) const {
        WriteSafety s;
        s.backup = true;
        s.backupFolder = folder;
        s.whenEqual = WriteSafety::WhenEqual::Skip;
        return s;
    }
    TransmitterConfig present;  // what the transmitter held before the write
    int takenBefore = 0;        // requests the transmitter had taken by then
};

TEST(SafeWrite, BackupDifferencesAndQuestionDecideWhetherAnythingIsWritten) {
    struct Case {
        const char* what;
        bool edit;
        std::deque<bool> answers;
        bool blockFolder;  // a file where the backup folder should be
        OperationOutcome outcome;
        bool backupKept;
        bool written;
    };
    const Case cases[] = {
        {"changes confirmed", true, {true}, false, OperationOutcome::Completed, true, true},
        {"changes declined", true, {false}, false, OperationOutcome::Declined, true, false},
        {"backup folder cannot be made",
         true,
         {true},
         true,
         OperationOutcome::BackupFailed,
         false,
         false},
        {"transmitter holds it already",
         false,
         {},
         false,
         OperationOutcome::Unchanged,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Edited h(c.edit);
        ASSERT_TRUE(h.started) << h.error.toStdString();
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("Backups"));
        if (c.blockFolder) {
            QFile blocker(folder);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        h.stack.setWriteSafety(h.safety(folder));
        h.ui.answers = c.answers;

        EXPECT_EQ(h.write(), c.outcome);
        EXPECT_EQ(h.anyWrite(), c.written);
        EXPECT_FALSE(h.engine.operation().running());
        EXPECT_TRUE(h.engine.commandsEnabled());
        // Nothing was written: nobody is told the transmitter is half-written.
        if (!c.written) {
            for (const QString& text : h.ui.texts())
                EXPECT_FALSE(text.contains(QStringLiteral("incomplete"))) << text.toStdString();
        }

        const std::vector<BackupFile> backups = ListBackups(folder, h.present.SerialNumber);
        ASSERT_EQ(backups.size(), c.backupKept ? 1u : 0u);
        EXPECT_EQ(h.stack.lastWriteCheck().backupPath,
                  c.backupKept ? backups.front().path : QString());
        if (c.backupKept) {
            ConfigModel kept(h.ui);
            ASSERT_TRUE(DiskLoadPom(kept, backups.front().path, true, h.ui).loaded);
            ConfigModel before(h.ui);
            before.setIdentity(h.model.identity());
            before.setConfig(h.present);
            before.RefreshFromConfig();
            EXPECT_TRUE(CompareConfigurations(kept, before).equal())
                << CompareConfigurations(kept, before).recordDifferences.join(' ').toStdString();
        }
        if (c.blockFolder) {
            EXPECT_TRUE(h.ui.texts().join('\n').contains(T(operation_text::kBackupFailed)));
            EXPECT_TRUE(h.ui.questions.empty());
        }
        if (c.edit && !c.blockFolder) {
            // The question names the changed field with both values.
            const QString question = h.ui.shown.front().text;
            EXPECT_TRUE(h.ui.shown.front().isQuestion);
            EXPECT_TRUE(question.contains(QStringLiteral("Damping"))) << question.toStdString();
            EXPECT_EQ(question.count(QStringLiteral("\r\n ")), 1) << question.toStdString();
        }
        if (!c.edit) {
            EXPECT_TRUE(h.ui.texts().contains(T(operation_text::kUnchanged)));
        }
    }
}

// A silent transmitter during the read before the write: the repeat question
// is a read's, and its No leaves the transmitter as it was.
TEST(SafeWrite, FailedReadBeforeTheWriteWritesNothing) {
    Edited h;
    ASSERT_TRUE(h.started) << h.error.toStdString();
    QTemporaryDir dir;
    h.stack.setWriteSafety(h.safety(dir.path()));
    // Silent from the first request after identification on.
    QStringList numbers;
    const int first = h.takenBefore + int(IdentificationSequence().size()) + 1;
    for (int n = first; n < first + 100; ++n) numbers << QString::number(n);
    sim::Fault silence;
    ASSERT_TRUE(
        sim::Fault::parse(QStringLiteral("silence@") + numbers.join(','), silence, nullptr));
    h.line->setFaults({silence});
    h.ui.answers = {false};
    EXPECT_EQ(h.write(), OperationOutcome::Stopped);
    EXPECT_FALSE(h.anyWrite());
    EXPECT_TRUE(ListBackups(dir.path(), h.present.SerialNumber).empty());
    for (const QString& text : h.ui.texts())
        EXPECT_FALSE(text.contains(QStringLiteral("incomplete"))) << text.toStdString();
}

// On a paced line at 9600 Bd the read before the write costs what a read of
// the configuration costs, and the check after it one read of each written
// parameter. The figures go to the test's output.
TEST(SafeWrite, ReadBeforeAndCheckAfterCostAReadAndAReadBack) {
    Edited h(true, [](sim::LineOptions& o) {
        o.pace = true;
        o.baud = 9600;
    });
    ASSERT_TRUE(h.started) << h.error.toStdString();
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> at;  // when each request was taken
    QObject::connect(h.line.get(), &sim::SimLine::requestTaken,
                     [&](const QByteArray&) { at.push_back(clock.elapsed()); });
    const size_t identification = IdentificationSequence().size();

    // A read: its configuration part runs from the first request after
    // identification to the end.
    ConfigModel edited(h.ui);
    edited.setIdentity(h.model.identity());
    edited.setConfig(h.model.config());
    h.model.setUnsavedChanges(false);
    ASSERT_EQ(h.read(), OperationOutcome::Completed);
    const qint64 read = clock.elapsed() - at.at(identification);
    h.model.setConfig(edited.config());
    h.model.RefreshFromConfig();

    QTemporaryDir dir;
    WriteSafety safety = h.safety(dir.path());
    safety.askDifferences = false;
    h.stack.setWriteSafety(safety);
    at.clear();
    h.requests.clear();
    ASSERT_EQ(h.write(), OperationOutcome::Completed);
    const qint64 end = clock.elapsed();
    size_t firstWrite = 0, lastWrite = 0;
    for (size_t i = 0; i < h.requests.size(); ++i) {
        if (h.requests[i].operation != 2) continue;
        if (firstWrite == 0) firstWrite = i;
        lastWrite = i;
    }
    ASSERT_GT(firstWrite, identification);
    const qint64 backup = at.at(firstWrite) - at.at(identification);
    const qint64 verification = end - at.at(lastWrite + 1);
    const size_t readBack = h.requests.size() - lastWrite - 1;
    std::cout << "9600 Bd paced: configuration read " << read << " ms; read before the write "
              << backup << " ms; read-back of " << readBack << " written parameters "
              << verification << " ms\n";
    EXPECT_LE(backup, read + read / 10 + 200);
    EXPECT_GT(readBack, 0u);
}

}  // namespace
}  // namespace lmk17::test::ops
