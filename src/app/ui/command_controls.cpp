#include "app/ui/command_controls.h"

#include <optional>

namespace lmk17 {

void CommandControls::add(CommandGroup group, QWidget* widget) {
    entries_.push_back({group, widget, nullptr});
}

void CommandControls::add(CommandGroup group, QAction* action) {
    entries_.push_back({group, nullptr, action});
}

void CommandControls::apply(const CommandStates& s) const {
    for (const Entry& e : entries_) {
        std::optional<bool> enabled;
        switch (e.group) {
            case CommandGroup::General:
                enabled = s.generalControls;
                break;
            case CommandGroup::Configuration:
                enabled = s.configurationCommands;
                break;
            case CommandGroup::Linearization:
                enabled = s.linearization;
                break;
            case CommandGroup::OutputTest:
                enabled = s.outputTestControls;
                break;
            case CommandGroup::OutputTestUseExit:
                enabled = s.outputTestUseExit;
                break;
            case CommandGroup::OutputTestGroup:
                enabled = !s.outputTestGroupGrey;
                break;
            case CommandGroup::PVRead:
                enabled = s.pvRead;
                break;
            case CommandGroup::OutputTestUse:
                enabled = s.outputTestUse;
                break;
            case CommandGroup::RestoreBackup:
                enabled = s.restoreFromBackup;
                break;
            case CommandGroup::WriteToSeveral:
                enabled = s.writeToSeveral;
                break;
        }
        if (!enabled) continue;
        if (e.widget) e.widget->setEnabled(*enabled);
        if (e.action) e.action->setEnabled(*enabled);
    }
}

}  // namespace lmk17
