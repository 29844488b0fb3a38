#pragma once

namespace lmk17 {

enum class ConfigPage;

// The pages of the main window, in the order of their tabs.
enum class MainPage { Input = 0, Output, Information, Tools, Monitoring };
inline constexpr int kMainPageCount = 5;

// The page the user's change of tab (a tab, the "&View" menu) ends on
// (ZalozkaChange): while an operation talks to the transmitter the change is
// refused and the current page stays; while monitoring runs every other page
// gives way to "Monitoring".
MainPage PageAfterTabChange(MainPage current, MainPage wanted, bool operationRunning,
                            bool monitoringRuns);

// The main window's page that holds a configuration page (a refused check
// brings it forward).
MainPage MainPageOf(ConfigPage page);

}  // namespace lmk17
