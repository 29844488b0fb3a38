#include "files/ptf_messages.h"

#include <QCoreApplication>

namespace lmk17::ptf_text {

namespace {

QString fileText(const char* text) {
    return QCoreApplication::translate("Configuration file", text);
}

QString withName(const char* text, const QString& fileName) {
    QString t = fileText(text);
    return t.replace(QLatin1String("%s"), fileName);
}

}  // namespace

QString LoadCancelled() {
    return fileText(QT_TRANSLATE_NOOP("Configuration file",
                                      "Configuration was not loaded, cancelled by user."));
}
QString NotFound(const QString& fileName) {
    return withName(QT_TRANSLATE_NOOP("Configuration file",
                                      "Configuration was not loaded, file: '%s' not found."),
                    fileName);
}
QString IsFolder(const QString& fileName) {
    return withName(
        QT_TRANSLATE_NOOP("Configuration file", "Configuration was not loaded, '%s' is a folder."),
        fileName);
}
QString CannotRead(const QString& fileName, const QString& reason) {
    return withName(QT_TRANSLATE_NOOP("Configuration file",
                                      "Configuration was not loaded, file: '%s' cannot be read:"),
                    fileName) +
           QLatin1Char(' ') + reason;
}
QString Damaged(const QString& fileName) {
    return withName(
        QT_TRANSLATE_NOOP("Configuration file", "Wrong file format or file: '%s' is damaged!"),
        fileName);
}
QString WrongType() {
    return fileText(QT_TRANSLATE_NOOP(
        "Configuration file", "Configuration was not loaded, file is damaged or wrong type."));
}
QString LoadedOk() {
    return fileText(
        QT_TRANSLATE_NOOP("Configuration file", "Configuration was read without any errors."));
}
QString SaveCancelled() {
    return fileText(
        QT_TRANSLATE_NOOP("Configuration file", "Configuration was not saved, cancelled by user."));
}
QString AlreadyExists(const QString& fileName) {
    return withName(QT_TRANSLATE_NOOP("Configuration file",
                                      "File: '%s' already exists, do you want to overwrite it?"),
                    fileName);
}
QString CannotOpen(const QString& fileName) {
    return withName(QT_TRANSLATE_NOOP("Configuration file",
                                      "Configuration was not saved, cannot open file: '%s'."),
                    fileName);
}
QString SavedOk() {
    return fileText(
        QT_TRANSLATE_NOOP("Configuration file", "Configuration was saved without any errors."));
}
QString NoConfiguration() {
    return fileText(QT_TRANSLATE_NOOP("Configuration file",
                                      "There has not been set any configuration of transmitter."));
}
QString UnsavedChanges() {
    return fileText(QT_TRANSLATE_NOOP("Configuration file", "Changes were not saved. Continue?"));
}

}  // namespace lmk17::ptf_text
