#pragma once

namespace lmk17 {

class LiveReadings;

// ProCasUpdate (ProcessCode 5100): the working time, parameter 200, counted
// in units of 10 s by the first firmware generation.
class WorkingTimeReading {
public:
    explicit WorkingTimeReading(LiveReadings& live) : live_(live) {}

    bool startReading();  // ProCasBtnClick
    void ProCasUpdate();  // "working time update": the step function

private:
    LiveReadings& live_;
};

}  // namespace lmk17
