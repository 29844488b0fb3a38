#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <deque>
#include <memory>
#include <random>
#include <vector>

#include "sim_faults.h"
#include "sim_pty.h"
#include "sim_trace.h"
#include "sim_transmitter.h"

namespace lmk17::sim {

// One serial line: a pseudo-terminal and the transmitters on it.
struct LineOptions {
    QString linkPath;  // stable symbolic link to the device, or empty
    int baud = 2400;
    bool pace = false;  // bytes take their 11 bit times on the line
    int answerDelayMs = 0;
    bool echo = false;  // every byte the PC sends comes back, as from a 2-wire converter
    // The transmitters hear only a program whose port is set to their speed
    // and parity (the parity as far as a pseudo-terminal keeps it: odd or not).
    bool checkLine = false;
    char parity = 'o';  // 'n', 'o', 'e'
    QString tracePath;
    QString statePath;
    // Another device that never stops: one byte (FF) every babbleMs on the
    // line, whatever the transmitters do (0: off).
    int babbleMs = 0;
    quint32 seed = 1;
    std::vector<Fault> faults;
    std::vector<TransmitterProfile> transmitters;
};

// Event driven on the thread that owns it: the master side of the terminal is
// watched for requests, timers only pace and delay answers. Usable in the
// same thread as the program under test.
class SimLine : public QObject {
    Q_OBJECT
public:
    explicit SimLine(LineOptions options, QObject* parent = nullptr);
    ~SimLine() override;

    // Makes the terminal (and the link), loads the state file, opens the trace.
    bool start(QString* error);
    QString devicePath() const { return pty_.devicePath(); }
    QString linkPath() const { return pty_.linkPath(); }
    const LineOptions& options() const { return options_; }

    SimTransmitter* transmitter(int address);
    const std::vector<std::unique_ptr<SimTransmitter>>& transmitters() const {
        return transmitters_;
    }

    void setFaults(std::vector<Fault> faults) { options_.faults = std::move(faults); }
    void addFault(const Fault& fault) { options_.faults.push_back(fault); }
    void setAnswerDelay(int ms) { options_.answerDelayMs = ms; }
    // Requests a transmitter took as its own so far (answer numbers count them).
    int answerNumber() const { return answerNumber_; }

    bool saveState(QString* error = nullptr);

signals:
    // A complete request frame a transmitter took as its own.
    void requestTaken(const QByteArray& frame);

private:
    void onReadable();
    void takeByte(char byte, qint64 wireEndUs);
    void resync();
    void handleFrame(const QByteArray& frame, qint64 completeUs);
    QByteArray answerFor(SimTransmitter& t, const SimRequest& r,
                         const std::vector<const Fault*>& faults, QString& notes,
                         QByteArray& clean);
    void queueBytes(const QByteArray& bytes, qint64 earliestUs);
    void queueByteAt(char byte, qint64 dueUs);
    void flushOutput();
    bool loadState(QString* error);
    bool loadConfigurationFiles(QString* error);
    qint64 nowUs() const { return clock_.nsecsElapsed() / 1000; }
    qint64 byteUs() const;

    LineOptions options_;
    Pty pty_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::unique_ptr<SimTransmitter>> transmitters_;
    SimTrace trace_;
    std::mt19937 rng_;
    QElapsedTimer clock_;

    QByteArray rx_;           // request being collected
    qint64 lastRxUs_ = 0;     // arrival of the last byte
    qint64 rxWireEndUs_ = 0;  // when the last received byte ends on the line
    qint64 txFreeUs_ = 0;     // when the line is free for the next answer byte
    int answerNumber_ = 0;

    struct Pending {
        qint64 dueUs;
        char byte;
    };
    std::deque<Pending> out_;  // sorted by due time
    QTimer outTimer_;
    QTimer babbleTimer_;
};

}  // namespace lmk17::sim
