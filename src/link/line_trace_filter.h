#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/safe_save.h"
#include "link/line_trace.h"

namespace lmk17 {

// Which trace entries the traffic window lists: by the transmitter a frame
// is for or from, by parameter and by the engine's verdict. An unset part
// lets every entry through.
struct TraceFilter {
    std::optional<int> address;
    std::optional<int> parameter;
    std::optional<TraceVerdict> verdict;

    bool accepts(const TraceEntry& entry) const;
    bool operator==(const TraceFilter&) const = default;
};

// Every verdict, in the order the filter lists them.
const std::vector<TraceVerdict>& TraceVerdicts();

// The columns of an entry as the window lists it: time (ms), direction,
// bytes in hex, decoded, verdict.
enum TraceColumn { TraceTime, TraceDirection, TraceBytes, TraceDecoded, TraceVerdictColumn };
constexpr int kTraceColumnCount = 5;
QString TraceCell(const TraceEntry& entry, int column);

// The text copied or saved for a list of entries: one trace line each, as
// the command line's --trace writes them.
QString TraceText(const std::vector<TraceEntry>& entries);
// Saves that text through the program's safe save: a failure keeps the old file.
SafeSaveResult SaveTraceText(const QString& path, const std::vector<TraceEntry>& entries);

// Reads a trace as it grows: what is new since the last look, filtered, and
// how many entries fell out of the bounded buffer before they were seen (a
// paused or slow reader). Only the reader is slow, never the engine: the
// trace keeps adding while nobody looks.
class TraceReader {
public:
    explicit TraceReader(const LineTrace& trace);

    // The entries added since the last call that pass `filter`.
    std::vector<TraceEntry> takeNew(const TraceFilter& filter);
    // Every entry the buffer still holds that passes `filter`; what comes
    // later is new.
    std::vector<TraceEntry> takeAll(const TraceFilter& filter);
    // Entries that left the buffer unseen, since the reader started.
    quint64 missed() const { return missed_; }
    // After the trace was cleared: nothing held is new.
    void restart();

private:
    const LineTrace& trace_;
    quint64 seen_ = 0;  // trace_.added() at the last look
    quint64 missed_ = 0;
};

}  // namespace lmk17
