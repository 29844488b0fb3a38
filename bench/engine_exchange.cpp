// Whole exchanges through the transaction engine and the serial port driver
// against lmk17-sim on a pseudo-terminal: how many per second, what each adds
// beyond the bytes on the wire, and whether a paced exchange costs its wire
// time and no more.
//
// The simulator runs as its own process (LMK17_SIM, else ../sim/lmk17-sim
// beside this program), as it would against the real program.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <memory>
#include <vector>

#include "common/silent_interaction.h"
#include "link/comm_port_driver.h"
#include "link/transaction_engine.h"

using namespace lmk17;

namespace {

QString simProgram() {
    const QString env = qEnvironmentVariable("LMK17_SIM");
    if (!env.isEmpty()) return env;
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../sim/lmk17-sim"));
}

// The simulator process, the port on its terminal and the engine.
struct Setup {
    QProcess sim;
    TCommPortDriver port;
    SilentInteraction ui;
    std::unique_ptr<TransactionEngine> engine;
    QString error;

    explicit Setup(const QStringList& args) {
        sim.start(simProgram(), args);
        if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
            error = QStringLiteral("lmk17-sim did not start: ") + simProgram();
            return;
        }
        port.setDeviceName(QString::fromLocal8Bit(sim.readLine()).trimmed());
        if (!port.open()) {
            error = port.errorString();
            return;
        }
        engine = std::make_unique<TransactionEngine>(port, ui);
        engine->ResetReceiveState();
    }
    ~Setup() {
        port.close();
        sim.terminate();
        sim.waitForFinished(3000);
    }

    // One exchange; its duration in microseconds, or -1 when it failed.
    double exchange(const LinkRequest& request) {
        QEventLoop loop;
        int result = -1;
        const auto c = QObject::connect(engine.get(), &TransactionEngine::exchangeEnded, &loop,
                                        [&](int r, bool) {
                                            result = r;
                                            loop.quit();
                                        });
        QElapsedTimer t;
        t.start();
        engine->request() = request;
        engine->setAttempts(3);
        engine->SestavPrikaz();
        if (result < 0) loop.exec();
        const double us = t.nsecsElapsed() / 1000.0;
        QObject::disconnect(c);
        return result == 8 ? us : -1.0;
    }
};

LinkRequest readRequest(int parameter, int type, int row = 0) {
    LinkRequest r;
    r.operation = OpRead;
    r.dataType = type;
    r.parameter = parameter;
    r.row = row;
    return r;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// 1000 reads of the primary variable, no pacing: everything measured is what
// the engine, the driver, the terminal and the simulator add.
void BM_ReadExchangeUnpaced(benchmark::State& state) {
    Setup s({});
    if (!s.error.isEmpty()) {
        state.SkipWithError(s.error.toStdString().c_str());
        return;
    }
    const LinkRequest r = readRequest(0, TypeFloat);
    for (int i = 0; i < 20; ++i) s.exchange(r);  // warm up
    std::vector<double> us;
    for (auto _ : state) {
        const double t = s.exchange(r);
        if (t < 0) {
            state.SkipWithError("exchange failed");
            return;
        }
        us.push_back(t);
        state.SetIterationTime(t / 1e6);
    }
    state.counters["exchanges_per_s"] =
        benchmark::Counter(double(us.size()), benchmark::Counter::kIsRate);
    state.counters["median_us"] = percentile(us, 0.5);
    state.counters["p99_us"] = percentile(us, 0.99);
}
BENCHMARK(BM_ReadExchangeUnpaced)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The longest exchange of the configuration sequence (a text row: 21 bytes
// out, 26 back) at 19200 Bd with every byte taking its 11 bit times.
void BM_FullLengthExchangePaced19200(benchmark::State& state) {
    Setup s({QStringLiteral("--pace"), QStringLiteral("--baud"), QStringLiteral("19200")});
    if (!s.error.isEmpty()) {
        state.SkipWithError(s.error.toStdString().c_str());
        return;
    }
    const LinkRequest r = readRequest(120, TypeText, 2);
    const double wireMs = (21 + 26) * 11 * 1000.0 / 19200.0;
    s.exchange(r);
    std::vector<double> ms;
    for (auto _ : state) {
        const double t = s.exchange(r);
        if (t < 0) {
            state.SkipWithError("exchange failed");
            return;
        }
        ms.push_back(t / 1000.0);
        state.SetIterationTime(t / 1e6);
    }
    const double median = percentile(ms, 0.5);
    state.counters["wire_ms"] = wireMs;
    state.counters["median_ms"] = median;
    state.counters["worst_ms"] = percentile(ms, 1.0);
    state.counters["excess_pct"] = (median - wireMs) / wireMs * 100.0;
}
BENCHMARK(BM_FullLengthExchangePaced19200)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
