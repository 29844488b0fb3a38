#include "config/reference/segment_fit.h"

#include <algorithm>
#include <cmath>

namespace lmk17::reference {

namespace {
constexpr int kSegments = 8;
}  // namespace

double EvaluateTable(const TableRows& rows, double x) {
    const double start = rows[0][0];
    const double w = (rows[0][1] - start) / kSegments;
    int s = 1;
    while (s < kSegments && !(start + w * s >= x)) ++s;
    const auto& c = rows[s];
    return ((c[0] * x + c[1]) * x + c[2]) * x + c[3];
}

double TableMaxError(const StandardCharacteristic& ch, const TableRows& rows, int samples,
                     double* at) {
    double worst = 0.0;
    for (int i = 0; i < samples; ++i) {
        const double t = ch.spanLow + (ch.spanHigh - ch.spanLow) * i / (samples - 1);
        const double e = std::fabs(EvaluateTable(rows, DeviceValue(ch, t)) - t);
        if (e > worst) {
            worst = e;
            if (at) *at = t;
        }
    }
    return worst;
}

double TableBoundaryJump(const TableRows& rows) {
    const double w = (rows[0][1] - rows[0][0]) / kSegments;
    double worst = 0.0;
    for (int s = 1; s < kSegments; ++s) {
        const double x = rows[0][0] + w * s;
        const auto& lo = rows[s];
        const auto& hi = rows[s + 1];
        const double a = ((lo[0] * x + lo[1]) * x + lo[2]) * x + lo[3];
        const double b = ((hi[0] * x + hi[1]) * x + hi[2]) * x + hi[3];
        worst = std::max(worst, std::fabs(a - b));
    }
    return worst;
}

}  // namespace lmk17::reference
