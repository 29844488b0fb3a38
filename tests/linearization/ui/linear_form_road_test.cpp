// The editor on a configuration read from the software transmitter.
#include <QRadioButton>
#include <QTimer>

#include "form_rig.h"
#include "operations/ops_harness.h"
#include "operations/ops_records.h"

using namespace lmk17;
using namespace lmk17::test;

namespace {

int TypeWith(int rangeCode) {
    for (int i = 1; TypeAt(i); ++i)
        if (TypeAt(i)->AllowsRange(rangeCode)) return i;
    return 0;
}

}  // namespace

// The full road: points pasted, approximated, seen in the graph, committed on
// OK, written to the transmitter and read back unchanged.
TEST_F(Form, R91PointsToTransmitterAndBack) {
    using namespace lmk17::test::ops;
    const int type = TypeWith(91);
    ASSERT_NE(type, 0);
    OpsHarness h(Profile(TypeAt(type)->Name, 191, 91));
    ASSERT_TRUE(h.started) << h.error.toStdString();
    ASSERT_EQ(h.read(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    ASSERT_EQ(RangeAt(h.model.selectedRangeIndex())->Code, 91);
    h.model.setUnsavedChanges(false);

    QTimer::singleShot(0, &form, [&] {
        Paste(PastedPoints());
        ChooseUnit(QStringLiteral("°C"));
        QTest::mouseClick(Find<QRadioButton>(form, "DisplayRBtn1"), Qt::LeftButton);
        Click("LinApproxBtn");
        ui.answers = {false};  // not saved to a file now
        Click("OkBtn");
        if (form.isVisible()) form.done(QDialog::Rejected);  // never hang the test
    });
    ASSERT_TRUE(form.editLinearization(h.model)) << ui.texts().join('|').toStdString();
    ASSERT_EQ(graphs.size(), 1u) << ui.texts().join('|').toStdString();
    EXPECT_TRUE(graphs[0].showPoints && graphs[0].errorPart);
    EXPECT_EQ(graphs[0].points.size(), 12u);
    EXPECT_EQ(ui.texts(), QStringList{LinEditor::saveQuestion()});
    EXPECT_TRUE(h.model.unsavedChanges());
    EXPECT_EQ(h.model.config().PvUnit, 32);
    EXPECT_EQ(h.model.config().LinSegTable, form.editor().pom().LinSegTable);
    EXPECT_NEAR(h.model.config().LinSegTable[3][0], 20.0, 1e-12);  // XStart from the first point

    ASSERT_EQ(h.write(), OperationOutcome::Completed) << h.ui.texts().join('|').toStdString();
    const TransmitterConfig written = h.model.config();
    ConfigModel fresh(h.ui);
    TransmitterSession other(h.engine, fresh, h.ui);
    ASSERT_EQ(h.run(other, [&] { return other.startRead(); }), OperationOutcome::Completed);
    ExpectSameRecord(written, fresh.config(), 191, TypeAt(type)->Comparators != 0);
}
