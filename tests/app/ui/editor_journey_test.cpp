// The linearization editor as a technician meets it from the main window:
// points loaded or typed, OK, the editor opened again, the graph views, and
// the operations that follow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "config/config_model.h"
#include "linearization/lin_editor.h"
#include "linearization/ui/graph_form.h"
#include "linearization/ui/linear_form.h"
#include "linearization/ui/point_grid_widget.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "link/ui/prubeh_form.h"
#include "main_window_rig.h"
#include "operations/transmitter_session.h"
#include "ptf_files.h"
#include "stack/transmitter_stack.h"
#include "support/sim_fixture.h"

namespace lmk17 {
namespace {

using test::BoxAnswerer;
using test::Shell;
using test::SpinUntil;

const char kPendingLin[] = "There were changes in the table of points for linearization";
const char kSaveNow[] = "Do you want to save parameters to file now?";

// A point file of the R74 range (mA in, percent out) with `points` points,
// each off a straight line by `zigzag` alternately.
QString WriteLinFile(const QString& path, int points, double zigzag = 0.5) {
    QByteArray text = "[type]\r\ninput_range=74\r\nVERSION= Lin-1.0 \r\n[Linearization]\r\n";
    text += "LinPointsNum=" + QByteArray::number(points) + "\r\nDisplay_Configuration=1\r\n";
    for (int i = 1; i <= points; ++i) {
        const double x = 4.0 + 16.0 * (i - 1) / (points - 1);
        const double y = 100.0 * (i - 1) / (points - 1) + (i % 2 ? zigzag : 0.0);
        const QByteArray n = QByteArray::number(i).rightJustified(2, '0');
        text += "LinPoint_X" + n + "=" + QByteArray::number(x) + "\r\n";
        text += "LinPoint_Y" + n + "=" + QByteArray::number(y) + "\r\n";
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(text);
    return path;
}

// The main window with a configuration whose range takes a customer
// linearization, on the software transmitter.
struct EditorJourney : ::testing::Test {
    test::InProcessSim sim;
    Shell shell;
    TMainForm& f = *shell.form;

    void SetUp() override {
        ASSERT_TRUE(shell.stack().connection().connectDevice(sim.devicePath()));
        const QString ptf = shell.home.filePath("customer.ptf");
        ASSERT_TRUE(test::WriteCustomerLinearizationPtf(ptf));
        BoxAnswerer ok(QMessageBox::Ok);
        f.loadCommandLineFiles({ptf});
        ASSERT_TRUE(shell.stack().model().allowsLinearization());
    }
    // Presses the Input page's "Linearization" and runs `inEditor` once on
    // the editor while it shows; an editor still open afterwards is
    // cancelled. False when the editor did not show.
    bool inEditor(const std::function<void(TLinearForm&)>& steps) {
        bool ran = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* form = qobject_cast<TLinearForm*>(QApplication::activeModalWidget());
            if (!form || ran) return;
            ran = true;
            steps(*form);
            if (form->isVisible()) form->reject();
        });
        driver.start(10);
        auto* button = f.findChild<QPushButton*>(QStringLiteral("LinearBtn"));
        if (!button) return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return ran;
    }
    bool running() { return shell.stack().engine().operation().running(); }
    int points() { return shell.stack().linEditor().data().LinPoints.count; }
    // Loads a point file in the editor and leaves it with OK.
    void loadPointsAndOk(const QString& lin) {
        BoxAnswerer no(QMessageBox::No);  // approximate now? No
        ASSERT_TRUE(inEditor([&](TLinearForm& e) {
            e.setFileNameHook([&](bool) { return lin; });
            e.LoadMnuClick();
            e.OkBtnClick();
        }));
    }
};

// Load a point file, OK: the progress window of the load is still the main
// window's, the editor opened again shows the points, and a Read shows its
// progress and completes.
TEST_F(EditorJourney, LoadedPointsAndTheProgressWindowOutliveTheEditor) {
    const QString lin = WriteLinFile(shell.home.filePath("six.lin"), 6);
    QPointer<TPrubehForm> progress = f.PrubehForm();
    {
        BoxAnswerer no(QMessageBox::No);  // approximate now? No
        ASSERT_TRUE(inEditor([&](TLinearForm& e) {
            e.setFileNameHook([&](bool) { return lin; });
            e.LoadMnuClick();
            e.OkBtnClick();
            EXPECT_FALSE(e.isVisible());
        }));
        EXPECT_EQ(no.count(kPendingLin), 1) << no.texts.join('|').toStdString();
    }
    int points = -1;
    QString firstX;
    ASSERT_TRUE(inEditor([&](TLinearForm& e) {
        points = e.editor().data().LinPoints.count;
        firstX = e.findChild<PointGridWidget*>(QStringLiteral("LnTStrGrd"))->rows().at(0).x;
    }));
    EXPECT_EQ(points, 6);
    EXPECT_EQ(firstX.trimmed(), "4");
    ASSERT_TRUE(progress) << "the progress window went with the editor";
    EXPECT_EQ(progress->parentWidget(), &f);

    BoxAnswerer yes(QMessageBox::Yes);
    QTest::mouseClick(f.PrevodnikLoadBtn, Qt::LeftButton);
    ASSERT_TRUE(running());
    EXPECT_TRUE(SpinUntil([&] { return progress && progress->isVisible(); }, 5000));
    ASSERT_TRUE(SpinUntil([&] { return !running(); }, 20000));
    EXPECT_EQ(shell.stack().session().lastOutcome(), OperationOutcome::Completed);
}

// The points of an OK stay with the configuration they were made for while
// it stands; cancelling the editor, or a read, a load or the defaults of the
// configuration empty them. (Another range: the editor's own test.)
TEST_F(EditorJourney, PointTablesLiveUntilCancelledOrTheConfigurationIsReplaced) {
    const QString lin = WriteLinFile(shell.home.filePath("six.lin"), 6);
    const QString ptf = shell.home.filePath("customer.ptf");
    struct Road {
        const char* name;
        std::function<void()> walk;
        int pointsAfter;
    };
    const Road roads[] = {
        {"opened again, OK", [&] { inEditor([](TLinearForm& e) { e.OkBtnClick(); }); }, 6},
        {"opened and cancelled", [&] { inEditor([](TLinearForm& e) { e.reject(); }); }, 0},
        {"Load",
         [&] {
             BoxAnswerer yes(QMessageBox::Yes);
             yes.file = ptf;
             QTest::mouseClick(f.DiskLoadBtn, Qt::LeftButton);
         },
         0},
        {"Read",
         [&] {
             BoxAnswerer yes(QMessageBox::Yes);
             QTest::mouseClick(f.PrevodnikLoadBtn, Qt::LeftButton);
             ASSERT_TRUE(SpinUntil([&] { return !running(); }, 20000));
         },
         0},
        {"Set Default Configuration",
         [&] {
             BoxAnswerer yes(QMessageBox::Yes);
             f.ZaklKonfigMnu->trigger();
         },
         0},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        {
            BoxAnswerer yes(QMessageBox::Yes);
            f.loadCommandLineFiles({ptf});
        }
        loadPointsAndOk(lin);
        ASSERT_EQ(points(), 6);
        road.walk();
        EXPECT_EQ(points(), road.pointsAfter);
    }
}

// The command line's configuration and point file: the points of its OK are
// there when the editor opens again.
TEST_F(EditorJourney, CommandLinePointsOutliveTheirEditor) {
    const QString lin = WriteLinFile(shell.home.filePath("six.lin"), 6);
    {
        BoxAnswerer no(QMessageBox::No);
        QTimer ok;
        QObject::connect(&ok, &QTimer::timeout, [] {
            if (auto* e = qobject_cast<TLinearForm*>(QApplication::activeModalWidget()))
                e->OkBtnClick();
        });
        ok.start(10);
        f.loadCommandLineFiles({shell.home.filePath("customer.ptf")}, {lin});
    }
    QString firstX;
    int shown = -1;
    ASSERT_TRUE(inEditor([&](TLinearForm& e) {
        firstX = e.findChild<PointGridWidget*>(QStringLiteral("LnTStrGrd"))->rows().at(0).x;
        shown = points();
    }));
    EXPECT_EQ(firstX.trimmed(), "4");
    EXPECT_EQ(shown, 6);
}

// A point file named on the command line that is not there says so, as
// data not loaded: the configuration itself was.
TEST_F(EditorJourney, MissingCommandLinePointFileSaysDataWasNotLoaded) {
    const QString missing = shell.home.filePath("gone.lin");
    BoxAnswerer boxes(QMessageBox::Ok);
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto* e = qobject_cast<TLinearForm*>(QApplication::activeModalWidget())) e->reject();
    });
    cancel.start(10);
    f.loadCommandLineFiles({shell.home.filePath("customer.ptf")}, {missing});
    EXPECT_EQ(
        boxes.count(QStringLiteral("Data was not loaded, file: '%1' not found.").arg(missing)), 1)
        << boxes.texts.join('|').toStdString();
    EXPECT_EQ(points(), 0);
}

// The approximation graph switched to the error graph and back, again and
// again: every axis keeps a handful of ticks and the window answers.
TEST_F(EditorJourney, GraphViewSwitchesKeepTheAxesBounded) {
    // Errors of a few percent: a wrong order of calls then gives hundreds of
    // ticks (it would be millions with a near-exact fit, and hang the test).
    const QString lin = WriteLinFile(shell.home.filePath("zigzag.lin"), 21, 4.0);
    BoxAnswerer no(QMessageBox::No);
    int most = 0, shown = 0;
    ASSERT_TRUE(inEditor([&](TLinearForm& e) {
        e.setFileNameHook([&](bool) { return lin; });
        e.setGraphRunner([&](TGraphForm& g) {
            g.show();
            test::TickWatch watch(*g.plot(), 200);
            auto* error = g.findChild<QPushButton*>(QStringLiteral("ErrorBtn"));
            for (int i = 0; i < 4; ++i) {
                QTest::mouseClick(error, Qt::LeftButton);
                g.plot()->grab();  // lays the axes out as a paint does
                ++shown;
            }
            most = watch.most();
            g.hide();
        });
        e.LoadMnuClick();
        e.LinApproxBtnClick();
    }));
    EXPECT_EQ(shown, 4);
    EXPECT_GE(most, 2);
    EXPECT_LE(most, 30);
}

// Points typed, OK, "save now?" Yes: the pending-approximation question was
// asked once (by OK), the file is written and the editor stays open.
TEST_F(EditorJourney, OkThenSaveNowAsksThePendingQuestionOnce) {
    const QString saved = shell.home.filePath("typed.lin");
    BoxAnswerer boxes(QMessageBox::No);
    boxes.answers = {{kSaveNow, QMessageBox::Yes}};
    bool openAfterSave = false;
    ASSERT_TRUE(inEditor([&](TLinearForm& e) {
        e.setFileNameHook([&](bool) { return saved; });
        auto* grid = e.findChild<PointGridWidget*>(QStringLiteral("LnTStrGrd"));
        const char* cells[][2] = {{"4", "0"}, {"12", "50"}, {"20", "100"}};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column)
                grid->setCellText(row, column, QString::fromLatin1(cells[row][column]));
        e.editor().markLinGridEdited();
        e.OkBtnClick();
        openAfterSave = e.isVisible();
    }));
    EXPECT_EQ(boxes.count(kPendingLin), 1) << boxes.texts.join('|').toStdString();
    EXPECT_EQ(boxes.count(kSaveNow), 1);
    EXPECT_TRUE(openAfterSave);
    EXPECT_TRUE(QFile::exists(saved));
}

}  // namespace
}  // namespace lmk17
