#pragma once

#include <QString>

namespace lmk17 {

// The kinds of message box the program shows.
enum class MessageKind { Warning, Error, Information, Confirmation };

// Which question is asked. Answer policies (the command line's --yes, tests)
// recognise a question by this, never by its text, which a language module
// may have translated.
enum class Question {
    UnsavedChanges,           // "Changes were not saved. Continue?" (read, load)
    ReadAgain,                // identification: read the configuration again first
    AnotherTransmitter,       // identification: another device than the configuration's
    CorruptPreset,            // an interrupted write: preset the default configuration
    RepeatExchange,           // ErrorRWP52: repeat the failed exchange
    ConnectPort,              // ErrorRWP52 with result 300: open the options dialog
    BreakOperation,           // "Do you really want to break operation?"
    SetDefaultConfiguration,  // ZaklKonfigMnuClick
    DisableCustomerLinearization,
    ChangeCommParameters,  // AdresaBtnClick: parameters other than the defaults
    OverwriteFile,         // a configuration or linearization file exists
    StopMonitoring,
    ClearMonitorLog,
    CloseApplication,             // "Do you really want to close application?"
    ApproximateLinearizationNow,  // linearization editor: points changed, not approximated
    ApproximateCjcNow,            // CJ points changed, not approximated
    CalculateRtdNow,              // sensor constants changed, not calculated
    OutOfDisplayRange,            // the PV limits do not fit the display
    SaveLinearizationNow,         // closing with unsaved linearization changes
    DiscardLinearization,         // Cancel with unsaved linearization changes
    ClearPointTable,              // "Clear Table" of the editor's point grids
    WriteDifferences,             // before a write: the values that change; write?
    WriteUnchanged,               // before a write: the transmitter holds it already
    LeaveOutputTest,              // closing with the output in test mode
};

// The one way the core talks to the user. The GUI implements it with modal
// message boxes, the CLI with terminal prompts or --yes/--no policies, the
// tests with scripted answers. A question may run a nested event loop.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    virtual void message(MessageKind kind, const QString& text) = 0;
    // Yes/No question; true means Yes. Confirmations act only on Yes.
    virtual bool question(Question id, MessageKind kind, const QString& text) = 0;

    // The progress window: shown with a caption and a maximum, stepped to a
    // position, closed when the work ends. warning: the red line "Do not
    // Disconnect Communication Cable!" shows (while the transmitter is written).
    virtual void progressShow(const QString& caption, int maximum, bool warning = false) = 0;
    virtual void progressStep(int position) = 0;
    virtual void progressClose() = 0;
};

}  // namespace lmk17
