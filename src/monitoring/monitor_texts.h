#pragma once

// Texts of the monitoring log and the monitoring commands, exactly as the
// program shows and writes them (the language modules replace them under the
// "Monitoring" context).

namespace lmk17::texts {

inline constexpr char kMonProgramVersion[] = "2.3.2";
inline constexpr char kMonStart[] = " Start of the Monitoring:  ";
inline constexpr char kMonVersion[] = "  LMK-17 version %s";
inline constexpr char kMonEnd[] = " End of the Monitoring:  ";
inline constexpr char kMonAddressLine[] = "  Address: %d, Transmitter: %s, Serial Number: %.8d";
inline constexpr char kMonInputRange[] = "    Input Range:";
inline constexpr char kMonRangeValues[] = " < %.*g ; %.*g > %s";
// Not among the program's original texts: a run that lost its port goes on
// and says when the port went away and when it came back (with its name).
inline constexpr char kMonPortLost[] = " Communication Port Lost:  ";
inline constexpr char kMonPortResumed[] = " Communication Port Resumed:  ";
// The column header of a run of several transmitters: the address leads
// every record line.
inline constexpr char kMonAddressColumn[] = "Address  ";
inline constexpr char kMonAttention[] = " Attention!_Transmitter_Error_State!";

inline constexpr char kMonStopQuestion[] = "Do you really want to stop the monitoring mode?";
inline constexpr char kMonClearQuestion[] = "Do you really want to erase records in window?";

// Not among the program's original texts: a log file that cannot be opened or
// written is reported once, and the run goes on with the window log.
inline constexpr char kMonLogFileFailed[] =
    "The log file \"%1\" could not be written. Monitoring goes on; the records are kept in the "
    "log window only.";

}  // namespace lmk17::texts
