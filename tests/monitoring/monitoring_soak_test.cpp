#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <iostream>

#include "monitoring/live_sim_rig.h"

namespace lmk17 {
namespace {

using test::LiveSimRig;
using test::Profile;

// Resident memory in kB and open file descriptors of this process.
long ResidentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

qsizetype OpenFiles() {
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
        .size();
}

// Many thousands of cycles at a shortened poll interval, with answers now and
// then spoiled on the line: the window, the graph, the file handles and the
// timers must not grow with the length of the run.
TEST(MonitoringSoak, ThousandsOfCyclesStayBounded) {
    if (!QFile::exists(QStringLiteral("/proc/self/status"))) GTEST_SKIP() << "no /proc";
    const int kWarmUp = 500;
    const int kCycles = qEnvironmentVariableIntValue("LMK17_SOAK_CYCLES") > 0
                            ? qEnvironmentVariableIntValue("LMK17_SOAK_CYCLES")
                            : 10000;
    sim::TransmitterProfile profile = Profile("K8620L31", 191);
    profile.address = 2;
    profile.pv.kind = sim::PvSource::Sine;
    profile.pv.a = 100;
    profile.pv.b = 50;
    profile.pv.periodS = 7;
    LiveSimRig rig({profile});
    ASSERT_TRUE(rig.started);
    QTemporaryDir dir;
    MonitorParameters p;
    p.address = 2;
    p.intervalMs = 1;  // far below the dialog's 1 s: as fast as the line allows
    p.logToFile = true;
    p.logFile = dir.filePath(QStringLiteral("soak.log"));
    p.append = false;
    p.pointLimit = 2000;
    rig.monitoring.setParameters(p);
    rig.line->addFault([] {
        sim::Fault f;
        f.kind = sim::Fault::BadCheck;
        f.probability = 0.01;
        return f;
    }());
    rig.line->addFault([] {
        sim::Fault f;
        f.kind = sim::Fault::Noise;
        f.probability = 0.02;
        return f;
    }());
    int cycles = 0;
    QObject::connect(&rig.monitoring, &MonitoringEngine::indicatorChanged, [&](bool busy) {
        if (!busy) ++cycles;
    });
    rig.keepTaken = false;
    ASSERT_TRUE(rig.monitoring.startMonitoring());
    QElapsedTimer warmUp;
    warmUp.start();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return cycles >= kWarmUp; }, 60000));
    const long rssStart = ResidentKb();
    const qsizetype filesStart = OpenFiles();
    // The run measures growth, not speed: on a loaded machine a cycle takes
    // longer, so the run is given twice the warm-up's pace (at least
    // 150 s); a run that stalls still fails.
    const qint64 allowedMs = std::max<qint64>(150000, 2 * warmUp.elapsed() * kCycles / kWarmUp);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return cycles >= kWarmUp + kCycles; }, int(allowedMs)))
        << cycles - kWarmUp << " of " << kCycles << " cycles in " << t.elapsed() << " ms";
    const qint64 ms = t.elapsed();
    const long rssEnd = ResidentKb();
    const qsizetype filesEnd = OpenFiles();
    ASSERT_TRUE(rig.monitoring.stopConfirmed() ||
                LiveSimRig::waitFor([&] { return rig.monitoring.stopConfirmed(); }));

    std::cout << "[ soak     ] " << kCycles << " cycles in " << ms << " ms; RSS " << rssStart
              << " kB -> " << rssEnd << " kB; open files " << filesStart << " -> " << filesEnd
              << "; window " << rig.log.windowLines().size() << " lines; graph "
              << rig.monitoring.graph().points().size() << " points" << std::endl;
    RecordProperty("cycles", kCycles);
    RecordProperty("rss_start_kb", int(rssStart));
    RecordProperty("rss_end_kb", int(rssEnd));
    RecordProperty("open_files_start", int(filesStart));
    RecordProperty("open_files_end", int(filesEnd));

    EXPECT_EQ(filesEnd, filesStart);
    // A little slack for the allocator; a leak of even a few bytes a cycle
    // would show here.
    EXPECT_LT(rssEnd - rssStart, 512);
    EXPECT_LE(rig.log.windowLines().size(), 501);
    EXPECT_EQ(rig.monitoring.graph().points().size(), 2000u);
    EXPECT_FALSE(rig.monitoring.active());
    EXPECT_FALSE(rig.log.fileOpen());
    EXPECT_EQ(OpenFiles(), filesStart - 1);  // the log file is closed at the stop
    // Every cycle made a record in the file: header lines + records + footer.
    QFile f(p.logFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const qsizetype lines = f.readAll().count('\n');
    EXPECT_GE(lines, kWarmUp + kCycles);
    // Two requests a cycle (the PV and the status word), repeats aside.
    EXPECT_GE(rig.takenCount, 2L * (kWarmUp + kCycles));
}

}  // namespace
}  // namespace lmk17
