#pragma once

#include "cli/cli_command.h"
#include "link/frame.h"

namespace lmk17::cli {

// TYPE names of the command line: int16, int32, float, text, block.
int DataTypeFromName(const QString& name);

// PARAM TYPE [VALUE...] [--row N] of the frame and raw commands, DA and SA
// from the global options.
LinkRequest RequestFromArgs(Context& c, int operation);

// Result code, message, device-error flag and, for a read answered with data,
// the value; as text lines or one JSON object with --json.
void PrintOutcome(Context& c, const AnswerOutcome& outcome, bool deviceError,
                  const LinkRequest& request);

}  // namespace lmk17::cli
