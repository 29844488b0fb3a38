#pragma once

#include <vector>

namespace lmk17::reference {

// A linear programme with few free variables and many inequalities:
//   minimise c·z subject to G z <= h (row by row).
// Every best-approximation problem of the standard tables has this form.
struct LinearProgram {
    std::vector<double> c;
    std::vector<std::vector<double>> g;  // one row per inequality, c.size() entries each
    std::vector<double> h;
};

struct LpSolution {
    bool ok = false;
    std::vector<double> z;
    double value = 0.0;
    int iterations = 0;
};

// Solves it by the revised simplex method on the dual (its basis has as many
// rows as the programme has variables), with Bland's rule whenever progress
// stalls so degenerate vertices cannot cycle. Deterministic.
LpSolution SolveLinearProgram(const LinearProgram& lp);

}  // namespace lmk17::reference
