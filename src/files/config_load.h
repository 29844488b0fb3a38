#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/validation_model.h"
#include "files/ptf_reader.h"

namespace lmk17 {

struct LoadOutcome {
    bool loaded = false;
    bool corrupt = false;  // the file's record failed the adoption and the defaults were set
    TypeSetup setup;       // what the window enables for the file's type and firmware
};

// Loads a configuration file into the model as the Load command does: the
// file's type text and serial number become the identification, the record
// is adopted into the view, the origin becomes "file", the unsaved-changes
// flag is cleared and the linearization editor's tables too. A record the
// adoption mends stays unsaved, as after a read: with the origin "file" when
// the standard tables were copied in, "default" when the defaults replaced it. A file that cannot
// be read, or whose type, firmware or input range is not supported, leaves the record and the
// identification as they were and shows why (also when silent). Silent (a file named on the command
// line) takes no undo copy and does not report success.
LoadOutcome DiskLoadPom(ConfigModel& model, const QString& fileName, bool silent,
                        UserInteraction& ui);

// The Load command: while there are unsaved changes it asks "Changes were not
// saved. Continue?" first; No loads nothing. Only then is the file asked for
// (askFileName opens the file dialog); an empty name (the dialog was
// cancelled) says so.
LoadOutcome DiskLoadCommand(ConfigModel& model, const std::function<QString()>& askFileName,
                            UserInteraction& ui);
LoadOutcome DiskLoadCommand(ConfigModel& model, const QString& fileName, UserInteraction& ui);

// The same for a file's content already in memory.
LoadOutcome LoadConfigContent(ConfigModel& model, const QByteArray& content,
                              const QString& fileName, bool silent, UserInteraction& ui);

}  // namespace lmk17
