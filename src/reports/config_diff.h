#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lmk17 {

class ConfigModel;

// One field of a configuration as the listing shows it: its label path
// ("Limit Comparator 1 / Switch Level") and its value with the unit.
struct ConfigField {
    QString name;
    QString value;
    bool compared = true;  // false: a counter or a file's own mark (working time, file version)
};

// The fields of a configuration in the listing's order, the range table's
// cells included ("Set Range / Start / Input").
std::vector<ConfigField> ConfigurationFields(const ConfigModel& model);

// A field of two configurations side by side; a field only one of them has
// is empty on the other side.
struct FieldComparison {
    QString name;
    QString left;
    QString right;
    bool compared = true;
    bool differs() const { return compared && left != right; }
};

struct ConfigurationComparison {
    std::vector<FieldComparison> fields;  // every field, in the listing's order
    // Record fields (by their record names) whose stored values differ, the
    // working time and the file version left out: a difference smaller than
    // the listing's digits still shows here.
    QStringList recordDifferences;

    int differenceCount() const;
    bool equal() const { return recordDifferences.isEmpty() && differenceCount() == 0; }
};

// Compares two configurations field by field ("Compare with File",
// "Compare with Transmitter").
ConfigurationComparison CompareConfigurations(const ConfigModel& left, const ConfigModel& right);

}  // namespace lmk17
