#pragma once

#include <QString>
#include <functional>

#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/validation.h"

namespace lmk17 {

// The name the save dialog proposes: the serial number as eight digits
// ("00012345.ptf") when it is known, else "default.ptf".
QString ProposedSaveName(const TransmitterConfig& config);
// The name the load dialog proposes.
QString ProposedLoadName();

struct SaveOutcome {
    enum class Result { Saved, NoConfiguration, CheckFailed, Cancelled, WriteFailed };
    Result result = Result::NoConfiguration;
    bool saved = false;
    // The complete check's result: on failure the window brings up its page
    // and focuses its edit (its messages have been shown).
    CheckOutcome check;
};

// Saves the configuration as the Save command does: nothing without a
// configuration; the complete check over the controls (without pages, over
// the record's own values); only a record that passed
// is given a file name (askFileName opens the file dialog); the overwrite
// question for an existing file; the 679 bytes written to a temporary file
// that replaces the old one only when complete. Every message is shown
// through ui.
SaveOutcome DiskSave(ConfigModel& model, const std::function<QString()>& askFileName,
                     UserInteraction& ui);
SaveOutcome DiskSave(ConfigModel& model, const QString& fileName, UserInteraction& ui);

}  // namespace lmk17
