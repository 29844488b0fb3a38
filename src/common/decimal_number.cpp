#include "common/decimal_number.h"

#include <QLocale>
#include <cmath>

namespace lmk17 {

std::optional<double> ParseDecimalNumber(const QString& text, EmptyText empty) {
    QString t = text.trimmed();
    if (t.isEmpty()) {
        if (empty == EmptyText::ReadsAsZero) return 0.0;
        return std::nullopt;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    // The C locale reads "." as the decimal mark and knows no group mark.
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace lmk17
