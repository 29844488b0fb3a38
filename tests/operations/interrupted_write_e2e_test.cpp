// A write cut off by the transmitter going away, and what the next read
// makes of the mark it left.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "config/catalogue.h"
#include "link/port_connection.h"
#include "operations/common_routine_texts.h"
#include "operations/operation_texts.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

namespace lmk17::test::ops {
namespace {

// The core on the terminal of a simulator process.
struct ProcessRig {
    explicit ProcessRig(const QString& devicePath) {
        open = stack.connection().connectDevice(devicePath);
        LinkTiming timing;
        timing.answerTimeoutMs = 300;
        engine.setTiming(timing);
    }
    OperationOutcome run(const std::function<bool()>& start) {
        return stack.runOperation(start, 30000);
    }

    bool open = false;
    RigInteraction ui;
    TransmitterStack stack{ui};
    TransactionEngine& engine = stack.engine();
    ConfigModel& model = stack.model();
    TransmitterSession& session = stack.session();
};

TEST(InterruptedWrite, NextReadOffersTheDefaults) {
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.json"));
    const QStringList args = {QStringLiteral("--type"),     QStringLiteral("K8620L31"),
                              QStringLiteral("--firmware"), QStringLiteral("1.91"),
                              QStringLiteral("--state"),    state};
    auto first = std::make_unique<SimProcess>();
    QString error;
    ASSERT_TRUE(first->start(args, &error)) << error.toStdString();

    TransmitterConfig readBefore;
    {
        ProcessRig rig(first->devicePath());
        ASSERT_TRUE(rig.open);
        ASSERT_EQ(rig.run([&] { return rig.session.startRead(); }), OperationOutcome::Completed);
        readBefore = rig.model.config();
        rig.model.edit().config().Damping = 9.0;
        rig.model.RefreshFromConfig();
        // The transmitter dies once step 100 (row 5 of the linearization
        // table) has been answered.
        QObject::connect(&rig.engine, &TransactionEngine::exchangeEnded, [&] {
            const OperationRecord& op = rig.engine.operation();
            if (op.processCode == ProcessWriteConfig && op.step == 100) first->process().kill();
        });
        rig.ui.defaultAnswer = false;  // no repeat
        EXPECT_EQ(rig.run([&] { return rig.session.startWrite(); }), OperationOutcome::Stopped);
        EXPECT_TRUE(rig.ui.texts().contains(
            QCoreApplication::translate("Operations", operation_text::kWriteDeclined)))
            << rig.ui.texts().join('|').toStdString();
        first->process().waitForFinished(2000);
    }
    first.reset();

    // The transmitter comes back with what it had stored when it died.
    SimProcess second;
    ASSERT_TRUE(second.start(args, &error)) << error.toStdString();
    ProcessRig rig(second.devicePath());
    ASSERT_TRUE(rig.open);
    rig.ui.answers = {true};
    EXPECT_EQ(rig.run([&] { return rig.session.startRead(); }), OperationOutcome::CorruptPreset);
    EXPECT_EQ(rig.ui.shown.at(0).text, QString::fromLatin1(operation_text::kCorruptQuestion));
    const TransmitterConfig& preset = rig.model.config();
    EXPECT_EQ(preset.InputRangeCode, readBefore.InputRangeCode);
    EXPECT_EQ(preset.Damping, 4.0);  // the default, not the 9.0 being written
    EXPECT_EQ(preset.LastChangeDate, 0.0);
    EXPECT_EQ(rig.model.origin(), ConfigOrigin::Default);

    // Writing the preset back completes and takes the mark away.
    rig.ui.shown.clear();
    EXPECT_EQ(rig.run([&] { return rig.session.startWrite(); }), OperationOutcome::Completed)
        << rig.ui.texts().join('|').toStdString();
    EXPECT_EQ(rig.run([&] { return rig.session.identify(); }), OperationOutcome::Completed);
    EXPECT_FALSE(rig.session.lastIdentified().writeInProgress());
}

}  // namespace
}  // namespace lmk17::test::ops
