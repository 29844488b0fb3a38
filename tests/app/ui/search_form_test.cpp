// "Search…" of the options dialog against lmk17-sim: a transmitter whose
// address, baud rate and parity nobody wrote down is found, identified and,
// once picked, talked to; Cancel ends the search at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "app/ui/search_form.h"
#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/ui/settings_form.h"
#include "main_window_rig.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"
#include "support/cli_process.h"
#include "support/sim_fixture.h"

namespace lmk17::test {
namespace {

QStringList rowTexts(QTableWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) texts << list->item(row, c)->text();
    return texts;
}

LineScan::Plan narrowPlan(std::vector<int> bauds, int allowanceMs = 50) {
    LineScan::Plan plan;
    plan.addresses = {15, 16, 17, 18};
    plan.settings = ScanOrder(bauds, {LinkParity::Odd, LinkParity::Even}, std::nullopt);
    plan.allowanceMs = allowanceMs;
    return plan;
}

TEST(SearchWindow, FindsTheTransmitterAndUseMakesItTheProgramsOwn) {
    SimProcess sim({"--check-line", "--baud", "4800", "--parity", "even", "--address", "17"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    const LinkSettings before = stack.connection().settings();

    TSearchForm form(stack, shell.form.get());
    form.show();
    ASSERT_TRUE(form.startSearch(narrowPlan({2400, 4800})));
    EXPECT_FALSE(form.UseBtn()->isEnabled());
    ASSERT_TRUE(SpinUntil([&] { return !form.search().running(); }, 20000));
    ASSERT_EQ(form.FoundList()->rowCount(), 1) << form.StateLbl()->text().toStdString();
    const QStringList row = rowTexts(form.FoundList(), 0);
    EXPECT_EQ(row.mid(0, 6), (QStringList{"17", "4800", "even", "K8620L31", "1.91", "12345678"}));
    EXPECT_FALSE(row[6].isEmpty());  // the input range's name
    EXPECT_EQ(form.SearchPB()->value(), form.SearchPB()->maximum());
    // Searching changed nothing of the program's own parameters.
    EXPECT_EQ(stack.connection().settings().baudIndex, before.baudIndex);
    EXPECT_EQ(stack.connection().settings().parityIndex, before.parityIndex);
    EXPECT_EQ(stack.connection().settings().transmitterAddress, before.transmitterAddress);
    EXPECT_EQ(stack.port().baudRate(), 2400);
    EXPECT_EQ(stack.port().parity(), LinkParity::Odd);

    ASSERT_TRUE(form.UseBtn()->isEnabled());
    form.UseBtn()->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(stack.connection().settings().baudIndex, 3);    // 4800 Bd
    EXPECT_EQ(stack.connection().settings().parityIndex, 2);  // even
    EXPECT_EQ(stack.connection().settings().transmitterAddress, 17);
    EXPECT_EQ(stack.runOperation([&] { return bool(stack.session().identify()); }, 20000),
              OperationOutcome::Completed);
}

// The options dialog's "Search…" opens the search at once; a transmitter at
// the defaults' speed is found at the third probe and picked.
TEST(SearchWindow, OptionsDialogSearchesAndTakesThePick) {
    SimProcess sim({"--check-line", "--address", "2"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    Shell shell;
    TransmitterStack& stack = shell.stack();
    TSettingsForm* options = shell.form->SettingsForm();
    EXPECT_FALSE(options->SearchBtn()->isEnabled());  // no port yet
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    options->syncFromConnection();
    bool picked = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* search = qobject_cast<TSearchForm*>(QApplication::activeModalWidget());
        if (!search || search->search().running() || search->FoundList()->rowCount() == 0) return;
        picked = true;
        search->UseBtn()->click();
        QMetaObject::invokeMethod(options, "accept", Qt::QueuedConnection);
    });
    driver.start(20);
    QTimer::singleShot(0, options, [options] { options->SearchBtn()->click(); });
    options->exec();
    driver.stop();
    EXPECT_TRUE(picked);
    EXPECT_EQ(stack.connection().settings().transmitterAddress, 2);
    EXPECT_EQ(options->DAEdt()->text().trimmed(), "2");
}

TEST(SearchWindow, CancelEndsTheSearchAtOnce) {
    SimProcess sim({"--check-line", "--baud", "19200"});  // never answers at 600 Bd
    ASSERT_FALSE(sim.devicePath().isEmpty());
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    TSearchForm form(stack, shell.form.get());
    form.show();
    ASSERT_TRUE(form.startSearch(narrowPlan({600}, 2000)));
    Spin(300);  // within the first probe
    ASSERT_TRUE(form.search().running());
    QElapsedTimer t;
    t.start();
    form.CancelBtn()->click();
    EXPECT_FALSE(form.search().running());
    EXPECT_LT(t.elapsed(), 500);
    EXPECT_EQ(form.StateLbl()->text(), "Search cancelled.");
    EXPECT_TRUE(form.SearchBtn()->isEnabled());
    EXPECT_EQ(stack.port().baudRate(), 2400);
    EXPECT_TRUE(stack.idle());

    // A search that finds nothing leaves the port as it found it.
    LineScan::Plan evenOnly;
    evenOnly.addresses = {1};
    evenOnly.settings = {ScanSetting{4800, LinkParity::Even}};
    evenOnly.allowanceMs = 50;
    ASSERT_TRUE(form.startSearch(evenOnly));
    ASSERT_TRUE(SpinUntil([&] { return !form.search().running(); }, 20000));
    EXPECT_EQ(form.StateLbl()->text(), "No transmitter answered.");
    EXPECT_EQ(stack.port().baudRate(), 2400);
    EXPECT_EQ(stack.port().parity(), LinkParity::Odd);
}

// Two transmitters found: Use talks to the one picked, not the first listed.
TEST(SearchWindow, UseTakesThePickedOfSeveral) {
    SimProcess sim(
        {"--check-line", "--address", "3", "--serial", "33", "--address", "6", "--serial", "66"});
    ASSERT_FALSE(sim.devicePath().isEmpty());
    Shell shell;
    TransmitterStack& stack = shell.stack();
    ASSERT_TRUE(stack.connection().connectDevice(sim.devicePath()));
    TSearchForm form(stack, shell.form.get());
    form.show();
    LineScan::Plan plan;
    plan.addresses = {2, 3, 4, 5, 6};
    plan.settings = {ScanSetting{2400, LinkParity::Odd}};
    plan.allowanceMs = 50;
    plan.all = true;
    ASSERT_TRUE(form.startSearch(plan));
    ASSERT_TRUE(SpinUntil([&] { return !form.search().running(); }, 20000));
    ASSERT_EQ(form.FoundList()->rowCount(), 2) << form.StateLbl()->text().toStdString();
    EXPECT_EQ(rowTexts(form.FoundList(), 1)[5], "00000066");
    form.FoundList()->selectRow(1);
    form.UseBtn()->click();
    EXPECT_EQ(stack.connection().settings().transmitterAddress, 6);
}

}  // namespace
}  // namespace lmk17::test
