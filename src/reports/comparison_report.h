#pragma once

#include <QString>

#include "reports/config_diff.h"
#include "reports/report_pages.h"

class QPaintDevice;

namespace lmk17 {

// The rows a comparison lists: every field, or only those that differ.
std::vector<const FieldComparison*> ComparisonRows(const ConfigurationComparison& comparison,
                                                   bool allFields);

// The comparison's closing line: how many fields differ, or that the two
// are equal (and where only the stored values differ, which ones).
QString ComparisonSummary(const ConfigurationComparison& comparison);

// "Configuration Comparison" laid out for a device in the protocol's look:
// the date at the top right, the underlined title, the two sides named, one
// row per field (field, this side, the other side; with all fields the
// differing ones in bold) and the summary, on as many pages as it takes.
ReportPages LayoutComparison(const QPaintDevice& device, const ConfigurationComparison& comparison,
                             const QString& leftName, const QString& rightName, bool allFields,
                             double printedDay);

}  // namespace lmk17
