#pragma once

// Runs lmk17-sim and lmk17-cli as the user would: the simulator on its own
// pseudo-terminal, the command line program against it.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <memory>

namespace lmk17::test {

inline QString ProgramPath(const char* env, const char* relative) {
    const QString fromEnv = qEnvironmentVariable(env);
    if (!fromEnv.isEmpty()) return fromEnv;
    // Run by hand from the build folder: tests/test_x next to sim/ and src/.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(relative));
}

class SimProcess {
public:
    explicit SimProcess(const QStringList& args) {
        process_.setProgram(ProgramPath("LMK17_SIM", "../sim/lmk17-sim"));
        process_.setArguments(args);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        while (path_.isEmpty() && process_.waitForReadyRead(5000))
            path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
    }
    QString path() const { return path_; }
    // Killed outright, as a pulled adapter: nothing is tidied up.
    void kill() {
        process_.kill();
        process_.waitForFinished(3000);
    }

private:
    QProcess process_;
    QString path_;
};

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliResult RunCli(const QStringList& args, int timeoutMs = 30000) {
    QProcess p;
    p.start(ProgramPath("LMK17_CLI", "../src/lmk17-cli"), args);
    CliResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace lmk17::test
