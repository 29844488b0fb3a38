// The main window's commands as the stack carries them out: each is refused
// while an operation talks to the transmitter, asks its questions in the
// program's order and brings its page forward.
#include <QCoreApplication>

#include "config/config_model.h"
#include "config/identification_text.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "monitoring/monitoring_engine.h"
#include "operations/common_routines.h"
#include "operations/live_readings.h"
#include "operations/transmitter_session.h"
#include "stack/stack_texts.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

MainPage TransmitterStack::showPage(MainPage wanted) {
    const MainPage shown =
        PageAfterTabChange(page_, wanted, session_->busy(), monitoring_->active());
    if (shown != page_) {
        page_ = shown;
        live_->setPageActive(page_ == MainPage::Tools);
    }
    if (shown != wanted) emit pageRequested(shown);
    return shown;
}

void TransmitterStack::requestPage(MainPage page) {
    if (page != page_) {
        page_ = page;
        live_->setPageActive(page_ == MainPage::Tools);
    }
    emit pageRequested(page);
}

LoadOutcome TransmitterStack::loadConfiguration(const std::function<QString()>& askFileName) {
    if (session_->busy()) return {};
    requestPage(MainPage::Input);
    return DiskLoadCommand(*model_, askFileName, ui_);
}

LoadOutcome TransmitterStack::loadConfigurationFile(const QString& fileName, bool silent) {
    if (session_->busy()) return {};
    requestPage(MainPage::Input);
    // The commands stay disabled while the file is taken in, and come back
    // also after a damaged file.
    engine_->EnableCommands(false);
    const LoadOutcome outcome = silent ? DiskLoadPom(*model_, fileName, true, ui_)
                                       : DiskLoadCommand(*model_, fileName, ui_);
    engine_->EnableCommands(true);
    return outcome;
}

SaveOutcome TransmitterStack::saveConfiguration(const std::function<QString()>& askFileName) {
    if (session_->busy()) return {};
    return DiskSave(*model_, askFileName, ui_);
}

bool TransmitterStack::setDefaultConfiguration() {
    if (session_->busy()) return false;
    requestPage(MainPage::Input);
    if (!model_->setDefaultConfigurationCommand()) return false;
    // The engine's stop routine also takes the working identification from
    // the configuration again.
    engine_->StopOperation();
    return true;
}

bool TransmitterStack::undo() {
    if (session_->busy()) return false;
    if (!model_->undo([](ConfigIdentity& identity) { DeriveIdentity(identity); })) return false;
    engine_->StopOperation();
    return true;
}

bool TransmitterStack::readWorkingTime() {
    if (showPage(MainPage::Information) != MainPage::Information) return false;
    emit pageRequested(MainPage::Information);
    return live_->startWorkingTimeReading();
}

bool TransmitterStack::readPv() {
    if (showPage(MainPage::Tools) != MainPage::Tools) return false;
    emit pageRequested(MainPage::Tools);
    return live_->readOrStopPv();
}

bool TransmitterStack::readCjTemperature() {
    if (showPage(MainPage::Tools) != MainPage::Tools) return false;
    emit pageRequested(MainPage::Tools);
    return live_->startCjReading();
}

void TransmitterStack::breakOperation() {
    if (session_->busy()) BreakOperation(*engine_);
}

void TransmitterStack::setWriteSafety(const WriteSafety& safety) {
    safety_ = safety;
    if (!safety_.readsFirst()) {
        session_->setBeforeWrite({});
        return;
    }
    session_->setBeforeWrite([this](ConfigModel& present) {
        return CheckBeforeWrite(safety_, present, *model_, ui_, safetyReport_);
    });
}

bool TransmitterStack::closeProgram() {
    if (monitoring_->active()) {
        ui_.message(MessageKind::Information,
                    QCoreApplication::translate("App", stack_text::kMonitoringRefusesClose));
        return false;
    }
    if (!session_->confirmShutdown(QCoreApplication::translate("App", stack_text::kCloseQuestion)))
        return false;
    session_->stopForShutdown();
    leaveOutputTestBeforeClosing();
    return true;
}

// The output stays at a test value when the program ends (the loop reads a
// forced current); asked, and on Yes released the way "Exit Testing" does.
void TransmitterStack::leaveOutputTestBeforeClosing() {
    if (!live_->page().testModeVisible || !connection_->isConnected()) return;
    if (!ui_.question(Question::LeaveOutputTest, MessageKind::Confirmation,
                      QCoreApplication::translate("App", stack_text::kLeaveOutputTestQuestion)))
        return;
    constexpr int kReleaseDeadlineMs = 15000;  // identification, the write and a PV reading
    runOperation([this] { return live_->exitOutputTesting(); }, kReleaseDeadlineMs);
}

bool TransmitterStack::whenIdle(const std::function<void()>& command) {
    if (session_->busy()) return false;
    command();
    return true;
}

}  // namespace lmk17
