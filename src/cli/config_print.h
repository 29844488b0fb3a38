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

// The configuration as a technician reads it: names of type, firmware, range
// and connection, every value in display units with its unit, output values,
// comparators, communication parameters, note, dates and working time.
QString ConfigurationText(const ConfigModel& model);

// Every record field by its record name in device units, the identification
// and the display texts, for scripts.
QJsonObject ConfigurationJson(const ConfigModel& model);

// The configuration's firmware as a version text ("1.91").
QString FirmwareText(int firmwareIndex);

}  // namespace lmk17::cli
