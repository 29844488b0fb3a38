#pragma once

#include "reports/report_pages.h"

class QPagedPaintDevice;

namespace lmk17 {

// Draws laid-out pages on a printer or PDF device, one device page per page.
// False when the painter could not begin on the device (no file, no printer);
// nothing is drawn then.
bool PaintReport(QPagedPaintDevice& device, const ReportPages& report);

}  // namespace lmk17
