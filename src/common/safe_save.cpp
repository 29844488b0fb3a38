#include "common/safe_save.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace lmk17 {

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all of bytes. A short write names no reason; the write of the rest
// then meets the refusal itself (a full disk, a size limit) and the device
// carries its reason.
bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// The reason of a failed write. When the disk took part of a block, the
// failure names no reason ("Unknown error"); writing what is left of the
// buffer then meets the refusal itself and names it.
QString reasonOf(QSaveFile& file) {
    file.flush();
    return file.errorString();
}

// What a streaming writer (PDF, image) writes goes through writeAll, so that
// a refused write carries the system's reason, whatever the writer makes of
// the short count.
class WholeWrites : public QIODevice {
public:
    explicit WholeWrites(QSaveFile& target) : target_(target) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (!writeAll(target_, QByteArray::fromRawData(data, size))) {
            setErrorString(reasonOf(target_));
            return -1;
        }
        return size;
    }

private:
    QSaveFile& target_;
};

// Pushes everything buffered to the disk. A full disk that accepted the
// writes into the page cache may still refuse the blocks here.
QString flushToDisk(QSaveFile& file) {
    if (file.error() != QFileDevice::NoError) return reasonOf(file);
    if (!file.flush()) return reasonOf(file);
    if (file.error() != QFileDevice::NoError) return file.errorString();
#ifdef Q_OS_UNIX
    const int handle = file.handle();
    if (handle >= 0) {
        int rc = 0;
        do {
            rc = ::fsync(handle);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0 && errno != EINVAL && errno != EROFS) return systemReason(errno);
    }
#endif
    return {};
}

}  // namespace

SafeSaveResult SaveFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    using Status = SafeSaveResult::Status;
    // A device, pipe or socket under the name is no file to replace: the
    // save would put a regular file in its place (/dev/full included).
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return {Status::OpenFailed,
                QCoreApplication::translate("Files",
                                            "Not a regular file (a device, a pipe or a socket)")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {Status::OpenFailed, file.errorString()};
    WholeWrites device(file);
    if (!write(device)) {
        const QString reason = file.error() != QFileDevice::NoError ? reasonOf(file) : QString();
        file.cancelWriting();
        return {reason.isEmpty() ? Status::WriterFailed : Status::WriteFailed, reason};
    }
    const QString reason = flushToDisk(file);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return {Status::WriteFailed, reason};
    }
    if (!file.commit()) return {Status::WriteFailed, file.errorString()};
    return {Status::Saved, {}};
}

SafeSaveResult SaveFileSafely(const QString& path, const QByteArray& bytes) {
    SafeSaveResult result =
        SaveFileSafely(path, [&](QIODevice& device) { return writeAll(device, bytes); });
    // A short write without an error the device names: still a failed save.
    if (result.status == SafeSaveResult::Status::WriterFailed)
        result = {SafeSaveResult::Status::WriteFailed, systemReason(EIO)};
    return result;
}

QString AppendChecked(QIODevice& file, const QByteArray& bytes) {
    const bool written = writeAll(file, bytes);
    auto* device = qobject_cast<QFileDevice*>(&file);
    const bool flushed = device ? device->flush() : true;
    if (written && flushed && (!device || device->error() == QFileDevice::NoError)) return {};
    QString reason = file.errorString();
    if (device) device->unsetError();
    return reason.isEmpty() ? systemReason(EIO) : reason;
}

QString SaveFailedText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Files", "The file '%1' could not be written: %2")
        .arg(path, reason);
}

}  // namespace lmk17
