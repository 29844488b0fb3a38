#include "config/output_limits.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "config/defaults.h"
#include "config/display_scaling.h"
#include "config/firmware.h"

namespace lmk17 {

namespace {

double poly(const std::array<double, 4>& c, double x) {
    return ((c[3] * x + c[2]) * x + c[1]) * x + c[0];
}

double normalised(const OutputTypeEntry& type, double physical) {
    return (physical - type.Start()) / type.Span();
}

// A code as the transmitter takes it: rounded, and kept inside the 16 bits
// of its half of the code word rather than wrapped around.
std::optional<quint16> toCode(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return quint16(std::clamp(std::trunc(value + 0.5), 0.0, 65535.0));
}

quint16 half(quint32 word, bool high) {
    return quint16(high ? word >> 16 : word & 0xFFFF);
}

void setHalf(quint32& word, bool high, quint16 code) {
    word = high ? (word & 0x0000FFFFu) | (quint32(code) << 16) : (word & 0xFFFF0000u) | code;
}

struct Limit {
    double TransmitterConfig::*field;
    quint32 TransmitterConfig::*codes;
    bool high;
    int bound;         // q index of the bound it is clamped to
    bool boundIsMin;   // the bound is a minimum (else a maximum)
    int defaultIndex;  // q index of its default
};

constexpr Limit kLimits[] = {
    {&TransmitterConfig::SaturationLow, &TransmitterConfig::SaturationCodes, false, 8, true, 2},
    {&TransmitterConfig::SaturationHigh, &TransmitterConfig::SaturationCodes, true, 9, false, 3},
    {&TransmitterConfig::ErrorLow, &TransmitterConfig::ErrorCodes, false, 10, true, 5},
    {&TransmitterConfig::ErrorHigh, &TransmitterConfig::ErrorCodes, true, 11, false, 6},
};

// The x in [xa, xb] with P(x) = code; nullopt when P - code keeps its sign
// over the interval or the halvings run out.
std::optional<double> solve(const std::array<double, 4>& c, double code, double xa, double xb) {
    double fa = poly(c, xa) - code;
    const double fb = poly(c, xb) - code;
    if (!(fa * fb <= 0.0)) return std::nullopt;  // same sign, or not a number
    for (int i = 0; i < 50000; ++i) {
        if (xb - xa < 1e-10) return 0.5 * (xa + xb);
        const double xm = 0.5 * (xa + xb);
        const double fm = poly(c, xm) - code;
        if (fa * fm <= 0.0) {
            xb = xm;
        } else {
            xa = xm;
            fa = fm;
        }
    }
    return std::nullopt;
}

}  // namespace

double PhysicalOutput(const TransmitterConfig& config, const OutputTypeEntry& type, double x) {
    return (x * config.OutputGain + config.OutputOffset) * type.Span() + type.Start();
}

PhysicalOutputLimits ComputePhysicalLimits(const TransmitterConfig& config,
                                           const OutputTypeEntry& type) {
    return {PhysicalOutput(config, type, config.SaturationLow),
            PhysicalOutput(config, type, config.SaturationHigh),
            PhysicalOutput(config, type, config.ErrorLow),
            PhysicalOutput(config, type, config.ErrorHigh)};
}

void EncodeOutputCodes(TransmitterConfig& config, int typeIndex, int firmwareIndex) {
    const OutputTypeEntry* type = OutputTypeOf(typeIndex);
    if (!type || !firmware::UsesOutputCodes(FirmwareNumber(firmwareIndex))) return;
    const auto& c = config.OutputCodePoly;
    // The code change of 1 % of the output span.
    const double e = std::trunc(std::fabs(c[3] * 1e-6 + c[2] * 1e-4 + c[1] * 1e-2) + 0.5);
    for (const Limit& limit : kLimits) {
        double& x = config.*limit.field;
        const double bound = normalised(*type, type->q[limit.bound]);
        x = limit.boundIsMin ? std::max(x, bound) : std::min(x, bound);
        const std::optional<quint16> code = toCode(poly(c, x));
        if (!code) continue;
        quint32& word = config.*limit.codes;
        if (std::fabs(double(*code) - double(half(word, limit.high))) > e)
            setHalf(word, limit.high, *code);
    }
}

void DecodeOutputCodes(TransmitterConfig& config, int typeIndex, int firmwareIndex) {
    const OutputTypeEntry* type = OutputTypeOf(typeIndex);
    if (!type || !firmware::UsesOutputCodes(FirmwareNumber(firmwareIndex))) return;
    if (config.SaturationCodes == 0 || config.ErrorCodes == 0) {
        SetDefaultOutputLimits(config, typeIndex, firmwareIndex);
        return;
    }
    config.OutputGain = 1.0;
    config.OutputOffset = 0.0;
    const double xa = normalised(*type, type->q[5]);
    const double xb = normalised(*type, type->q[6]);
    for (const Limit& limit : kLimits) {
        const double code = half(config.*limit.codes, limit.high);
        const std::optional<double> x = solve(config.OutputCodePoly, code, xa, xb);
        config.*limit.field = x ? *x : normalised(*type, type->q[limit.defaultIndex]);
    }
}

OutputView ShowOutputValues(const TransmitterConfig& config, int typeIndex, int firmwareIndex) {
    OutputView v;
    const OutputTypeEntry* type = OutputTypeOf(typeIndex);
    if (!type) return v;
    const double k = type->k;
    v.rangeName = OutputTypeName(*type);
    v.unit = UnitSymbol(type->UnitCode);
    v.outputTypeCode = TypeAt(typeIndex)->OutputType;
    auto label = [&](double physical) {
        return QString::asprintf("%.*g ", 5, physical * k) + v.unit;
    };
    if (firmware::HasOutputRange(FirmwareNumber(firmwareIndex))) {
        v.rangeStart = PhysicalOutput(config, *type, 0.0);
        v.rangeEnd = PhysicalOutput(config, *type, 1.0);
        v.rangeLowText = FormatG5(v.rangeStart * k);
        v.rangeHighText = FormatG5(v.rangeEnd * k);
    } else {
        v.rangeStart = type->Start();
        v.rangeEnd = type->End();
    }
    v.testLowLabel = label(v.rangeStart);
    v.testHighLabel = label(v.rangeEnd);
    const PhysicalOutputLimits p = ComputePhysicalLimits(config, *type);
    v.saturationLowText = FormatG5(p.SaturationLow * k);
    v.saturationHighText = FormatG5(p.SaturationHigh * k);
    v.errorLowText = FormatG5(p.ErrorLow * k);
    v.errorHighText = FormatG5(p.ErrorHigh * k);
    return v;
}

}  // namespace lmk17
