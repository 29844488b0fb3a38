#include "files/config_save.h"

#include <QFileInfo>

#include "config/validation_model.h"
#include "files/ptf_messages.h"
#include "files/ptf_writer.h"

namespace lmk17 {

QString ProposedSaveName(const TransmitterConfig& config) {
    if (config.SerialNumber > 0) return QString::asprintf("%.8d.ptf", int(config.SerialNumber));
    return QStringLiteral("default.ptf");
}

QString ProposedLoadName() {
    return QStringLiteral("default.ptf");
}

SaveOutcome DiskSave(ConfigModel& model, const QString& fileName, UserInteraction& ui) {
    return DiskSave(
        model, [&] { return fileName; }, ui);
}

SaveOutcome DiskSave(ConfigModel& model, const std::function<QString()>& askFileName,
                     UserInteraction& ui) {
    SaveOutcome outcome;
    if (!model.hasConfiguration()) {
        ui.message(MessageKind::Error, ptf_text::NoConfiguration());
        return outcome;
    }
    outcome.check = CheckAll(model);
    for (const CheckMessage& m : outcome.check.messages) ui.message(m.kind, m.text);
    using Result = SaveOutcome::Result;
    if (!outcome.check.accepted) {
        outcome.result = Result::CheckFailed;
        return outcome;
    }
    const QString fileName = askFileName();
    if (fileName.isEmpty() || (QFileInfo::exists(fileName) &&
                               !ui.question(Question::OverwriteFile, MessageKind::Confirmation,
                                            ptf_text::AlreadyExists(fileName)))) {
        ui.message(MessageKind::Error, ptf_text::SaveCancelled());
        outcome.result = Result::Cancelled;
        return outcome;
    }
    const QString error = WritePtfFile(fileName, model.config());
    if (!error.isEmpty()) {
        ui.message(MessageKind::Error, error);
        outcome.result = Result::WriteFailed;
        return outcome;
    }
    outcome.result = Result::Saved;
    ui.message(MessageKind::Information, ptf_text::SavedOk());
    model.setUnsavedChanges(false);
    outcome.saved = true;
    return outcome;
}

}  // namespace lmk17
