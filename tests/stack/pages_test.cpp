// Which page of the main window shows: the stack decides from the start on,
// the window obeys.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

// A change of tab gives way to a running operation (the page stays) and to
// monitoring (its page shows whatever was picked).
TEST(StackPages, TabChangeGivesWayToOperationsAndMonitoring) {
    struct Case {
        MainPage current, wanted;
        bool operationRunning, monitoringRuns;
        MainPage shown;
    };
    const Case cases[] = {
        {MainPage::Input, MainPage::Output, false, false, MainPage::Output},
        {MainPage::Tools, MainPage::Information, false, false, MainPage::Information},
        {MainPage::Input, MainPage::Tools, true, false, MainPage::Input},
        {MainPage::Information, MainPage::Input, true, false, MainPage::Information},
        {MainPage::Monitoring, MainPage::Input, false, true, MainPage::Monitoring},
        {MainPage::Monitoring, MainPage::Output, true, true, MainPage::Monitoring},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.current) * 10 + int(c.wanted));
        EXPECT_EQ(PageAfterTabChange(c.current, c.wanted, c.operationRunning, c.monitoringRuns),
                  c.shown);
    }
}

// The window opens on the stack's page ("Input"); a tab picked is the page
// asked for, an operation's own page comes with a request to the window.
TEST(StackPages, TheStackStartsOnInputAndDecidesEachChange) {
    test::RigInteraction ui;
    TransmitterStack stack(ui);
    QSignalSpy requested(&stack, &TransmitterStack::pageRequested);
    EXPECT_EQ(stack.page(), MainPage::Input);
    struct Step {
        const char* what;
        std::function<void()> act;
        MainPage page;
        int requests;
    };
    const Step steps[] = {
        {"tab Output picked", [&] { stack.showPage(MainPage::Output); }, MainPage::Output, 0},
        {"a read's page", [&] { stack.requestPage(MainPage::Input); }, MainPage::Input, 1},
        {"tab Tools picked", [&] { stack.showPage(MainPage::Tools); }, MainPage::Tools, 1},
        {"the working time's page", [&] { stack.requestPage(MainPage::Information); },
         MainPage::Information, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(stack.page(), s.page);
        EXPECT_EQ(requested.count(), s.requests);
    }
}

}  // namespace
}  // namespace lmk17
