#pragma once

#include <QtGlobal>

// Texts of the engine's common routines, exactly as the program shows them
// (the language modules replace them under the "Link" context).

namespace lmk17::texts {

inline constexpr char kRepeatReading[] =
    QT_TRANSLATE_NOOP("Link", "Error during reading the data from transmitter, repeat?");
inline constexpr char kRepeatWriting[] =
    QT_TRANSLATE_NOOP("Link", "Error during writing the data to transmitter, repeat?");
inline constexpr char kRepeatBadParameters[] = QT_TRANSLATE_NOOP(
    "Link",
    "Error ('Bad Parameters') during writing the data to transmitter!\r\n"
    "Feasible solution: Stop writing now, set the default configuration (command from menu "
    "'Transmitter') and write configuration to the transmitter.\r\n"
    "Do You want to repeat this operation?");
inline constexpr char kWriteDeclined[] = QT_TRANSLATE_NOOP(
    "Link",
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
    QT_TRANSLATE_NOOP("Link", "Do you really want to break operation?");
// The progress window's caption while a request waits for the line to fall quiet.
inline constexpr char kWaitingForQuietLine[] =
    QT_TRANSLATE_NOOP("Link", "Waiting for the line to fall quiet...");
inline constexpr char kProgressWarning[] =
    QT_TRANSLATE_NOOP("Link", "Do not Disconnect Communication Cable!");

}  // namespace lmk17::texts
