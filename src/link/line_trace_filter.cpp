#include "link/line_trace_filter.h"
// notr-file: the cells are the trace's own file text (see line_trace.cpp).

#include <algorithm>

#include "link/frame.h"

namespace lmk17 {

bool TraceFilter::accepts(const TraceEntry& e) const {
    if (address && e.da != *address) return false;
    if (parameter && e.parameter != *parameter) return false;
    if (verdict && e.verdict != *verdict) return false;
    return true;
}

const std::vector<TraceVerdict>& TraceVerdicts() {
    static const std::vector<TraceVerdict> all = {
        TraceVerdict::Request,     TraceVerdict::Repeat,       TraceVerdict::Answer,
        TraceVerdict::EchoDropped, TraceVerdict::NoiseDropped, TraceVerdict::Misshapen,
        TraceVerdict::Late,        TraceVerdict::Timeout};
    return all;
}

QString TraceCell(const TraceEntry& e, int column) {
    switch (column) {
        case TraceTime:
            return QString::number(e.ms);
        case TraceDirection:
            return e.verdict == TraceVerdict::Timeout ? QString()
                   : e.outgoing                       ? QStringLiteral("PC>TX")
                                                      : QStringLiteral("<TX");
        case TraceBytes:
            return HexBytes(e.bytes);
        case TraceDecoded:
            return e.decoded;
        case TraceVerdictColumn:
            return TraceVerdictName(e.verdict);
        default:
            return {};
    }
}

QString TraceText(const std::vector<TraceEntry>& entries) {
    QString text;
    for (const TraceEntry& e : entries) text += TraceLine(e) + QLatin1Char('\n');
    return text;
}

SafeSaveResult SaveTraceText(const QString& path, const std::vector<TraceEntry>& entries) {
    return SaveFileSafely(path, TraceText(entries).toUtf8());
}

TraceReader::TraceReader(const LineTrace& trace) : trace_(trace), seen_(trace.added()) {}

std::vector<TraceEntry> TraceReader::takeNew(const TraceFilter& filter) {
    const quint64 added = trace_.added();
    const auto& held = trace_.entries();
    const quint64 fresh = added - seen_;
    // The newest `fresh` entries are new; those the buffer no longer holds
    // were missed.
    const quint64 available = std::min<quint64>(fresh, held.size());
    missed_ += fresh - available;
    seen_ = added;
    std::vector<TraceEntry> out;
    for (auto it = held.end() - qsizetype(available); it != held.end(); ++it)
        if (filter.accepts(*it)) out.push_back(*it);
    return out;
}

std::vector<TraceEntry> TraceReader::takeAll(const TraceFilter& filter) {
    seen_ = trace_.added();
    std::vector<TraceEntry> out;
    for (const TraceEntry& e : trace_.entries())
        if (filter.accepts(e)) out.push_back(e);
    return out;
}

void TraceReader::restart() {
    seen_ = trace_.added();
}

}  // namespace lmk17
