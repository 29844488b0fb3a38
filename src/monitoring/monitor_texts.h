#pragma once

#include <QtGlobal>

// Texts of the monitoring log and the monitoring commands, exactly as the
// program shows and writes them. The lines of the log are written to the log
// file too and stay the same in every language (programs read them); the
// questions and messages are translated under the "Monitoring" context.

namespace lmk17::texts {

inline constexpr char kMonProgramVersion[] = "2.3.2";
inline constexpr char kMonStart[] = " Start of the Monitoring:  ";  // notr: log line
inline constexpr char kMonVersion[] = "  LMK-17 version %s";        // notr: log line
inline constexpr char kMonEnd[] = " End of the Monitoring:  ";      // notr: log line
inline constexpr char kMonAddressLine[] =
    "  Address: %d, Transmitter: %s, Serial Number: %.8d";        // notr: log line
inline constexpr char kMonInputRange[] = "    Input Range:";      // notr: log line
inline constexpr char kMonRangeValues[] = " < %.*g ; %.*g > %s";  // notr: log line
// Not among the program's original texts: a run that lost its port goes on
// and says when the port went away and when it came back (with its name).
inline constexpr char kMonPortLost[] = " Communication Port Lost:  ";        // notr: log line
inline constexpr char kMonPortResumed[] = " Communication Port Resumed:  ";  // notr: log line
// The log file is written again after lines were refused (a full disk).
inline constexpr char kMonLogResumed[] = " Log File Written Again:  ";  // notr: log line
inline constexpr char kMonLogLinesLost[] = "  lines not written: ";     // notr: log line
// The column header of a run of several transmitters: the address leads
// every record line.
inline constexpr char kMonAddressColumn[] = "Address  ";                         // notr: log line
inline constexpr char kMonAttention[] = " Attention!_Transmitter_Error_State!";  // notr: log line

inline constexpr char kMonStopQuestion[] =
    QT_TRANSLATE_NOOP("Monitoring", "Do you really want to stop the monitoring mode?");
inline constexpr char kMonClearQuestion[] =
    QT_TRANSLATE_NOOP("Monitoring", "Do you really want to erase records in window?");

// Not among the program's original texts: a log file that cannot be opened or
// written is reported once, and the run goes on with the window log.
inline constexpr char kMonLogFileFailed[] = QT_TRANSLATE_NOOP(
    "Monitoring",
    "The log file \"%1\" could not be written. Monitoring goes on; the records are kept in the "
    "log window only.");

}  // namespace lmk17::texts
