#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "config/validation.h"
#include "linearization/lin_pom.h"
#include "reports/config_protocol.h"
#include "reports/pdf_export.h"

class QPrinter;
class QWidget;

namespace lmk17 {

class ConfigModel;
class TPodpisForm;
class UserInteraction;

// The printer of the main window and the commands that use it: printer
// set-up, the configuration protocol and the linearization printout on the
// printer, and both printouts as PDF files (no printer needed). One printer
// serves both printouts, so a set-up holds for either.
class PrintController : public QObject {
    Q_OBJECT
public:
    PrintController(ConfigModel& model, UserInteraction& ui, QWidget* window);
    ~PrintController() override;

    QPrinter& printer() { return *printer_; }

    // "Setup", "Printer Setup" (PrinterSetBtnClick).
    void setupPrinter();

    // "Print", "&Print Configuration" (PrinterPrintBtnClick, PrintCfg_Pom):
    // refuses without a configuration or a printer, runs the complete check
    // over the model's controls, asks for the signature and the printer, and
    // prints. A refused check is returned for the window to show (its page
    // and edit) before it ends the operation state; cancelling asks nothing.
    CheckOutcome printConfiguration();
    // "Export as PDF…": the same, with a file in place of the printer.
    CheckOutcome exportConfigurationPdf();

    // "Print the Linearization Parameters" and its PDF export, for the editor's
    // data and the range (1-based catalogue index).
    void printLinearization(const LinData& data, int rangeIndex);
    void exportLinearizationPdf(const LinData& data, int rangeIndex);

    // Any other printout of the window (a configuration comparison): on the
    // printer, asked for first, or as a PDF file.
    void printReport(const ReportLayout& layout);
    void exportReportPdf(const QString& suggestedName, const QString& title,
                         const ReportLayout& layout);

    // The menu text of both exports.
    static QString exportPdfText();

protected:
    // The steps that talk to the system or the user, replaceable in tests.
    virtual bool printerInstalled() const;
    virtual bool askPageSetup();
    virtual bool askSignature(ProtocolSignature& signature);
    virtual bool askPrint();
    virtual QString askPdfPath(const QString& suggestedName);

private:
    ConfigModel& model_;
    UserInteraction& ui_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
    TPodpisForm* podpis_;

    bool checkPrinter();
    bool prepareProtocol(CheckOutcome& outcome, ProtocolSignature& sign);
    void printPages(const ReportLayout& layout);
    void exportPages(const QString& suggestedName, const QString& title,
                     const ReportLayout& layout);
};

}  // namespace lmk17
