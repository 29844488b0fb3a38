// The printed comparison: the rows a technician asked for, in the listing's
// order, with a summary that never calls two different records equal.
#include <gtest/gtest.h>

#include <QImage>

#include "reports/comparison_report.h"

namespace lmk17 {
namespace {

ConfigurationComparison sample() {
    ConfigurationComparison c;
    c.fields = {{"Tag", "TT-101", "TT-101"},
                {"Damping", "2.0 s", "5.0 s"},
                {"Working Time", "10 h", "12 h", false},
                {"Text Note", QString(200, QLatin1Char('x')), "pump 3"}};
    return c;
}

TEST(ComparisonReport, ListsTheRowsAskedForWithTheSummary) {
    QImage a4(2480, 3508, QImage::Format_Mono);  // A4 at 300 dpi
    a4.setDotsPerMeterX(11811);
    a4.setDotsPerMeterY(11811);
    ConfigurationComparison equal;
    equal.fields = {{"Tag", "A", "A"}};
    ConfigurationComparison stored = equal;
    stored.recordDifferences = {"Damping"};
    const struct {
        const char* name;
        ConfigurationComparison comparison;
        bool all;
        QStringList fields;  // first column under the header, in order
        QString summary;
    } cases[] = {
        {"differences only", sample(), false, {"Damping", "Text Note"}, "Fields that differ: 2."},
        {"all fields",
         sample(),
         true,
         {"Tag", "Damping", "Working Time", "Text Note"},
         "Fields that differ: 2."},
        {"equal", equal, false, {}, "The configurations are equal."},
        {"only the stored values differ",
         stored,
         false,
         {},
         "The listed values are equal; the stored values differ in: Damping."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList texts =
            LayoutComparison(a4, c.comparison, "This Configuration", "tt-101.ptf", c.all, 45000)
                .texts();
        ASSERT_GE(texts.size(), 6);
        EXPECT_TRUE(texts[0].startsWith("Date: "));
        EXPECT_EQ(texts[1].trimmed(), "Configuration Comparison");
        EXPECT_EQ(texts.mid(2, 3), (QStringList{"Field", "This Configuration", "tt-101.ptf"}));
        QStringList fields;
        for (qsizetype i = 5; i + 3 < texts.size(); i += 3) fields << texts[i];
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(texts.back(), c.summary);
        // A value too long for its column is cut, never run into the next.
        for (const QString& t : texts) EXPECT_LT(t.size(), 120);
    }
    // Each row: the field, this side's value, then the other's.
    const QStringList texts =
        LayoutComparison(a4, sample(), "This Configuration", "tt-101.ptf", false, 45000).texts();
    EXPECT_EQ(texts.mid(5, 3), (QStringList{"Damping", "2.0 s", "5.0 s"}));
}

}  // namespace
}  // namespace lmk17
