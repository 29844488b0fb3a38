// The Monitoring page, the parameters dialog and the graph window, driven
// through their controls against the simulator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCategoryAxis>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "common/time_ticks.h"
#include "monitoring/live_sim_rig.h"
#include "monitoring/monitor_record.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/mon_par_form.h"
#include "monitoring/ui/monitoring_page.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

// Types into a field as a user does: focus (which trims), the text, Enter.
QString Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QApplication::processEvents();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    return field->text();
}

}  // namespace

// Every field check of the dialog, as the user meets it: what a field cannot
// take is refused with a message, and the field shows its previous value.
TEST(MonParForm, FieldRules) {
    ScriptedInteraction ui;
    TMonParForm form(ui);
    form.show();
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
        bool refused;
    };
    const Case cases[] = {
        {"MonIntervalEdt", "1,5", " 1.5", false}, {"MonIntervalEdt", "2.5", " 2.5", false},
        {"MonIntervalEdt", "0,5", " 2.5", true},  {"MonNGrfPntEdt", "500", " 500", false},
        {"MonNGrfPntEdt", "x", " 500", true},     {"MonNGrfPntEdt", "5000", " 500", true},
        {"MonDecNumPVEdt", "12", " 12", false},   {"MonDecNumPVEdt", "2", " 12", true},
        {"MonDecNumPVEdt", "30", " 12", true},    {"MonModeAEdt", "5", " 5", false},
        {"MonModeAEdt", "5000", " 5", true},      {"MonModeAEdt", "0", " 5", true},
        {"MonModeDEdt", "60", " 60", false},      {"MonModeDEdt", "x", " 60", true},
        {"MonModeDEdt", "10", " 60", true},       {"MonAdrListEdt", " 5-7, 0", "5-7,0", false},
        {"MonAdrListEdt", "", "", false},
    };
    form.MonMode2RBx->setChecked(true);  // the condition fields take input
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " typed " + c.typed);
        auto* field = form.findChild<QLineEdit*>(QLatin1String(c.field));
        ASSERT_TRUE(field);
        ui.shown.clear();
        EXPECT_EQ(Type(field, QLatin1String(c.typed)), QLatin1String(c.shown));
        ASSERT_EQ(ui.shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(ui.shown.front().kind, MessageKind::Error);
        }
    }
    const MonitorParameters& p = form.parameters();
    EXPECT_EQ(p.intervalMs, 2500);
    EXPECT_EQ(p.pointLimit, 500);
    EXPECT_EQ(p.digits, 12);
    EXPECT_EQ(p.changePercent, 5);
    EXPECT_EQ(p.periodS, 60);
    EXPECT_TRUE(p.addresses.empty());

    // A list that cannot be used is refused with its reason; the last good one stays.
    ui.shown.clear();
    Type(form.MonAdrListEdt, QStringLiteral("0,3"));
    Type(form.MonAdrListEdt, QStringLiteral("0,40"));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown.front().kind, MessageKind::Error);
    EXPECT_EQ(form.parameters().addresses, (std::vector<int>{0, 3}));
}

// Closing: the focused field counts, and "Write when:" needs a condition.
TEST(MonParForm, CloseRules) {
    ScriptedInteraction ui;
    TMonParForm form(ui);
    form.show();
    EXPECT_FALSE(form.MonModeACBx->isEnabled());  // "Write all Records": conditions off
    form.MonMode2RBx->setChecked(true);
    EXPECT_TRUE(form.MonModeACBx->isEnabled());
    for (QCheckBox* b : {form.MonModeACBx, form.MonModeBCBx, form.MonModeCCBx, form.MonModeDCBx})
        b->setChecked(false);
    form.MonIntervalEdt->setFocus();
    QApplication::processEvents();
    form.MonIntervalEdt->selectAll();
    QTest::keyClicks(form.MonIntervalEdt, QStringLiteral("7"));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.parameters().intervalMs, 7000);
    EXPECT_TRUE(form.parameters().writeAll);
    EXPECT_TRUE(form.MonMode1RBx->isChecked());
}

namespace {

// The graph window over a rig's monitoring engine, filled by hand.
struct Graph : ::testing::Test {
    LiveSimRig rig{{Profile("K8410H10", 191)}};
    TMonGraphForm form{rig.monitoring, rig.ui};
    MonitoringEngine& model = rig.monitoring;  // the graph changes through its routines
    double day = 45000.5;                      // 12:00:00

    void SetUp() override {
        form.resize(600, 400);
        form.show();
        QApplication::processEvents();
    }
    void add(double y, int address = 0) {
        day += 1.0 / 86400;
        model.appendGraphPoint(address, day, y);  // the window follows the announcement
    }
    AxisRange valueAxis() const { return form.GrafChart()->range(Qt::Vertical); }
};

}  // namespace

// The value axis spans at least half a percent of the measuring range.
TEST_F(Graph, ValueAxisRule) {
    struct {
        std::vector<double> readings;
        double low, high;
    } cases[] = {{{20, 20, 20}, 19.75, 20.25}, {{10, 30}, 9.4, 30.6}};
    for (const auto& c : cases) {
        model.resetGraph(200);
        model.setGraphSeries(0, 1234, 1, 0, 100);
        for (double y : c.readings) add(y);
        EXPECT_NEAR(valueAxis().low, c.low, 1e-9);
        EXPECT_NEAR(valueAxis().high, c.high, 1e-9);
    }
}

// At the point limit the oldest point goes and the rest stay in the same
// series (appended, not rebuilt); the time axis spans the points.
TEST_F(Graph, PointLimitAppendsAndReadouts) {
    model.resetGraph(200);
    model.setGraphSeries(0, 1234, 1, 0, 100);
    add(1);
    auto* series = qobject_cast<QLineSeries*>(form.GrafChart()->chart()->series().front());
    int replaced = 0;
    QObject::connect(series, &QXYSeries::pointsReplaced, [&] { ++replaced; });
    const double first = day + 1.0 / 86400;
    for (int i = 0; i < 200; ++i) add(i % 7);
    EXPECT_EQ(series->count(), 200);
    EXPECT_EQ(series->at(0).x(), first);
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(form.GrafChart()->chart()->series().size(), 1);
    EXPECT_NEAR(form.GrafChart()->range(Qt::Horizontal).low, first, 1e-9);
    EXPECT_NEAR(form.GrafChart()->range(Qt::Horizontal).high, day, 1e-9);
    // Time labels "h:nn:ss" on the bottom axis.
    auto* time = qobject_cast<QCategoryAxis*>(form.GrafChart()->axis(Qt::Horizontal));
    ASSERT_TRUE(time);
    ASSERT_FALSE(time->categoriesLabels().isEmpty());
    EXPECT_TRUE(time->categoriesLabels().front().startsWith(QLatin1String("12:0")));

    EXPECT_EQ(form.xReadout({45000 + 3723.0 / 86400, 0}), QStringLiteral(" X= 1:02:03"));
    EXPECT_TRUE(form.yReadout({0, 21.5}).startsWith(QStringLiteral(" Y= 21.5 ")));

    // "Clear the Graph" asks; No keeps the points, Yes erases them.
    rig.ui.answers = {false, true};
    form.ClearMnu->trigger();
    EXPECT_EQ(series->count(), 200);
    form.ClearMnu->trigger();
    EXPECT_EQ(series->count(), 0);
    EXPECT_EQ(rig.ui.last(), QStringLiteral("Do you really want to erase the graph?"));
}

// Several addresses: one series each, a legend; a zoomed time axis stays
// where the user put it until "Reset Zoom".
TEST_F(Graph, SeriesPerAddressAndZoom) {
    model.resetGraph(200);
    for (int a : {0, 3}) model.setGraphSeries(a, 100 + a, 1, 0, 100);
    for (int i = 0; i < 10; ++i) {
        add(10 + i, 0);
        add(50 + i, 3);
    }
    QChart* chart = form.GrafChart()->chart();
    ASSERT_EQ(chart->series().size(), 2);
    EXPECT_TRUE(chart->legend()->isVisible());
    EXPECT_EQ(chart->series()[1]->name(), QStringLiteral("Address 3"));

    const QPoint centre = form.GrafChart()->chart()->plotArea().center().toPoint();
    QWheelEvent wheel(centre, form.GrafChart()->mapToGlobal(centre), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.GrafChart()->viewport(), &wheel);
    const AxisRange zoomed = form.GrafChart()->range(Qt::Horizontal);
    EXPECT_TRUE(form.zoomed());
    add(70, 3);
    EXPECT_EQ(form.GrafChart()->range(Qt::Horizontal), zoomed);
    form.ResetZoomMnu->trigger();
    EXPECT_NEAR(form.GrafChart()->range(Qt::Horizontal).high, day, 1e-9);
}

TEST_F(Graph, SaveAndExport) {
    model.resetGraph(200);
    model.setGraphSeries(0, 1234, 1, 0, 100);
    for (int i = 0; i < 5; ++i) add(20 + i * 0.5);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("g.png"));
    const QString csv = dir.filePath(QStringLiteral("g.csv"));
    EXPECT_TRUE(form.saveImage(png));
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_TRUE(form.exportPoints(csv, MonCsvStyle::Semicolon()));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = f.readAll().split('\n');
    EXPECT_EQ(rows.size(), 7);  // header, 5 points, the empty tail
    EXPECT_TRUE(rows[2].contains(";20,5;"));
    EXPECT_FALSE(form.saveImage(dir.filePath(QStringLiteral("no/such/dir/g.png"))));
    EXPECT_EQ(rig.ui.shown.back().kind, MessageKind::Error);
}

// A run of a few cycles through the page's buttons: the log window holds
// the lines the log writer produced (what lmk17-cli monitor prints), the
// log file the same lines, the graph one point per correct reading.
TEST(MonitoringPage, RunFillsLogWindowFileAndGraph) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    QTemporaryDir dir;
    TMonitoringPage page(rig.monitoring, rig.stack.commandStates(), rig.ui);
    QObject::connect(&rig.stack, &TransmitterStack::commandStatesChanged, &page,
                     &TMonitoringPage::applyCommandStates);
    QAction start, stop, graph, params;
    page.attachMenu(&start, &stop, &graph, &params);
    page.show();
    MonitorParameters p;
    p.intervalMs = 150;  // shortened
    p.digits = 8;
    p.logFile = dir.filePath(QStringLiteral("run.log"));
    page.MonParForm()->setParameters(p);

    QStringList printed;
    QObject::connect(&rig.log, &MonitorLog::lineAdded, [&](const QString& l) { printed << l; });
    int records = 0;
    QObject::connect(&rig.monitoring, &MonitoringEngine::recordWritten, [&] { ++records; });
    bool wentGreen = false;
    QObject::connect(&rig.monitoring, &MonitoringEngine::indicatorChanged, [&](bool) {
        wentGreen |= page.indicatorColor() == TMonitoringPage::BusyColor();
    });

    stop.trigger();  // Ctrl+B while Stop is disabled: nothing
    EXPECT_FALSE(rig.monitoring.active());
    start.trigger();  // Ctrl+M
    EXPECT_TRUE(rig.monitoring.active());
    EXPECT_FALSE(page.MonStartBtn->isEnabled());
    EXPECT_FALSE(page.MonParamBtn->isEnabled());
    EXPECT_FALSE(start.isVisible());
    EXPECT_TRUE(stop.isVisible());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return records >= 3; }, 15000));
    rig.ui.answers = {false, true};  // the stop question: first No, then Yes
    QTest::mouseClick(page.MonStopBtn, Qt::LeftButton);
    EXPECT_TRUE(rig.monitoring.active());
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return page.MonStopBtn->isEnabled(); }));
    QTest::mouseClick(page.MonStopBtn, Qt::LeftButton);
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
    EXPECT_TRUE(page.MonStartBtn->isEnabled());
    EXPECT_TRUE(start.isVisible());
    EXPECT_TRUE(wentGreen);
    EXPECT_EQ(page.indicatorColor(), TMonitoringPage::IdleColor());

    const QStringList memo = page.MonMemo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(memo, printed);
    EXPECT_TRUE(memo.contains(QStringLiteral("  LMK-17 version 2.3.2")));
    QFile file(p.logFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()), printed.join(QLatin1String("\r\n")) + "\r\n");

    // One graph point per record (every reading answered), with its PV.
    const auto& points = rig.monitoring.graph().points();
    auto* series =
        qobject_cast<QLineSeries*>(page.MonGraphForm()->GrafChart()->chart()->series().front());
    ASSERT_EQ(series->count(), int(points.size()));
    EXPECT_GE(series->count(), 3);
    EXPECT_EQ(series->at(0).y(), points.front().y);
    int recordLines = 0;
    for (const QString& l : memo) recordLines += l.contains(QLatin1String(" OK 00 OK"));
    EXPECT_EQ(recordLines, series->count());

    // Clear Log asks first.
    rig.ui.answers = {true};
    QTest::mouseClick(page.MonClearBtn, Qt::LeftButton);
    EXPECT_TRUE(page.MonMemo->toPlainText().isEmpty());
}

// A log file that takes no lines (one that cannot be opened, a full disk):
// one warning, and "Log not written" stands while the run goes on, after it
// ends, and until the next run writes its log.
TEST(MonitoringPage, LogNotWrittenStandsUntilTheNextRun) {
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    QTemporaryDir dir;
    TMonitoringPage page(rig.monitoring, rig.stack.commandStates(), rig.ui);
    QObject::connect(&rig.stack, &TransmitterStack::commandStatesChanged, &page,
                     &TMonitoringPage::applyCommandStates);
    page.show();
    struct Case {
        const char* name;
        QString logFile;
    };
    const Case cases[] = {{"a folder", dir.path()}, {"a full disk", QStringLiteral("/dev/full")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!QFileInfo::exists(c.logFile)) continue;
        MonitorParameters p;
        p.intervalMs = 150;  // shortened
        p.logFile = c.logFile;
        page.MonParForm()->setParameters(p);
        rig.ui.shown.clear();
        EXPECT_FALSE(page.LogStateLbl->isVisibleTo(&page));
        QTest::mouseClick(page.MonStartBtn, Qt::LeftButton);
        int records = 0;
        QObject::connect(&rig.monitoring, &MonitoringEngine::recordWritten, &page,
                         [&] { ++records; });
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return records >= 2; }, 15000));
        EXPECT_TRUE(page.LogStateLbl->isVisibleTo(&page));
        EXPECT_EQ(page.LogStateLbl->accessibleName(), "Log not written");
        rig.ui.answers = {true};
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return page.MonStopBtn->isEnabled(); }));
        QTest::mouseClick(page.MonStopBtn, Qt::LeftButton);
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
        EXPECT_TRUE(page.LogStateLbl->isVisibleTo(&page));
        int warnings = 0;
        for (const auto& shown : rig.ui.shown) warnings += shown.kind == MessageKind::Warning;
        EXPECT_EQ(warnings, 1);

        p.logFile = dir.filePath(QStringLiteral("run.log"));
        page.MonParForm()->setParameters(p);
        QTest::mouseClick(page.MonStartBtn, Qt::LeftButton);
        EXPECT_FALSE(page.LogStateLbl->isVisibleTo(&page));
        rig.ui.answers = {true};
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return page.MonStopBtn->isEnabled(); }));
        QTest::mouseClick(page.MonStopBtn, Qt::LeftButton);
        ASSERT_TRUE(LiveSimRig::waitFor([&] { return !rig.monitoring.active(); }));
        QObject::disconnect(&rig.monitoring, &MonitoringEngine::recordWritten, &page, nullptr);
    }
}

// The graph window stays responsive at the point limit: appending a point
// (and dropping the oldest) with the repaint it causes takes a few
// milliseconds at 2000 points.
TEST_F(Graph, AppendAtPointLimitIsCheap) {
    model.resetGraph(2000);
    model.setGraphSeries(0, 1234, 1, 0, 100);
    for (int i = 0; i < 2000; ++i)
        model.appendGraphPoint(0, day += 1.0 / 86400, 20 + (i % 50) * 0.1);
    form.refresh();
    form.GrafChart()->grab();
    QElapsedTimer t;
    t.start();
    constexpr int kPoints = 50;
    for (int i = 0; i < kPoints; ++i) {
        add(20 + (i % 13) * 0.1);
        form.GrafChart()->grab();  // paint as the screen would
    }
    const double perPoint = double(t.elapsed()) / kPoints;
    std::printf("graph at 2000 points: %.1f ms per appended point with repaint\n", perPoint);
    EXPECT_LT(perPoint, 250.0);
}

// Pictures of the windows for a look under a real display (xvfb): only when
// LMK17_SHOTS names a folder.
TEST(MonitoringShots, PageDialogAndGraph) {
    const QString dir = qEnvironmentVariable("LMK17_SHOTS");
    if (dir.isEmpty()) GTEST_SKIP() << "LMK17_SHOTS not set";
    LiveSimRig rig({Profile("K8410H10", 191)});
    ASSERT_TRUE(rig.started);
    TMonitoringPage page(rig.monitoring, rig.stack.commandStates(), rig.ui);
    QObject::connect(&rig.stack, &TransmitterStack::commandStatesChanged, &page,
                     &TMonitoringPage::applyCommandStates);
    page.resize(760, 460);
    page.show();
    MonitorParameters p;
    p.intervalMs = 150;
    p.logToFile = false;
    page.loadParameters(p);
    page.MonStartBtnClick();
    ASSERT_TRUE(
        LiveSimRig::waitFor([&] { return rig.monitoring.graph().points().size() >= 4; }, 15000));
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.monitoring.indicatorBusy(); }));
    page.grab().save(dir + "/h15-monitoring-page.png");
    rig.ui.defaultAnswer = true;
    ASSERT_TRUE(LiveSimRig::waitFor([&] { return rig.monitoring.stopMonitoring(); }));

    page.MonParForm()->show();
    QApplication::processEvents();
    page.MonParForm()->grab().save(dir + "/h15-monpar-dialog.png");
    page.MonParForm()->hide();

    // A few hundred points of a slowly wandering PV, one transmitter.
    MonitoringEngine& g = rig.monitoring;
    g.resetGraph(2000);
    g.setGraphSeries(0, 1234, 1, 0, 100);
    double day = 45000.5;
    for (int i = 0; i < 300; ++i)
        g.appendGraphPoint(0, day += 2.0 / 86400,
                           21.3 + 0.4 * std::sin(i / 25.0) + 0.05 * std::sin(i));
    TMonGraphForm* graph = page.MonGraphForm();
    graph->refresh();
    graph->resize(640, 420);
    page.MonGraphBtnClick();
    QApplication::processEvents();
    QTest::qWait(200);
    graph->grab().save(dir + "/h15-graph-300.png");
    graph->setPointSymbol(1);
    for (int a : {3, 5}) {
        g.setGraphSeries(a, 1000 + a, 1, 0, 100);
        double d = 45000.5;
        for (int i = 0; i < 150; ++i)
            g.appendGraphPoint(a, d += 4.0 / 86400, 20.5 + a * 0.2 + 0.3 * std::cos(i / (7.0 + a)));
    }
    graph->refresh();
    QTest::qWait(200);
    graph->grab().save(dir + "/h15-graph-addresses.png");
}
