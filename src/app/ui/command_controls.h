#pragma once

#include <QAction>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "operations/enable_commands.h"

namespace lmk17 {

// Which rule of EnableCommands a control follows.
enum class CommandGroup {
    General,        // follows the state: Read, Load, Setup, Communication, logo, interval reading
    Configuration,  // needs a configuration: Write, Save, Print, PV Read, ...
    Linearization,  // "Linearization"
    OutputTest,     // value buttons and edits 1..3, automatic setting
    OutputTestUseExit,  // "Use" and "Exit Testing" (their own rules while testing is allowed)
    OutputTestGroup,    // the output-test group box, drawn grey when testing is not allowed
    PVRead,             // PV "Read" / "Stop" (PVReadBtn)
    OutputTestUse,      // "Use" / "Stop" (TPrGoBtn)
    RestoreBackup,      // "Restore from Backup…"
    WriteToSeveral,     // "Write to Several Transmitters…"
};

// The controls EnableCommands switches, registered by the main window and
// by the pages that carry such controls:
//
//     mainForm.commandControls().add(CommandGroup::Configuration, PVReadBtn);
class CommandControls {
public:
    void add(CommandGroup group, QWidget* widget);
    void add(CommandGroup group, QAction* action);
    // Puts every registered control in the state the rules give.
    void apply(const CommandStates& states) const;

private:
    struct Entry {
        CommandGroup group;
        QPointer<QWidget> widget;
        QPointer<QAction> action;
    };
    std::vector<Entry> entries_;
};

}  // namespace lmk17
