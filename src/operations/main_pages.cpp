#include "operations/main_pages.h"

#include "config/validation.h"

namespace lmk17 {

MainPage PageAfterTabChange(MainPage current, MainPage wanted, bool operationRunning,
                            bool monitoringRuns) {
    if (monitoringRuns) return MainPage::Monitoring;
    if (operationRunning) return current;
    return wanted;
}

MainPage MainPageOf(ConfigPage page) {
    switch (page) {
        case ConfigPage::Input:
            return MainPage::Input;
        case ConfigPage::Output:
            return MainPage::Output;
        case ConfigPage::Information:
            return MainPage::Information;
    }
    return MainPage::Input;
}

}  // namespace lmk17
