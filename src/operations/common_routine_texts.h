#pragma once

#include <QtGlobal>

// Texts of the common routines (the repeat question, breaking an operation,
// the wait for a quiet line), exactly as the program shows them; the
// language modules replace them under the "Operations" context
// (operation_text::Tr).

namespace lmk17::operation_text {

inline constexpr char kRepeatReading[] =
    QT_TRANSLATE_NOOP("Operations", "Error during reading the data from transmitter, repeat?");
inline constexpr char kRepeatWriting[] =
    QT_TRANSLATE_NOOP("Operations", "Error during writing the data to transmitter, repeat?");
inline constexpr char kRepeatBadParameters[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Error ('Bad Parameters') during writing the data to transmitter!\r\n"
    "Feasible solution: Stop writing now, set the default configuration (command from menu "
    "'Transmitter') and write configuration to the transmitter.\r\n"
    "Do You want to repeat this operation?");
inline constexpr char kNoPortConnectQuestion[] = QT_TRANSLATE_NOOP(
    "Operations",
    "No communication port connected, cannot continue. Do you want to connect it now?");
inline constexpr char kWriteDeclined[] = QT_TRANSLATE_NOOP(
    "Operations",
    "Error during transmitter configuration writing. Incorrect configuration settings may cause "
    "undefined errors. Configuration should be stored again.");
// Lines of the monitoring log, written to its file too: never translated.
inline constexpr char kMonitorPortNotConnected[] =
    "  Communication Port is not connected.";  // notr: log file line
inline constexpr char kMonitorNoCommunication[] =
    "  Address: %d, ERROR! Communication with the Transmitter was not established!";  // notr: log
                                                                                      // file line
inline constexpr char kMonitorBlankLine[] = " ";
inline constexpr char kBreakQuestion[] =
    QT_TRANSLATE_NOOP("Operations", "Do you really want to break operation?");
// The progress window's caption while a request waits for the line to fall quiet.
inline constexpr char kWaitingForQuietLine[] =
    QT_TRANSLATE_NOOP("Operations", "Waiting for the line to fall quiet...");

}  // namespace lmk17::operation_text
