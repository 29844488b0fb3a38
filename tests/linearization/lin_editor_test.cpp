#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/config_model.h"
#include "config/defaults.h"
#include "config/transmitter_config.h"
#include "config/validation_model.h"
#include "linearization/grid_clipboard.h"
#include "linearization/lin_editor.h"
#include "linearization/lin_graph_view.h"
#include "support/builders.h"
#include "support/scripted_interaction.h"

using namespace lmk17;
using lmk17::test::ScriptedInteraction;

namespace {

using test::CustomerConfig;

std::vector<GridRow> Rows(std::initializer_list<GridRow> rows) {
    return rows;
}

// Eight points of a gentle curve on R91 (ohm to degrees).
std::vector<GridRow> R91Rows() {
    std::vector<GridRow> rows;
    for (int i = 0; i < 8; ++i) {
        const double x = 20 + 45 * i;
        rows.push_back({QString::number(x), QString::number(2.6 * x - 260 + 0.0005 * x * x)});
    }
    return rows;
}

struct Editor : ::testing::Test {
    LinEditor editor;
    ScriptedInteraction ui;
    GridCell bad;

    void Open(int code) { editor.open(CustomerConfig(code), FindRange(code)); }
};

}  // namespace

// The grid rules a technician meets while typing points.
TEST_F(Editor, GridReadsByTheTable) {
    struct Case {
        const char* name;
        int code;
        bool cjc;
        std::vector<GridRow> rows;
        bool ok;
        int points;
        QString message;  // start of the message shown, if any
    };
    const Case cases[] = {
        {"empty X with a Y is skipped; empty Y reads 0",
         91,
         false,
         Rows({{"", "5"}, {" 12,5 ", ""}, {"10", "1"}}),
         true,
         2,
         {}},
        {"X below the range start", 91, false, Rows({{"5", "1"}, {"-20", "0"}}), false, 0,
         "Incorrect format of the value in row n.2 and column n.1"},
        {"unparsable Y", 91, false, Rows({{"5", "1x"}}), false, 0,
         "Incorrect format of the value in row n.1 and column n.2"},
        {"CJ X of 160 degrees", 95, true, Rows({{"20", "1"}, {"160", "2"}}), false, 0,
         "Value in row n.2 and column n.1 is out of range < -55, 155 > °C"},
        {"CJ X within range", 95, true, Rows({{"-55", "1"}, {"155", "2"}}), true, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.code);
        ui.shown.clear();
        bool ok;
        if (c.cjc) {
            editor.markCjcGridEdited();
            ok = editor.readCjcGrid(c.rows, ui, &bad);
        } else {
            editor.markLinGridEdited();
            ok = editor.readLinGrid(c.rows, ui, &bad);
        }
        EXPECT_EQ(ok, c.ok);
        if (ok) {
            EXPECT_EQ(c.cjc ? editor.data().CJCPoints.count : editor.data().LinPoints.count,
                      c.points);
            EXPECT_TRUE(ui.shown.empty());
        } else {
            ASSERT_FALSE(ui.shown.empty());
            EXPECT_TRUE(ui.last().startsWith(c.message)) << ui.last().toStdString();
        }
    }
    // A failed read keeps the mark, so OK and Save read (and refuse) again.
    Open(91);
    editor.markLinGridEdited();
    EXPECT_FALSE(editor.readLinGrid(Rows({{"-20", "0"}}), ui, &bad));
    EXPECT_TRUE(editor.linGridEdited());
    EXPECT_EQ(bad.row, 1);
}

// The questions of OK come in their order, and each Yes keeps the editor open
// with the action to run.
TEST_F(Editor, OkQuestionsInOrder) {
    using Step = LinEditor::OkStep;
    struct Case {
        const char* name;
        int code;
        bool linPending, cjcPending, rtdPending;
        int decimals;
        std::deque<bool> answers;
        Step step;
        QStringList asked;
    };
    const QString lin = LinEditor::pendingLinQuestion(), cjc = LinEditor::pendingCjcQuestion(),
                  rtd = LinEditor::pendingRtdQuestion(), range = LinEditor::displayRangeQuestion(),
                  save = LinEditor::saveQuestion();
    const Case cases[] = {
        {"lin pending, Yes", 95, true, true, false, 0, {true}, Step::ApproximateLin, {lin}},
        {"lin No, cjc Yes",
         95,
         true,
         true,
         false,
         0,
         {false, true},
         Step::ApproximateCjc,
         {lin, cjc}},
        {"rtd Yes", 91, false, false, true, 0, {true}, Step::CalculateRtd, {rtd}},
        {"1 decimal, YEnd 1010: range question",
         91,
         false,
         false,
         false,
         1,
         {true},
         Step::KeepOpen,
         {range}},
        {"0 decimals, YEnd 1010 fits", 91, false, false, false, 0, {false}, Step::Close, {save}},
        {"all No, then save asked",
         95,
         true,
         true,
         false,
         1,
         {false, false, false, true},
         Step::Save,
         {lin, cjc, range, save}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.code);
        // Points so that the save question applies, and PV limits up to 1010.
        editor.markLinGridEdited();
        ASSERT_TRUE(editor.readLinGrid(Rows({{"10", "0"},
                                             {"20", "200"},
                                             {"30", "400"},
                                             {"40", "600"},
                                             {"50", "800"},
                                             {"60", "1000"}}),
                                       ui, &bad));
        if (!c.linPending) editor.approximateLinearization({}, ui, &bad);
        if (!c.cjcPending && c.code == 95) editor.clearCjcTable();
        if (c.cjcPending) editor.markCjcGridEdited();
        if (c.rtdPending) editor.markRtdEdited();
        editor.setDecimalPlaces(c.decimals);
        ui.shown.clear();
        ui.answers = c.answers;
        EXPECT_EQ(editor.okStep(ui), c.step);
        EXPECT_EQ(ui.texts(), c.asked);
    }
}

// Cancel, Esc and the close box: the working record is not committed and
// both point tables are emptied, committed points of an earlier session too.
TEST_F(Editor, CancelEmptiesThePointTables) {
    Open(95);
    editor.markLinGridEdited();
    ASSERT_TRUE(editor.readLinGrid(
        Rows({{"10", "0"}, {"20", "200"}, {"30", "400"}, {"40", "600"}, {"50", "800"}}), ui, &bad));
    ASSERT_TRUE(editor.approximateLinearization({}, ui, &bad));
    TransmitterConfig config = CustomerConfig(95);
    EXPECT_TRUE(editor.commit(config));
    const LinPom committed = editor.pom();

    editor.open(config, FindRange(95));
    EXPECT_FALSE(editor.unsavedChanges());
    EXPECT_FALSE(editor.commit(config));  // OK without changes changes nothing
    EXPECT_GT(editor.data().LinPoints.count, 0);
    editor.markCjcGridEdited();
    ASSERT_TRUE(editor.readCjcGrid({{"0", "0"}, {"50", "2"}}, ui, &bad));
    editor.setDecimalPlaces(2);
    ui.answers = {false};
    EXPECT_FALSE(editor.cancel(ui));  // No: stays open, unchanged
    EXPECT_EQ(editor.data().CJCPoints.count, 2);
    EXPECT_EQ(ui.last(), LinEditor::cancelQuestion());
    ui.answers = {true};
    EXPECT_TRUE(editor.cancel(ui));
    EXPECT_EQ(editor.data().LinPoints.count, 0);
    EXPECT_EQ(editor.data().CJCPoints.count, 0);
    EXPECT_EQ(editor.pom(), committed);
    EXPECT_FALSE(editor.linPointsPending() || editor.cjcPointsPending());
}

TEST_F(Editor, PendingFlagsFollowTheCommands) {
    Open(95);
    int notices = 0;
    QObject::connect(&editor, &LinEditor::changed, [&] { ++notices; });
    editor.markCjcGridEdited();
    EXPECT_TRUE(editor.cjcPointsPending());
    EXPECT_EQ(notices, 1);
    editor.markCjcGridEdited();  // nothing new
    EXPECT_EQ(notices, 1);
    editor.clearCjcTable();  // clearing drops the table's pending flag
    EXPECT_FALSE(editor.cjcPointsPending());
    EXPECT_FALSE(editor.approximateCjc({}, ui, &bad));
    EXPECT_EQ(ui.last(), QString::fromLatin1(kCjcTooFewPoints));

    // Save and load: the file's points are pending again, nothing unsaved.
    Open(91);
    editor.markLinGridEdited();
    ASSERT_TRUE(editor.readLinGrid(R91Rows(), ui, &bad));
    ASSERT_TRUE(editor.approximateLinearization({}, ui, &bad));
    QTemporaryDir dir;
    const QString path = dir.filePath("a.lin");
    ASSERT_TRUE(editor.save(path, ui));
    EXPECT_FALSE(editor.unsavedChanges());
    Open(91);
    ASSERT_TRUE(editor.load(path, ui));
    EXPECT_TRUE(editor.loadedFromFile());
    EXPECT_TRUE(editor.linPointsPending());
    ui.shown.clear();
    ui.answers = {false};
    editor.okStep(ui);
    EXPECT_EQ(ui.texts().value(0), LinEditor::pendingLinQuestion());
    // An approximation of loaded points is no change of its own.
    ASSERT_TRUE(editor.approximateLinearization({}, ui, &bad));
    EXPECT_FALSE(editor.unsavedChanges());
    EXPECT_FALSE(editor.load(dir.filePath("missing.lin"), ui));
    EXPECT_EQ(ui.shown.back().kind, MessageKind::Error);
}

// The CJ grid shows temperatures through one cubic and reads them back
// through another: unchanged cells must keep their stored ohms.
TEST_F(Editor, CjcGridKeepsUnchangedCellsAndReadsBeforeAUnitChange) {
    Open(95);
    editor.markCjcGridEdited();
    ASSERT_TRUE(editor.readCjcGrid(Rows({{"-55", "-2"}, {"20", "0.5"}, {"155", "6"}}), ui, &bad));
    const CjcPointTable stored = editor.data().CJCPoints;
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<GridRow> shown = editor.cjcRows();
        shown[1].y = " 0.75";  // another cell edited
        editor.markCjcGridEdited();
        ASSERT_TRUE(editor.readCjcGrid(shown, ui, &bad)) << ui.last().toStdString();
    }
    EXPECT_EQ(editor.data().CJCPoints[0], stored[0]);
    EXPECT_EQ(editor.data().CJCPoints[2], stored[2]);
    EXPECT_DOUBLE_EQ(editor.data().CJCPoints[1].y, 0.00075);

    // A typed value is read in the unit it was typed in; a failed read keeps the unit.
    std::vector<GridRow> typed = editor.cjcRows();
    typed.push_back({"100", "4"});
    editor.markCjcGridEdited();
    ASSERT_TRUE(editor.setCjcXUnit(1, typed, ui, &bad));
    EXPECT_NEAR(editor.data().CJCPoints[2].x, CjcCelsiusToOhm(100), 1e-9);  // sorted in
    typed = editor.cjcRows();
    typed.push_back({"abc", "1"});
    editor.markCjcGridEdited();
    EXPECT_FALSE(editor.setCjcXUnit(0, typed, ui, &bad));
    EXPECT_EQ(editor.pom().CjcXUnit, 1);

    // The full table refuses one more point from the plot.
    std::vector<GridRow> full(20, {"20", "1"});
    EXPECT_FALSE(LinEditor::addCoordinates(full, 20, {1000, 1}, ui));
    EXPECT_EQ(ui.last(), "Cannot add point to the table, table is full.");
    full[7] = {" ", ""};
    EXPECT_EQ(LinEditor::addCoordinates(full, 20, {1000.5, 1}, ui), 7);
    EXPECT_EQ(full[7].x, " 1000.5");
}

// The graph names the points of the minimum and maximum error even after the
// table was re-sorted by a point added from the open graph.
TEST_F(Editor, GraphViewsAndErrorPoints) {
    Open(91);
    editor.markLinGridEdited();
    ASSERT_TRUE(editor.readLinGrid(R91Rows(), ui, &bad));
    ASSERT_TRUE(editor.approximateLinearization({}, ui, &bad));
    const ApproximationErrors e = editor.errors();
    const XYPoint maxPoint = editor.data().LinPoints[e.maxIndex - 1];
    EXPECT_EQ(e.maxPoint, maxPoint);
    std::vector<GridRow> rows = editor.linRows();
    rows.insert(rows.begin(), {"1", "-257"});
    editor.markLinGridEdited();
    ASSERT_TRUE(editor.readLinGrid(rows, ui, &bad));
    EXPECT_EQ(editor.errors().maxPoint, maxPoint);

    const LinData& d = editor.data();
    const int r = FindRange(91);
    const auto approx = BuildLinGraph(d, r, false, LinGraphView::Approximation, e, {});
    EXPECT_EQ(approx.caption, " Approximation Graph");
    EXPECT_TRUE(approx.showPoints && approx.showCurve && !approx.showErrors && approx.errorPart);
    EXPECT_LE(approx.y.low, d.pom.YStart());
    EXPECT_TRUE(approx.xCaption.endsWith("[Ohm]"));
    const auto error = BuildLinGraph(d, r, false, LinGraphView::Error, e, {});
    EXPECT_EQ(error.errorButton, "Approximation Graph");
    EXPECT_FALSE(error.addCoordinates);
    EXPECT_GE(error.y.span(), 0.0002);
    const auto plain = BuildLinGraph(d, r, false, LinGraphView::Plain, {}, " Linearization Graph");
    EXPECT_FALSE(plain.showPoints || plain.errorPart);
    EXPECT_EQ(plain.caption, " Linearization Graph");

    // An exact two-point CJ fit has zero errors: the error axis still opens.
    Open(95);
    editor.markCjcGridEdited();
    ASSERT_TRUE(editor.approximateCjc(Rows({{"0", "0"}, {"100", "4"}}), ui, &bad));
    const auto cjcError =
        BuildLinGraph(editor.data(), FindRange(95), true, LinGraphView::Error, editor.errors(), {});
    EXPECT_GT(cjcError.y.span(), 0.0);
    EXPECT_TRUE(cjcError.xCaption.endsWith("[°C]"));

    EXPECT_EQ(PointMarkerSize({600, 300}), QSize(9, 6));
    EXPECT_EQ(PointMarkerSize({50, 2000}), QSize(5, 10));  // a cross, never a dot
}

// Two columns from a spreadsheet paste whatever its separator and decimal
// mark; copying gives the same format back.
TEST(GridClipboard, PasteAndCopy) {
    struct Case {
        const char* text;
        std::vector<GridRow> rows;
    };
    const Case cases[] = {
        {"1.5\t2.5\r\n3\t4\r\n", {{"1.5", "2.5"}, {"3", "4"}}},
        {"X;Y\n1,5;2,5\n\n 3 ; 4 \n", {{"1,5", "2,5"}, {"3", "4"}}},  // heading, blank line
        {"1,5\t-2,25\t9\n7\n", {{"1,5", "-2,25"}, {"7", ""}}},        // extra and missing columns
        {"Ohm\t°C\nabc\t1\n", {{"abc", "1"}}},  // only the first line can be a heading
        // A later line of words is a bad row, kept so that the grid check names it.
        {"1\t2\nn/a\tn/a\n", {{"1", "2"}, {"n/a", "n/a"}}},
    };
    for (const Case& c : cases) {
        const std::vector<GridRow> rows = ParsePastedRows(QString::fromUtf8(c.text));
        ASSERT_EQ(rows.size(), c.rows.size()) << c.text;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].x, c.rows[i].x) << c.text;
            EXPECT_EQ(rows[i].y, c.rows[i].y) << c.text;
        }
    }
    const std::vector<GridRow> shown = {{" 1.5", " 2.5"}, {"", ""}, {" 3", " 0"}};
    const QString copied = CopiedRowsText(shown);
    EXPECT_EQ(copied, "1.5\t2.5\n3\t0\n");
    EXPECT_EQ(ParsePastedRows(copied).size(), 2u);
}

// The point tables live from one editor session to the next on the same
// range, and start empty on another range, whose X values they would not fit.
TEST_F(Editor, PointTablesLiveOnTheirRange) {
    struct Case {
        int reopenedOn;
        int points;
    };
    for (const Case& c : {Case{91, int(R91Rows().size())}, Case{92, 0}}) {
        SCOPED_TRACE(c.reopenedOn);
        LinEditor fresh;
        fresh.open(CustomerConfig(91), FindRange(91));
        fresh.markLinGridEdited();
        ASSERT_TRUE(fresh.readLinGrid(R91Rows(), ui, &bad));
        TransmitterConfig config = CustomerConfig(91);
        fresh.commit(config);
        fresh.open(CustomerConfig(c.reopenedOn), FindRange(c.reopenedOn));
        EXPECT_EQ(fresh.data().LinPoints.count, c.points);
    }
}

// OK in the editor adopted the record as after a read: a measuring range or
// an enabled comparator level outside the new table's PV range made it
// "corrupt", and the defaults replaced the linearization just made.
TEST(EditorCommit, ValuesOutsideTheNewTableAreTheUsersToCorrect) {
    struct Case {
        const char* name;
        double pvTop;  // the points' largest PV
        bool adoptedWhole;
    };
    const Case cases[] = {
        {"the range still fits", 500, true},
        {"the range reaches past the new PV range", 150, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        ConfigModel model(ui);
        model.edit().identity().typeIndex = FindType(QStringLiteral("K8620L31"));
        model.edit().identity().firmwareIndex = FindFirmware(191);
        model.edit().identity().rangeIndex = FindRange(91);
        ASSERT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                                  model.identity().firmwareIndex));
        ASSERT_TRUE(ApplyRangeDefaults(model.edit().config(), FindRange(91)));
        ASSERT_FALSE(model.RefreshFromConfig());
        const double upper = model.config().UpperRangeValue;  // 400

        LinEditor editor;
        ASSERT_TRUE(editor.open(model));
        GridCell bad;
        editor.markLinGridEdited();
        const QString top = QString::number(c.pvTop);
        ASSERT_TRUE(editor.readLinGrid(
            Rows({{"0", "0"}, {"100", "50"}, {"200", "100"}, {"300", top}}), ui, &bad));
        ASSERT_TRUE(editor.approximateLinearization({}, ui, &bad));
        ui.shown.clear();
        editor.commit(model);

        EXPECT_EQ(model.config().LinSegTable, editor.pom().LinSegTable) << "the table is kept";
        EXPECT_EQ(model.config().UpperRangeValue, upper) << "nothing changed behind the user";
        ASSERT_EQ(ui.texts().size(), c.adoptedWhole ? 0u : 1u)
            << ui.texts().join('|').toStdString();
        if (!c.adoptedWhole) {
            EXPECT_TRUE(ui.last().startsWith(QStringLiteral("Some values")));
        }
        // The complete check before a write names what to correct.
        EXPECT_EQ(CheckAll(model).accepted, c.adoptedWhole);
    }
}
