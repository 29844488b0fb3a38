#include "reports/pdf_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "common/safe_save.h"
#include "reports/report_painter.h"

namespace lmk17 {

QString PdfFilePath(const QString& chosen) {
    if (chosen.isEmpty() || chosen.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".pdf");
}

QString ProposedPdfPath(const QString& suggestedName) {
    return QDir::home().filePath(suggestedName);
}

QString WriteReportPdf(const QString& path, const QString& title, const ReportLayout& layout) {
    const SafeSaveResult result = SaveFileSafely(path, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        pdf.setResolution(600);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("LMK-17"));
        return PaintReport(pdf, layout(pdf));
    });
    if (result.saved()) return {};
    if (result.status == SafeSaveResult::Status::WriterFailed)
        return QCoreApplication::translate("Protocol", "Printing failed.");
    return SaveFailedText(path, result.reason);
}

}  // namespace lmk17
