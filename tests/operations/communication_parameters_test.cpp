// "Communication" on the main window: the transmitter's own address, parity
// and baud rate, edited through the dialog into the configuration.

#include <gtest/gtest.h>

#include <optional>

#include "config/catalogue.h"
#include "config/config_model.h"
#include "operations/communication_parameters.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

namespace lmk17::test {
namespace {

TEST(CommunicationParameters, DialogRoadFromCommandToConfiguration) {
    struct Case {
        const char* name;
        bool configured;
        std::optional<TransmitterCommParams> dialog;  // nothing: cancelled
        std::deque<bool> answers;
        CommEditResult result;
        std::vector<Question> questions;
        int messages;  // shown without a question
        int addressByte;
        int baudCode;
    };
    const std::vector<Case> cases = {
        // Without a configuration the empty record (all zero) stays as it is.
        {"no configuration",
         false,
         TransmitterCommParams{197, 3},
         {},
         CommEditResult::NoConfiguration,
         {},
         1,
         0,
         0},
        {"cancelled", true, std::nullopt, {}, CommEditResult::Cancelled, {}, 0, 192, 15},
        {"defaults kept",
         true,
         TransmitterCommParams{192, 15},
         {},
         CommEditResult::Unchanged,
         {},
         0,
         192,
         15},
        {"address 5, odd, 9600 declined",
         true,
         TransmitterCommParams{197, 3},
         {false},
         CommEditResult::Declined,
         {Question::ChangeCommParameters},
         0,
         192,
         15},
        {"address 5, odd, 9600 taken",
         true,
         TransmitterCommParams{197, 3},
         {true},
         CommEditResult::Changed,
         {Question::ChangeCommParameters},
         1,
         197,
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedInteraction ui;
        ConfigModel model(ui);
        if (c.configured) {
            {
                ConfigModel::Edit e = model.edit();
                e.identity().typeIndex = FindType(QStringLiteral("K8410H10"));
                e.identity().firmwareIndex = FindFirmware(191);
            }
            ASSERT_TRUE(model.SetDefaultConfiguration(model.identity().typeIndex, 0,
                                                      model.identity().firmwareIndex));
            ASSERT_FALSE(model.RefreshFromConfig());
            model.setUnsavedChanges(false);
        }
        ui.answers = c.answers;
        std::optional<TransmitterCommDialogView> opened;
        const CommEditResult result =
            editCommunicationParameters(model, ui, [&](const TransmitterCommDialogView& view) {
                opened = view;
                return c.dialog;
            });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(ui.questions, c.questions);
        EXPECT_EQ(int(ui.shown.size() - ui.questions.size()), c.messages);
        EXPECT_EQ(model.config().AddressByte, c.addressByte);
        EXPECT_EQ(model.config().BaudCode, c.baudCode);
        EXPECT_EQ(model.unsavedChanges(), result == CommEditResult::Changed);
        if (c.configured) {
            // The dialog opens on the configuration's defaults: address 0, odd, 2400.
            ASSERT_TRUE(opened.has_value());
            EXPECT_EQ(opened->addressText, QStringLiteral(" 0"));
            EXPECT_EQ(opened->parityItem, 1);
            EXPECT_EQ(opened->baudItem, 2);
        } else {
            EXPECT_FALSE(opened.has_value());
            EXPECT_EQ(ui.last(),
                      QStringLiteral("There has not been set any configuration of transmitter."));
        }
    }
}

}  // namespace
}  // namespace lmk17::test
