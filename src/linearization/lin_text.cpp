#include "linearization/lin_text.h"

#include <QLocale>
#include <cmath>

namespace lmk17 {

std::optional<int> ParseInteger(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return v;
}

QString GText(double value, int digits) {
    return QString::asprintf("%.*g", digits, value);
}

QString FieldText(double value, int digits) {
    return QLatin1Char(' ') + GText(value, digits);
}

QString FileNumberText(double value) {
    QString text = GText(value, 15);
    const QString point = QLocale::system().decimalPoint();
    if (point == QLatin1String(",")) text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

}  // namespace lmk17
