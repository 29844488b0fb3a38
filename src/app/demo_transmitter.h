#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace lmk17 {

// The software transmitter of the demonstration (lmk17 --demo): lmk17-sim
// on a pseudo-terminal of its own, started before the main window connects
// to it and ended with the program.
class DemoTransmitter : public QObject {
    Q_OBJECT
public:
    explicit DemoTransmitter(QObject* parent = nullptr);
    ~DemoTransmitter() override;

    // Starts the simulator with its options and waits (at most timeoutMs)
    // for the device path it prints first. False with the reason in error().
    bool start(const QString& program, const QStringList& arguments, int timeoutMs = 5000);
    // Ends the simulator (SIGTERM, then SIGKILL when it does not go).
    void stop();

    QString devicePath() const { return devicePath_; }
    QString error() const { return error_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }

private:
    QProcess process_;
    QString devicePath_;
    QString error_;
};

}  // namespace lmk17
