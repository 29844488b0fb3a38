#include "monitoring/monitor_parameters.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <optional>

namespace lmk17 {

namespace {

// Both "." and "," are accepted as the decimal separator.
std::optional<double> ParseReal(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> ParseInt(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

void MonitorParameters::normaliseOnClose() {
    if (!writeAll && !onChange && !onErrorState && !onCommError && !onPeriod) writeAll = true;
}

int CheckMonInterval(const QString& text) {
    const double seconds = ParseReal(text).value_or(1000.0);
    const double ms = std::trunc(seconds * 1000.0);
    return int(std::clamp(ms, 1000.0, 1200000.0));
}

int CheckMonPointLimit(const QString& text) {
    return std::clamp(ParseInt(text).value_or(20), 20, 2000);
}

int CheckMonDigits(const QString& text) {
    return std::clamp(ParseInt(text).value_or(3), 3, 25);
}

int CheckMonPercent(const QString& text) {
    return std::clamp(ParseInt(text).value_or(1), 1, 1000);
}

int CheckMonPeriod(const QString& text) {
    return std::clamp(ParseInt(text).value_or(300), 20, 7200);
}

QString ShowMonInterval(int ms) {
    return QString::asprintf(" %.1f", ms / 1000.0);
}

QString ShowMonInteger(int value) {
    return QString::asprintf(" %d", value);
}

QString DefaultMonLogFile(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("default.log"));
}

}  // namespace lmk17
