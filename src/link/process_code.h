#pragma once

namespace lmk17 {

// Which operation the dispatcher continues when an exchange has ended. The
// numbers are the program's own and appear in its records and messages.
// A distinct type: no plain number passes for an operation by mistake; the
// enumerators keep their short names in the program's namespace.
enum class ProcessCode : int {
    ProcessNone = 0,
    ProcessMonitoring = 150,
    ProcessReadConfig = 5000,
    ProcessWriteConfig = 5001,
    ProcessWorkingTime = 5100,
    ProcessIdentification = 5200,
    ProcessPV = 6000,
    ProcessOutputTest = 7000,
    ProcessCjTemperature = 8000,
};
using enum ProcessCode;

// The number of a process code, for records and messages.
constexpr int processNumber(ProcessCode code) {
    return static_cast<int>(code);
}

}  // namespace lmk17
