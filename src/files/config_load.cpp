#include "files/config_load.h"

#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/firmware.h"
#include "config/identification_text.h"
#include "config/output_limits.h"
#include "files/ptf_messages.h"

namespace lmk17 {

namespace {

// Firmware 1.81..1.89 keep the output limits as codes: the first file
// versions had no limits at all, 2B files carry the codes to decode.
void adoptOutputLimits(TransmitterConfig& c, PtfLayout layout, const ConfigIdentity& id) {
    if (!firmware::UsesOutputCodes(FirmwareNumber(id.firmwareIndex))) return;
    switch (layout) {
        case PtfLayout::V2Aligned4:
        case PtfLayout::V2Aligned8:
            SetDefaultOutputLimits(c, id.typeIndex, id.firmwareIndex);
            break;
        case PtfLayout::V2B:
            DecodeOutputCodes(c, id.typeIndex, id.firmwareIndex);
            break;
        default:
            break;
    }
}

LoadOutcome adopt(ConfigModel& model, const PtfReadResult& read, bool silent, UserInteraction& ui) {
    LoadOutcome outcome;
    if (!read.ok()) {
        ui.message(MessageKind::Error, read.error);
        return outcome;
    }
    const TransmitterConfig& file = *read.config;
    ConfigIdentity id;
    id.identificationText = file.TransmitterType;
    id.serialNumber = file.SerialNumber;
    id.rangeIndex = FindRange(file.InputRangeCode);
    DeriveIdentity(id);
    if (!IdentitySupported(id)) {
        ui.message(MessageKind::Error, ptf_text::WrongType());
        return outcome;
    }
    const TransmitterConfig before = model.config();
    TransmitterConfig adopted = file;
    adoptOutputLimits(adopted, *read.layout, id);
    model.setIdentity(id);
    model.setConfig(adopted);
    if (!silent) model.PushUndo(before);
    outcome.setup = SetupForType(id.typeIndex, id.firmwareIndex);
    // As after a read: what the adoption has to mend in the record makes it
    // differ from the file, which stays an unsaved change.
    model.setUnsavedChanges(false);
    model.setOrigin(ConfigOrigin::File);
    outcome.corrupt = model.RefreshFromConfig();
    // A record replaced by the defaults was not read without errors: the
    // adoption has said so, and success is not claimed on top of it.
    if (!silent && !outcome.corrupt) ui.message(MessageKind::Information, ptf_text::LoadedOk());
    if (outcome.corrupt) {
        model.setUnsavedChanges(true);
        model.setOrigin(ConfigOrigin::Default);
    }
    emit model.linearizationTablesCleared();
    outcome.loaded = true;
    return outcome;
}

}  // namespace

LoadOutcome DiskLoadPom(ConfigModel& model, const QString& fileName, bool silent,
                        UserInteraction& ui) {
    return adopt(model, ReadConfigFile(fileName), silent, ui);
}

LoadOutcome DiskLoadCommand(ConfigModel& model, const std::function<QString()>& askFileName,
                            UserInteraction& ui) {
    if (model.unsavedChanges() && !ui.question(Question::UnsavedChanges, MessageKind::Confirmation,
                                               ptf_text::UnsavedChanges()))
        return {};
    const QString fileName = askFileName();
    if (fileName.isEmpty()) {
        ui.message(MessageKind::Error, ptf_text::LoadCancelled());
        return {};
    }
    return DiskLoadPom(model, fileName, false, ui);
}

LoadOutcome DiskLoadCommand(ConfigModel& model, const QString& fileName, UserInteraction& ui) {
    return DiskLoadCommand(
        model, [&] { return fileName; }, ui);
}

LoadOutcome LoadConfigContent(ConfigModel& model, const QByteArray& content,
                              const QString& fileName, bool silent, UserInteraction& ui) {
    return adopt(model, ParsePtf(content, fileName), silent, ui);
}

}  // namespace lmk17
