// The main window's printer commands (printer set-up, the configuration
// protocol and the linearization parameters on the printer and as PDF
// files) and the files dropped on the window. The drawing and the dialogs
// belong to the print controller; the window only shows a refused check.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "files/config_load.h"
#include "linearization/ui/linear_form.h"
#include "operations/transmitter_stack.h"
#include "reports/ui/print_controller.h"

namespace lmk17 {

void TMainForm::createPrinting() {
    m_printer = std::make_unique<PrintController>(m_stack->model(), m_ui, this);
    connect(PrinterSetupMnu, &QAction::triggered, this, &TMainForm::PrinterSetBtnClick);
    connect(PrintConfMnu, &QAction::triggered, this, &TMainForm::PrinterPrintBtnClick);
    connect(ExportPdfMnu, &QAction::triggered, this, &TMainForm::ExportPdfMnuClick);
    ExportPdfMnu->setStatusTip(tr(" Save the configuration protocol as a PDF file "));
}

void TMainForm::PrinterSetBtnClick() {
    if (operationRunning()) return;
    m_printer->setupPrinter();
}

void TMainForm::PrinterPrintBtnClick() {
    if (operationRunning()) return;
    showCheckFailure(m_printer->printConfiguration(controls()));
}

void TMainForm::ExportPdfMnuClick() {
    if (operationRunning()) return;
    showCheckFailure(m_printer->exportConfigurationPdf(controls()));
}

// The editor's own Print and Printer Setup use the main window's printer.
void TMainForm::connectLinearizationEditor(TLinearForm& form) {
    connect(&form, &TLinearForm::printRequested, this, [this, &form] {
        m_printer->printLinearization(form.editor().data(), form.editor().rangeIndex());
    });
    connect(&form, &TLinearForm::printerSetupRequested, this,
            [this] { m_printer->setupPrinter(); });
    connect(&form, &TLinearForm::helpContentsRequested, m_help, &HelpViewer::showContents);
    connect(&form, &TLinearForm::helpIndexRequested, m_help, &HelpViewer::showIndex);
}

namespace {
// The first local file of a drop whose extension is ".ptf" in any case.
QString droppedConfigurationFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QLatin1String("ptf"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}
}  // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!operationRunning() && !droppedConfigurationFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString file = droppedConfigurationFile(event->mimeData());
    if (file.isEmpty() || operationRunning()) return;
    event->acceptProposedAction();
    DiskLoadCommand(m_stack->model(), file, m_ui);  // as "Load" does
}

}  // namespace lmk17
