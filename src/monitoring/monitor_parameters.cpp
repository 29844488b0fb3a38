#include "monitoring/monitor_parameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

#include "common/decimal_number.h"

namespace lmk17 {

namespace {

std::optional<int> ParseInt(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

std::vector<int> MonitorParameters::monitoredAddresses() const {
    if (!addresses.empty()) return addresses;
    return {address};
}

void MonitorParameters::normaliseOnClose() {
    if (!writeAll && !onChange && !onErrorState && !onCommError && !onPeriod) writeAll = true;
}

int CheckMonInterval(const QString& text) {
    const double seconds = ParseDecimalNumber(text).value_or(1000.0);
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

namespace {

struct FieldRule {
    int low;
    int high;
    const char* accepted;
    const char* unit;  // after the previous value in the refusal
};

FieldRule RuleOf(MonField field) {
    switch (field) {
        case MonField::Interval:
            return {1000, 1200000,
                    QT_TRANSLATE_NOOP("Monitoring",
                                      "The time interval must be a number of seconds from 1 to "
                                      "1200."),
                    " s"};
        case MonField::PointLimit:
            return {20, 2000,
                    QT_TRANSLATE_NOOP("Monitoring",
                                      "The number of graph records must be a whole number from 20 "
                                      "to 2000."),
                    ""};
        case MonField::Digits:
            return {3, 25,
                    QT_TRANSLATE_NOOP("Monitoring",
                                      "The number of significant places of the PV must be a whole "
                                      "number from 3 to 25."),
                    ""};
        case MonField::Percent:
            return {1, 1000,
                    QT_TRANSLATE_NOOP("Monitoring",
                                      "The change of the PV value must be a whole number of "
                                      "percent from 1 to 1000."),
                    " %"};
        case MonField::Period:
            return {20, 7200,
                    QT_TRANSLATE_NOOP("Monitoring",
                                      "The time period must be a whole number of seconds from 20 "
                                      "to 7200."),
                    " s"};
    }
    return {0, 0, "", ""};
}

}  // namespace

MonFieldCheck CheckMonField(MonField field, const QString& text, int previous) {
    const FieldRule rule = RuleOf(field);
    std::optional<double> value;
    if (field == MonField::Interval) {
        // Seconds with either decimal mark; what is below a millisecond goes.
        if (const std::optional<double> seconds = ParseDecimalNumber(text))
            value = std::trunc(*seconds * 1000.0);
    } else if (const std::optional<int> whole = ParseInt(text)) {
        value = *whole;
    }
    if (value && *value >= rule.low && *value <= rule.high) return {int(*value), {}, {}};
    const QString accepted = QCoreApplication::translate("Monitoring", rule.accepted);
    const QString kept =
        QCoreApplication::translate("Monitoring", "The previous value of %1 is kept.")
            .arg(ShowMonField(field, previous).trimmed() + QLatin1String(rule.unit));
    return {previous, accepted + QLatin1Char(' ') + kept, accepted};
}

QString ShowMonField(MonField field, int value) {
    return field == MonField::Interval ? ShowMonInterval(value) : ShowMonInteger(value);
}

QString ShowMonInterval(int ms) {
    return QString::asprintf(" %.1f", ms / 1000.0);
}

QString ShowMonInteger(int value) {
    return QString::asprintf(" %d", value);
}

std::optional<std::vector<int>> ParseMonAddressList(const QString& text, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<std::vector<int>> {
        if (error) *error = why;
        return std::nullopt;
    };
    auto address = [](const QString& t) -> std::optional<int> {
        const std::optional<int> v = ParseInt(t);
        if (!v || *v < 0 || *v > 31) return std::nullopt;
        return v;
    };
    std::vector<int> out;
    bool seen[32] = {};
    for (const QString& raw : text.split(QLatin1Char(','))) {
        const QString item = raw.trimmed();
        if (item.isEmpty())
            return fail(
                QCoreApplication::translate("Monitoring", "an empty item in the address list"));
        const qsizetype dash = item.indexOf(QLatin1Char('-'), 1);
        const std::optional<int> from = address(dash < 0 ? item : item.left(dash));
        const std::optional<int> to = dash < 0 ? from : address(item.mid(dash + 1));
        if (!from || !to)
            return fail(QCoreApplication::translate("Monitoring",
                                                    "not an address 0..31 or a range of them: %1")
                            .arg(item));
        if (*to < *from)
            return fail(
                QCoreApplication::translate("Monitoring", "a range runs upwards: %1").arg(item));
        for (int a = *from; a <= *to; ++a) {
            if (seen[a])
                return fail(
                    QCoreApplication::translate("Monitoring", "address %1 is listed twice").arg(a));
            seen[a] = true;
            out.push_back(a);
        }
    }
    if (out.size() > size_t(kMaxMonAddresses))
        return fail(QCoreApplication::translate("Monitoring", "at most %1 addresses")
                        .arg(kMaxMonAddresses));
    return out;
}

QString MonAddressListText(const std::vector<int>& addresses) {
    QStringList items;
    for (size_t i = 0; i < addresses.size();) {
        size_t j = i;
        while (j + 1 < addresses.size() && addresses[j + 1] == addresses[j] + 1) ++j;
        if (j - i >= 2) {
            items << QStringLiteral("%1-%2").arg(addresses[i]).arg(addresses[j]);
            i = j + 1;
        } else {
            items << QString::number(addresses[i++]);
        }
    }
    return items.join(QLatin1Char(','));
}

QString DefaultMonLogFile(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("default.log"));
}

}  // namespace lmk17
