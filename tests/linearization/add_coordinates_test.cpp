// "Add Coordinates to the Table" from the plot, and the .lin fields that take
// only a few values: each rule at the edge where a wrong one shows.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "config/catalogue.h"
#include "linearization/lin_editor.h"
#include "linearization/lin_file.h"
#include "linearization/lin_record.h"
#include "linearization/lin_text.h"
#include "support/scripted_interaction.h"

namespace lmk17 {
namespace {

using test::ScriptedInteraction;

TEST(AddCoordinates, TakesTheFirstRowWithBothCellsEmpty) {
    const GridRow full{"20", "1"};
    const GridRow empty{"", ""};
    struct Case {
        const char* name;
        std::vector<GridRow> rows;
        int capacity;
        std::optional<int> row;
    } cases[] = {
        {"an empty grid", {}, 20, 0},
        {"a short grid", {full, full}, 20, 2},
        {"X only is not empty", {{"5", ""}, empty}, 4, 1},
        {"Y only is not empty", {{"", "7"}, empty}, 4, 1},
        {"blanks are empty", {{" ", "  "}, full}, 4, 0},
        {"the last row", {full, full, full, empty}, 4, 3},
        {"a gap before the end", {full, empty, full, empty}, 4, 1},
        {"full", {full, full, full, full}, 4, std::nullopt},
        {"full with one cell each", {{"1", ""}, {"", "2"}}, 2, std::nullopt},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        const std::vector<GridRow> before = c.rows;
        const std::optional<int> row =
            LinEditor::addCoordinates(c.rows, c.capacity, {12.5, -3}, ui);
        EXPECT_EQ(row, c.row);
        ASSERT_GE(c.rows.size(), size_t(c.capacity));
        for (int i = 0; i < c.capacity; ++i) {
            if (row && i == *row) {
                EXPECT_EQ(c.rows[size_t(i)].x, FieldText(12.5));
                EXPECT_EQ(c.rows[size_t(i)].y, FieldText(-3));
            } else if (size_t(i) < before.size()) {
                EXPECT_EQ(c.rows[size_t(i)].x, before[size_t(i)].x) << "row " << i;
                EXPECT_EQ(c.rows[size_t(i)].y, before[size_t(i)].y) << "row " << i;
            }
        }
        if (row) {
            EXPECT_TRUE(ui.shown.empty());
        } else {
            EXPECT_EQ(ui.last(), "Cannot add point to the table, table is full.");
        }
    }
}

// Display_Configuration takes 0..2 decimal places, the RTD characterization
// Type its three methods 0..2; anything else refuses the file.
TEST(LinFileFields, SmallIntegerFieldsAtTheirEnds) {
    const int index = FindRange(91);
    LinData d;
    Default2LinPom(d, index, true);
    d.pom.HasRtd = true;
    d.pom.SetDecimalPlaces(1);
    d.pom.RtdMethod = 1;
    d.pom.RtdA = 100;
    d.pom.RtdR0 = 100;
    for (int i = 0; i < 3; ++i) d.LinPoints.Append(100 + i * 50.0, i * 125.0);
    const QByteArray saved = LinToIni(d, index).toBytes();
    ASSERT_TRUE(saved.contains("\r\nDisplay_Configuration=1\r\n"));
    ASSERT_TRUE(saved.contains("\r\nType=1\r\n"));
    const struct {
        const char* from;
        const char* to;
        bool ok;
    } cases[] = {
        {"Display_Configuration=1", "Display_Configuration=0", true},
        {"Display_Configuration=1", "Display_Configuration=2", true},
        {"Display_Configuration=1", "Display_Configuration=3", false},
        {"Display_Configuration=1", "Display_Configuration=-1", false},
        {"\r\nType=1\r\n", "\r\nType=0\r\n", true},
        {"\r\nType=1\r\n", "\r\nType=2\r\n", true},
        {"\r\nType=1\r\n", "\r\nType=3\r\n", false},
        {"\r\nType=1\r\n", "\r\nType=-1\r\n", false},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("fields.lin");
    for (const auto& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(saved).replace(c.from, c.to));
        f.close();
        ScriptedInteraction ui;
        EXPECT_EQ(File2Lin(path, d, index, ui).ok, c.ok) << c.to;
    }
}

}  // namespace
}  // namespace lmk17
