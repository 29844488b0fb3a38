#pragma once

#include <QtGlobal>

// Texts of the live readings and the output test ("Tools" page), exactly as
// the program shows them (the language modules replace them under the
// "Operations" context).

namespace lmk17::live_text {

inline constexpr char kRead[] = QT_TRANSLATE_NOOP("Operations", "Read");
inline constexpr char kStop[] = QT_TRANSLATE_NOOP("Operations", "Stop");
inline constexpr char kUse[] = QT_TRANSLATE_NOOP("Operations", "Use");
inline constexpr char kTestModeActive[] =
    QT_TRANSLATE_NOOP("Operations", "Output test mode is active.");
inline constexpr char kNoDeviceErrors[] =
    QT_TRANSLATE_NOOP("Operations", "Transmitter works without any errors.");

inline constexpr const char* kDeviceErrorLines[7] = {
    QT_TRANSLATE_NOOP("Operations", " 1 - Sensor Incorrectly Connected or Faulty"),
    QT_TRANSLATE_NOOP("Operations", " 2 - Primary Variable out of the Input Range"),
    QT_TRANSLATE_NOOP("Operations", " 3 - EEPROM Error (Write Error)"),
    QT_TRANSLATE_NOOP("Operations", " 4 - EEPROM Error (CRC Error)"),
    QT_TRANSLATE_NOOP("Operations", " 5 - Misconfiguration (Incorrect Connection Code)"),
    QT_TRANSLATE_NOOP("Operations", " 6 - Internal Error (Divide by Zero)"),
    QT_TRANSLATE_NOOP("Operations", " 7 - Limit Comparator Current Signaling"),
};

inline constexpr char kCjCaption[] =
    QT_TRANSLATE_NOOP("Operations", " Reading CJ Temperature from Transmitter");
inline constexpr char kCjConstant[] = QT_TRANSLATE_NOOP("Operations", "- constant");
inline constexpr char kCjErrorSeen[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Attention, the transmitter was during reading in an error state which may cause incorrect "
    "value of cold junction temperature!");
inline constexpr char kCjNotThermocouple[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Cold junction temperature cannot be read; the connected transmitter is not configured for "
    "thermocouple measuring.");

// A field of the page refused what was typed; the last accepted value stays.
inline constexpr char kPeriodRefused[] = QT_TRANSLATE_NOOP(
    "Operations", "The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.");
inline constexpr char kTestValueRefused[] =
    QT_TRANSLATE_NOOP("Operations",
                      "The output test value must be a number from %1 to %2 %3 (a negative value "
                      "leaves output test mode). The value %4 stays.");

}  // namespace lmk17::live_text
