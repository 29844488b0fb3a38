#include "link/line_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

#include "common/safe_save.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace lmk17 {

namespace {

constexpr int kLongestRecord = 64;  // a record is one short line

}  // namespace

QByteArray LineRecordText(const LineRecord& record) {
    switch (record.kind) {
        case LineRecord::Kind::Quiet:
            return QByteArrayLiteral("quiet\n");
        case LineRecord::Kind::Sent:
            return "sent " + QByteArray::number(record.sentMs) + '\n';
        case LineRecord::Kind::Busy:
        case LineRecord::Kind::None:
            break;
    }
    return QByteArrayLiteral("busy\n");
}

LineRecord ParseLineRecord(const QByteArray& text) {
    const QByteArray line = text.trimmed();
    if (line == "quiet") return LineRecord::quiet();
    if (line == "busy") return LineRecord::busy();
    if (line.startsWith("sent ")) {
        bool ok = false;
        const qint64 ms = line.mid(5).toLongLong(&ok);
        if (ok && ms > 0) return LineRecord::sent(ms);
    }
    return {};
}

int QuietWaitMs(const LineRecord& record, qint64 nowMs, int windowMs) {
    switch (record.kind) {
        case LineRecord::Kind::Quiet:
            return 0;
        case LineRecord::Kind::Sent: {
            const qint64 since = nowMs - record.sentMs;
            if (since < 0) return windowMs;  // the clock went back: nothing is known
            return int(std::max<qint64>(0, windowMs - since));
        }
        case LineRecord::Kind::Busy:
        case LineRecord::Kind::None:
            break;
    }
    return windowMs;
}

QString DefaultLineRecordFolder() {
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
#ifdef Q_OS_UNIX
    // Without XDG_RUNTIME_DIR Qt would pick a folder of its own and say so on
    // every start; a private folder of ours in the temporary folder is quiet.
    if (base.isEmpty() || !QFileInfo(base).isDir())
        return QDir::tempPath() + QStringLiteral("/lmk17-runtime-%1").arg(::getuid());
#else
    if (base.isEmpty()) base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (base.isEmpty()) return {};
    return base + QStringLiteral("/lmk17");
}

QString LineRecordPath(const QString& folder, const QString& deviceName) {
    if (folder.isEmpty() || deviceName.isEmpty()) return {};
    // A symbolic link and the device it names are one line.
    const QString canonical = QFileInfo(deviceName).canonicalFilePath();
    const QString device = canonical.isEmpty() ? deviceName : canonical;
    return folder + QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(device)) +
           QStringLiteral(".state");
}

LineRecord ReadLineRecord(const QString& path) {
    if (path.isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ParseLineRecord(file.read(kLongestRecord));
}

bool WriteLineRecord(const QString& path, const LineRecord& record) {
    if (path.isEmpty()) return false;
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder)) return false;
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return SaveFileSafely(path, LineRecordText(record)).saved();
}

}  // namespace lmk17
