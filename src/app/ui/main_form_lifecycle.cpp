// Start-up and shut-down of the main window: placement, the serial port
// from the settings, the files named on the command line, the close
// question and the settings written back.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "app/app_texts.h"
#include "app/port_settings.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_form.h"
#include "app/ui/spl_form.h"
#include "app/window_placement.h"
#include "config/config_model.h"
#include "files/config_load.h"
#include "link/engine_texts.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "link/process_code.h"
#include "link/transaction_engine.h"
#include "link/ui/settings_form.h"
#include "monitoring/monitoring_engine.h"
#include "operations/transmitter_session.h"
#include "operations/transmitter_stack.h"

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
    if (!windowPositionsWork()) return;
    const QScreen* main = QGuiApplication::primaryScreen();
    if (!main) return;
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    move(PlacedWindowPosition(m_store.settings().mainPosition, size(), screens,
                              main->availableGeometry(), DefaultPlacement::Centred));
}

void TMainForm::restorePort() {
    RestorePort(m_store.settings().serialPort, m_stack->connection(), m_stack->ports());
    m_options->syncFromConnection();
}

void TMainForm::connectDemo(const QString& devicePath, int address) {
    m_demo = true;
    refreshCaption();
    PortConnection& connection = m_stack->connection();
    connection.setTransmitterAddress(address);
    // A failure is on the status line already, with its reason.
    if (connection.connectDevice(devicePath))
        showStatus(appText(texts::kDemoStatus).arg(devicePath).arg(address));
    m_options->syncFromConnection();
}

void TMainForm::loadCommandLineFiles(const QStringList& files, const QStringList& linearizations) {
    for (const QString& file : files) m_stack->loadConfigurationFile(file, true);
    if (!linearizations.isEmpty()) openLinearizationEditor(linearizations);
}

// ---- shut-down ------------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event) {
    if (m_stack->monitoring().active()) {
        m_ui.message(MessageKind::Information, appText(texts::kMonitoringRefusesClose));
        event->ignore();
        return;
    }
    if (!ApplClose()) {
        event->ignore();
        return;
    }
    m_help->close();
    m_about->close();
    event->accept();
}

bool TMainForm::ApplClose() {
    TransmitterSession& session = m_stack->session();
    if (!session.confirmShutdown(appText(texts::kCloseQuestion))) return false;
    session.stopForShutdown();
    saveSettings();
    return true;
}

void TMainForm::saveSettings() {
    AppSettings& s = m_store.settings();
    if (windowPositionsWork() && isVisible()) s.mainPosition = {pos().x(), pos().y()};
    s.monitor = m_stack->monitoring().parameters();
    keepMonitorGraphPlacement(false);
    const PortWrite mode = StorePort(s.serialPort, m_stack->connection(), m_stack->ports(), m_demo);
    QString error;
    if (!m_store.save(mode, &error))
        m_ui.message(MessageKind::Warning,
                     appText(texts::kSettingsSaveFailed).arg(m_store.path(), error));
}

}  // namespace lmk17
