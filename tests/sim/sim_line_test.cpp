// The simulator as a line and as a program: state file across a kill, trace,
// pacing, several lines and configuration files.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "files/ptf_writer.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "sim_memory.h"
#include "support/cli_process.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

// The core on a device the test did not make itself.
struct Client {
    ScriptedInteraction ui;
    TransmitterStack stack{ui};
    TransactionEngine& engine = stack.engine();

    explicit Client(const QString& device) {
        engine.setTiming(SimRig::FastTiming());
        EXPECT_TRUE(stack.connection().connectDevice(device))
            << stack.port().errorString().toStdString();
    }
    int exchange(const LinkRequest& r) {
        int result = -1;
        const auto c = QObject::connect(&engine, &TransactionEngine::exchangeEnded,
                                        [&](int code, bool) { result = code; });
        engine.request() = r;
        engine.setAttempts(3);
        engine.SestavPrikaz();
        SpinUntil([&] { return result >= 0; }, 3000);
        QObject::disconnect(c);
        return result;
    }
};

TEST(SimProcess, InterruptedWriteLeavesTheMarkForTheNextRead) {
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("line.json"));
    const QString link = dir.filePath(QStringLiteral("tty"));
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--state", state, "--link", link, "--type", "K8620L31"}));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        Client c(link);
        LinkRequest w = SimRig::Write(111, TypeInt16);
        w.value16 = 0x21;  // the flags with the write-in-progress mark
        ASSERT_EQ(c.exchange(w), 0);
        w = SimRig::Write(55, TypeFloat);
        w.value = 100.0;
        ASSERT_EQ(c.exchange(w), 0);
        c.stack.port().close();
        sim.process().kill();  // no chance to clean up: only what was saved counts
        sim.process().waitForFinished(3000);
    }
    SimProcess again;
    ASSERT_TRUE(again.start({"--state", state, "--link", link}));
    Client c(link);
    ASSERT_EQ(c.exchange(SimRig::Read(111, TypeInt16)), 8);
    EXPECT_EQ(c.engine.request().value16, 0x21);
    ASSERT_EQ(c.exchange(SimRig::Read(55, TypeFloat)), 8);
    EXPECT_EQ(c.engine.request().value, 100.0);
    c.stack.port().close();
    EXPECT_EQ(again.terminate(), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

TEST(SimProcess, OneTerminalPerLine) {
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--serial", "111", "--line", "--serial", "222"}));
    ASSERT_TRUE(sim.process().waitForReadyRead(2000) || sim.process().canReadLine());
    const QString second = QString::fromLocal8Bit(sim.process().readLine()).trimmed();
    ASSERT_FALSE(second.isEmpty());
    ASSERT_NE(second, sim.devicePath());
    for (const auto& [device, serial] : {std::pair{sim.devicePath(), 111}, {second, 222}}) {
        Client c(device);
        ASSERT_EQ(c.exchange(SimRig::Read(101, TypeInt32)), 8);
        EXPECT_EQ(c.engine.request().value32, serial);
    }
    EXPECT_EQ(sim.terminate(), 0);
}

TEST(SimProcess, RefusesABadCommandLineAndHelps) {
    QProcess p;
    p.start(SimProgram(), {"--address", "40"});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("--address must be 0..31"));
    p.start(SimProgram(), {"--help"});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().contains("--fault FAULT"));
}

TEST(SimLine, TraceShowsBothDirectionsDecoded) {
    QTemporaryDir dir;
    sim::LineOptions o;
    o.tracePath = dir.filePath(QStringLiteral("trace.txt"));
    o.faults.push_back({});
    sim::Fault::parse(QStringLiteral("noise@2"), o.faults.back(), nullptr);
    SimRig rig(o);
    ASSERT_EQ(rig.Exchange(SimRig::Read(0, TypeFloat)), 8);
    LinkRequest w = SimRig::Write(121, TypeText, 0, 1);
    w.text = QByteArray("hello           ");
    ASSERT_EQ(rig.Exchange(w), 0);
    QFile f(o.tracePath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString trace = QString::fromLatin1(f.readAll());
    EXPECT_TRUE(trace.contains(QStringLiteral(
        "PC>TX 68 07 07 68 00 1F 4D 01 02 00 00 6F 16  | #1 DA 0 SA 31 read float P0")));
    EXPECT_TRUE(trace.contains(QStringLiteral("| #1 to 31 from 0 code 8 float = 325")));
    EXPECT_TRUE(trace.contains(QStringLiteral("write text P121 row 1 = \"hello           \"")));
    EXPECT_TRUE(trace.contains(
        QStringLiteral("<TX FF 00 10 1F 00 00 1F 16  | #2 to 31 from 0 code 0  [noise]")));
}

TEST(SimLine, PacingTakesTheWireTime) {
    sim::LineOptions o;
    o.pace = true;
    o.baud = 2400;
    SimRig rig(o);
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32)), 8);
    // 13 bytes out, 14 back, 11 bit times each.
    const double wireMs = 27 * 11 * 1000.0 / 2400;
    EXPECT_GE(double(t.elapsed()), wireMs - 1);
    EXPECT_LT(double(t.elapsed()), wireMs + 15);
}

TEST(SimLine, HoldsTheConfigurationOfAFile) {
    QTemporaryDir dir;
    TransmitterConfig config =
        sim::DefaultConfig(FindType(QStringLiteral("K8620L11")), 52, 0, 98765);
    config.Signature = QByteArray("PT-FILE04");
    config.TransmitterType = QByteArray("K8620L11; rev. 1,74");
    config.UserNote = QByteArray("boiler room, north wall");
    config.Damping = 7.5;
    config.ConnectionCode = 6;
    const QString file = dir.filePath(QStringLiteral("boiler.ptf"));
    ASSERT_TRUE(WritePtfFile(file, config).isEmpty());
    sim::LineOptions o;
    o.transmitters.push_back({});
    o.transmitters.back().ptfPath = file;
    SimRig rig(o);
    const sim::SimTransmitter& t = rig.sim.transmitter(0);
    EXPECT_EQ(t.profile().typeName, QStringLiteral("K8620L11"));
    EXPECT_EQ(t.firmware(), 174);
    EXPECT_TRUE(t.profile().fixedRange);
    ASSERT_EQ(rig.Exchange(SimRig::Read(101, TypeInt32)), 8);
    EXPECT_EQ(rig.engine.request().value32, 98765);
    ASSERT_EQ(rig.Exchange(SimRig::Read(121, TypeText, 0, 1)), 8);
    EXPECT_EQ(rig.engine.request().text, QByteArray("th wall         "));
    ASSERT_EQ(rig.Exchange(SimRig::Read(5, TypeFloat)), 8);
    EXPECT_FLOAT_EQ(float(rig.engine.request().value), 7.5f);
    ASSERT_EQ(rig.Exchange(SimRig::Read(112, TypeInt16)), 8);
    EXPECT_EQ(rig.engine.request().value16, 6);
    ASSERT_EQ(rig.Exchange(SimRig::Read(110, TypeInt16)), 8);
    EXPECT_EQ(rig.engine.request().value16, 52);

    sim::LineOptions missing;
    missing.transmitters.push_back({});
    missing.transmitters.back().ptfPath = dir.filePath(QStringLiteral("none.ptf"));
    sim::SimLine line(missing);
    QString error;
    EXPECT_FALSE(line.start(&error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
