#pragma once

#include <QJsonObject>
#include <QString>

#include "cli/cli_command.h"
#include "config/config_model.h"

namespace lmk17::cli {

// Loads a configuration file into the model as a file named on the program's
// command line is loaded (no undo copy, no success message); the reason of a
// refusal goes to stderr. Returns ExitOk or ExitFileError.
int LoadConfigurationFile(Context& c, const QString& fileName, ConfigModel& model);

// The configuration as a technician reads it: the rows of the printed
// protocol (the range table as text) and the details the protocol leaves out.
QString ConfigurationText(const ConfigModel& model);

// Every record field by its record name in device units, the identification
// and the display texts, for scripts.
QJsonObject ConfigurationJson(const ConfigModel& model);

}  // namespace lmk17::cli
