#include "reports/pdf_export.h"

#include <QCoreApplication>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "reports/report_painter.h"

namespace lmk17 {

QString WriteReportPdf(const QString& path, const QString& title, const ReportLayout& layout) {
    QSaveFile file(path);
    const auto failed = [&] {
        return QCoreApplication::translate("Protocol", "The file '%1' could not be written: %2")
            .arg(path, file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        pdf.setResolution(600);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("LMK-17"));
        if (!PaintReport(pdf, layout(pdf))) {
            file.cancelWriting();
            return QCoreApplication::translate("Protocol", "Printing failed.");
        }
    }
    if (!file.commit()) return failed();
    return {};
}

}  // namespace lmk17
