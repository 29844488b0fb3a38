// The linearization editor and its graph window driven through their controls.
#include <QCategoryAxis>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "common/ui/plot_view.h"
#include "form_rig.h"
#include "linearization/lin_graph_view.h"
#include "support/cli_process.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

// Found by the words shown, whatever letter is the mnemonic.
QAction* MenuAction(TLinearForm& form, const QString& menu, const QString& text) {
    const auto shown = [](QString t) { return t.remove(QLatin1Char('&')); };
    for (QAction* m : form.findChild<QMenuBar*>()->actions())
        if (shown(m->text()) == menu)
            for (QAction* a : m->menu()->actions())
                if (shown(a->text()) == text) return a;
    ADD_FAILURE() << text.toStdString();
    return nullptr;
}

}  // namespace

TEST_F(Form, RtdConstantsToGraph) {
    Open(91);
    auto* pages = Find<QTabWidget>(form, "Pages");
    EXPECT_TRUE(pages->isTabVisible(2));                           // RTD page on R91
    EXPECT_FALSE(pages->isTabVisible(1));                          // no CJ page
    EXPECT_FALSE(pages->isTabVisible(3));                          // the detail page stays hidden
    EXPECT_EQ(Find<QLineEdit>(form, "RtdR0Edt")->text(), " 100");  // standard sensor to start
    Click("RtdCalcBtn");
    ASSERT_EQ(graphs.size(), 1u) << ui.texts().join('|').toStdString();
    EXPECT_EQ(graphs[0].points.size(), 64u);
    EXPECT_TRUE(grid()->cellText(63, 1).startsWith(" 843.7656"));
    EXPECT_EQ(form.editor().pom().PvUnit, 32);
    // A field changed and left makes the calculation pending.
    auto* r0 = Find<QLineEdit>(form, "RtdR0Edt");
    pages->setCurrentIndex(2);
    r0->setFocus();
    r0->selectAll();
    QTest::keyClicks(r0, "1500");
    Find<QLineEdit>(form, "RtdAEdt")->setFocus();
    EXPECT_TRUE(form.editor().rtdPending());
    Click("RtdCalcBtn");  // above R91's 400 ohm: refused, nothing drawn
    EXPECT_EQ(graphs.size(), 1u);
    EXPECT_TRUE(ui.last().startsWith("Attention! Value R0 is bigger than upper limit"));
}

TEST_F(Form, CancelAsksAndEmptiesAndClearingAsksOnlyFromTheButton) {
    TransmitterConfig config = CustomerConfig(91);
    Open(91, config);
    Paste(PastedPoints());
    Click("LinApproxBtn");
    form.editor().commit(config);  // an earlier session ended with OK
    form.hide();
    Open(91, config);
    EXPECT_EQ(grid()->cellText(0, 0), " 20");

    ui.shown.clear();
    ui.answers = {false};
    Click("LinClearBtn");
    EXPECT_EQ(ui.texts(),
              QStringList{"Do you really want to clear the table of linearization points?"});
    EXPECT_EQ(form.editor().data().LinPoints.count, 12);
    ui.shown.clear();
    MenuAction(form, "Edit", "Clear the Table for Linearization")->trigger();
    EXPECT_TRUE(ui.shown.empty());  // the menu asks nothing
    EXPECT_EQ(grid()->cellText(0, 0), "");
    grid()->item(5, 0)->setText("7");
    EXPECT_TRUE(form.editor().unsavedChanges());
    ui.answers = {false};
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());  // No: stays, unchanged
    EXPECT_EQ(grid()->cellText(5, 0), "7");
    EXPECT_EQ(ui.last(), LinEditor::cancelQuestion());
    ui.answers = {true};
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.editor().data().LinPoints.count, 0);  // cancelled: no points kept

    Open(91, config);
    EXPECT_EQ(grid()->cellText(0, 0), "");
    EXPECT_EQ(grid()->cellText(5, 0), "");
}

// A file saved by the editor is the file the command line makes of the same points.
TEST_F(Form, SavedFileEqualsTheCommandLineFit) {
    Open(91);
    Paste(PastedPoints());
    ChooseUnit(QStringLiteral("°C"));
    QTest::mouseClick(Find<QRadioButton>(form, "DisplayRBtn1"), Qt::LeftButton);
    Click("LinApproxBtn");
    const QString ours = dir.filePath("editor.lin");
    form.setFileNameHook([&](bool save) { return save ? ours : QString(); });
    form.SaveMnuClick();
    EXPECT_EQ(ui.last(), "Data was saved without any errors.");
    EXPECT_FALSE(form.editor().unsavedChanges());

    QFile csv(dir.filePath("points.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(PastedPoints().replace(',', '.').replace('\t', ';').toUtf8());
    csv.close();
    const QString theirs = dir.filePath("cli.lin");
    const CliResult fit = RunCli({"lin", "fit", "--range", "R91", "--unit", "32", "--decimals", "1",
                                  "-o", theirs, csv.fileName()});
    ASSERT_EQ(fit.exitCode, 0) << fit.err.toStdString();
    QFile a(ours), b(theirs);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QStringList ourLines = QString::fromUtf8(a.readAll()).split('\n');
    const QStringList theirLines = QString::fromUtf8(b.readAll()).split('\n');
    EXPECT_EQ(ourLines.size(), theirLines.size());
    for (int i = 0; i < std::min(ourLines.size(), theirLines.size()); ++i)
        EXPECT_EQ(ourLines[i].toStdString(), theirLines[i].toStdString());

    // Loading it back: the points are pending approximation again.
    form.LinClearMnuClick();
    form.setFileNameHook([&](bool) { return theirs; });
    form.LoadMnuClick();
    EXPECT_EQ(form.editor().data().LinPoints.count, 12);
    EXPECT_TRUE(form.editor().linPointsPending());
}

// The graph window's views, its error labels and its popup entry.
TEST_F(Form, GraphViews) {
    ScriptedInteraction graphUi;
    Open(91);
    Paste(PastedPoints());
    Click("LinApproxBtn");
    TGraphForm graph(form.editor(), graphUi);
    graph.prepare(QString());
    graph.show();
    EXPECT_EQ(graph.windowTitle(), " Approximation Graph");
    // The point crosses follow the laid-out plot area, whatever size the
    // window opens or is set to (a stale small area made them 2-pixel dots).
    auto* plot = graph.findChild<PlotView*>(QStringLiteral("GraphPlot"));
    ASSERT_TRUE(plot);
    for (const QSize size : {QSize(720, 540), QSize(1080, 810), QSize(420, 300)}) {
        graph.resize(size);
        QTest::qWait(50);
        const QSize marker = PointMarkerSize(plot->plotAreaSize());
        for (QAbstractSeries* s : plot->chart()->series()) {
            auto* line = qobject_cast<QLineSeries*>(s);
            if (line && line->pointsVisible()) {
                EXPECT_EQ(line->markerSize(), std::max(marker.width(), marker.height()))
                    << size.width();
            }
        }
    }
    QTest::mouseClick(Find<QPushButton>(graph, "ErrorBtn"), Qt::LeftButton);
    EXPECT_EQ(graph.windowTitle(), " Approximation Error Graph");
    EXPECT_EQ(Find<QPushButton>(graph, "ErrorBtn")->text(), "Approximation Graph");
    EXPECT_TRUE(graph.content().showErrors);
    // Errors lie on both sides of zero: the zero tick reads as zero.
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        auto* ticks = qobject_cast<QCategoryAxis*>(plot->axis(o));
        ASSERT_TRUE(ticks);
        EXPECT_GE(ticks->count(), 2);
        for (const QString& label : ticks->categoriesLabels())
            EXPECT_FALSE(
                QRegularExpression(QStringLiteral("^-0[.]?0*\\W*$")).match(label).hasMatch())
                << qPrintable(label);
    }
    QTest::mouseClick(Find<QPushButton>(graph, "MaxLbl"), Qt::LeftButton);
    EXPECT_TRUE(graphUi.last().startsWith("Maximum error of approximation is at point [ "));
    EXPECT_GE(graph.minimumWidth(), 150);
    EXPECT_EQ(graph.minimumHeight(), 150);

    form.GraphLinMnuClick();  // from the menu: no points, no error part
    ASSERT_EQ(graphs.size(), 2u);
    EXPECT_EQ(graphs[1].caption, " Linearization Graph");
    EXPECT_FALSE(graphs[1].showPoints || graphs[1].errorPart);
}

// Screens for a person to look at: LMK17_SHOTS=<folder> saves every page and
// the three graph views as PNG files.
TEST_F(Form, Screens) {
    const QString shots = qEnvironmentVariable("LMK17_SHOTS");
    if (shots.isEmpty()) GTEST_SKIP() << "LMK17_SHOTS not set";
    QDir().mkpath(shots);
    const auto save = [&](QWidget& w, const QString& name) {
        QApplication::processEvents();
        QTest::qWait(200);
        w.grab().save(shots + "/h16-" + name + ".png");
    };
    Open(95);
    auto* pages = Find<QTabWidget>(form, "Pages");
    pages->setCurrentIndex(1);
    auto* cjc = Find<PointGridWidget>(form, "KPStrGrd");
    cjc->setRows({{"-20", "-0.8"}, {"0", "0"}, {"25", "1.0"}, {"60", "2.45"}, {"100", "4.1"}});
    form.editor().markCjcGridEdited();
    Click("CjcApproxBtn");
    save(form, "cjc-page");
    TGraphForm graph(form.editor(), ui);
    graph.prepare(QString());
    graph.show();
    save(graph, "graph-cjc-approximation");
    form.hide();
    Open(91);
    Paste(PastedPoints());
    Click("LinApproxBtn");
    save(form, "lin-page");
    pages->setCurrentIndex(2);
    save(form, "rtd-page");
    pages->setCurrentIndex(0);
    graph.prepare(QString());
    save(graph, "graph-approximation");
    QTest::mouseClick(Find<QPushButton>(graph, "ErrorBtn"), Qt::LeftButton);
    save(graph, "graph-error");
    form.editor().showPlainGraph(LinEditor::GraphPage::Linearization);
    graph.prepare(" Linearization Graph");
    save(graph, "graph-plain");
}
