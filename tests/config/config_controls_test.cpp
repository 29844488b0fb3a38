#include <gtest/gtest.h>

#include <QSignalSpy>

#include "config/catalogue.h"
#include "config/config_controls.h"
#include "support/scripted_interaction.h"

using namespace lmk17;

namespace {

// The controls of a K8620L31 (firmware 1.91) holding its default configuration.
struct Controls {
    test::ScriptedInteraction ui;
    ConfigModel model{ui};
    ConfigControls controls{model, ui};

    Controls() {
        {
            auto e = model.edit();
            e.identity().typeIndex = FindType(QStringLiteral("K8620L31"));
            e.identity().firmwareIndex = FindFirmware(191);
            e.identity().rangeIndex = FindRange(11);
        }
        model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                      model.identity().firmwareIndex);
        model.RefreshFromConfig();
        model.setUnsavedChanges(false);
        ui.shown.clear();
    }
};

}  // namespace

// What the user left in an edit stays shown when only another part of the
// record is recomputed, and every change the user makes counts as unsaved.
TEST(ConfigControls, KeepsTheUsersTextsAndMarksEveryChange) {
    Controls f;
    QSignalSpy refused(&f.controls, &ConfigControls::refused);
    EXPECT_TRUE(LeaveEdit(f.model, EditField::LOEdt, QStringLiteral("-100"), QStringLiteral("-200"))
                    .accepted);
    EXPECT_EQ(f.controls.view().lowerRangeText, QStringLiteral(" -100"));
    EXPECT_FALSE(
        LeaveEdit(f.model, EditField::NPErrHiEdt, QStringLiteral("26"), QStringLiteral("22"))
            .accepted);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused[0][0].value<ConfigPage>(), ConfigPage::Output);
    EXPECT_EQ(refused[0][1].value<EditField>(), EditField::NPErrHiEdt);
    EXPECT_EQ(f.ui.last(),
              QStringLiteral("Value of upper error output is out of the range: <3 ; 25> mA."));

    f.controls.setDefaultOutputParameters();  // "Default Parameters"
    EXPECT_EQ(f.controls.view().lowerRangeText, QStringLiteral(" -100"));
    EXPECT_EQ(f.controls.view().output.errorHighText, QStringLiteral(" 22"));

    f.model.setUnsavedChanges(false);
    const int c2 = f.controls.view().connectionList.positionOfCode(2);
    f.controls.selectConnectionPosition(c2);
    EXPECT_EQ(f.model.config().ConnectionCode, 2);
    EXPECT_TRUE(f.model.unsavedChanges());
}
