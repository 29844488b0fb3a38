#include "operations/main_pages.h"

namespace lmk17 {

MainPage PageAfterTabChange(MainPage current, MainPage wanted, bool operationRunning,
                            bool monitoringRuns) {
    if (monitoringRuns) return MainPage::Monitoring;
    if (operationRunning) return current;
    return wanted;
}

}  // namespace lmk17
