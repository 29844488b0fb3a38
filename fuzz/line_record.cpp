// The quiet-line record is a file any program (or anything else) may have
// left in the runtime folder: its parser takes any bytes without a crash, a
// record it accepts writes back to the same record, and the wait it asks for
// never exceeds the answer window.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "link/line_record.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const LineRecord record = ParseLineRecord(text);
    if (record.kind != LineRecord::Kind::None) {
        const LineRecord again = ParseLineRecord(LineRecordText(record));
        if (again.kind != record.kind || again.sentMs != record.sentMs ||
            again.device != record.device)
            __builtin_trap();
    }
    constexpr int kWindowMs = 1200;
    for (const qint64 now : {qint64(0), record.sentMs, qint64(1) << 50}) {
        const int wait = QuietWaitMs(record, record.device, now, kWindowMs);
        if (wait < 0 || wait > kWindowMs) __builtin_trap();
    }
    return 0;
}
