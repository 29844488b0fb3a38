#pragma once

#include <QStringList>
#include <vector>

#include "link/link_request.h"

namespace lmk17 {

// The read-back after a configuration write: every parameter the write sent
// is read again and compared with what was sent as it travels on the wire
// (numbers as their 16-bit, 32-bit or binary32 values, texts byte by byte).
// An acknowledged write proves only that the frame arrived; this proves the
// transmitter keeps the value.
class WriteVerification {
public:
    void clear();
    // A write about to go out; a later write of the same parameter (and row)
    // replaces the earlier one, since only the last value stays.
    void noteWritten(const LinkRequest& write);

    size_t size() const { return written_.size(); }
    // The read of the i-th written parameter.
    LinkRequest readBack(size_t i) const;
    // Compares the answer to that read with what was written.
    void compare(size_t i, const LinkRequest& answered);

    // One line per parameter that differs: " parameter P (row R): written X, read Y".
    const QStringList& mismatches() const { return mismatches_; }

private:
    std::vector<LinkRequest> written_;
    QStringList mismatches_;
};

}  // namespace lmk17
