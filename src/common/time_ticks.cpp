#include "common/time_ticks.h"

#include <cmath>

namespace lmk17 {

namespace {

constexpr double kSecondsPerDay = 86400.0;

}  // namespace

QString TimeOfDayText(double dayNumber) {
    if (!std::isfinite(dayNumber)) return {};
    const double fraction = dayNumber - std::floor(dayNumber);
    long long seconds = std::llround(fraction * kSecondsPerDay) % 86400;
    const int h = int(seconds / 3600);
    const int m = int(seconds / 60 % 60);
    const int s = int(seconds % 60);
    return QString::asprintf("%d:%.2d:%.2d", h, m, s);
}

std::vector<double> TimeTicks(double low, double high, int count) {
    std::vector<double> ticks;
    if (!std::isfinite(low) || !std::isfinite(high) || high <= low) return ticks;
    if (count < 2) count = 2;
    static const double kSteps[] = {1,   2,   5,    10,   15,   30,    60,    120,   300,
                                    600, 900, 1800, 3600, 7200, 10800, 21600, 43200, 86400};
    const double spanS = (high - low) * kSecondsPerDay;
    double stepS = 0.0;
    for (double s : kSteps)
        if (spanS / s <= count) {
            stepS = s;
            break;
        }
    if (stepS == 0.0) stepS = 86400.0 * std::ceil(spanS / 86400.0 / count);
    const double step = stepS / kSecondsPerDay;
    // Counted in whole steps from day 0, so ticks fall on round times of day.
    const double first = std::ceil(low / step - 1e-9);
    for (double k = first; k * step <= high + step * 1e-9; k += 1.0) ticks.push_back(k * step);
    return ticks;
}

}  // namespace lmk17
