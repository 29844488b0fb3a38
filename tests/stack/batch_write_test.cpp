// One configuration into several transmitters on the software transmitter's
// line: what each unit came to, the backups, and a unit left half-written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "link/port_connection.h"
#include "operations/transmitter_session.h"
#include "sim_frame.h"
#include "stack/batch_write.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

TEST(BatchAddresses, ListsAreTakenOrRefusedWithTheReason) {
    struct Case {
        const char* typed;
        std::vector<int> addresses;  // empty: refused
        const char* why;             // part of the reason
    };
    const Case cases[] = {
        {"1-8", {1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {"1,3,5-7", {1, 3, 5, 6, 7}, ""},
        {" 0 , 31 ", {0, 31}, ""},
        {"", {}, "Enter the addresses"},
        {"  ", {}, "Enter the addresses"},
        {"32", {}, "0..31"},
        {"1-40", {}, "0..31"},
        {"5-3", {}, "upwards"},
        {"1,2-4,3", {}, "twice"},
        {"1,,2", {}, "empty item"},
        {"x", {}, "0..31"},
    };
    for (const Case& c : cases) {
        QString why;
        const auto list = ParseBatchAddresses(QString::fromLatin1(c.typed), &why);
        if (c.addresses.empty()) {
            EXPECT_FALSE(list) << c.typed;
            EXPECT_TRUE(why.contains(QLatin1String(c.why))) << c.typed << ": " << why.toStdString();
        } else {
            ASSERT_TRUE(list) << c.typed << ": " << why.toStdString();
            EXPECT_EQ(*list, c.addresses) << c.typed;
        }
    }
}

// The user of a batch: confirms the changes, never repeats a failed exchange.
class BatchUser : public RigInteraction {
public:
    bool question(Question id, MessageKind kind, const QString& text) override {
        shown.push_back({kind, text, true});
        questions.push_back(id);
        return id == Question::WriteDifferences;
    }
};

// Transmitters at the given addresses (serial 1000 + address), the first one
// read into the window's configuration and its damping changed.
struct BatchLine {
    explicit BatchLine(const std::vector<int>& addresses) : sim(options(addresses)) {
        stack.engine().setTiming(SimRig::FastTiming());
        started = stack.connection().connectDevice(sim.devicePath());
        stack.connection().setTransmitterAddress(addresses.front());
        started = started && stack.runOperation([this] { return stack.session().startRead(); },
                                                30000) == OperationOutcome::Completed;
        if (!started) return;
        damping = stack.model().config().Damping + 2.5;
        stack.model().edit().config().Damping = damping;
        stack.model().RefreshFromConfig();
        WriteSafety safety;
        safety.backup = true;
        safety.backupFolder = dir.filePath("Backups");
        stack.setWriteSafety(safety);
        QObject::connect(&batch, &BatchWriter::unitStarted,
                         [this](int index, int address) { startedUnits << index << address; });
        QObject::connect(&batch, &BatchWriter::finished, [this] { ++finished; });
    }
    static sim::LineOptions options(const std::vector<int>& addresses) {
        sim::LineOptions o;
        for (const int a : addresses) {
            sim::TransmitterProfile t = InProcessSim::Transmitter(a, "K8620L31", 191);
            t.serial = 1000 + a;
            o.transmitters.push_back(t);
        }
        return o;
    }
    // Runs the batch to its end.
    BatchWriter::Start run(const std::vector<int>& addresses, const QString& folder) {
        const BatchWriter::Start s = batch.start(addresses, folder);
        if (s == BatchWriter::Start::Started) {
            EXPECT_TRUE(SpinUntil([this] { return !batch.running(); }, 120000));
        }
        return s;
    }

    QTemporaryDir dir;
    InProcessSim sim;
    BatchUser ui;
    TransmitterStack stack{ui};
    BatchWriter batch{stack};
    bool started = false;
    double damping = 0;
    QList<int> startedUnits;
    int finished = 0;
};

// Three addresses, the middle one silent: two written, verified and backed
// up, one reported; the window's configuration is as it was. (The protocols
// are drawn, which needs a GUI application: the window's and the command
// line's tests hold them.)
TEST(BatchWrite, TwoUnitsWrittenAndASilentAddressReported) {
    BatchLine line({1, 3});
    ASSERT_TRUE(line.started);
    const TransmitterConfig before = line.stack.model().config();

    ASSERT_EQ(line.run({1, 2, 3}, {}), BatchWriter::Start::Started);

    const BatchSummary& s = line.batch.summary();
    ASSERT_EQ(s.rows.size(), 3u);
    const std::pair<qint32, BatchUnitResult> expected[] = {
        {1001, BatchUnitResult::WrittenVerified},
        {0, BatchUnitResult::NoAnswer},
        {1003, BatchUnitResult::WrittenVerified}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.rows[size_t(i)].address, i + 1);
        EXPECT_EQ(s.rows[size_t(i)].serial, expected[i].first) << i;
        EXPECT_EQ(s.rows[size_t(i)].result, expected[i].second) << i;
    }
    EXPECT_EQ(s.failed(), 1);
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.cancelled);
    EXPECT_EQ(BatchSummaryText(s),
              "Written or already holding the configuration: 2 of 3. Failed: 1.");
    EXPECT_EQ(line.startedUnits, (QList<int>{0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(line.finished, 1);
    for (const int a : {1, 3})
        EXPECT_EQ(QDir(line.dir.filePath(QStringLiteral("Backups/0000%1").arg(1000 + a)))
                      .entryList(QDir::Files)
                      .size(),
                  1)
            << a;
    // The window shows what it showed, and talks to the address it did.
    EXPECT_EQ(line.stack.model().config().SerialNumber, before.SerialNumber);
    EXPECT_EQ(line.stack.model().config().Damping, before.Damping);
    EXPECT_EQ(line.stack.connection().settings().transmitterAddress, 1);
    EXPECT_FALSE(line.stack.writeSafety().keepUnitSettings);

    // Each unit holds the damping and kept its own address and serial number.
    for (const int a : {1, 3}) {
        line.stack.connection().setTransmitterAddress(a);
        line.stack.model().setUnsavedChanges(false);
        ASSERT_EQ(line.stack.runOperation([&] { return line.stack.session().startRead(); }, 30000),
                  OperationOutcome::Completed);
        const TransmitterConfig& held = line.stack.model().config();
        EXPECT_EQ(held.SerialNumber, 1000 + a);
        EXPECT_EQ(held.AddressByte & 0x1F, a);
        EXPECT_FLOAT_EQ(float(held.Damping), float(line.damping));
    }
}

// The line goes quiet after the second unit's write has begun: that unit is
// reported LEFT HALF-WRITTEN, and so is the batch.
TEST(BatchWrite, AUnitCutOffDuringItsWriteIsReportedHalfWritten) {
    BatchLine line({1, 2});
    ASSERT_TRUE(line.started);
    QObject::connect(&line.sim.line(), &sim::SimLine::requestTaken, [&](const QByteArray& f) {
        sim::SimRequest r;
        if (!sim::ParseRequest(f, r) || r.operation != 2 || r.da != 2) return;
        sim::Fault pulled;
        pulled.kind = sim::Fault::Silence;
        pulled.address = 2;
        line.sim.line().setFaults({pulled});
    });

    ASSERT_EQ(line.run({1, 2}, {}), BatchWriter::Start::Started);

    const BatchSummary& s = line.batch.summary();
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_EQ(s.rows[0].result, BatchUnitResult::WrittenVerified);
    EXPECT_EQ(s.rows[1].result, BatchUnitResult::HalfWritten);
    EXPECT_EQ(s.rows[1].serial, 1002);
    EXPECT_EQ(s.halfWritten(), 1);
    EXPECT_EQ(BatchRowResultText(s.rows[1]), "FAILED: LEFT HALF-WRITTEN, write it again");
    EXPECT_TRUE(BatchSummaryText(s).endsWith("LEFT HALF-WRITTEN: 1. Write them again."))
        << BatchSummaryText(s).toStdString();
}

// A batch that cannot start says why before anything is sent.
TEST(BatchWrite, AStartThatCannotBeginSaysWhy) {
    BatchLine line({1});
    ASSERT_TRUE(line.started);
    QFile blocker(line.dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString why;
    EXPECT_EQ(line.batch.start({}, {}), BatchWriter::Start::NoAddresses);
    EXPECT_EQ(line.batch.start({1}, line.dir.filePath("file/protocols"), nullptr, &why),
              BatchWriter::Start::FolderRefused);
    EXPECT_TRUE(why.contains("cannot be made")) << why.toStdString();
    // A relative folder would be made wherever the program was started.
    EXPECT_EQ(line.batch.start({1}, QStringLiteral("protocols"), nullptr, &why),
              BatchWriter::Start::FolderRefused);
    EXPECT_EQ(why,
              "The folder protocols is not a full path. Give the whole path or choose it "
              "with Browse.");
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("protocols")));
    line.stack.connection().disconnectPort();
    EXPECT_EQ(line.batch.start({1}, {}), BatchWriter::Start::NotConnected);
    EXPECT_FALSE(line.batch.running());
    EXPECT_EQ(line.finished, 0);
}

}  // namespace
}  // namespace lmk17::test
