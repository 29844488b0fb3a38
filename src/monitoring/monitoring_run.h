#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

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

// The one monitoring run of the program.
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
};

}  // namespace lmk17
