// The main window's printer commands (printer set-up, the configuration
// protocol and the linearization parameters on the printer and as PDF
// files) and the files dropped on the window. The drawing and the dialogs
// belong to the print controller; the window only shows a refused check.
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "app/ui/screen_fit.h"
#include "config/config_model.h"
#include "files/config_load.h"
#include "linearization/ui/linear_form.h"
#include "reports/ui/print_controller.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

void TMainForm::createPrinting() {
    printer_ = std::make_unique<PrintController>(stack_->model(), ui_, this);
    connect(PrinterSetupMnu, &QAction::triggered, this, &TMainForm::PrinterSetBtnClick);
    connect(PrintConfMnu, &QAction::triggered, this, &TMainForm::PrinterPrintBtnClick);
    connect(ExportPdfMnu, &QAction::triggered, this, &TMainForm::ExportPdfMnuClick);
    ExportPdfMnu->setStatusTip(tr(" Save the configuration protocol as a PDF file "));
}

void TMainForm::PrinterSetBtnClick() {
    stack_->whenIdle([this] { printer_->setupPrinter(); });
}

void TMainForm::PrinterPrintBtnClick() {
    stack_->whenIdle([this] { showCheckFailure(printer_->printConfiguration()); });
}

void TMainForm::ExportPdfMnuClick() {
    stack_->whenIdle([this] { showCheckFailure(printer_->exportConfigurationPdf()); });
}

void TMainForm::openLinearizationEditor(const QStringList& files) {
    ConfigModel& model = stack_->model();
    if (!model.allowsLinearization()) {
        if (!files.isEmpty()) {
            QStringList shown;
            for (const QString& f : files) shown << QDir::toNativeSeparators(f);
            ui_.message(MessageKind::Warning,
                        QCoreApplication::translate("App", texts::kLinFileNeedsRange)
                            .arg(shown.join(QLatin1String(", "))));
        }
        return;
    }
    TLinearForm form(stack_->linEditor(), this, &ui_);
    connectLinearizationEditor(form);
    AppSettings& s = store_.settings();
    form.setDirectory(s.linFileDir);
    ResizeOnScreen(form, form.size());
    form.editLinearization(model, files);
    // The folder of the editor's file dialogs is kept in the settings.
    QString folder = form.directory();
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    if (!folder.isEmpty()) s.linFileDir = folder;
}

// The editor's own Print, PDF export and Printer Setup use the main
// window's printer.
void TMainForm::connectLinearizationEditor(TLinearForm& form) {
    connect(&form, &TLinearForm::printRequested, this, [this, &form] {
        printer_->printLinearization(form.editor().data(), form.editor().rangeIndex());
    });
    connect(&form, &TLinearForm::exportPdfRequested, this, [this, &form] {
        printer_->exportLinearizationPdf(form.editor().data(), form.editor().rangeIndex());
    });
    connect(&form, &TLinearForm::printerSetupRequested, this, [this] { printer_->setupPrinter(); });
    connect(&form, &TLinearForm::helpContentsRequested, help_, &HelpViewer::showContents);
    connect(&form, &TLinearForm::helpIndexRequested, help_, &HelpViewer::showIndex);
    connect(&form, &TLinearForm::helpRequested, help_, &HelpViewer::showContext);
}

namespace {
// The first local file of a drop that is a configuration (".ptf") or a
// linearization (".lin") file, in any case.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (IsConfigurationFileArgument(path) || IsLinearizationFileArgument(path)) return path;
    }
    return {};
}
}  // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (stack_->commandStates().fileDrop && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// A configuration loads as "Load" does; a linearization file opens in the
// linearization editor as the command line's does.
void TMainForm::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) return;
    stack_->whenIdle([&] {
        event->acceptProposedAction();
        if (IsConfigurationFileArgument(file))
            stack_->loadConfigurationFile(file, false);
        else
            // After the drop has ended: the editor runs modally.
            QTimer::singleShot(0, this, [this, file] { openLinearizationEditor({file}); });
    });
}

}  // namespace lmk17
