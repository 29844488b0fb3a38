#pragma once

#include <QString>

#include "cli/cli_command.h"
#include "link/operation_record.h"
#include "stack/write_safety.h"

namespace lmk17::cli {

class CliSession;

// The options every command that writes a configuration takes: --backup-dir
// DIR, --no-backup, --force. The backups go to Backups/ in the user's data
// folder unless --backup-dir names another.
WriteSafety TakeWriteSafety(Context& c);

// The option lines of the command table for those options.
#define LMK17_WRITE_SAFETY_OPTIONS                                                   \
    "--backup-dir DIR\tkeep the transmitter's configuration before the write under " \
    "DIR/SERIAL/ (default: Backups/ in the data folder)\n"                           \
    "--no-backup\twrite without keeping a backup\n"                                  \
    "--force\twrite even when the transmitter already holds the configuration\n"

// Writes the model's configuration through the session as the write command
// does (identification, backup, differences, question, verification) and
// says on stderr what happened; `command` names the command in the messages.
// Returns the outcome.
OperationOutcome WriteConfiguration(Context& c, CliSession& s, const char* command);

// What WriteConfiguration says when Ctrl-C cut the write, and after the
// write has ended (the backup kept, why nothing was written).
void ReportWriteInterrupted(Context& c, const char* command, const OperationRecord& was);
void ReportWriteEnd(Context& c, CliSession& s, const char* command, OperationOutcome outcome);

// Exit code of a write: 0 when written (or the transmitter held it already).
int WriteExitCode(OperationOutcome outcome);

}  // namespace lmk17::cli
