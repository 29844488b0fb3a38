#pragma once

// Texts of the live readings and the output test ("Tools" page), exactly as
// the program shows them (the language modules replace them under the
// "Operations" context).

namespace lmk17::live_text {

inline constexpr char kRead[] = "Read";
inline constexpr char kStop[] = "Stop";
inline constexpr char kUse[] = "Use";
inline constexpr char kTestModeActive[] = "Output test mode is active.";
inline constexpr char kNoDeviceErrors[] = "Transmitter works without any errors.";

inline constexpr const char* kDeviceErrorLines[7] = {
    " 1 - Sensor Incorrectly Connected or Faulty",
    " 2 - Primary Variable out of the Input Range",
    " 3 - EEPROM Error (Write Error)",
    " 4 - EEPROM Error (CRC Error)",
    " 5 - Misconfiguration (Incorrect Connection Code)",
    " 6 - Internal Error (Divide by Zero)",
    " 7 - Limit Comparator Current Signaling",
};

inline constexpr char kCjCaption[] = " Reading CJ Temperature from Transmitter";
inline constexpr char kCjConstant[] = "- constant";
inline constexpr char kCjErrorSeen[] =
    "Attention, the transmitter was during reading in an error state which may cause incorrect "
    "value of cold junction temperature!";
inline constexpr char kCjNotThermocouple[] =
    "Cold junction temperature cannot be read; the connected transmitter is not configured for "
    "thermocouple measuring.";

}  // namespace lmk17::live_text
