#pragma once

// Texts of the program shell, exactly as the program shows them (the
// language modules replace them under the "App" context).

namespace lmk17::texts {

inline constexpr char kProgramVersion[] = "2.3.2";
inline constexpr char kApplicationTitle[] = "LMK-17";
inline constexpr char kMainCaption[] = "  LMK-17 - %1";
inline constexpr char kMainDescription[] =
    "Customer Setup Program for K8410 and K8620 Transmitters";
inline constexpr char kDemoCaptionSuffix[] = " (demonstration on the software transmitter)";
inline constexpr char kDemoStatus[] =
    "Demonstration: software transmitter on %1, address %2 (no hardware needed).";
inline constexpr char kDemoFailed[] = "The demonstration transmitter could not be started: %1";
inline constexpr char kDemoNoSimulator[] =
    "lmk17-sim, the software transmitter, was not found beside the program or on the PATH.";

inline constexpr char kCloseQuestion[] = "Do you really want to close application?";
inline constexpr char kMonitoringRefusesClose[] =
    "The program is in monitoring mode. Stop the monitoring before closing the application.";
inline constexpr char kSettingsSaveFailed[] = "The settings could not be saved to %1:\n%2";

inline constexpr char kAboutCaption[] = " About Application";
inline constexpr char kAboutProgram[] = "Program LMK-17";
inline constexpr char kAboutVersionWord[] = "version  ";
inline constexpr char kAboutSettingsFile[] = "Settings file: %1";

inline constexpr char kMailQuestion[] = "Do you want to send an e-mail to %1?";
inline constexpr char kWebQuestion[] = "Do you want to visit %1?";

inline constexpr char kHelpMissing[] = "The help was not found. Looked for the folder %1.";

}  // namespace lmk17::texts
