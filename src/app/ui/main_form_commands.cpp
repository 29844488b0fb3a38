// The main window's commands: each handler forwards to a core routine and
// shows what it reports.
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

#include "app/maker_info.h"
#include "app/ui/help_viewer.h"
#include "app/ui/link_label.h"
#include "app/ui/main_form.h"
#include "app/ui/spl_form.h"
#include "config/config_model.h"
#include "config/identification_text.h"
#include "config/ordering_code.h"
#include "files/config_load.h"
#include "files/config_save.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/adresa_form.h"
#include "link/ui/prubeh_form.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "operations/communication_parameters.h"
#include "operations/transmitter_session.h"
#include "operations/transmitter_stack.h"

namespace lmk17 {

// Every signal of the stack the main window follows, in one place.
void TMainForm::wireStack() {
    TransactionEngine& engine = m_stack->engine();
    connect(m_stack.get(), &TransmitterStack::commandStatesChanged, this,
            &TMainForm::EnableCommands);
    connect(m_stack.get(), &TransmitterStack::pageRequested, this, &TMainForm::showPage);
    connect(&engine, &TransactionEngine::optionsDialogRequested, this, &TMainForm::OptionsMnuClick);
    connect(m_progress, &TPrubehForm::breakRequested, m_stack.get(),
            &TransmitterStack::breakOperation);
    connect(m_progress, &TPrubehForm::closeRequested, this, &QWidget::close);
    connect(&m_stack->connection(), &PortConnection::statusChanged, this, &TMainForm::showStatus);
    connect(&m_stack->connection(), &PortConnection::connectFailed, this,
            &TMainForm::showPortFailure);
    connect(&m_stack->model(), &ConfigModel::unsavedChanged, this, &TMainForm::refreshCaption);
    connect(m_options, &TSettingsForm::helpRequested, m_help, &HelpViewer::showContext);
    connect(m_adresa, &TAdresaForm::helpRequested, m_help, &HelpViewer::showContext);
    connect(m_progress, &TPrubehForm::helpRequested, m_help, &HelpViewer::showContext);
}

ConfigView& TMainForm::controls() {
    return m_stack->model().controlsForCompleteCheck();
}

void TMainForm::showCheckFailure(const CheckOutcome& check) {
    if (check.accepted) return;
    if (check.page) {
        switch (*check.page) {
            case ConfigPage::Input:
                m_tabs->setCurrentIndex(InputPage);
                break;
            case ConfigPage::Output:
                m_tabs->setCurrentIndex(OutputPage);
                break;
            case ConfigPage::Information:
                m_tabs->setCurrentIndex(InformationPage);
                break;
        }
    }
    emit checkFailed(check);
}

// ---- transmitter ----------------------------------------------------------------------

void TMainForm::PrevodnikLoadBtnClick() {
    m_stack->session().startRead();
}

void TMainForm::PrevodnikSaveBtnClick() {
    CheckOutcome check;
    if (m_stack->session().startWrite(nullptr, &check) == StartResult::CheckFailed)
        showCheckFailure(check);
}

void TMainForm::ZaklKonfigMnuClick() {
    m_stack->setDefaultConfiguration();
}

void TMainForm::ConfigRetMnuClick() {
    m_stack->whenIdle(
        [this] { showCheckFailure(showOrderingCode(m_stack->model(), controls(), m_ui).check); });
}

void TMainForm::ZpetMnuClick() {
    m_stack->undo();
}

void TMainForm::AdresaBtnClick() {
    editCommunicationParameters(
        m_stack->model(), m_ui,
        [this](const TransmitterCommDialogView& view) { return m_adresa->edit(view); });
}

// ---- files --------------------------------------------------------------------------------

// The file dialogs open in the folder last used and remember the new one.
QString TMainForm::askFileName(bool save, const QString& proposed) {
    QFileDialog dialog(this, save ? tr("Save Configuration") : tr("Load Configuration"),
                       m_store.settings().ptFileDir);
    dialog.setNameFilters({tr("Configuration Files (*.ptf *.PTF)"), tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("ptf"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Saving asks about an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString file = dialog.selectedFiles().constFirst();
    m_store.settings().ptFileDir = FolderOfFile(file);
    return file;
}

void TMainForm::DiskLoadBtnClick() {
    // An empty name (the dialog cancelled) is the core's to report.
    m_stack->loadConfiguration([this] { return askFileName(false, ProposedLoadName()); });
}

void TMainForm::DiskSaveBtnClick() {
    const SaveOutcome r = m_stack->saveConfiguration(
        [this] { return askFileName(true, ProposedSaveName(m_stack->model().config())); });
    showCheckFailure(r.check);
}

// ---- settings, help, about ---------------------------------------------------------------

void TMainForm::OptionsMnuClick() {
    m_options->exec();
}

void TMainForm::AboutMnuClick() {
    m_about->showAbout();
}

void TMainForm::ContentsMnuClick() {
    m_help->showContents();
}

void TMainForm::IndexMnuClick() {
    m_help->showIndex();
}

void TMainForm::WwwMnuClick() {
    if (!MakerWebSite().isEmpty()) QDesktopServices::openUrl(QUrl(WebUrl(MakerWebSite())));
}

}  // namespace lmk17
