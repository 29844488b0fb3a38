// The "Tools" page through its buttons against the simulator: the requests
// on the line, what the page shows, and Stop during each running operation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "monitoring/live_sim_rig.h"
#include "operations/ui/tools_page.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

// The page wired to the stack as the main window wires it.
struct ToolsPageOnStack : TToolsPage {
    explicit ToolsPageOnStack(TransmitterStack& stack)
        : TToolsPage(stack.model(), stack.live(), stack.commandStates()) {
        connect(&stack, &TransmitterStack::commandStatesChanged, this,
                &TToolsPage::applyCommandStates);
    }
};

struct Tools : ::testing::Test {
    LiveSimRig rig{{[] {
        sim::TransmitterProfile p = Profile("K8410H10", 191, 51);  // thermocouple
        p.cjTemperature = 31.4;
        p.workingTimeS = 86400 + 5;
        return p;
    }()}};
    ToolsPageOnStack page{rig.stack};

    void SetUp() override {
        ASSERT_TRUE(rig.started);
        page.show();
        ASSERT_TRUE(rig.readConfiguration());
        rig.live.presetTestValues();
        rig.taken.clear();
    }
    void click(QAbstractButton* b) {
        ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void type(QLineEdit* e, const QString& text) {
        e->setFocus();
        QApplication::processEvents();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    std::vector<std::pair<int, int>> trace() const {  // (parameter, 1 read / 2 write)
        std::vector<std::pair<int, int>> out;
        for (const auto& t : rig.taken) out.emplace_back(t.parameter, t.operation);
        return out;
    }
};

}  // namespace

// One button each: the page shows the result and the line carried exactly
// the operation's requests after identification.
TEST_F(Tools, SingleReadingsThroughTheButtons) {
    struct Case {
        QAbstractButton* button;
        std::vector<std::pair<int, int>> tail;  // the requests after identification
        std::function<QString()> shown;
        const char* expected;
    } cases[] = {
        {page.PVReadBtn, {{220, 1}, {0, 1}, {30, 1}}, [&] { return page.PVLbl->text(); }, ""},
        {page.ProCasBtn, {{200, 1}}, [&] { return page.ProCas2Lbl->text(); }, ""},
        {page.ZjistiTmpCJBtn, {}, [&] { return page.HodnTemperCJLbl->text(); }, "31.4 °C"},
    };
    for (auto& c : cases) {
        rig.taken.clear();
        click(c.button);
        EXPECT_FALSE(page.ProCasBtn->isEnabled());  // commands off while it runs
        ASSERT_TRUE(rig.waitIdle());
        const auto t = trace();
        ASSERT_GE(t.size(), c.tail.size());
        EXPECT_TRUE(std::equal(c.tail.begin(), c.tail.end(), t.end() - long(c.tail.size())))
            << c.button->objectName().toStdString();
        if (*c.expected)
            EXPECT_EQ(c.shown(), QString::fromUtf8(c.expected));
        else
            EXPECT_FALSE(c.shown().isEmpty());
        EXPECT_TRUE(page.ProCasBtn->isEnabled());
    }
    EXPECT_EQ(rig.readsOf(210), 5);  // the measured cold junction: five rounds
    EXPECT_TRUE(page.SignChybyLbl->isVisible());
    EXPECT_FALSE(page.SignChybyCB->isVisible());
}

// Interval reading: the period edit keeps its format, "Read" becomes "Stop"
// and stays usable while everything else waits; Stop ends it.
TEST_F(Tools, IntervalReadingAndStop) {
    type(page.VstPeriodaEdt, QStringLiteral("0,2"));
    EXPECT_EQ(page.VstPeriodaEdt->text(), QStringLiteral("  0.2"));
    type(page.VstPeriodaEdt, QStringLiteral("0,1"));  // shorter than any period: refused
    EXPECT_EQ(page.VstPeriodaEdt->text(), QStringLiteral("  0.2"));
    click(page.VstTimerEnCBx);
    click(page.PVReadBtn);
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.readsOf(0) >= 3; }));
    EXPECT_EQ(page.PVReadBtn->text(), QStringLiteral("Stop"));
    EXPECT_TRUE(page.PVReadBtn->isEnabled());
    EXPECT_FALSE(page.ProCasBtn->isEnabled());
    EXPECT_FALSE(page.VstTimerEnCBx->isEnabled());
    EXPECT_FALSE(page.TPrGoBtn->isEnabled());
    click(page.PVReadBtn);
    ASSERT_TRUE(rig.waitIdle());
    const int reads = rig.readsOf(0);
    LiveSimRig::spin(500);
    EXPECT_EQ(rig.readsOf(0), reads);  // no reading after Stop
    EXPECT_EQ(page.PVReadBtn->text(), QStringLiteral("Read"));
    EXPECT_TRUE(page.ProCasBtn->isEnabled());
}

// An output-test cycle: Use on value 2, automatic setting through 3 and 1,
// Stop (test mode stays), then Exit Testing writes -200.
TEST_F(Tools, OutputTestCycleStopAndExit) {
    click(page.TPrHodnRBtn[1]);
    click(page.TPrGoBtn);
    ASSERT_TRUE(rig.waitIdle());
    ASSERT_EQ(rig.writesOf(220).size(), 1u);
    EXPECT_FLOAT_EQ(rig.writesOf(220)[0].floatValue(), 0.5f);  // 12 mA of 4..20
    EXPECT_TRUE(page.RezTPrLbl->isVisible());
    EXPECT_TRUE(page.ZrusTPrBtn->isEnabled());

    rig.taken.clear();
    type(page.TPrPeriodaEdt, QStringLiteral("0.2"));
    click(page.TPrTimerEnCBx);
    click(page.TPrGoBtn);
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.writesOf(220).size() >= 3; }, 8000));
    EXPECT_EQ(page.TPrGoBtn->text(), QStringLiteral("Stop"));
    EXPECT_TRUE(page.TPrGoBtn->isEnabled());
    EXPECT_FALSE(page.PVReadBtn->isEnabled());
    const auto w = rig.writesOf(220);
    EXPECT_FLOAT_EQ(w[0].floatValue(), 0.5f);  // value 2: 12 mA
    EXPECT_FLOAT_EQ(w[1].floatValue(), 1.0f);  // value 3: 20 mA
    EXPECT_FLOAT_EQ(w[2].floatValue(), 0.0f);  // value 1: 4 mA
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.engine.requestOutstanding(); }));
    click(page.TPrGoBtn);  // Stop: the cycle ends, test mode stays
    ASSERT_TRUE(rig.waitIdle());
    EXPECT_EQ(page.TPrGoBtn->text(), QStringLiteral("Use"));
    EXPECT_TRUE(rig.transmitter().testMode());

    page.TPrTimerEnCBx->setChecked(false);
    rig.taken.clear();
    click(page.ZrusTPrBtn);
    ASSERT_TRUE(rig.waitIdle());
    ASSERT_EQ(rig.writesOf(220).size(), 1u);
    EXPECT_FLOAT_EQ(rig.writesOf(220)[0].floatValue(), -200.0f);
    EXPECT_FALSE(rig.transmitter().testMode());
    EXPECT_FALSE(page.RezTPrLbl->isVisible());
    EXPECT_FALSE(page.ZrusTPrBtn->isEnabled());
}

// A break (Esc's question answered Yes) during the CJ reading and the
// working time: the page comes back usable, nothing more goes out.
TEST_F(Tools, BreakDuringCjAndWorkingTime) {
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(page.ZjistiTmpCJBtn),
                               static_cast<QAbstractButton*>(page.ProCasBtn)}) {
        rig.taken.clear();
        click(b);
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.taken.size() >= 2; }));
        rig.engine.StopOperation();
        ASSERT_TRUE(rig.waitIdle());
        LiveSimRig::spin(200);  // a request already on the line still arrives
        const size_t sent = rig.taken.size();
        LiveSimRig::spin(300);
        EXPECT_EQ(rig.taken.size(), sent);
        EXPECT_TRUE(page.ZjistiTmpCJBtn->isEnabled());
        EXPECT_TRUE(page.ProCasBtn->isEnabled());
        EXPECT_TRUE(page.PVReadBtn->isEnabled());
    }
}

// No configuration: nothing on the page can start an operation.
TEST(ToolsPage, WithoutConfigurationEverythingWaits) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ToolsPageOnStack page(rig.stack);
    for (QWidget* w :
         std::initializer_list<QWidget*>{page.PVReadBtn, page.TPrGoBtn, page.ZrusTPrBtn,
                                         page.ZjistiTmpCJBtn, page.ProCasBtn, page.TstProudGB})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(page.PVjednLbl[0]->text(), QStringLiteral("[mA]"));
}

// A picture of the page for a look under a real display (xvfb): only when
// LMK17_SHOTS names a folder.
TEST_F(Tools, Shot) {
    const QString dir = qEnvironmentVariable("LMK17_SHOTS");
    if (dir.isEmpty()) GTEST_SKIP() << "LMK17_SHOTS not set";
    page.resize(900, 420);
    rig.transmitter().setDeviceErrors(0x05);
    click(page.TPrGoBtn);
    ASSERT_TRUE(rig.waitIdle());
    click(page.ZjistiTmpCJBtn);
    ASSERT_TRUE(rig.waitIdle());
    click(page.ProCasBtn);
    ASSERT_TRUE(rig.waitIdle());
    QTest::qWait(200);
    page.grab().save(dir + "/h15-tools-page.png");
}
