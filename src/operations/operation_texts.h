#pragma once

#include <QtGlobal>

#include <QString>

// The texts of identification and of reading and writing the configuration,
// exactly as the program shows them (the language modules replace them under
// the "Operations" context).

namespace lmk17::operation_text {

inline constexpr char kContext[] = "Operations";

// Refusals of identification (error, OK). The type refusal carries the type
// text in place of %s; each refusal ends with a line break and kTryLater.
inline constexpr char kTypeNotSupported[] = QT_TRANSLATE_NOOP(
    "Operations",
    "The connected transmitter %s is not supported by this version of LMK-17, cannot continue!");
inline constexpr char kFirmwareNotSupported[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Connected transmitter firmware version is not supported by this version of LMK-17, cannot "
    "continue!");
inline constexpr char kRangeNotSupported[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Input range is not supported by this version of LMK-17, or was written wrongly.");
inline constexpr char kTryLater[] =
    QT_TRANSLATE_NOOP("Operations", "Try later version or contact your supplier.");

// The transmitter still carries the write-in-progress mark of a write that
// did not finish.
inline constexpr char kCorruptQuestion[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Transmitter configuration corrupt. Last writing probably not successful. Do you want to "
    "pre-set default configuration?");

// Step 50: the device does not fit the operation about to run.
inline constexpr char kReadAgainQuestion[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Another transmitter was connected or configuration was changed. The transmitter "
    "configuration must be read again.\r\nDo you want to read configuration from transmitter? "
    "If no, operation will be stopped.");
inline constexpr char kDifferentType[] =
    QT_TRANSLATE_NOOP("Operations", "Different type of transmitter is connected, cannot continue.");
inline constexpr char kEarlierFirmware[] = QT_TRANSLATE_NOOP(
    "Operations",
    "The connected transmitter uses earlier firmware version than required for storing the "
    "current configuration. Cannot continue.");
inline constexpr char kFixedRange[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Connected transmitter is configured with fixed input range. Input range cannot be changed, "
    "cannot continue!");
inline constexpr char kAnotherTransmitter[] = QT_TRANSLATE_NOOP(
    "Operations", "Another transmitter was connected, do you really want to continue?");

// Progress window captions (with their leading blank).
inline constexpr char kReadingCaption[] =
    QT_TRANSLATE_NOOP("Operations", " Reading Configuration from Transmitter");
inline constexpr char kWritingCaption[] =
    QT_TRANSLATE_NOOP("Operations", " Writing Configuration to Transmitter");

inline constexpr char kBackupCaption[] =
    QT_TRANSLATE_NOOP("Operations", " Reading Configuration for the Backup");
// The backup before a write.
inline constexpr char kBackupFolderFailed[] =
    QT_TRANSLATE_NOOP("Operations", "The backup folder '%1' could not be created.");
inline constexpr char kBackupFailed[] = QT_TRANSLATE_NOOP(
    "Operations",
    "The transmitter's present configuration could not be kept as a backup, so nothing was "
    "written.");
// Before a write: what changes in the transmitter, one line per field.
inline constexpr char kDifferencesQuestion[] = QT_TRANSLATE_NOOP(
    "Operations", "Writing changes these values of the transmitter (now -> written):");
inline constexpr char kDifferencesMore[] = QT_TRANSLATE_NOOP("Operations", " ... and %1 more");
inline constexpr char kDifferencesStored[] =
    QT_TRANSLATE_NOOP("Operations", " stored values beyond the digits shown: %1");
inline constexpr char kWriteNowQuestion[] =
    QT_TRANSLATE_NOOP("Operations", "Write the configuration to the transmitter?");
inline constexpr char kUnchanged[] = QT_TRANSLATE_NOOP(
    "Operations", "The transmitter already holds this configuration; nothing was written.");
inline constexpr char kUnchangedQuestion[] = QT_TRANSLATE_NOOP(
    "Operations", "The transmitter already holds this configuration. Write it anyway?");
inline constexpr char kVerifyingCaption[] =
    QT_TRANSLATE_NOOP("Operations", " Checking the Written Configuration");
// After a write whose read-back differs: the heading, then one line per parameter.
inline constexpr char kVerifyFailed[] = QT_TRANSLATE_NOOP(
    "Operations",
    "The transmitter acknowledged the configuration, but reading it back gives other values "
    "than were written:");
inline constexpr char kVerifyMismatch[] =
    QT_TRANSLATE_NOOP("Operations", " parameter %1 (row %2): written %3, read %4");

inline constexpr char kWrittenOk[] =
    QT_TRANSLATE_NOOP("Operations", "Configuration was written to transmitter without any errors.");
inline constexpr char kNoConfiguration[] =
    QT_TRANSLATE_NOOP("Operations", "There has not been set any configuration of transmitter.");
inline constexpr char kUnsavedChanges[] =
    QT_TRANSLATE_NOOP("Operations", "Changes were not saved. Continue?");

// A translated text of this context.
QString Tr(const char* text);

}  // namespace lmk17::operation_text
