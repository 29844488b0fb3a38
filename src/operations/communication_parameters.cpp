#include "operations/communication_parameters.h"

#include <QCoreApplication>

#include "common/user_interaction.h"
#include "config/config_model.h"

namespace lmk17 {

namespace {
QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}
}  // namespace

CommEditResult editCommunicationParameters(ConfigModel& model, UserInteraction& ui,
                                           const CommDialogRunner& runDialog) {
    if (!model.hasConfiguration()) {
        ui.message(MessageKind::Warning, linkText(texts::kNoConfiguration));
        return CommEditResult::NoConfiguration;
    }
    const TransmitterCommParams stored{model.config().AddressByte, model.config().BaudCode};
    const std::optional<TransmitterCommParams> chosen =
        runDialog ? runDialog(OpenTransmitterCommDialog(stored)) : std::nullopt;
    if (!chosen) return CommEditResult::Cancelled;
    if (DiffersFromDefaultCommParams(*chosen)) {
        if (!ui.question(Question::ChangeCommParameters, MessageKind::Warning,
                         linkText(texts::kChangeCommParamsQuestion)))
            return CommEditResult::Declined;
        ui.message(MessageKind::Warning, linkText(texts::kCommParamsAfterPowerCycle));
    }
    if (chosen->addressByte == stored.addressByte && chosen->baudCode == stored.baudCode)
        return CommEditResult::Unchanged;
    model.setUnsavedChanges(true);
    ConfigModel::Edit edit = model.edit();
    edit.config().AddressByte = quint8(chosen->addressByte);
    edit.config().BaudCode = quint8(chosen->baudCode);
    return CommEditResult::Changed;
}

}  // namespace lmk17
