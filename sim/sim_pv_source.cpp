#include "sim_pv_source.h"

#include <QStringList>
#include <cmath>
#include <numbers>

namespace lmk17::sim {

double PvSource::value(double t, double lower, double upper, std::mt19937& rng) const {
    double v = 0.0;
    switch (kind) {
        case MidRange:
            v = (lower + upper) / 2.0;
            break;
        case Constant:
            v = a;
            break;
        case Ramp: {
            // A saw tooth: from a to b in one period, then again.
            const double phase = periodS > 0 ? std::fmod(t, periodS) / periodS : 0.0;
            v = a + (b - a) * phase;
            break;
        }
        case Sine:
            v = a + (periodS > 0 ? b * std::sin(2.0 * std::numbers::pi * t / periodS) : 0.0);
            break;
    }
    if (noise > 0) v += std::normal_distribution<double>(0.0, noise)(rng);
    return v;
}

bool PvSource::parse(const QString& text, PvSource& out, QString* error) {
    const QStringList parts = text.split(QLatin1Char(':'));
    const QString kind = parts.value(0).toLower();
    std::vector<double> n;
    for (int i = 1; i < parts.size(); ++i) {
        bool ok = false;
        n.push_back(parts[i].toDouble(&ok));
        if (!ok) {
            if (error) *error = QStringLiteral("not a number in the PV source: %1").arg(parts[i]);
            return false;
        }
    }
    PvSource s = out;
    auto want = [&](size_t count) {
        if (n.size() == count) return true;
        if (error)
            *error = QStringLiteral("%1 takes %2 number(s): %3").arg(kind).arg(count).arg(text);
        return false;
    };
    if (kind == QLatin1String("mid")) {
        if (!want(0)) return false;
        s.kind = MidRange;
    } else if (kind == QLatin1String("const")) {
        if (!want(1)) return false;
        s.kind = Constant;
        s.a = n[0];
    } else if (kind == QLatin1String("ramp") || kind == QLatin1String("sine")) {
        if (!want(3)) return false;
        s.kind = kind == QLatin1String("ramp") ? Ramp : Sine;
        s.a = n[0];
        s.b = n[1];
        s.periodS = n[2];
        if (s.periodS <= 0) {
            if (error) *error = QStringLiteral("the period must be above 0: %1").arg(text);
            return false;
        }
    } else {
        if (error)
            *error = QStringLiteral("unknown PV source %1 (mid, const, ramp, sine)").arg(text);
        return false;
    }
    out = s;
    return true;
}

}  // namespace lmk17::sim
