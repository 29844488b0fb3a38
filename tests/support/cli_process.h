#pragma once

// The build's programs run as the user runs them: lmk17-sim on its own
// pseudo-terminal, lmk17-cli to its end. CTest names them by LMK17_SIM and
// LMK17_CLI; run by hand, they are found beside the test program.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace lmk17::test {

QString SimProgram();
QString CliProgram();

// lmk17-sim as a program of its own; the first line it prints is its device.
class SimProcess {
public:
    SimProcess() = default;
    // Started at once; devicePath() stays empty when it did not start.
    explicit SimProcess(const QStringList& arguments) { start(arguments); }
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool start(const QStringList& arguments, QString* error = nullptr);
    QString devicePath() const { return devicePath_; }
    QProcess& process() { return process_; }
    // SIGTERM and wait; the exit code, or -1 when it did not end cleanly.
    int terminate(int timeoutMs = 5000);
    // Killed outright, as a pulled adapter: nothing is tidied up.
    void kill();

private:
    QProcess process_;
    QString devicePath_;
};

struct CliResult {
    int exitCode = -1;  // -1 when it crashed or had to be killed
    QString out;
    QString err;
};

// Runs lmk17-cli with `arguments` and no input to its end (killed after
// timeoutMs).
CliResult RunCli(const QStringList& arguments, int timeoutMs = 60000);

// The same with the size of every file it writes capped at `blocks` blocks
// of 512 bytes (ulimit -f) and SIGXFSZ ignored, so that a write past the cap
// fails as on a full disk instead of ending the program.
CliResult RunCliOnFullDisk(const QStringList& arguments, int blocks = 0, int timeoutMs = 60000);

}  // namespace lmk17::test
