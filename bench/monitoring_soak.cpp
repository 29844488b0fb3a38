// Soak of unattended monitoring: four transmitters on one line polled at a
// 1 ms interval (as fast as the line allows), every cycle recorded, while the
// simulator is killed and started again on the same link path now and then.
//
//     bench_monitoring_soak [CYCLES [RESTARTS]]      (default 100000 10)
//
// Checks and reports: every cycle accounted for in the log file (four
// records a cycle), every gap bracketed by a lost and a resumed line,
// resumption within 3 s of the port's return, resident memory growth.
// Exit code 0 when all hold.

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "monitoring_rig.h"

using namespace lmk17;
using namespace lmk17::bench;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const long cycles = args.size() > 1 ? args[1].toLong() : 100000;
    const int restarts = args.size() > 2 ? args[2].toInt() : 10;
    QTextStream out(stdout);

    QTemporaryDir dir;
    // LMK17_SOAK_KEEP=1 keeps the log file for a look afterwards.
    if (qEnvironmentVariableIsSet("LMK17_SOAK_KEEP")) {
        dir.setAutoRemove(false);
        out << "log kept in " << dir.path() << Qt::endl;
    }
    const QString link = dir.filePath(QStringLiteral("line"));
    QStringList simArgs = {QStringLiteral("--link"), link};
    for (int a = 0; a < 4; ++a)
        simArgs << QStringLiteral("--address") << QString::number(a) << QStringLiteral("--pv")
                << QStringLiteral("sine:50:%1:7").arg(10 + a);
    Sim sim(simArgs);
    if (!sim.start()) {
        out << "lmk17-sim did not start: " << SimProgram() << Qt::endl;
        return 1;
    }
    MonitoringCore core(link);
    if (!core.open()) {
        out << "cannot open " << link << Qt::endl;
        return 1;
    }
    MonitorParameters p;
    p.addresses = {0, 1, 2, 3};
    p.intervalMs = 1;  // far below the dialog's 1 s
    p.logFile = dir.filePath(QStringLiteral("soak.log"));
    p.append = false;
    p.pointLimit = 2000;
    core.monitoring.setParameters(p);

    long ended = 0;
    QObject::connect(&core.monitoring, &MonitoringEngine::indicatorChanged,
                     [&](bool busy) { ended += !busy; });
    bool lost = false;
    QElapsedTimer returned;
    std::vector<qint64> resumeMs;
    QObject::connect(&core.monitoring, &MonitoringEngine::portLostChanged, [&](bool l) {
        lost = l;
        if (!l && returned.isValid()) resumeMs.push_back(returned.elapsed());
    });
    if (!core.monitoring.startMonitoring() || !WaitFor([&] { return ended >= 100; }, 30000)) {
        out << "monitoring did not start" << Qt::endl;
        return 1;
    }
    const long rssStart = ResidentKb();
    QElapsedTimer total;
    total.start();
    // Restarts spread over the run, each some cycles after the last return.
    const long step = cycles / (restarts + 1);
    long base = ended;
    for (int r = 1; r <= restarts; ++r) {
        if (!WaitFor([&] { return ended >= base + step; }, 3600000)) break;
        sim.kill();
        if (!WaitFor([&] { return lost; }, 10000)) {
            out << "the loss was not noticed" << Qt::endl;
            return 1;
        }
        WaitFor([] { return false; }, 500);  // the adapter stays away a moment
        if (!sim.start()) {
            out << "lmk17-sim did not start again" << Qt::endl;
            return 1;
        }
        returned.start();
        if (!WaitFor([&] { return !lost; }, 10000)) {
            out << "not resumed within 10 s" << Qt::endl;
            return 1;
        }
        base = ended;
        out << "restart " << r << " at cycle " << ended << ": resumed after " << resumeMs.back()
            << " ms" << Qt::endl;
    }
    WaitFor([&] { return ended >= cycles; }, 3600000);
    const long rssEnd = ResidentKb();
    const qint64 ms = total.elapsed();
    WaitFor([&] { return core.monitoring.stopConfirmed(); }, 10000);
    const long counted = ended;

    // The log file read back.
    QFile f(p.logFile);
    if (!f.open(QIODevice::ReadOnly)) return 1;
    const QRegularExpression record(QStringLiteral("^0[0-3] \\d{6} \\d{6} "));
    long records = 0;
    long failedRecords = 0;
    int lostLines = 0;
    int resumedLines = 0;
    bool bracketsOk = true;
    bool inGap = false;
    long errorsOutsideGaps = 0;  // a failed record before its lost line
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (record.match(line).hasMatch()) {
            ++records;
            const bool failed = line.contains(QLatin1String("ERROR:_"));
            failedRecords += failed;
            errorsOutsideGaps += failed && !inGap;
        } else if (line.startsWith(QLatin1String("Communication Port Lost:"))) {
            ++lostLines;
            bracketsOk = bracketsOk && !inGap;
            inGap = true;
        } else if (line.startsWith(QLatin1String("Communication Port Resumed:"))) {
            ++resumedLines;
            bracketsOk = bracketsOk && inGap;
            inGap = false;
        }
    }
    bracketsOk = bracketsOk && !inGap && lostLines == restarts && resumedLines == restarts &&
                 errorsOutsideGaps == 0;
    // The Stop may come in the middle of the last cycle: it is counted, with
    // at least its first record.
    const bool allCounted = records > 4 * (counted - 1) && records <= 4 * counted;
    const qint64 worstResume =
        resumeMs.empty() ? 0 : *std::max_element(resumeMs.begin(), resumeMs.end());
    const long growth = rssEnd - rssStart;

    out << "cycles " << counted << " in " << ms << " ms (" << (ms * 1000.0 / counted)
        << " us a cycle); records " << records << " (" << failedRecords << " communication errors, "
        << errorsOutsideGaps << " outside gaps); lost/resumed lines " << lostLines << "/"
        << resumedLines << (bracketsOk ? ", every gap bracketed" : ", BRACKETS WRONG") << Qt::endl;
    out << "resumption after the port's return: worst " << worstResume << " ms" << Qt::endl;
    out << "resident memory " << rssStart << " kB -> " << rssEnd << " kB (growth " << growth
        << " kB); questions asked " << core.ui.questions << Qt::endl;
    const bool ok = allCounted && bracketsOk && worstResume <= 3000 && growth < 5 * 1024 &&
                    core.ui.questions == 0;
    out << (ok ? "PASS" : "FAIL") << Qt::endl;
    return ok ? 0 : 1;
}
