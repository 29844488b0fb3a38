#include "minimax_lp.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace lmk17::reference {

namespace {

using Vector = std::vector<double>;

// Dense LU factors of a small square matrix with partial pivoting.
class Lu {
public:
    bool factor(std::vector<Vector> a) {
        n_ = a.size();
        a_ = std::move(a);
        perm_.resize(n_);
        for (std::size_t i = 0; i < n_; ++i) perm_[i] = i;
        for (std::size_t k = 0; k < n_; ++k) {
            std::size_t p = k;
            for (std::size_t i = k + 1; i < n_; ++i)
                if (std::fabs(a_[i][k]) > std::fabs(a_[p][k])) p = i;
            if (std::fabs(a_[p][k]) < 1e-13) return false;
            std::swap(a_[p], a_[k]);
            std::swap(perm_[p], perm_[k]);
            for (std::size_t i = k + 1; i < n_; ++i) {
                const double f = a_[i][k] / a_[k][k];
                a_[i][k] = f;
                for (std::size_t j = k + 1; j < n_; ++j) a_[i][j] -= f * a_[k][j];
            }
        }
        return true;
    }

    // x with B x = r.
    Vector solve(const Vector& r) const {
        Vector x(n_);
        for (std::size_t i = 0; i < n_; ++i) {
            double s = r[perm_[i]];
            for (std::size_t j = 0; j < i; ++j) s -= a_[i][j] * x[j];
            x[i] = s;
        }
        for (std::size_t i = n_; i-- > 0;) {
            double s = x[i];
            for (std::size_t j = i + 1; j < n_; ++j) s -= a_[i][j] * x[j];
            x[i] = s / a_[i][i];
        }
        return x;
    }

    // y with Bᵀ y = r.
    Vector solveTransposed(const Vector& r) const {
        Vector w(n_);
        for (std::size_t i = 0; i < n_; ++i) {
            double s = r[i];
            for (std::size_t j = 0; j < i; ++j) s -= a_[j][i] * w[j];
            w[i] = s / a_[i][i];
        }
        for (std::size_t i = n_; i-- > 0;) {
            double s = w[i];
            for (std::size_t j = i + 1; j < n_; ++j) s -= a_[j][i] * w[j];
            w[i] = s;
        }
        Vector y(n_);
        for (std::size_t i = 0; i < n_; ++i) y[perm_[i]] = w[i];
        return y;
    }

private:
    std::size_t n_ = 0;
    std::vector<Vector> a_;
    std::vector<std::size_t> perm_;
};

// The dual in standard form: min h·ν, A ν = b, ν >= 0, with A's column j the
// j-th row of G (times the row signs that make b non-negative) and one
// artificial unit column per row behind them.
class DualSimplex {
public:
    explicit DualSimplex(const LinearProgram& lp)
        : lp_(lp), n_(lp.c.size()), k_(lp.g.size()), sign_(n_), b_(n_) {
        for (std::size_t i = 0; i < n_; ++i) {
            sign_[i] = lp.c[i] > 0.0 ? -1.0 : 1.0;
            b_[i] = -lp.c[i] * sign_[i];
        }
        for (double v : lp.h) hScale_ = std::max(hScale_, std::fabs(v));
        basis_.resize(n_);
        basic_.assign(k_ + n_, false);
        for (std::size_t i = 0; i < n_; ++i) {
            basis_[i] = k_ + i;
            basic_[k_ + i] = true;
        }
    }

    LpSolution run() {
        LpSolution out;
        if (!iterate(1, out.iterations)) return out;
        if (artificialSum() > 1e-9 * (1.0 + norm(b_))) return out;
        if (!driveOutArtificials()) return out;
        if (!iterate(2, out.iterations)) return out;
        if (!refactor()) return out;
        const Vector pi = lu_.solveTransposed(basicCosts(2));
        out.z.resize(n_);
        for (std::size_t i = 0; i < n_; ++i) {
            out.z[i] = sign_[i] * pi[i];
            out.value += lp_.c[i] * out.z[i];
        }
        out.ok = true;
        return out;
    }

private:
    static double norm(const Vector& v) {
        double s = 0.0;
        for (double x : v) s = std::max(s, std::fabs(x));
        return s;
    }

    bool artificial(std::size_t j) const { return j >= k_; }

    double entry(std::size_t j, std::size_t i) const {
        return artificial(j) ? (j - k_ == i ? 1.0 : 0.0) : lp_.g[j][i] * sign_[i];
    }

    Vector column(std::size_t j) const {
        Vector col(n_);
        for (std::size_t i = 0; i < n_; ++i) col[i] = entry(j, i);
        return col;
    }

    double cost(std::size_t j, int phase) const {
        if (phase == 1) return artificial(j) ? 1.0 : 0.0;
        return artificial(j) ? 0.0 : lp_.h[j];
    }

    Vector basicCosts(int phase) const {
        Vector cb(n_);
        for (std::size_t k = 0; k < n_; ++k) cb[k] = cost(basis_[k], phase);
        return cb;
    }

    bool refactor() {
        std::vector<Vector> m(n_, Vector(n_));
        for (std::size_t k = 0; k < n_; ++k)
            for (std::size_t i = 0; i < n_; ++i) m[i][k] = entry(basis_[k], i);
        return lu_.factor(std::move(m));
    }

    double artificialSum() {
        if (!refactor()) return 1e300;
        const Vector x = lu_.solve(b_);
        double s = 0.0;
        for (std::size_t k = 0; k < n_; ++k)
            if (artificial(basis_[k])) s += std::fabs(x[k]);
        return s;
    }

    double reducedCost(std::size_t j, const Vector& pi, int phase) const {
        double r = cost(j, phase);
        for (std::size_t i = 0; i < n_; ++i) r -= pi[i] * lp_.g[j][i] * sign_[i];
        return r;
    }

    // The entering column: most negative reduced cost, or under Bland's rule
    // the first negative one. k_ when the basis is optimal.
    std::size_t price(const Vector& pi, int phase, bool bland) const {
        const double tol = 1e-10 * (phase == 1 ? 1.0 : std::max(1.0, hScale_));
        std::size_t best = k_;
        double bestCost = -tol;
        for (std::size_t j = 0; j < k_; ++j) {
            if (basic_[j]) continue;
            const double r = reducedCost(j, pi, phase);
            if (r < bestCost) {
                best = j;
                bestCost = r;
                if (bland) break;
            }
        }
        return best;
    }

    // The leaving position: smallest ratio, ties to the smallest column index.
    std::size_t ratio(const Vector& x, const Vector& d, double& theta) const {
        theta = -1.0;
        for (std::size_t k = 0; k < n_; ++k) {
            if (d[k] <= 1e-9) continue;
            const double t = std::max(x[k], 0.0) / d[k];
            if (theta < 0.0 || t < theta) theta = t;
        }
        if (theta < 0.0) return n_;
        std::size_t leave = n_;
        for (std::size_t k = 0; k < n_; ++k) {
            if (d[k] <= 1e-9) continue;
            const double t = std::max(x[k], 0.0) / d[k];
            if (t <= theta + 1e-12 * (1.0 + theta) && (leave == n_ || basis_[k] < basis_[leave]))
                leave = k;
        }
        return leave;
    }

    bool iterate(int phase, int& iterations) {
        int stalled = 0;
        for (int guard = 0; guard < 200000; ++guard, ++iterations) {
            if (!refactor()) return false;
            const Vector x = lu_.solve(b_);
            const Vector pi = lu_.solveTransposed(basicCosts(phase));
            const std::size_t enter = price(pi, phase, stalled > static_cast<int>(2 * n_));
            if (enter == k_) return true;
            const Vector d = lu_.solve(column(enter));
            double theta = 0.0;
            const std::size_t leave = ratio(x, d, theta);
            if (leave == n_) return false;  // the dual is unbounded: no primal solution
            stalled = theta <= 1e-14 ? stalled + 1 : 0;
            basic_[basis_[leave]] = false;
            basis_[leave] = enter;
            basic_[enter] = true;
        }
        return false;
    }

    // After phase 1 an artificial column may still be basic at level zero;
    // swap in any real column that can take its place. One that cannot be
    // replaced belongs to a variable no inequality mentions: it stays, and that
    // variable comes out as zero.
    bool driveOutArtificials() {
        for (std::size_t k = 0; k < n_; ++k) {
            if (!artificial(basis_[k])) continue;
            if (!refactor()) return false;
            Vector ek(n_, 0.0);
            ek[k] = 1.0;
            const Vector row = lu_.solveTransposed(ek);
            std::size_t best = k_;
            double bestAlpha = 1e-9;
            for (std::size_t j = 0; j < k_; ++j) {
                if (basic_[j]) continue;
                double alpha = 0.0;
                for (std::size_t i = 0; i < n_; ++i) alpha += row[i] * entry(j, i);
                if (std::fabs(alpha) > bestAlpha) {
                    bestAlpha = std::fabs(alpha);
                    best = j;
                }
            }
            if (best == k_) continue;
            basic_[basis_[k]] = false;
            basis_[k] = best;
            basic_[best] = true;
        }
        return true;
    }

    const LinearProgram& lp_;
    std::size_t n_;
    std::size_t k_;
    Vector sign_;
    Vector b_;
    double hScale_ = 0.0;
    std::vector<std::size_t> basis_;
    std::vector<bool> basic_;
    Lu lu_;
};

}  // namespace

LpSolution SolveLinearProgram(const LinearProgram& lp) {
    if (lp.c.empty() || lp.g.size() != lp.h.size()) return {};
    for (const auto& row : lp.g)
        if (row.size() != lp.c.size()) return {};
    return DualSimplex(lp).run();
}

}  // namespace lmk17::reference
