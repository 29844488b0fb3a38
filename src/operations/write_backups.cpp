#include "operations/write_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "files/ptf_writer.h"
#include "operations/operation_texts.h"

namespace lmk17 {

namespace {

const char kTimeFormat[] = "yyyy-MM-dd_HH-mm-ss";
const char kSuffix[] = "_before-write.ptf";

const QRegularExpression& backupName() {
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)(?:-(\\d+))?_before-write\\.ptf$"));
    return re;
}

}  // namespace

QString BackupFolderOf(const QString& backupFolder, qint32 serialNumber) {
    return QDir(backupFolder).filePath(QString::asprintf("%.8d", int(serialNumber)));
}

QString SaveBackup(const QString& backupFolder, const TransmitterConfig& config,
                   const QDateTime& now, QString* error) {
    const QString folder = BackupFolderOf(backupFolder, config.SerialNumber);
    if (!QDir().mkpath(folder)) {
        *error = operation_text::Tr(operation_text::kBackupFolderFailed)
                     .arg(QDir::toNativeSeparators(folder));
        return {};
    }
    const QString stamp = now.toString(QLatin1String(kTimeFormat));
    QString path = QDir(folder).filePath(stamp + QLatin1String(kSuffix));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stamp + QLatin1Char('-') + QString::number(n) +
                                     QLatin1String(kSuffix));
    const QString failure = WritePtfFile(path, config);
    if (!failure.isEmpty()) {
        *error = failure;
        return {};
    }
    return path;
}

std::vector<BackupFile> ListBackups(const QString& backupFolder, qint32 serialNumber) {
    struct Found {
        BackupFile file;
        int sequence;
    };
    std::vector<Found> found;
    const QDir folder(BackupFolderOf(backupFolder, serialNumber));
    for (const QString& name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = backupName().match(name);
        if (!m.hasMatch()) continue;
        const QDateTime taken = QDateTime::fromString(m.captured(1), QLatin1String(kTimeFormat));
        if (!taken.isValid()) continue;
        found.push_back({{folder.filePath(name), taken}, m.captured(2).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.file.taken != b.file.taken) return a.file.taken > b.file.taken;
        return a.sequence > b.sequence;
    });
    std::vector<BackupFile> files;
    for (Found& f : found) files.push_back(std::move(f.file));
    return files;
}

int PruneBackups(const QString& backupFolder, qint32 serialNumber, int keep, const QDateTime& now) {
    const std::vector<BackupFile> files = ListBackups(backupFolder, serialNumber);
    const QDateTime weekAgo = now.addDays(-7);
    int deleted = 0;
    for (size_t i = size_t(std::max(keep, 0)); i < files.size(); ++i)
        if (files[i].taken < weekAgo && QFile::remove(files[i].path)) ++deleted;
    return deleted;
}

}  // namespace lmk17
