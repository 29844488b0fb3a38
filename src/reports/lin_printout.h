#pragma once

#include "linearization/lin_pom.h"
#include "reports/report_pages.h"

class QPaintDevice;

namespace lmk17 {

// "Print the Linearization Parameters": the print date (a day number), the
// title, the input range of the 1-based catalogue index, the limits of the
// linear table, the display configuration and the points, then the cold-
// junction points when the range has them.
ReportPages LayoutLinearization(const QPaintDevice& device, const LinData& data, int rangeIndex,
                                double printedDay);

}  // namespace lmk17
