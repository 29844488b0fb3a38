#include "support/cli_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace lmk17::test {

namespace {

QString programPath(const char* env, const char* relative) {
    const QString fromEnv = qEnvironmentVariable(env);
    if (!fromEnv.isEmpty()) return fromEnv;
    // tests/test_x beside sim/ and src/ in the same build tree.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(relative));
}

}  // namespace

QString SimProgram() {
    return programPath("LMK17_SIM", "../sim/lmk17-sim");
}

QString CliProgram() {
    return programPath("LMK17_CLI", "../src/lmk17-cli");
}

SimProcess::~SimProcess() {
    if (process_.state() != QProcess::NotRunning) terminate(2000);
}

bool SimProcess::start(const QStringList& arguments, QString* error) {
    process_.start(SimProgram(), arguments);
    if (!process_.waitForStarted(5000)) {
        if (error) *error = process_.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (!process_.canReadLine() && t.elapsed() < 5000) {
        if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning) break;
    }
    if (!process_.canReadLine()) {
        if (error) *error = QString::fromLocal8Bit(process_.readAllStandardError());
        return false;
    }
    devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return true;
}

int SimProcess::terminate(int timeoutMs) {
    if (process_.state() == QProcess::NotRunning) return process_.exitCode();
    process_.terminate();
    if (!process_.waitForFinished(timeoutMs)) {
        process_.kill();
        process_.waitForFinished(1000);
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void SimProcess::kill() {
    process_.kill();
    process_.waitForFinished(3000);
}

namespace {

// The programs keep files in the user's data folder (the backups before a
// write): under test that is a home of the test program's own.
QProcessEnvironment TestEnvironment() {
    static QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    return env;
}

CliResult RunToEnd(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess p;
    p.setProcessEnvironment(TestEnvironment());
    p.start(program, arguments);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    CliResult r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace

CliResult RunCli(const QStringList& arguments, int timeoutMs) {
    return RunToEnd(CliProgram(), arguments, timeoutMs);
}

CliResult RunCliOnFullDisk(const QStringList& arguments, int blocks, int timeoutMs) {
    const QString script =
        QStringLiteral("trap '' XFSZ; ulimit -f %1 || exit 99; exec \"$0\" \"$@\"").arg(blocks);
    return RunToEnd(QStringLiteral("/bin/sh"),
                    QStringList{QStringLiteral("-c"), script, CliProgram()} + arguments, timeoutMs);
}

}  // namespace lmk17::test
