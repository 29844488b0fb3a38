// The edit table that the checks, the messages and the pages share.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "config/edit_fields.h"
#include "config/validation_input.h"
#include "config/validation_texts.h"
#include "support/qt_printers.h"
#include "validation_fixture.h"

namespace lmk17 {
namespace {

using test::ValidationFixture;

// Each edit writes its own text of the view: two edits on one text would
// show each other's values, and the "no edit" text must alias none of them.
TEST(EditFieldTable, EveryEditOwnsOneTextAndOneName) {
    std::set<std::string> names;
    ConfigView view;
    for (const EditFieldDescriptor& d : EditFieldDescriptors()) {
        SCOPED_TRACE(d.objectName);
        EXPECT_EQ(DescriptorOf(d.field), &d);
        EXPECT_TRUE(names.insert(d.objectName).second) << "object name used twice";
        EXPECT_EQ(d.page == ConfigPage::Output, d.scale == EditScale::Output);
        EXPECT_EQ(d.comparator != 0, QString::fromLatin1(d.parameterName).contains("%d"));
        EXPECT_NE(d.member == nullptr, d.check != EditCheck::OutputRange);

        EditText(view, d.field) = QString::fromLatin1(d.objectName);
        EXPECT_TRUE(EditText(view, EditField::None).isEmpty());
    }
    for (const EditFieldDescriptor& d : EditFieldDescriptors())
        EXPECT_EQ(EditText(view, d.field), QString::fromLatin1(d.objectName));
    EXPECT_EQ(DescriptorOf(EditField::None), nullptr);
}

TEST(EditFieldTable, ParameterNamesOfTheComparatorsCarryTheirNumber) {
    const struct {
        EditField field;
        const char* name;
    } cases[] = {
        {EditField::LOEdt, "lower range value"},
        {EditField::RC8_2Edt, "lead resistance"},
        {EditField::SL1Edt, "limit comparator 1 switching level"},
        {EditField::HS2Edt, "limit comparator 2 hysteresis"},
        {EditField::NPErrHiEdt, "upper error output"},
        {EditField::None, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(validation_text::ParameterName(c.field), QString::fromLatin1(c.name));
}

// The number an edit stands for is the same whether read from the text the
// view shows or straight from the record (as the command line checks a
// record): a wrong member or scale in the table breaks one of the two.
TEST(EditFieldTable, ShownTextAndRecordGiveTheSameNumber) {
    ValidationFixture f(test::kK8620L20, test::kFw191);
    TransmitterConfig& c = f.config;
    c.LowerCorrection = 1.5;
    c.UpperCorrection = -2.5;
    c.Damping = -3.5;
    c.Comparator1Level = 40.5;
    c.Comparator1Hysteresis = -1.2;
    c.Comparator2Level = 60.5;
    c.Comparator2Hysteresis = 2.2;
    c.LeadResistance1 = 1.25;
    c.LeadResistance2 = 2.75;
    c.CjTemperature = 21.5;
    f.view = AdoptRecord(c, test::kK8620L20, test::kFw191).view;
    ASSERT_TRUE(f.view.warnings.isEmpty()) << f.view.warnings.join('\n').toStdString();
    // The lead and cold-junction edits are shown only for the connections
    // that use them; their texts are those of the record all the same.
    f.view.leadText = f.view.lead1Text = QStringLiteral("1.25");
    f.view.lead2Text = QStringLiteral("2.75");
    f.view.cjTemperatureText = QStringLiteral("21.5");

    CheckContext fromRecord = f.context;
    fromRecord.values = &c;
    std::set<double> seen;
    for (const EditFieldDescriptor& d : EditFieldDescriptors()) {
        SCOPED_TRACE(d.objectName);
        CheckOutcome outcome;
        const auto shown = validation_detail::ReadEdit(d.field, c, f.view, f.context, outcome);
        const auto stored = validation_detail::ReadEdit(d.field, c, f.view, fromRecord, outcome);
        ASSERT_TRUE(shown && stored) << outcome.failureText().toStdString();
        EXPECT_NEAR(*shown, *stored, 1e-4 * std::max(1.0, std::fabs(*stored)));
        if (d.field != EditField::RC8_1Edt) seen.insert(*stored);
    }
    // Every edit read a value of its own (RC8_1Edt repeats RCEdt).
    EXPECT_EQ(seen.size(), EditFieldDescriptors().size() - 1);
}

}  // namespace
}  // namespace lmk17
