#pragma once

// The monitoring core as a program runs it (the transmitter stack) against lmk17-sim as a process
// of its own, which a measurement may kill and start again on the same link path. For the
// monitoring programs of this folder; not run in CI.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <functional>
#include <memory>

#include "common/silent_interaction.h"
#include "link/comm_port_driver.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "monitoring/monitoring_engine.h"
#include "stack/transmitter_stack.h"

namespace lmk17::bench {

inline QString SimProgram() {
    const QString env = qEnvironmentVariable("LMK17_SIM");
    if (!env.isEmpty()) return env;
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../sim/lmk17-sim"));
}

// lmk17-sim with its arguments; start() waits for its device path.
class Sim {
public:
    explicit Sim(QStringList args) : args_(std::move(args)) {}
    ~Sim() { stop(); }
    bool start() {
        process_ = std::make_unique<QProcess>();
        process_->setProcessChannelMode(QProcess::SeparateChannels);
        process_->start(SimProgram(), args_);
        if (!process_->waitForStarted(5000)) return false;
        QDeadlineTimer deadline(10000);
        while (!process_->canReadLine()) {
            if (deadline.hasExpired()) return false;
            process_->waitForReadyRead(50);
        }
        return !process_->readLine().trimmed().isEmpty();
    }
    // As a pulled adapter: killed, nothing tidied up.
    void kill() {
        if (!process_) return;
        process_->kill();
        process_->waitForFinished(3000);
        process_.reset();
    }
    void stop() {
        if (!process_) return;
        process_->terminate();
        if (!process_->waitForFinished(3000)) process_->kill();
        process_.reset();
    }

private:
    QStringList args_;
    std::unique_ptr<QProcess> process_;
};

// The stack as the programs wire it, opened on one device path.
struct MonitoringCore {
    SilentInteraction ui;
    TransmitterStack stack{ui};
    TCommPortDriver& port = stack.port();
    MonitoringEngine& monitoring = stack.monitoring();

    explicit MonitoringCore(const QString& device) : device_(device) {}
    bool open() { return stack.connection().connectDevice(device_); }
    void setBaudRate(int baud) { stack.connection().setBaudIndex(BaudIndexFromRate(baud)); }

private:
    QString device_;
};

inline bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

inline long ResidentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace lmk17::bench
