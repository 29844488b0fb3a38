#include "reports/ui/print_controller.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/day_number.h"
#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/validation_model.h"
#include "reports/lin_printout.h"
#include "reports/report_painter.h"
#include "reports/ui/podpis_form.h"

namespace lmk17 {

PrintController::PrintController(ConfigModel& model, UserInteraction& ui, QWidget* window)
    : QObject(window),
      model_(model),
      ui_(ui),
      window_(window),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      podpis_(new TPodpisForm(window)) {}

PrintController::~PrintController() = default;

QString PrintController::exportPdfText() {
    return tr("Export as P&DF…");
}

bool PrintController::printerInstalled() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool PrintController::askPageSetup() {
    QPageSetupDialog dialog(printer_.get(), window_);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintController::askSignature(ProtocolSignature& signature) {
    if (podpis_->exec() != QDialog::Accepted) return false;
    signature = podpis_->signature();
    return true;
}

bool PrintController::askPrint() {
    QPrintDialog dialog(printer_.get(), window_);
    return dialog.exec() == QDialog::Accepted;
}

QString PrintController::askPdfPath(const QString& suggestedName) {
    return PdfFilePath(QFileDialog::getSaveFileName(
        window_, tr("Export as PDF"), ProposedPdfPath(suggestedName), tr("PDF Files (*.pdf)")));
}

bool PrintController::checkPrinter() {
    if (printerInstalled()) return true;
    // The protocol can still be kept: the PDF export needs no printer.
    ui_.message(MessageKind::Error,
                tr("No printer is installed, cannot continue.") + QStringLiteral("\n\n") +
                    tr("Use “%1” in the File menu to save the protocol as a PDF file instead.")
                        .arg(exportPdfText().remove(QLatin1Char('&'))));  // as the menu shows it
    return false;
}

void PrintController::setupPrinter() {  // PrinterSetBtnClick
    if (checkPrinter()) askPageSetup();
}

bool PrintController::prepareProtocol(CheckOutcome& outcome, ProtocolSignature& signature) {
    // The check adopts the record again, so the printed output values are
    // those the Output page shows.
    outcome = CheckAll(model_);
    return outcome.accepted && askSignature(signature);
}

void PrintController::printPages(const ReportLayout& layout) {
    QPrinter& printer = *printer_;
    if (!PaintReport(printer, layout(printer)) || printer.printerState() == QPrinter::Error)
        ui_.message(MessageKind::Error, tr("Printing failed."));
}

void PrintController::exportPages(const QString& suggestedName, const QString& title,
                                  const ReportLayout& layout) {
    const QString path = askPdfPath(suggestedName);
    if (path.isEmpty()) return;
    const QString error = WriteReportPdf(path, title, layout);
    if (!error.isEmpty()) ui_.message(MessageKind::Error, error);
}

CheckOutcome PrintController::printConfiguration() {  // PrintCfg_Pom
    CheckOutcome outcome;
    if (!model_.hasConfiguration()) {
        ui_.message(MessageKind::Warning,
                    tr("There has not been set any configuration of transmitter."));
        return outcome;
    }
    if (!checkPrinter()) return outcome;
    ProtocolSignature signature;
    if (!prepareProtocol(outcome, signature) || !askPrint()) return outcome;
    const ConfigurationReport rows = ConfigurationRows(model_);
    const double today = CurrentDayNumber();
    printPages(
        [&](const QPaintDevice& device) { return LayoutProtocol(device, rows, signature, today); });
    return outcome;
}

CheckOutcome PrintController::exportConfigurationPdf() {
    CheckOutcome outcome;
    if (!model_.hasConfiguration()) {
        ui_.message(MessageKind::Warning,
                    tr("There has not been set any configuration of transmitter."));
        return outcome;
    }
    ProtocolSignature signature;
    if (!prepareProtocol(outcome, signature)) return outcome;
    const ConfigurationReport rows = ConfigurationRows(model_);
    const double today = CurrentDayNumber();
    const QString name = QString::asprintf("%.*d.pdf", 8, int(model_.config().SerialNumber));
    exportPages(name, tr("Transmitter Configuration Protocol"), [&](const QPaintDevice& device) {
        return LayoutProtocol(device, rows, signature, today);
    });
    return outcome;
}

void PrintController::printLinearization(const LinData& data, int rangeIndex) {
    if (!checkPrinter() || !askPrint()) return;
    const double today = CurrentDayNumber();
    printPages([&](const QPaintDevice& device) {
        return LayoutLinearization(device, data, rangeIndex, today);
    });
}

void PrintController::exportLinearizationPdf(const LinData& data, int rangeIndex) {
    const double today = CurrentDayNumber();
    exportPages(QStringLiteral("linearization.pdf"), tr("Transmitter Linearization Parameters"),
                [&](const QPaintDevice& device) {
                    return LayoutLinearization(device, data, rangeIndex, today);
                });
}

void PrintController::printReport(const ReportLayout& layout) {
    if (checkPrinter() && askPrint()) printPages(layout);
}

void PrintController::exportReportPdf(const QString& suggestedName, const QString& title,
                                      const ReportLayout& layout) {
    exportPages(suggestedName, title, layout);
}

}  // namespace lmk17
