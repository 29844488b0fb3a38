#pragma once

#include <functional>
#include <optional>

#include "link/link_parameters.h"

namespace lmk17 {

class ConfigModel;
class UserInteraction;

// How editing the transmitter's communication parameters ended.
enum class CommEditResult {
    NoConfiguration,  // no input range selected: "There has not been set any configuration…"
    Cancelled,        // the dialog was cancelled
    Declined,         // the "other than default" question was answered No
    Unchanged,        // accepted, but both values were those of the configuration
    Changed,          // stored into the configuration, which is now unsaved
};

// Runs the communication dialog (TAdresaForm) modally on the values it opens
// with; returns what OK stores, or nothing when the dialog was cancelled.
using CommDialogRunner =
    std::function<std::optional<TransmitterCommParams>(const TransmitterCommDialogView& view)>;

// "Communication" on the main window: checks that a configuration is there,
// runs the dialog on the configuration's address byte and baud code, asks
// before parameters other than the defaults are taken (and says they apply
// only after the transmitter is powered off and on), and stores changed
// values into the configuration, marking it unsaved. They reach the
// transmitter with the next configuration write.
CommEditResult editCommunicationParameters(ConfigModel& model,
                                           UserInteraction& ui,  // AdresaBtnClick
                                           const CommDialogRunner& runDialog);

}  // namespace lmk17
