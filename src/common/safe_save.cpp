#include "common/safe_save.h"

#include <QCoreApplication>
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

// Pushes everything buffered to the disk. A full disk that accepted the
// writes into the page cache may still refuse the blocks here.
QString flushToDisk(QSaveFile& file) {
    if (file.error() != QFileDevice::NoError) return file.errorString();
    if (!file.flush() || file.error() != QFileDevice::NoError) return file.errorString();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {Status::OpenFailed, file.errorString()};
    if (!write(file)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QString();
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
    SafeSaveResult result = SaveFileSafely(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    // A short write without an error the device names: still a failed save.
    if (result.status == SafeSaveResult::Status::WriterFailed)
        result = {SafeSaveResult::Status::WriteFailed, systemReason(EIO)};
    return result;
}

QString AppendChecked(QIODevice& file, const QByteArray& bytes) {
    const qint64 written = file.write(bytes);
    auto* device = qobject_cast<QFileDevice*>(&file);
    const bool flushed = device ? device->flush() : true;
    if (written == bytes.size() && flushed && (!device || device->error() == QFileDevice::NoError))
        return {};
    QString reason = file.errorString();
    if (device) device->unsetError();
    return reason.isEmpty() ? systemReason(EIO) : reason;
}

QString SaveFailedText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Files", "The file '%1' could not be written: %2")
        .arg(path, reason);
}

}  // namespace lmk17
