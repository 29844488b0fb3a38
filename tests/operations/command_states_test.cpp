// Which commands, menus and buttons follow the engine's command state.
#include <gtest/gtest.h>

#include "operations/enable_commands.h"

namespace lmk17 {
namespace {

TEST(CommandStates, WhatFollowsTheCommandState) {
    struct Case {
        bool enabled;
        CommandContext context;
        std::optional<bool> transmitterMenu;
        bool readConfiguration;
        bool configurationCommands;
        bool linearization;
        bool outputTest;
        std::optional<bool> useExit;
        bool pvRead;
        bool use;
    };
    const Case cases[] = {
        // idle, with a configuration that allows everything
        {true, {false, true, true, true}, true, true, true, true, true, std::nullopt, true, true},
        // an operation runs
        {false,
         {false, true, true, true},
         false,
         true,
         false,
         false,
         false,
         std::nullopt,
         false,
         false},
        // interval PV reading runs: its "Stop" stays enabled, nothing else
        {false,
         {false, true, true, true, true, false},
         false,
         true,
         false,
         false,
         false,
         std::nullopt,
         true,
         false},
        // automatic output test runs: its "Stop" stays enabled, nothing else
        {false,
         {false, true, true, true, false, true},
         false,
         true,
         false,
         false,
         false,
         std::nullopt,
         false,
         true},
        // monitoring runs: the transmitter menu is left alone, Read follows
        {false,
         {true, true, true, true},
         std::nullopt,
         false,
         false,
         false,
         false,
         std::nullopt,
         false,
         false},
        // no configuration: its commands stay off even when enabled
        {true, {false, false, false, false}, true, true, false, false, false, false, false, false},
        // a configuration without linearization and output test
        {true, {false, true, false, false}, true, true, true, false, false, false, true, false},
    };
    for (const Case& c : cases) {
        const CommandStates s = CommandStatesFor(c.enabled, c.context);
        EXPECT_EQ(s.hourglass, !c.enabled);
        EXPECT_EQ(s.generalMenus, c.enabled);
        EXPECT_EQ(s.generalControls, c.enabled);
        EXPECT_EQ(s.transmitterMenu, c.transmitterMenu);
        EXPECT_EQ(s.readConfiguration, c.readConfiguration);
        EXPECT_EQ(s.configurationCommands, c.configurationCommands);
        EXPECT_EQ(s.linearization, c.linearization);
        EXPECT_EQ(s.outputTestControls, c.outputTest);
        EXPECT_EQ(s.outputTestUseExit, c.useExit);
        EXPECT_EQ(s.outputTestGroupGrey, !c.context.outputTestAllowed);
        EXPECT_EQ(s.pvRead, c.pvRead);
        EXPECT_EQ(s.outputTestUse, c.use);
        // Undo follows the state when the stack holds a copy.
        CommandContext withUndo = c.context;
        withUndo.undoAvailable = true;
        EXPECT_EQ(CommandStatesFor(c.enabled, withUndo).undo, c.enabled);
        EXPECT_FALSE(s.undo);
        // Restore from a backup needs a connected port, whatever the window
        // holds, and stays off while monitoring runs.
        CommandContext connected = c.context;
        connected.portConnected = true;
        EXPECT_EQ(CommandStatesFor(c.enabled, connected).restoreFromBackup,
                  c.enabled && !c.context.monitoringRuns);
        EXPECT_FALSE(s.restoreFromBackup);
        // The monitoring page's Start and Parameters are off while a run goes
        // on, whatever an operation does; the menu offers STOP instead.
        EXPECT_EQ(s.monitoringStart, !c.context.monitoringRuns);
        EXPECT_EQ(s.monitoringParameters, !c.context.monitoringRuns);
        EXPECT_EQ(s.monitoringStopMenu, c.context.monitoringRuns);
        // A dropped file loads exactly when "Load" could be chosen: never
        // while an operation or a repeating reading holds the line.
        EXPECT_EQ(s.fileDrop, c.enabled);
        // Writing to several units needs a configuration as well.
        EXPECT_EQ(CommandStatesFor(c.enabled, connected).writeToSeveral,
                  c.enabled && !c.context.monitoringRuns && c.context.configurationPresent);
        EXPECT_FALSE(s.writeToSeveral);
    }
}

}  // namespace
}  // namespace lmk17
