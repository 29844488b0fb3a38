#pragma once

#include <QtGlobal>

// Texts of the program's close, exactly as the program shows them (the
// language modules replace them under the "App" context).

namespace lmk17::stack_text {

inline constexpr char kCloseQuestion[] =
    QT_TRANSLATE_NOOP("App", "Do you really want to close application?");
inline constexpr char kMonitoringRefusesClose[] = QT_TRANSLATE_NOOP(
    "App",
    "The program is in monitoring mode. Stop the monitoring before closing the application.");

inline constexpr char kLeaveOutputTestQuestion[] = QT_TRANSLATE_NOOP(
    "App",
    "Output test mode is active: the transmitter's output stays at the test value after the "
    "program is closed. Leave output test mode before closing?");

}  // namespace lmk17::stack_text
