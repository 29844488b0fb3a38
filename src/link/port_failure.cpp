#include "link/port_failure.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace lmk17 {

bool PortPermissionDenied(const QString& devicePath) {
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(devicePath);
    return ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), R_OK | W_OK) != 0 &&
           errno == EACCES;
#else
    Q_UNUSED(devicePath);
    return false;
#endif
}

PortFailure PortFailureOf(const QString& devicePath, const QString& systemReason) {
    PortFailure failure;
    failure.systemReason = systemReason.trimmed();
    if (PortPermissionDenied(devicePath)) failure.reason = PortFailureReason::PermissionDenied;
    return failure;
}

}  // namespace lmk17
