#pragma once

#include <QString>
#include <memory>

#include "operations/operation_outcome.h"
#include "reports/config_diff.h"

namespace lmk17 {

class ConfigModel;
class TransmitterStack;
class UserInteraction;

// The other side of "Compare with Transmitter" and "Compare with File…": a
// configuration of its own beside the window's, which neither changes.
struct ComparisonSide {
    std::unique_ptr<ConfigModel> model;
    bool ok = false;  // read or loaded whole
};

// "Compare with Transmitter": reads the transmitter's configuration as Read
// does (identification, the progress window, the questions and messages on
// failure) into a record of its own; the window's configuration, its undo
// and its unsaved changes stay as they are. Refused (ok false, outcome None)
// while an operation runs.
ComparisonSide ReadForComparison(TransmitterStack& stack, OperationOutcome* outcome = nullptr);

// "Compare with File…": the file loaded as Load reads it, into a record of
// its own. A file that cannot be read, or whose record had to be replaced by
// the defaults, is no side to compare (the load has said why).
ComparisonSide LoadForComparison(const QString& fileName, UserInteraction& ui);

// The window's configuration against the other side, field by field.
ConfigurationComparison CompareWithWindow(const ConfigModel& window, const ComparisonSide& other);

}  // namespace lmk17
