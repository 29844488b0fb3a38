#pragma once

// The numbered help contexts: F1 on a window, page or group opens the help
// topic its number names in the help folder's contexts.txt. Several elements
// share a number (the Input page with the transmitter communication dialog,
// the main window with the printer group).

namespace lmk17::help {

enum Context : int {
    ProgressWindow = 1,
    LinearHelpMenu = 900,         // linearization editor, "Help" menu
    ReadConfiguration = 1000,     // Read button, "&Read Configuration"
    LoadConfiguration = 1100,     // Load button, "&Load Configuration"
    ConfigurationPages = 1200,    // Input page, communication dialog
    OutputPage = 1210,            // Output page
    Comparators = 1300,           // limit comparator groups 1 and 2
    WriteConfiguration = 1400,    // Write button, "&Write Configuration"
    SaveConfiguration = 1500,     // Save button, "&Save Configuration"
    MainWindow = 1600,            // main window, printer group and commands
    WorkingTime = 1700,           // "Read Working Time", working time group
    InformationPage = 1710,       // Information page
    Linearization = 1800,         // Linearization button, editor, its menus
    PrimaryVariable = 1900,       // Tools page, "Read Primary Variable Value"
    ColdJunction = 2000,          // CJ temperature group and command
    OutputTest = 2100,            // output test group
    Monitoring = 2200,            // Monitoring page, START and STOP
    ApproximationGraph = 2800,    // editor "Graph" menu, approximation graph
    About = 2900,                 // "&About ..."
    MonitoringParameters = 2910,  // "Monitoring Parameters" and its dialog
    MonitoringGraph = 2920,       // "View the Monitoring Graph" and its window
    MainMenus = 3000,             // "File", "Edit", "Transmitter", "View", "Help"
    LinearFileEditMenus = 3100,   // linearization editor "File" and "Edit"
    Options = 3500,               // "&Settings", "Options" and its dialog
    BackupSettings = 3510,        // "Backups and Writing…" and its dialog
};

// Every context a window can ask for.
inline constexpr Context kAllContexts[] = {
    ProgressWindow,
    LinearHelpMenu,
    ReadConfiguration,
    LoadConfiguration,
    ConfigurationPages,
    OutputPage,
    Comparators,
    WriteConfiguration,
    SaveConfiguration,
    MainWindow,
    WorkingTime,
    InformationPage,
    Linearization,
    PrimaryVariable,
    ColdJunction,
    OutputTest,
    Monitoring,
    ApproximationGraph,
    About,
    MonitoringParameters,
    MonitoringGraph,
    MainMenus,
    LinearFileEditMenus,
    Options,
    BackupSettings,
};

// F1 in the main window opens the context of the control that has the
// focus: the nearest of the control and the groups and page around it that
// has a context of its own; the main window's when none has.
inline constexpr Context kPageContexts[] = {
    ConfigurationPages,  // Input
    OutputPage,          // Output
    InformationPage,     // Information
    PrimaryVariable,     // Tools
    Monitoring,          // Monitoring
};

// The controls and groups of the main window with a context of their own,
// by object name.
struct ControlContext {
    const char* objectName;
    Context context;
};
inline constexpr ControlContext kControlContexts[] = {
    {"PrevodnikLoadBtn", ReadConfiguration},
    {"PrevodnikSaveBtn", WriteConfiguration},
    {"AdresaBtn", ConfigurationPages},  // the communication dialog's
    {"DiskLoadBtn", LoadConfiguration},
    {"DiskSaveBtn", SaveConfiguration},
    {"PrinterGB", MainWindow},
    {"LimitComparatorsGB", Comparators},
    {"LinearBtn", Linearization},
    {"TstProudGB", OutputTest},
    {"CJGB", ColdJunction},
    {"ProCasGB", WorkingTime},
    {"MonParamBtn", MonitoringParameters},
    {"MonGraphBtn", MonitoringGraph},
};

}  // namespace lmk17::help
