#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace lmk17 {

// The outcome of a save. `reason` is the system's own words for a failure
// ("No space left on device", "Permission denied"), empty on success and when
// the writer itself gave up (it reports its own message then).
struct SafeSaveResult {
    // OpenFailed: no temporary file could be made beside the target (a
    // folder without write permission, a missing folder); WriteFailed: the
    // bytes could not all be written (a full disk, a size limit).
    enum class Status { Saved, WriterFailed, OpenFailed, WriteFailed };
    Status status = Status::WriteFailed;
    QString reason;

    bool saved() const { return status == Status::Saved; }
};

// The one way every file of the program is written. The bytes go to a
// temporary file beside the target; it is flushed, checked and synced to the
// disk before it replaces the old file. On any failure the temporary file is
// dropped and the old file stays byte-identical. A final flush that fails is
// caught here, not left to the commit, which may report success after it
// (a full disk would otherwise leave an empty file behind a "saved").
SafeSaveResult SaveFileSafely(const QString& path, const QByteArray& bytes);

// The same for a writer that streams into the device (PDF pages, images).
// `write` returns false when it gave up on its own.
SafeSaveResult SaveFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);

// Writes to a file kept open for appending (a monitoring log): every write is
// checked and flushed at once. Returns an empty string, else the system's reason.
QString AppendChecked(QIODevice& file, const QByteArray& bytes);

// "The file '%1' could not be written: %2" for the user, with the reason.
QString SaveFailedText(const QString& path, const QString& reason);

}  // namespace lmk17
