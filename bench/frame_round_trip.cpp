// Request building plus answer decoding, the per-exchange cost of the codec.
#include <benchmark/benchmark.h>

#include "link/binary32.h"
#include "link/frame.h"

using namespace lmk17;

static void BM_FloatRequestAndAnswer(benchmark::State& state) {
    LinkRequest r;
    r.operation = OpRead;
    r.dataType = TypeFloat;
    r.parameter = 1;
    QByteArray data(5, 0);
    const std::uint32_t bits = EncodeBinary32(123.456);
    for (int i = 0; i < 4; ++i) data[1 + i] = char(bits >> (8 * i));
    const QByteArray answer = OdesliLF(data, 31, 0, 0x08);
    for (auto _ : state) {
        QByteArray request = BuildRequestFrame(r, 31);
        bool deviceError = false;
        AnswerOutcome o = DecodeAnswer(reinterpret_cast<const std::uint8_t*>(answer.constData()),
                                       int(answer.size()), r, deviceError);
        benchmark::DoNotOptimize(request);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_FloatRequestAndAnswer);

static void BM_BlockWriteRequest(benchmark::State& state) {
    LinkRequest r;
    r.operation = OpWrite;
    r.dataType = TypeBlock;
    r.parameter = 50;
    r.values = {1.5, -2.25, 1e-3, 4400.0};
    for (auto _ : state) benchmark::DoNotOptimize(BuildRequestFrame(r, 31));
}
BENCHMARK(BM_BlockWriteRequest);

BENCHMARK_MAIN();
