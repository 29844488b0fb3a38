#pragma once

#include <QByteArray>
#include <vector>

#include "config/transmitter_config.h"
#include "link/link_request.h"

namespace lmk17 {

// What the steps of the configuration sequence need to know besides the
// record: the direction and the identified device.
struct SequenceContext {
    explicit SequenceContext(TransmitterConfig& record) : config(record) {}

    TransmitterConfig& config;
    bool writing = false;
    int firmware = 0;  // version x 100 of the identified device
    int typeIndex = 0;
    int firmwareIndex = 0;
    int rangeIndex = 0;          // input range found by identification
    bool fixedRange = false;     // the device's input range cannot be changed
    bool noComparators = false;  // flag D of the type: no limit comparators
    QByteArray identificationText;
};

// Which request a step makes.
enum class StepRequest {
    None,    // no request: the step only decides or prepares
    Config,  // read when reading, write when writing
    Read,    // read in both directions
    Write,   // write (only ever reached when writing)
};

// One row of the step list. The same list serves reading and writing.
struct ConfigStep {
    int step = 0;
    int parameter = 0;
    int dataType = TypeInt16;
    int row = 0;
    StepRequest request = StepRequest::None;
    int progress = 0;  // gauge position once the answer is accepted
    // Whether the step sends a request in this run (default: whenever it has one).
    bool (*sends)(const SequenceContext&) = nullptr;
    // Puts the record's value into a write request.
    void (*put)(const SequenceContext&, LinkRequest&) = nullptr;
    // Takes an accepted read answer into the record.
    void (*take)(SequenceContext&, const LinkRequest&) = nullptr;
    // Reads that also store when writing (the device's own output calibration,
    // which the write re-encodes the output limits with).
    bool storesWhenWriting = false;
    // The work of a step that sends nothing.
    void (*local)(SequenceContext&) = nullptr;
};

inline constexpr int kFirstConfigStep = 10;
inline constexpr int kFinishConfigStep = 390;
inline constexpr int kConfigProgressMaximum = 440;

// The whole step list, in order.
const std::vector<ConfigStep>& ConfigStepList();
// The row of a step number; nullptr for numbers not in the list.
const ConfigStep* FindConfigStep(int step);

// Whether the step sends a request in this run.
bool StepSends(const ConfigStep& step, const SequenceContext& context);
// OpRead or OpWrite for a step that sends.
int StepOperation(const ConfigStep& step, const SequenceContext& context);
// The step that follows, after its answer was accepted or its local work done.
int NextConfigStep(int step, const SequenceContext& context);

// Fills a request for the step (everything but DA), the value included when
// it is a write.
void FillStepRequest(const ConfigStep& step, const SequenceContext& context, LinkRequest& request);

}  // namespace lmk17
