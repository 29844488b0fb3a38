#pragma once

#include <QString>
#include <vector>

#include "cli/cli_command.h"
#include "stack/write_safety.h"

namespace lmk17::cli {

// One configuration into each transmitter of the address list, one after
// another on the same line: each keeps its own address, baud rate, parity and
// user note, gets its backup, its differences and its verification, and with
// protocolDir its protocol as <protocolDir>/<serial number>.pdf. A summary
// table (address, serial number, result) ends the run; exit 1 when any unit
// failed.
int BatchWrite(Context& c, const QString& file, const std::vector<int>& addresses,
               WriteSafety safety, const QString& protocolDir);

}  // namespace lmk17::cli
