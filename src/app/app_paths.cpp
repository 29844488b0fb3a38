#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lmk17 {

namespace {

const QString kSettingsName = QStringLiteral("lmk17.ini");

QString withSlash(QString dir) {
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

bool isExecutable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString SettingsFilePath(const QString& programFolder, const QString& userConfigFolder) {
    const QString beside = QDir(programFolder).filePath(kSettingsName);
    const QFileInfo file(beside);
    // The file is replaced through a temporary file, so the folder must be
    // writable as well as the file.
    if (file.isFile() && file.isWritable() && QFileInfo(programFolder).isWritable()) return beside;
    return QDir(userConfigFolder).filePath(kSettingsName);
}

QString UserDataFolder(const QString& documentsFolder, const QString& homeFolder) {
    const QString folder = QDir(documentsFolder).filePath(QStringLiteral("LMK-17"));
    if (QDir().mkpath(folder)) return withSlash(folder);
    return withSlash(homeFolder);
}

AppFolders MakeAppFolders(const QString& documentsFolder, const QString& homeFolder) {
    AppFolders f;
    f.dataFolder = UserDataFolder(documentsFolder, homeFolder);
    const QString data = f.dataFolder + QStringLiteral("Data/");
    f.defaultFileDir = QDir().mkpath(data) ? data : f.dataFolder;
    return f;
}

QString DefaultBackupFolder(const AppFolders& folders) {
    return folders.dataFolder + QStringLiteral("Backups/");
}

QStringList ProgramDataFolders(const QString& programFolder) {
#ifndef LMK17_DATA_DIR
#define LMK17_DATA_DIR ""
#define LMK17_RELATIVE_DATA_DIR "share/lmk17"
#endif
    QStringList folders{programFolder};
    const QString relative = QDir::cleanPath(
        QDir(programFolder)
            .filePath(QStringLiteral("../") + QLatin1String(LMK17_RELATIVE_DATA_DIR)));
    for (const QString& folder : {relative, QStringLiteral(LMK17_DATA_DIR)})
        if (!folder.isEmpty() && !folders.contains(folder)) folders << folder;
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (!folders.contains(folder)) folders << folder;
    return folders;
}

QString FindSimulatorProgram(const QString& programFolder) {
    const QString fromEnv = qEnvironmentVariable("LMK17_SIM");
    if (!fromEnv.isEmpty() && isExecutable(fromEnv)) return fromEnv;
    const QDir dir(programFolder);
    for (const QString& candidate : {dir.filePath(QStringLiteral("lmk17-sim")),
                                     dir.filePath(QStringLiteral("../sim/lmk17-sim"))}) {
        if (isExecutable(candidate)) return QDir::cleanPath(candidate);
    }
    return QStandardPaths::findExecutable(QStringLiteral("lmk17-sim"));
}

QString ProgramSettingsFilePath() {
    return SettingsFilePath(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

AppFolders ProgramAppFolders() {
    return MakeAppFolders(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                          QDir::homePath());
}

QString ProgramBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace lmk17
