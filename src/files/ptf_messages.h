#pragma once

#include <QString>

// The texts of loading and saving configuration files, from the program's
// string table (the language modules replace them). Every %s stands for the
// file name as the user gave it.

namespace lmk17::ptf_text {

QString LoadCancelled();                    // "Configuration was not loaded, cancelled by user."
QString NotFound(const QString& fileName);  // "... file: '%s' not found."
// A folder where a file was named; a file the system will not open for
// reading (its reason, "Permission denied", follows the text).
QString IsFolder(const QString& fileName);
QString CannotRead(const QString& fileName, const QString& reason);
QString Damaged(const QString& fileName);  // "Wrong file format or file: '%s' is damaged!"
QString WrongType();                       // "... file is damaged or wrong type."
QString LoadedOk();                        // "Configuration was read without any errors."
QString SaveCancelled();                   // "Configuration was not saved, cancelled by user."
QString AlreadyExists(const QString& fileName);  // overwrite question
QString CannotOpen(const QString& fileName);     // "... cannot open file: '%s'."
QString SavedOk();                               // "Configuration was saved without any errors."
QString NoConfiguration();  // "There has not been set any configuration of transmitter."
QString UnsavedChanges();   // "Changes were not saved. Continue?"

}  // namespace lmk17::ptf_text
