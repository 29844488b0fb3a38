// How many transmitters one monitoring cycle reads within the default 2 s
// poll interval at each line speed: eight transmitters on one line of
// lmk17-sim --pace (every byte takes its 11 bit times both ways), the time of
// a whole cycle (PV and status word of each) measured from its tick to its
// end.
//
//     bench_monitoring_speed [BAUD...]      (default 600 1200 2400 4800 9600 19200)

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <vector>

#include "monitoring_rig.h"

using namespace lmk17;
using namespace lmk17::bench;

namespace {

constexpr int kTransmitters = 8;
constexpr int kCycles = 3;
constexpr double kIntervalMs = 2000.0;

// The median time of a cycle over the eight transmitters, or -1.
double CycleMs(int baud, QTextStream& out) {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("line"));
    QStringList args = {QStringLiteral("--link"), link, QStringLiteral("--pace"),
                        QStringLiteral("--baud"), QString::number(baud)};
    for (int a = 0; a < kTransmitters; ++a)
        args << QStringLiteral("--address") << QString::number(a);
    Sim sim(args);
    if (!sim.start()) return -1;
    MonitoringCore core(link);
    core.setBaudRate(baud);
    if (!core.open()) return -1;
    MonitorParameters p;
    for (int a = 0; a < kTransmitters; ++a) p.addresses.push_back(a);
    p.intervalMs = 100;  // back to back: the cycle's own length is measured
    p.logToFile = false;
    core.monitoring.setParameters(p);
    QElapsedTimer t;
    std::vector<double> ms;
    int recordsOk = 0;
    QObject::connect(&core.monitoring, &MonitoringEngine::recordWritten, [&](const QString& line) {
        recordsOk += !line.contains(QLatin1String("ERROR"));
    });
    QObject::connect(&core.monitoring, &MonitoringEngine::indicatorChanged, [&](bool busy) {
        if (busy) return t.start();
        if (t.isValid()) ms.push_back(t.nsecsElapsed() / 1e6);
    });
    if (!core.monitoring.startMonitoring()) return -1;
    const bool done = WaitFor([&] { return int(ms.size()) >= kCycles; }, 600000);
    WaitFor([&] { return core.monitoring.stopConfirmed(); }, 20000);
    if (!done || recordsOk < kCycles * kTransmitters) {
        out << "  " << baud << " Bd: cycles incomplete (" << recordsOk << " good records)"
            << Qt::endl;
        return -1;
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    std::vector<int> bauds;
    for (const QString& a : app.arguments().mid(1)) bauds.push_back(a.toInt());
    if (bauds.empty()) bauds = {600, 1200, 2400, 4800, 9600, 19200};
    out << "baud   cycle of 8 [ms]   per transmitter [ms]   transmitters per 2 s" << Qt::endl;
    for (const int baud : bauds) {
        const double cycle = CycleMs(baud, out);
        if (cycle < 0) {
            out << baud << ": failed" << Qt::endl;
            continue;
        }
        const double each = cycle / kTransmitters;
        out << QString::asprintf("%5d  %15.0f  %21.1f  %21d", baud, cycle, each,
                                 int(std::floor(kIntervalMs / each)))
            << Qt::endl;
    }
    return 0;
}
