#include "operations/pv_reading_values.h"

#include <QLocale>
#include <algorithm>
#include <climits>
#include <cmath>

#include "config/display_scaling.h"
#include "config/firmware.h"
#include "operations/live_texts.h"
#include "operations/operation_texts.h"

namespace lmk17 {

namespace {

double ClampTo(double v, double lo, double hi) {
    return std::max(lo, std::min(v, hi));
}

}  // namespace

OutputReading InterpretOutputReading(double value, bool signBit, int fw,
                                     const TransmitterConfig& config,
                                     const OutputTypeEntry& output) {
    OutputReading r;
    const double o0 = output.Start();
    const double span = output.Span();
    if (fw < 170)
        r.yt = value / 1000.0;
    else if (!firmware::HasOutputRange(fw))
        r.yt = value;
    else
        r.yt = (value * config.OutputGain + config.OutputOffset) * span + o0;
    // Below 1.90 the transmitter answers a negative value (-200) in normal
    // operation; from 1.90 a position far outside the output (|v| >= 128).
    r.testMode = firmware::HasOutputRange(fw) ? std::abs(value) < 128.0 : !signBit;
    r.yt = ClampTo(r.yt, output.q[15], output.q[16]);
    r.ft = firmware::HasOutputRange(fw) ? value : (r.yt - o0) / span;
    return r;
}

double PositionFromPv(double pv, const TransmitterConfig& config) {
    return (pv - config.LowerRangeValue) / (config.UpperRangeValue - config.LowerRangeValue);
}

double PositionFromOutput(double value30, const TransmitterConfig& config) {
    return (value30 - config.OutputOffset) / config.OutputGain;
}

double OutputAt(double f, const TransmitterConfig& config, const OutputTypeEntry& output, double lo,
                double hi) {
    const double y = (f * config.OutputGain + config.OutputOffset) * output.Span() + output.Start();
    return ClampTo(y, lo, hi);
}

double SaturatedPosition(double f, int fw, const TransmitterConfig& config) {
    return fw > 180 ? ClampTo(f, config.SaturationLow, config.SaturationHigh) : f;
}

double NormalOutput(double f, const TransmitterConfig& config, const OutputTypeEntry& output) {
    return OutputAt(f, config, output, output.q[8], output.q[9]);
}

double ErrorPosition(double fe, int fw, const TransmitterConfig& config) {
    if (firmware::HasOutputRange(fw)) return fe;
    return config.Damping >= 0 ? config.ErrorHigh : config.ErrorLow;
}

double ErrorOutput(double fe, const TransmitterConfig& config, const OutputTypeEntry& output) {
    return OutputAt(fe, config, output, output.q[10], output.q[11]);
}

QString PvLabelText(double pv, const TransmitterConfig& config) {
    const QString text =
        QString::asprintf("%.*g  ", 5, ToDisplay(config, pv)) + UnitSymbol(config.PvUnit);
    return text.left(23);
}

QString OutputLabelText(double y, const OutputTypeEntry& output) {
    return QString::asprintf("%.5g ", y * output.k) + UnitSymbol(output.UnitCode);
}

int GaugePosition(double f) {
    const double g = std::round(f * 100.0);
    if (!std::isfinite(g) || g < INT_MIN || g > INT_MAX) return 0;
    return int(g);
}

QStringList DeviceErrorLines(quint16 status) {
    QStringList lines;
    for (int bit = 0; bit < 7; ++bit)
        if (status & (1u << bit)) lines << operation_text::Tr(live_text::kDeviceErrorLines[bit]);
    return lines;
}

std::optional<PeriodEdit> TypedPeriod(const QString& text) {
    double v = 0.0;
    if (!ParseFieldNumber(text, v) || v < 0.2 || v > 15.0) return std::nullopt;
    return NormalisePeriod(text);
}

PeriodEdit NormalisePeriod(const QString& text) {
    PeriodEdit p;
    double v = 15.0;
    if (!ParseFieldNumber(text, v)) v = 15.0;
    p.seconds = ClampTo(v, 0.2, 15.0);
    p.text = QString::asprintf(" %4.1f", p.seconds);
    return p;
}

}  // namespace lmk17
