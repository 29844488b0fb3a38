// Monitoring as a technician runs it from the main window: the parameters
// dialog, the graph window and a run whose line is pulled and put back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "link/port_connection.h"
#include "main_window_rig.h"
#include "monitoring/monitoring_engine.h"
#include "monitoring/ui/mon_graph_form.h"
#include "monitoring/ui/mon_par_form.h"
#include "monitoring/ui/monitoring_page.h"
#include "stack/transmitter_stack.h"
#include "support/cli_process.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

using test::BoxAnswerer;
using test::Shell;
using test::SpinUntil;

TMonitoringPage& PageOf(TMainForm& f) {
    return *f.findChild<TMonitoringPage*>();
}

// A run of one transmitter, a record every second, nothing written to disk.
void SetFastRun(TMonitoringPage& page) {
    MonitorParameters p = page.parameters();
    p.intervalMs = 1000;
    p.writeAll = true;
    p.logToFile = false;
    page.loadParameters(p);
}

// A typo in the interval is refused with a message that names the accepted
// range and the value kept; the dialog does not close on it.
TEST(MonitoringJourney, IntervalTypoIsRefusedAndThePreviousValueKept) {
    struct Case {
        const char* typed;
        int keptMs;
        bool refused;
    };
    const Case cases[] = {
        {"abc", 2000, true},  {"", 2000, true},   {"-3", 2000, true},   {"0,5", 2000, true},
        {"5000", 2000, true}, {"7", 7000, false}, {"1,5", 1500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Shell shell;
        TMonitoringPage& page = PageOf(*shell.form);
        BoxAnswerer boxes(QMessageBox::Ok);
        bool stayedOpen = false;
        QString shownAfter;
        bool ran = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* form = qobject_cast<TMonParForm*>(QApplication::activeModalWidget());
            if (!form || ran) return;
            ran = true;
            QApplication::setActiveWindow(form);
            form->MonIntervalEdt->setFocus();
            QApplication::processEvents();
            form->MonIntervalEdt->selectAll();
            QTest::keyClick(form->MonIntervalEdt, Qt::Key_Delete);
            QTest::keyClicks(form->MonIntervalEdt, QString::fromLatin1(c.typed));
            QTest::keyClick(form, Qt::Key_Escape);
            stayedOpen = form->isVisible();
            shownAfter = form->MonIntervalEdt->text();
            if (form->isVisible()) QTest::keyClick(form, Qt::Key_Escape);
            if (form->isVisible()) form->reject();
        });
        driver.start(10);
        QTest::mouseClick(page.MonParamBtn, Qt::LeftButton);
        ASSERT_TRUE(ran);
        EXPECT_EQ(shell.stack().monitoring().parameters().intervalMs, c.keptMs);
        EXPECT_EQ(stayedOpen, c.refused);
        if (c.refused) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(boxes.texts.front().contains("1 to 1200"))
                << boxes.texts.front().toStdString();
            EXPECT_TRUE(boxes.texts.front().contains("2.0")) << boxes.texts.front().toStdString();
            EXPECT_EQ(shownAfter, " 2.0");
        } else {
            EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
        }
    }
}

// A zoom of the graph window lasts until the graph is cleared or a new run
// starts: the points that come after are on the plot.
TEST(MonitoringJourney, GraphZoomEndsWithClearAndWithANewRun) {
    enum class Then { Clear, NewRun };
    for (Then then : {Then::Clear, Then::NewRun}) {
        SCOPED_TRACE(then == Then::Clear ? "clear" : "new run");
        test::InProcessSim sim;
        Shell shell;
        ASSERT_TRUE(shell.stack().connection().connectDevice(sim.devicePath()));
        TMonitoringPage& page = PageOf(*shell.form);
        MonitoringEngine& monitoring = shell.stack().monitoring();
        SetFastRun(page);
        BoxAnswerer yes(QMessageBox::Yes);
        const auto points = [&] { return monitoring.graph().points().size(); };
        QTest::mouseClick(page.MonStartBtn, Qt::LeftButton);
        ASSERT_TRUE(SpinUntil([&] { return points() >= 3; }, 10000));
        QTest::mouseClick(page.MonGraphBtn, Qt::LeftButton);
        TMonGraphForm& graph = *page.MonGraphForm();
        graph.resize(600, 400);
        QApplication::processEvents();
        PlotView& plot = *graph.GrafChart();
        const QPoint centre =
            plot.mapFromScene(plot.chart()->mapToScene(plot.chart()->plotArea().center()));
        QWheelEvent wheel(centre, plot.mapToGlobal(centre), QPoint(), QPoint(0, 360), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(plot.viewport(), &wheel);
        ASSERT_TRUE(graph.zoomed());

        if (then == Then::Clear) {
            graph.ClearMnu->trigger();
            EXPECT_EQ(yes.count("Do you really want to erase the graph?"), 1);
        } else {
            QTest::mouseClick(page.MonStopBtn, Qt::LeftButton);
            ASSERT_FALSE(monitoring.active());
            QTest::mouseClick(page.MonStartBtn, Qt::LeftButton);
        }
        ASSERT_TRUE(SpinUntil([&] { return points() >= 2 && points() < 3; }, 10000));
        EXPECT_FALSE(graph.zoomed());
        const AxisRange time = plot.range(Qt::Horizontal);
        for (const auto& p : monitoring.graph().points()) {
            EXPECT_GE(p.x, time.low);
            EXPECT_LE(p.x, time.high);
        }
        EXPECT_TRUE(monitoring.stopConfirmed());
    }
}

// The line is pulled during a run and put back: after "Communication Port
// Resumed" every cycle (a tick of the monitoring timer) gets exactly one
// record, each with a time of its own.
TEST(MonitoringJourney, EveryCycleAfterThePortReturnsHasOneRecord) {
    QTemporaryDir dir;
    const QString link = dir.filePath("line");
    auto sim = std::make_unique<test::SimProcess>();
    ASSERT_TRUE(sim->start({"--link", link}));
    Shell shell;
    BoxAnswerer yes(QMessageBox::Yes);
    ASSERT_TRUE(shell.stack().connection().connectDevice(link));
    TMonitoringPage& page = PageOf(*shell.form);
    MonitoringEngine& monitoring = shell.stack().monitoring();
    SetFastRun(page);
    const QRegularExpression record("^\\d{6} (\\d{6}) ");
    QStringList events;  // "tick", or the time of a record
    bool resumed = false;
    QObject::connect(&monitoring.monitorTimer(), &QTimer::timeout, [&] {
        if (resumed) events << QStringLiteral("tick");
    });
    std::vector<double> moments;  // of the reading behind each record, to the millisecond
    QObject::connect(&monitoring, &MonitoringEngine::recordWritten, [&](const QString& line) {
        const QRegularExpressionMatch m = record.match(line);
        if (!resumed || !m.hasMatch()) return;
        events << m.captured(1);
        moments.push_back(monitoring.graph().points().back().x);
    });
    QObject::connect(&monitoring, &MonitoringEngine::portLostChanged, [&](bool lost) {
        if (!lost && monitoring.active()) resumed = true;
    });
    QTest::mouseClick(page.MonStartBtn, Qt::LeftButton);
    ASSERT_TRUE(SpinUntil([&] { return monitoring.graph().points().size() >= 2; }, 10000));
    sim->terminate();
    ASSERT_TRUE(SpinUntil([&] { return monitoring.portLost(); }, 10000));
    test::Spin(1500);
    sim = std::make_unique<test::SimProcess>();
    ASSERT_TRUE(sim->start({"--link", link}));
    ASSERT_TRUE(SpinUntil([&] { return resumed; }, 10000));
    ASSERT_TRUE(SpinUntil([&] { return events.count(QStringLiteral("tick")) >= 6; }, 15000));
    EXPECT_TRUE(monitoring.stopConfirmed());
    const QString seen = events.join(QLatin1Char(' '));
    // Records may come before the first tick (the cycle of the return
    // itself); from the first tick on, ticks and records alternate.
    const qsizetype first = events.indexOf(QStringLiteral("tick"));
    for (qsizetype i = first; i + 1 < events.size(); i += 2) {
        EXPECT_EQ(events[i], "tick") << seen.toStdString();
        EXPECT_NE(events[i + 1], "tick") << seen.toStdString();
    }
    // Each record has a reading of its own: one reading written twice would
    // repeat its moment. (Seconds alone may repeat on a loaded machine, when a
    // late tick and the next one fall into the same second.)
    for (size_t i = 1; i < moments.size(); ++i)
        EXPECT_LT(moments[i - 1], moments[i]) << seen.toStdString();
}

}  // namespace
}  // namespace lmk17
