// Start-up and shut-down of the main window: placement, the serial port
// from the settings, the files named on the command line, the close
// question and the settings written back.
#include <QCloseEvent>
#include <QGuiApplication>

#include "app/app_texts.h"
#include "app/port_settings.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "app/ui/screen_fit.h"
#include "app/ui/spl_form.h"
#include "app/window_placement.h"
#include "config/config_model.h"
#include "files/config_load.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "link/process_code.h"
#include "link/transaction_engine.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

namespace {

QString appText(const char* text) {
    return QCoreApplication::translate("App", text);
}

}  // namespace

// Wayland neither tells nor takes window positions.
bool TMainForm::windowPositionsWork() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TMainForm::placeWindow() {
    restoreMonitoringSettings();
    PlaceOnScreen(*this, store_.settings().mainPosition, preferredSize(), DefaultPlacement::Centred,
                  windowPositionsWork());
}

void TMainForm::restorePort() {
    RestorePort(store_.settings().serialPort, stack_->connection(), stack_->ports());
    options_->syncFromConnection();
}

void TMainForm::connectDemo(const QString& devicePath, int address) {
    demo_ = true;
    refreshCaption();
    PortConnection& connection = stack_->connection();
    connection.setTransmitterAddress(address);
    // A failure is on the status line already, with its reason.
    if (connection.connectDevice(devicePath))
        showStatus(appText(texts::kDemoStatus).arg(devicePath).arg(address));
    options_->syncFromConnection();
}

void TMainForm::loadCommandLineFiles(const QStringList& files, const QStringList& linearizations) {
    for (const QString& file : files) stack_->loadConfigurationFile(file, true);
    if (!linearizations.isEmpty()) openLinearizationEditor(linearizations);
}

// ---- shut-down ------------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event) {
    if (stack_->monitoring().active()) {
        ui_.message(MessageKind::Information, appText(texts::kMonitoringRefusesClose));
        event->ignore();
        return;
    }
    if (!ApplClose()) {
        event->ignore();
        return;
    }
    help_->close();
    about_->close();
    event->accept();
}

bool TMainForm::ApplClose() {
    TransmitterSession& session = stack_->session();
    if (!session.confirmShutdown(appText(texts::kCloseQuestion))) return false;
    session.stopForShutdown();
    saveSettings();
    return true;
}

void TMainForm::saveSettings() {
    AppSettings& s = store_.settings();
    if (windowPositionsWork() && isVisible()) s.mainPosition = {pos().x(), pos().y()};
    s.monitor = stack_->monitoring().parameters();
    keepMonitorGraphPlacement(false);
    const PortWrite mode = StorePort(s.serialPort, stack_->connection(), stack_->ports(), demo_);
    QString error;
    if (!store_.save(mode, &error))
        ui_.message(MessageKind::Warning,
                    appText(texts::kSettingsSaveFailed).arg(store_.path(), error));
}

}  // namespace lmk17
