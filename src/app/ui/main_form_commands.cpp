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

void TMainForm::wireStack() {
    TransactionEngine& engine = m_stack->engine();
    connect(&engine, &TransactionEngine::commandsEnabledChanged, this, &TMainForm::EnableCommands);
    connect(&engine, &TransactionEngine::optionsDialogRequested, this, &TMainForm::OptionsMnuClick);
    connect(m_progress, &TPrubehForm::breakRequested, &engine, [this] {
        if (operationRunning()) m_stack->engine().BreakOperation();
    });
    connect(m_progress, &TPrubehForm::closeRequested, this, &QWidget::close);
    connect(&m_stack->connection(), &PortConnection::statusChanged, this, &TMainForm::showStatus);
    connect(&m_stack->model(), &ConfigModel::undoAvailable, this, &TMainForm::EnableCommands);
    connect(m_options, &TSettingsForm::helpRequested, m_help, &HelpViewer::showContext);
    connect(m_adresa, &TAdresaForm::helpRequested, m_help, &HelpViewer::showContext);
    connect(m_progress, &TPrubehForm::helpRequested, m_help, &HelpViewer::showContext);
}

ConfigView& TMainForm::controls() {
    if (m_controls) return *m_controls;
    // Without the pages the complete check takes the record's own values.
    m_recordControls = std::make_unique<ConfigView>(m_stack->model().view());
    return *m_recordControls;
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
    if (operationRunning()) return;
    m_stack->session().startRead();
}

void TMainForm::PrevodnikSaveBtnClick() {
    if (operationRunning()) return;
    CheckOutcome check;
    if (m_stack->session().startWrite(m_controls, &check) == StartResult::CheckFailed)
        showCheckFailure(check);
}

void TMainForm::ZaklKonfigMnuClick() {
    if (operationRunning()) return;
    // The engine's stop routine also takes the working identification from
    // the configuration again.
    if (m_stack->model().setDefaultConfigurationCommand()) m_stack->engine().StopOperation();
}

void TMainForm::ConfigRetMnuClick() {
    const OrderingCodeCommandResult r = showOrderingCode(m_stack->model(), controls(), m_ui);
    showCheckFailure(r.check);
}

void TMainForm::ZpetMnuClick() {
    if (operationRunning()) return;
    if (m_stack->model().undo([](ConfigIdentity& identity) { DeriveIdentity(identity); }))
        m_stack->engine().StopOperation();
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
    m_store.settings().ptFileDir = QFileInfo(file).absolutePath() + QLatin1Char('/');
    return file;
}

void TMainForm::DiskLoadBtnClick() {
    if (operationRunning()) return;
    // An empty name (the dialog cancelled) is the core's to report.
    DiskLoadCommand(m_stack->model(), askFileName(false, ProposedLoadName()), m_ui);
}

void TMainForm::DiskSaveBtnClick() {
    if (operationRunning()) return;
    ConfigModel& model = m_stack->model();
    const QString file = askFileName(true, ProposedSaveName(model.config()));
    if (file.isEmpty()) return;
    const SaveOutcome r = DiskSave(model, controls(), file, m_ui, m_controls == nullptr);
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
