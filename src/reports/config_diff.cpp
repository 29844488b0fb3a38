#include "reports/config_diff.h"

#include <QHash>
#include <QJsonArray>
#include <cmath>

#include "config/config_json.h"
#include "config/config_model.h"
#include "reports/config_rows.h"

namespace lmk17 {

namespace {

const QString kPathMark = QStringLiteral(" / ");

// Two stored values the same as a transmitter would hold them: numbers as
// the binary32 values on the wire (whole numbers, serial numbers among them,
// exactly), texts without the blanks that pad them to their length.
bool sameOnTheWire(const QJsonValue& a, const QJsonValue& b) {
    if (a.isDouble() && b.isDouble()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (x == std::trunc(x) && y == std::trunc(y)) return x == y;
        return float(x) == float(y);
    }
    if (a.isString() && b.isString()) {
        QString x = a.toString();
        QString y = b.toString();
        while (x.endsWith(QLatin1Char(' '))) x.chop(1);
        while (y.endsWith(QLatin1Char(' '))) y.chop(1);
        return x == y;
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray x = a.toArray();
        const QJsonArray y = b.toArray();
        if (x.size() != y.size()) return false;
        for (qsizetype i = 0; i < x.size(); ++i)
            if (!sameOnTheWire(x.at(i), y.at(i))) return false;
        return true;
    }
    return a == b;
}

QString unitOf(const QString& header) {
    QString unit = header.trimmed();
    if (unit.startsWith(QLatin1Char('[')) && unit.endsWith(QLatin1Char(']')))
        unit = unit.mid(1, unit.size() - 2);
    return unit;
}

void addTable(std::vector<ConfigField>& fields, const QString& label, const RangeTable& t) {
    for (int row = 2; row < 4; ++row) {
        for (int column = 1; column < 4; ++column) {
            const QString value = t.cells[row][column].trimmed();
            const QString unit = unitOf(t.cells[1][column]);
            fields.push_back({label + kPathMark + t.cells[row][0].trimmed() + kPathMark +
                                  t.cells[0][column].trimmed(),
                              value.isEmpty() || unit.isEmpty() ? value : value + ' ' + unit});
        }
    }
}

// A label without the colon the listing puts after it.
QString labelOf(const QString& text) {
    return text.endsWith(QLatin1Char(':')) ? text.chopped(1) : text;
}

}  // namespace

std::vector<ConfigField> ConfigurationFields(const ConfigModel& model) {
    const ConfigurationReport report = ConfigurationRows(model);
    std::vector<ConfigField> fields;
    QString section;  // the last label at the left margin
    for (const ReportRow& row : report.rows) {
        if (row.rangeTable) {
            addTable(fields, section, report.table);
            continue;
        }
        for (const ReportCell& cell : row.cells) {
            const QString text = cell.text.trimmed();
            if (cell.style == CellStyle::Bold) {
                section = labelOf(text);
                fields.push_back({section, QString(), row.compared});
            } else if (cell.style == CellStyle::BoldItalic) {
                fields.push_back({section + kPathMark + labelOf(text), QString(), row.compared});
            } else if (!text.isEmpty() && !fields.empty()) {
                // A value, or a line that continues the field above.
                QString& value = fields.back().value;
                value += (value.isEmpty() ? QString() : QStringLiteral(" ")) + text;
            }
        }
    }
    return fields;
}

int ConfigurationComparison::differenceCount() const {
    int count = 0;
    for (const FieldComparison& f : fields) count += f.differs() ? 1 : 0;
    return count;
}

ConfigurationComparison CompareConfigurations(const ConfigModel& left, const ConfigModel& right) {
    const std::vector<ConfigField> a = ConfigurationFields(left);
    const std::vector<ConfigField> b = ConfigurationFields(right);
    ConfigurationComparison result;
    QHash<QString, qsizetype> at;  // a field's place in the result
    for (const ConfigField& f : a) {
        at.insert(f.name, qsizetype(result.fields.size()));
        result.fields.push_back({f.name, f.value, QString(), f.compared});
    }
    for (const ConfigField& f : b) {
        const auto found = at.constFind(f.name);
        if (found != at.constEnd()) {
            result.fields[size_t(*found)].right = f.value;
        } else {
            result.fields.push_back({f.name, QString(), f.value, f.compared});
        }
    }
    const QJsonObject ra = RecordJson(left.config());
    const QJsonObject rb = RecordJson(right.config());
    for (auto it = ra.constBegin(); it != ra.constEnd(); ++it) {
        if (it.key() == QLatin1String("WorkingTime") || it.key() == QLatin1String("Signature"))
            continue;
        if (!sameOnTheWire(it.value(), rb.value(it.key()))) result.recordDifferences << it.key();
    }
    return result;
}

}  // namespace lmk17
