#pragma once

#include <optional>

namespace lmk17 {

// EnableCommands: while an operation talks to a transmitter, the commands
// that could start another one are disabled. The engine keeps the state
// (TransactionEngine::commandsEnabled() and the signal commandsEnabledChanged);
// the main window follows it with exactly this list:
//
// - cursor: hourglass on the main window and its working areas while
//   disabled, the default cursor when enabled;
// - the menus "Edit", "&File", "&View", "&Settings" follow the state, and so
//   does "&Transmitter" unless monitoring is running (then it is left alone);
// - "&Read Configuration" follows the state while monitoring runs and is
//   otherwise always enabled;
// - the buttons "Read" (transmitter), "Load" (file), "Setup" (printer),
//   "Communication", the logo panel, the interval-reading check box
//   (VstTimerEnCBx) and its period edit (VstPeriodaEdt) follow the state;
// - the commands that need a configuration follow the state when a
//   configuration is present and are disabled when none is: "&Save
//   Configuration", "&Print Configuration", "&Write Configuration", "Set
//   &Default Configuration", "Read Working Time", "Read Primary Variable
//   Value", "Read Cold Junction Temperature", "View Ordering Code", the buttons
//   "Write", "Save", "Print", "Refresh Working Time", PV "Read", "Use", "Read
//   from Transmitter", "Default Parameters", and the pages "Input" and
//   "Information";
// - "Restore from Backup…" reads the transmitter first: it follows the state
//   while a port is connected and no monitoring runs, else it is disabled;
// - "Write to Several Transmitters…" writes the configuration into each unit
//   of an address list: it follows the state while a configuration is
//   present, a port is connected and no monitoring runs, else it is disabled;
// - "Linearization" follows the state only when the configuration allows a
//   linearization, else stays disabled;
// - the output-test controls (value buttons and edits 1..3, the automatic
//   setting check box TPrTimerEnCBx and its period edit TPrPeriodaEdt) follow
//   the state when the configuration allows output testing; otherwise they,
//   "Use" and "Exit Testing" are disabled and the group is drawn grey.
//
// The "Monitoring" page: "Start" and "Parameters" (with their menu
// commands) are disabled while a run goes on; the menu then shows "STOP" in
// place of "START".
//
// A configuration or linearization file dropped on the main window is taken
// when "&Load Configuration" could be chosen, and refused otherwise.
//
// Two buttons stay enabled while their own operation repeats, so that it can
// be stopped: PV "Read" while interval reading runs (it shows "Stop"), and
// output-test "Use" while automatic setting runs (it shows "Stop").
//
// CommandStatesFor() computes the list so that every window applies the same
// rules; a value left empty means "leave the control as it is".

struct CommandContext {
    bool monitoringRuns = false;
    bool configurationPresent = false;
    bool linearizationAllowed = false;  // the configuration allows a linearization
    bool outputTestAllowed = false;     // the configuration allows output testing
    bool pvReadingRepeats = false;      // interval reading runs: PV "Read" shows "Stop"
    bool outputTestRepeats = false;     // automatic setting runs: "Use" shows "Stop"
    bool undoAvailable = false;         // the undo stack holds a copy
    bool portConnected = false;         // a port is open to a transmitter
};

struct CommandStates {
    bool hourglass = false;
    bool generalMenus = true;             // Edit, File, View, Settings
    std::optional<bool> transmitterMenu;  // "&Transmitter"
    bool readConfiguration = true;        // "&Read Configuration"
    bool generalControls = true;        // Read, Load, Setup, Communication, logo, interval reading
    bool configurationCommands = true;  // the commands that need a configuration
    bool linearization = true;          // "Linearization"
    bool outputTestControls = true;     // value buttons/edits 1..3, automatic setting
    std::optional<bool> outputTestUseExit;  // "Use" and "Exit Testing"; empty: their own rules
    bool outputTestGroupGrey = false;
    bool pvRead = true;                // PV "Read" / "Stop" (PVReadBtn)
    bool outputTestUse = true;         // "Use" / "Stop" (TPrGoBtn)
    bool undo = false;                 // "&Undo" (ZpetMnu)
    bool restoreFromBackup = false;    // "Restore from Backup…" (RestoreMnu)
    bool writeToSeveral = false;       // "Write to Several Transmitters…" (BatchWriteMnu)
    bool monitoringStart = true;       // "Start" (MonStartBtn), "Monitoring START" shown
    bool monitoringParameters = true;  // "Parameters" (MonParamBtn) and its menu command
    bool monitoringStopMenu = false;   // "Monitoring STOP" shown in place of START
    bool fileDrop = true;              // a file dropped on the window loads, as "Load" does
    // "&Exit" (Ctrl+X) is never disabled: during monitoring it gives the
    // same message as the window's close box, during an operation the same
    // question.

    bool operator==(const CommandStates&) const = default;
};

CommandStates CommandStatesFor(bool enabled, const CommandContext& context);

}  // namespace lmk17
