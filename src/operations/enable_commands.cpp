#include "operations/enable_commands.h"

namespace lmk17 {

CommandStates CommandStatesFor(bool enabled, const CommandContext& c) {
    CommandStates s;
    s.hourglass = !enabled;
    s.generalMenus = enabled;
    if (!c.monitoringRuns) s.transmitterMenu = enabled;
    s.readConfiguration = c.monitoringRuns ? enabled : true;
    s.generalControls = enabled;
    s.configurationCommands = c.configurationPresent && enabled;
    s.linearization = c.linearizationAllowed && enabled;
    s.outputTestControls = c.outputTestAllowed && enabled;
    if (!c.outputTestAllowed) s.outputTestUseExit = false;
    s.outputTestGroupGrey = !c.outputTestAllowed;
    s.pvRead = c.pvReadingRepeats || s.configurationCommands;
    s.outputTestUse = c.outputTestAllowed && (c.outputTestRepeats || s.configurationCommands);
    s.undo = enabled && c.undoAvailable;
    s.restoreFromBackup = enabled && c.portConnected && !c.monitoringRuns;
    s.writeToSeveral = s.restoreFromBackup && c.configurationPresent;
    s.monitoringStart = !c.monitoringRuns;
    s.monitoringParameters = !c.monitoringRuns;
    s.monitoringStopMenu = c.monitoringRuns;
    s.fileDrop = s.generalMenus;
    return s;
}

}  // namespace lmk17
