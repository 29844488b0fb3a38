#pragma once

#include <optional>

#include "config/reference/cj_fit.h"

namespace lmk17::reference {

enum class CjFitKind { Minimax, LeastSquares };

// The best cubic by the largest error (minimax), or the least-squares cubic
// the minimax one is judged against. Empty when the solver fails.
std::optional<CjCubic> FitCjCubic(Thermocouple type, CjFitKind kind);

}  // namespace lmk17::reference
