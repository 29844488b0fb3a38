#include "operations/communication_parameters.h"

#include <QCoreApplication>

#include "common/user_interaction.h"
#include "config/config_model.h"

namespace lmk17 {

namespace {

// The messages of the "Communication" command (under the "Link" context,
// where the language modules keep them).
constexpr char kNoConfiguration[] =
    QT_TRANSLATE_NOOP("Link", "There has not been set any configuration of transmitter.");
constexpr char kChangeCommParamsQuestion[] = QT_TRANSLATE_NOOP(
    "Link",
    "Attention! You want to change the communication parameters to other than default.\r\n"
    "Setting of wrong communication parameters may lose communication with the transmitter!\r\n"
    "Do You really want to change the parameters?");
constexpr char kCommParamsAfterPowerCycle[] = QT_TRANSLATE_NOOP(
    "Link",
    "Changes is not valid immediately after writing the configuration, but after power down and "
    "power up!");

QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}

}  // namespace

CommEditResult editCommunicationParameters(ConfigModel& model, UserInteraction& ui,
                                           const CommDialogRunner& runDialog) {
    if (!model.hasConfiguration()) {
        ui.message(MessageKind::Warning, linkText(kNoConfiguration));
        return CommEditResult::NoConfiguration;
    }
    const TransmitterCommParams stored{model.config().AddressByte, model.config().BaudCode};
    const std::optional<TransmitterCommParams> chosen =
        runDialog ? runDialog(OpenTransmitterCommDialog(stored)) : std::nullopt;
    if (!chosen) return CommEditResult::Cancelled;
    if (DiffersFromDefaultCommParams(*chosen)) {
        if (!ui.question(Question::ChangeCommParameters, MessageKind::Warning,
                         linkText(kChangeCommParamsQuestion)))
            return CommEditResult::Declined;
        ui.message(MessageKind::Warning, linkText(kCommParamsAfterPowerCycle));
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
