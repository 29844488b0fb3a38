// The segmented approximation runs on the GUI thread in one call, so it has
// to stay well inside one frame (16 ms).

#include <benchmark/benchmark.h>

#include <random>

#include "config/catalogue.h"
#include "linearization/lin_approximation.h"
#include "linearization/rtd_characterization.h"

using namespace lmk17;

namespace {

// The 64 points of a standard Pt100 on R91, as the RTD calculation makes them.
void RtdPoints(benchmark::State& state) {
    const int r91 = FindRange(91);
    LinData points;
    NaplnXY_Pt(points, r91, RtdConstants{});
    for (auto _ : state) {
        LinData d = points;
        ApproximationErrors e;
        benchmark::DoNotOptimize(ProlozLinTab(d, r91, &e));
    }
}

// 64 points of pure noise: the segments disagree at every boundary and the
// continuity iteration needs its most passes of the cases tried (13).
void NoisyPoints(benchmark::State& state) {
    const int r91 = FindRange(91);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> noise(-1000, 1000);
    LinData points;
    for (int i = 0; i < 64; ++i) points.LinPoints.Append(5 + i * 6.0, noise(random));
    points.pom.XStart() = 5;
    points.pom.XEnd() = 5 + 63 * 6.0;
    for (auto _ : state) {
        LinData d = points;
        ApproximationErrors e;
        benchmark::DoNotOptimize(ProlozLinTab(d, r91, &e));
    }
}

}  // namespace

BENCHMARK(RtdPoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(NoisyPoints)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
