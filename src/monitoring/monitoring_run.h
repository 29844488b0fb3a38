#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

namespace lmk17 {

// Where a monitoring run stands.
enum class MonitorStep {
    Setup,
    Identify,
    ReadRange,
    StoreRange,
    StoreUnit,
    SetupDone,
    CycleStart,
    RequestPV,
    EvaluatePV,
    RequestStatus,
    EvaluateStatus,
    EndOfCycle,
    // The start-up reads of a run of several transmitters, made by the run
    // itself so that a transmitter that does not answer is left out instead
    // of ending the run: serial number, then the two rows of the
    // identification text (the type), then ReadRange's range block.
    StoreSerial,
    StoreText1,
    StoreText2,
};

// Per-address data read at the start of a run.
struct RangeInfo {
    qint32 serialNumber = 0;  // 0 when identification gave a number below 1
    quint8 unitCode = 0;      // low byte of parameter 51
    // The range block (parameter 50) in the order its values arrive.
    std::array<double, 4> values{};
    double previousPv = 0.0;

    double lowerLimit() const { return values[2]; }
    double upperLimit() const { return values[3]; }
};

// One transmitter of a run.
struct MonitoredAddress {
    int address = 0;
    QString typeText;      // from its identification text
    bool leftOut = false;  // its start-up reads failed: not polled
    RangeInfo info;
};

// The one monitoring run of the program. With several addresses, `address`
// and `info` are those of the transmitter being polled now.
struct MonitoringRun {
    bool active = false;
    int address = 0;       // the monitored transmitter
    int savedAddress = 0;  // the link's transmitter address at start, restored at stop
    MonitorStep step = MonitorStep::Setup;
    bool recordThisCycle = false;
    bool forceRecord = false;    // first cycle, period elapsed
    bool periodElapsed = false;  // set by the period timer
    QString line;                // RecordLine, assembled during the cycle
    RangeInfo info;
    std::vector<MonitoredAddress> targets;  // every address of the run, in polling order
    size_t current = 0;                     // the target being read
    bool portLost = false;                  // the port went away; reopening every 2 s

    bool several() const { return targets.size() > 1; }
    int polledCount() const {
        int n = 0;
        for (const MonitoredAddress& t : targets) n += !t.leftOut;
        return n;
    }
};

}  // namespace lmk17
