// The main window's printer commands: printer set-up, the configuration
// protocol on the printer and as a PDF file. The drawing and the dialogs
// belong to the print controller; the window only shows a refused check.
#include "app/ui/main_form.h"
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

}  // namespace lmk17
