#include "operations/output_test_values.h"

#include "config/firmware.h"
#include "operations/pv_reading_values.h"

namespace lmk17 {

std::optional<QString> NormaliseTestValueText(const QString& text, const OutputTypeEntry& output) {
    const double tLo = output.q[15];
    const double tHi = output.q[16];
    double typed = 0.0;
    if (!ParseFieldNumber(text, typed)) return std::nullopt;
    const double x = typed / output.k;
    if (x >= 0 && (x < tLo || x > tHi)) return std::nullopt;
    return QString::asprintf(" %.4g", x * output.k);
}

double TestValueToSend(double x, int fw, const TransmitterConfig& config,
                       const OutputTypeEntry& output) {
    if (x < 0) return x;
    if (firmware::HasOutputRange(fw))
        return ((x - output.Start()) / output.Span() - config.OutputOffset) / config.OutputGain;
    if (fw < 170) return x * 1000.0;
    return x;
}

}  // namespace lmk17
