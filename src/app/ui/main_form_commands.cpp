// The main window's commands: each handler forwards to a core routine and
// shows what it reports.
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <QUrl>

#include "app/backup_restore.h"
#include "app/maker_info.h"
#include "app/ui/batch_write_form.h"
#include "app/ui/help_viewer.h"
#include "app/ui/link_label.h"
#include "app/ui/main_form.h"
#include "app/ui/restore_form.h"
#include "app/ui/screen_fit.h"
#include "app/ui/search_form.h"
#include "app/ui/spl_form.h"
#include "config/config_model.h"
#include "config/identification_text.h"
#include "config/ordering_code.h"
#include "files/config_load.h"
#include "files/config_save.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/adresa_form.h"
#include "link/ui/port_status_text.h"
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "operations/communication_parameters.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

namespace {
// Room for the file list with its name, size, type and date columns.
constexpr QSize kFileDialogSize{760, 480};
}  // namespace

// Every signal of the stack the main window follows, in one place.
void TMainForm::wireStack() {
    TransactionEngine& engine = stack_->engine();
    connect(stack_.get(), &TransmitterStack::commandStatesChanged, this,
            &TMainForm::EnableCommands);
    connect(stack_.get(), &TransmitterStack::pageRequested, this, &TMainForm::showPage);
    connect(&engine, &TransactionEngine::optionsDialogRequested, this, &TMainForm::OptionsMnuClick);
    connect(progress_, &TPrubehForm::breakRequested, stack_.get(),
            &TransmitterStack::breakOperation);
    connect(progress_, &TPrubehForm::closeRequested, this, &QWidget::close);
    connect(&stack_->connection(), &PortConnection::statusChanged, this,
            [this](const PortStatus& status) { showStatus(PortStatusText(status)); });
    connect(&stack_->connection(), &PortConnection::connectFailed, this,
            &TMainForm::showPortFailure);
    connect(&stack_->model(), &ConfigModel::unsavedChanged, this, &TMainForm::refreshCaption);
    connect(options_, &TSettingsForm::helpRequested, help_, &HelpViewer::showContext);
    connect(options_, &TSettingsForm::searchRequested, this, [this] {
        TSearchForm search(*stack_, options_);
        if (search.exec() == QDialog::Accepted) options_->syncFromConnection();
    });
    connect(adresa_, &TAdresaForm::helpRequested, help_, &HelpViewer::showContext);
    connect(progress_, &TPrubehForm::helpRequested, help_, &HelpViewer::showContext);
}

void TMainForm::showCheckFailure(const CheckOutcome& check) {
    if (check.accepted) return;
    if (check.page) stack_->requestPage(MainPageOf(*check.page));
    emit checkFailed(check);
}

// ---- transmitter ----------------------------------------------------------------------

void TMainForm::PrevodnikLoadBtnClick() {
    stack_->session().startRead();
}

void TMainForm::PrevodnikSaveBtnClick() {
    CheckOutcome check;
    if (stack_->session().startWrite(&check) == StartResult::CheckFailed) showCheckFailure(check);
}

// The backup is loaded as Load takes a file and written by the normal write.
void TMainForm::RestoreMnuClick() {
    const QString backup = TRestoreForm::chooseBackup(*stack_, this);
    if (backup.isEmpty()) return;
    CheckOutcome check;
    if (RestoreBackup(*stack_, backup, &check) == StartResult::CheckFailed) showCheckFailure(check);
}

// The window's configuration into each unit of an address list, by the
// normal write; a configuration the check refuses is shown here.
void TMainForm::BatchWriteMnuClick() {
    TBatchWriteForm form(*stack_, this, &store_.settings());
    connect(&form, &TBatchWriteForm::checkRefused, this,
            [this](const CheckOutcome& check) { showCheckFailure(check); });
    form.exec();
}

void TMainForm::ZaklKonfigMnuClick() {
    stack_->setDefaultConfiguration();
}

void TMainForm::ConfigRetMnuClick() {
    stack_->whenIdle([this] { showCheckFailure(showOrderingCode(stack_->model(), ui_).check); });
}

void TMainForm::ZpetMnuClick() {
    stack_->undo();
}

void TMainForm::AdresaBtnClick() {
    editCommunicationParameters(
        stack_->model(), ui_,
        [this](const TransmitterCommDialogView& view) { return adresa_->edit(view); });
}

// ---- files --------------------------------------------------------------------------------

// The file dialogs open in the folder last used and remember the new one.
QString TMainForm::askFileName(bool save, const QString& proposed) {
    QFileDialog dialog(this, save ? tr("Save Configuration") : tr("Load Configuration"),
                       store_.settings().ptFileDir);
    dialog.setNameFilters({tr("Configuration Files (*.ptf *.PTF)"), tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("ptf"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Saving asks about an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(proposed);
    // The file list's columns show their headings and values whole (Qt's own
    // dialog; a native one sizes itself).
    if (auto* view = dialog.findChild<QTreeView*>()) {
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        view->header()->setMinimumSectionSize(view->fontMetrics().averageCharWidth() * 12);
    }
    ResizeOnScreen(dialog, dialog.sizeHint().expandedTo(kFileDialogSize));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString file = dialog.selectedFiles().constFirst();
    store_.settings().ptFileDir = FolderOfFile(file);
    return file;
}

void TMainForm::DiskLoadBtnClick() {
    // An empty name (the dialog cancelled) is the core's to report.
    stack_->loadConfiguration([this] { return askFileName(false, ProposedLoadName()); });
}

void TMainForm::DiskSaveBtnClick() {
    const SaveOutcome r = stack_->saveConfiguration(
        [this] { return askFileName(true, ProposedSaveName(stack_->model().config())); });
    showCheckFailure(r.check);
}

// ---- settings, help, about ---------------------------------------------------------------

void TMainForm::OptionsMnuClick() {
    options_->exec();
}

void TMainForm::AboutMnuClick() {
    about_->showAbout();
}

void TMainForm::ContentsMnuClick() {
    help_->showContents();
}

void TMainForm::IndexMnuClick() {
    help_->showIndex();
}

void TMainForm::WwwMnuClick() {
    if (!MakerWebSite().isEmpty()) QDesktopServices::openUrl(QUrl(WebUrl(MakerWebSite())));
}

}  // namespace lmk17
