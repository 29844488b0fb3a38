#include "link/line_record.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <vector>

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
            return "quiet " + QByteArray::number(record.device) + '\n';
        case LineRecord::Kind::Sent:
            return "sent " + QByteArray::number(record.sentMs) + ' ' +
                   QByteArray::number(record.device) + '\n';
        case LineRecord::Kind::Busy:
        case LineRecord::Kind::None:
            break;
    }
    return QByteArrayLiteral("busy\n");
}

LineRecord ParseLineRecord(const QByteArray& text) {
    const QList<QByteArray> words = text.simplified().split(' ');
    std::vector<qint64> numbers;
    for (qsizetype i = 1; i < words.size(); ++i) {
        bool ok = false;
        numbers.push_back(words[i].toLongLong(&ok));
        if (!ok || numbers.back() <= 0) return {};
    }
    if (words[0] == "busy" && numbers.empty()) return LineRecord::busy();
    if (words[0] == "quiet" && numbers.size() == 1) return LineRecord::quiet(numbers[0]);
    if (words[0] == "sent" && numbers.size() == 2) return LineRecord::sent(numbers[0], numbers[1]);
    return {};
}

qint64 DeviceStamp(const QString& deviceName) {
    const QDateTime made = QFileInfo(deviceName).metadataChangeTime();
    return made.isValid() ? made.toMSecsSinceEpoch() : 0;
}

int QuietWaitMs(const LineRecord& record, qint64 device, qint64 nowMs, int windowMs) {
    if (record.kind != LineRecord::Kind::Busy && (device == 0 || record.device != device))
        return windowMs;
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
