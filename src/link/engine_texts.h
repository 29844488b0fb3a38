#pragma once

// Texts of the engine's common routines, exactly as the program shows them
// (the language modules replace them under the "Link" context).

namespace lmk17::texts {

inline constexpr char kRepeatReading[] = "Error during reading the data from transmitter, repeat?";
inline constexpr char kRepeatWriting[] = "Error during writing the data to transmitter, repeat?";
inline constexpr char kRepeatBadParameters[] =
    "Error ('Bad Parameters') during writing the data to transmitter!\r\n"
    "Feasible solution: Stop writing now, set the default configuration (command from menu "
    "'Transmitter') and write configuration to the transmitter.\r\n"
    "Do You want to repeat this operation?";
inline constexpr char kWriteDeclined[] =
    "Error during transmitter configuration writing. Incorrect configuration settings may cause "
    "undefined errors. Configuration should be stored again.";
inline constexpr char kMonitorPortNotConnected[] = "  Communication Port is not connected.";
inline constexpr char kMonitorNoCommunication[] =
    "  Address: %d, ERROR! Communication with the Transmitter was not established!";
inline constexpr char kMonitorBlankLine[] = " ";
inline constexpr char kBreakQuestion[] = "Do you really want to break operation?";
inline constexpr char kProgressWarning[] = "Do not Disconnect Communication Cable!";

}  // namespace lmk17::texts
