#include "link/port_failure.h"

#include <QCoreApplication>
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

QString PortFailureDetail(const QString& devicePath, const QString& systemReason) {
    QString detail = systemReason.trimmed();
    if (PortPermissionDenied(devicePath)) {
        if (!detail.isEmpty()) detail += QLatin1Char('\n');
        detail += QCoreApplication::translate(
            "Link",
            "You may not open this port: add your user to the dialout group "
            "(sudo usermod -aG dialout $USER), then log out and in again.");
    }
    return detail;
}

}  // namespace lmk17
