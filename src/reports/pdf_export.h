#pragma once

#include <QString>
#include <functional>

#include "reports/report_pages.h"

class QPaintDevice;

namespace lmk17 {

// Lays out a printout for an A4 PDF page (5 mm margins, as a printer leaves)
// and writes it to `path`. An existing file is replaced only once the new one
// is complete. Returns an empty text on success, else the error to show.
using ReportLayout = std::function<ReportPages(const QPaintDevice&)>;
QString WriteReportPdf(const QString& path, const QString& title, const ReportLayout& layout);

// The file an export writes for the name the user chose: ".pdf" is added
// when the name does not end so (in any letter case).
QString PdfFilePath(const QString& chosen);
// The file the export's dialog proposes for a suggested name: that name in
// the user's home folder.
QString ProposedPdfPath(const QString& suggestedName);

}  // namespace lmk17
