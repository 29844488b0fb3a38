#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "common/decimal_number.h"
#include "config/catalogue.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// The arithmetic and the texts of a primary-variable reading, apart from the
// exchanges: what the "Tools" page shows follows from the answers, the
// configuration, the output type and the firmware alone.

// What parameter 220 says about the output: the output value y_t (A or V),
// its position f_t (0 = output start, 1 = output end) and whether the
// transmitter is in output test mode. signBit is the sign bit of the float
// as it came over the wire (a negative zero counts as negative).
struct OutputReading {
    double yt = 0.0;
    double ft = 0.0;
    bool testMode = false;
};
OutputReading InterpretOutputReading(double value, bool signBit, int fw,
                                     const TransmitterConfig& config,
                                     const OutputTypeEntry& output);

// The position of the PV on the output: from the measuring range below 1.90,
// from parameter 30 (the transmitter's own normalised output) from 1.90.
double PositionFromPv(double pv, const TransmitterConfig& config);
double PositionFromOutput(double value30, const TransmitterConfig& config);

// The physical output at a position, clamped to [lo, hi].
double OutputAt(double f, const TransmitterConfig& config, const OutputTypeEntry& output, double lo,
                double hi);

// The position without a device error: from 1.81 on the output stops at the
// saturation limits.
double SaturatedPosition(double f, int fw, const TransmitterConfig& config);
// The output value of a (saturated) position, within the output limits q8..q9.
double NormalOutput(double f, const TransmitterConfig& config, const OutputTypeEntry& output);
// The position of the error-state output: below 1.90 the configured error
// current chosen by the sign of the damping; from 1.90 the transmitter's own.
double ErrorPosition(double fe, int fw, const TransmitterConfig& config);
// The error-state output, within the error output bounds q10..q11.
double ErrorOutput(double fe, const TransmitterConfig& config, const OutputTypeEntry& output);

// PVLbl: the PV in display units, "%.*g  %s" with 5 significant digits and
// the unit, cut to 23 characters.
QString PvLabelText(double pv, const TransmitterConfig& config);
// VProudLbl: y x k as "%.5g %s" with the output unit.
QString OutputLabelText(double y, const OutputTypeEntry& output);
// VystProudGg: f x 100 rounded, 0 when that is no number.
int GaugePosition(double f);
// SignChybyCB: one line per set bit 0..6 of the low byte, in bit order.
QStringList DeviceErrorLines(quint16 status);

// The period edits of interval reading and automatic output testing.
struct PeriodEdit {
    double seconds = 1.0;
    QString text;  // " %4.1f"
    int ms() const { return int(seconds * 1000.0); }
};
PeriodEdit NormalisePeriod(const QString& text);
// The same for what the user typed: nullopt when the text is no number or
// lies outside 0.2..15 s (refused with a message; the last value stays).
std::optional<PeriodEdit> TypedPeriod(const QString& text);

// A number typed by the user into a field (empty reads as 0) into value;
// false, and value untouched, when the text is no finite number.
inline bool ParseFieldNumber(const QString& text, double& value) {
    const std::optional<double> v = ParseDecimalNumber(text, EmptyText::ReadsAsZero);
    if (v) value = *v;
    return v.has_value();
}

}  // namespace lmk17
