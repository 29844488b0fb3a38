#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "files/config_load.h"
#include "files/config_save.h"
#include "operations/enable_commands.h"
#include "operations/main_pages.h"
#include "operations/operation_outcome.h"
#include "stack/write_safety.h"

namespace lmk17 {

class ConfigModel;
class LinEditor;
class LiveReadings;
class MonitorLog;
class MonitoringEngine;
class PortConnection;
class PortList;
class TCommPortDriver;
class TransactionEngine;
class TransmitterSession;
class UserInteraction;

// The one owner of the core a program runs on: the serial port with its
// connection, the transaction engine, the configuration model, the session
// that starts the transmitter operations, the live readings of the "Tools"
// page and the monitoring engine with its log. It wires them once:
//
// - the port opened         -> the engine's receive state is reset;
// - the port closed or lost -> the exchange in flight ends with result 300;
// - DA / SA edited          -> the engine sends with the new addresses.
//
// The main window, the command line and the test rigs all build one of these
// and only forward actions to its parts:
//
//     TransmitterStack stack(ui);
//     stack.connection().connectDevice(QStringLiteral("/dev/ttyUSB0"));
//     stack.runOperation([&] { return stack.session().startRead(); });
//
// Everything runs on the thread that owns the stack.
class TransmitterStack : public QObject {
    Q_OBJECT
public:
    explicit TransmitterStack(UserInteraction& ui, QObject* parent = nullptr);
    ~TransmitterStack() override;
    TransmitterStack(const TransmitterStack&) = delete;
    TransmitterStack& operator=(const TransmitterStack&) = delete;

    UserInteraction& ui() { return ui_; }
    TCommPortDriver& port() { return *port_; }
    // The ports the options dialog offers; empty until the program fills it
    // (PortList::scan()); connectDevice() adds any path it is given.
    PortList& ports() { return *ports_; }
    // Connecting, disconnecting, baud rate, parity, DA and SA.
    PortConnection& connection() { return *connection_; }
    TransactionEngine& engine() { return *engine_; }
    ConfigModel& model() { return *model_; }
    TransmitterSession& session() { return *session_; }
    LiveReadings& live() { return *live_; }
    MonitorLog& monitorLog() { return *log_; }
    MonitoringEngine& monitoring() { return *monitoring_; }
    // The linearization editor's state: its point tables outlive every
    // editor window, which only borrows it.
    LinEditor& linEditor() { return *linEditor_; }

    // What every write does first (backup, differences, question); by
    // default nothing: the programs set it from their settings or options.
    void setWriteSafety(const WriteSafety& safety);
    const WriteSafety& writeSafety() const { return safety_; }
    // What that check did before the write of the last runOperation().
    const WriteSafetyReport& lastWriteCheck() const { return safetyReport_; }
    // A write started without runOperation() (a window's, a batch's) begins
    // with no check behind it: a unit that never reaches the check is not
    // taken for one the last check let through.
    void forgetWriteCheck() { safetyReport_ = WriteSafetyReport{}; }

    // No operation runs and no request is outstanding (the session's busy()).
    bool idle() const;

    // What the main window enables now (EnableCommands), from the engine's
    // state, the configuration, monitoring, undo and the repeating live
    // operations. commandStatesChanged() announces every change.
    CommandStates commandStates() const { return states_; }

    // ---- the page shown -----------------------------------------------------
    MainPage page() const { return page_; }
    // The user picks a page (a tab, the "&View" menu): returns the page that
    // shows (PageAfterTabChange). Showing "Tools" starts its live fields
    // afresh.
    MainPage showPage(MainPage wanted);  // ZalozkaChange
    // An operation's own page comes forward (pageRequested): Read, Write,
    // defaults and Load show "Input", the working time "Information", PV and
    // CJ "Tools", a monitoring start "Monitoring".
    void requestPage(MainPage page);

    // ---- the main window's commands (refused while an operation runs) --------
    // "&Load Configuration": asks about unsaved changes, then for the file.
    LoadOutcome loadConfiguration(const std::function<QString()>& askFileName);  // DiskLoadBtnClick
    // A file dropped on the window or named on the command line.
    LoadOutcome loadConfigurationFile(const QString& fileName, bool silent);  // DiskLoadPom
    // "&Save Configuration": the complete check, then the file, then the save.
    SaveOutcome saveConfiguration(const std::function<QString()>& askFileName);  // DiskSaveBtnClick
    bool setDefaultConfiguration();  // ZaklKonfigMnuClick
    bool undo();                     // ZpetMnuClick
    // The live readings of the menu: their page first, then the reading.
    bool readWorkingTime();    // WorkTimeMnuClick
    bool readPv();             // PVReadMnuClick
    bool readCjTemperature();  // CJReadMnuClick
    // Esc in the main window or the progress window: breaks the running operation.
    void breakOperation();
    // The program is asked to close (FormCloseQuery, ApplClose; the window's
    // close box and "&Exit"): refused with a message while monitoring runs,
    // else the close question (an operation running is paused while it is
    // asked). Yes stops whatever runs and returns true: the program may end.
    // With the output in test mode the user is asked whether to release it
    // first.
    bool closeProgram();
    // Runs a command that must not overlap an operation (print, PDF, the
    // ordering code); false when refused.
    bool whenIdle(const std::function<void()>& command);

    // Starts an operation (start returns false when nothing was started) and
    // runs the event loop until the session reports its end. Returns its
    // outcome: None when nothing was started, Running when timeoutMs (if not
    // negative) passed first.
    OperationOutcome runOperation(const std::function<bool()>& start, int timeoutMs = -1);

signals:
    // The command states changed (EnableCommands): the window applies them.
    void commandStatesChanged(const CommandStates& states);
    // The window brings this page forward.
    void pageRequested(MainPage page);

private:
    void leaveOutputTestBeforeClosing();
    void refreshCommandStates();
    CommandStates computeCommandStates() const;

    UserInteraction& ui_;
    std::unique_ptr<TCommPortDriver> port_;
    std::unique_ptr<PortList> ports_;
    std::unique_ptr<PortConnection> connection_;
    std::unique_ptr<TransactionEngine> engine_;
    std::unique_ptr<ConfigModel> model_;
    std::unique_ptr<TransmitterSession> session_;
    std::unique_ptr<LiveReadings> live_;
    std::unique_ptr<MonitorLog> log_;
    std::unique_ptr<MonitoringEngine> monitoring_;
    std::unique_ptr<LinEditor> linEditor_;
    CommandStates states_;
    WriteSafety safety_;
    WriteSafetyReport safetyReport_;
    MainPage page_ = MainPage::Input;
};

}  // namespace lmk17
