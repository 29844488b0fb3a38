#pragma once

#include <QString>

#include "cli/cli_command.h"

namespace lmk17::cli {

// "lmk17-cli --help": the global options and the list of commands.
QString GlobalHelp();
// "lmk17-cli lin --help": the commands of a group such as "lin"; empty when
// no command name starts with that word.
QString GroupHelp(const QString& group);
// "lmk17-cli COMMAND --help": synopsis, options, exit codes, one example.
QString CommandHelp(const Command& command);
// "lmk17-cli --version"
QString CliVersionText();

}  // namespace lmk17::cli
