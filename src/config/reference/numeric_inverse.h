#pragma once

namespace lmk17::reference {

// The t in [low, high] with f(t) = y for an increasing f, by bisection: slow
// but sure, and every reference function here is cheap to evaluate.
template <typename F>
double SolveIncreasing(F f, double y, double low, double high) {
    for (int i = 0; i < 200 && high - low > 1e-13 * (1.0 + (high > 0 ? high : -high)); ++i) {
        const double mid = 0.5 * (low + high);
        if (f(mid) < y)
            low = mid;
        else
            high = mid;
    }
    return 0.5 * (low + high);
}

}  // namespace lmk17::reference
