#pragma once

#include <QString>

#include "common/user_interaction.h"
#include "config/comparator_view.h"
#include "config/config_model.h"
#include "config/validation.h"

// The user's edits of the configuration as the pages forward them: each
// writes what the user did into the model's controls, runs the checks on the
// current configuration, takes the undo copies and sets the unsaved-changes
// flag. The model reports: controlsChanged() for the rewritten controls, the
// messages through UserInteraction and checkRefused() for a failure (the page
// is brought up and the edit focused). The outcome is returned as well.

namespace lmk17 {

CheckContext ContextOf(const ConfigModel& model);

// Complete check before a save, a write, a print or the ordering code:
// steps 1..13 over the model's controls as the user left them, then the
// record is adopted into the window again (model.view() holds the result; the
// controls are replaced by it). Without pages (model.controlsShown() false:
// the command line) the numbers are the record's own instead of edit texts.
// Its messages are left to the caller.
CheckOutcome CheckAll(ConfigModel& model);

// An edit's text changed (every keystroke): it is kept for the complete
// check; damping and the second hysteresis count as a change at once.
void EditTextChanged(ConfigModel& model, EditField field, const QString& text);
// Leaving an edit or pressing Enter in it with `text`; entryText is the
// trimmed text it held when it got the focus. A changed text takes an undo
// copy first.
CheckOutcome LeaveEdit(ConfigModel& model, EditField field, QString text, QString entryText);

// The polarity list of comparator n (1 or 2) set to Reverse or Normal.
CheckOutcome ChangePolarity(ConfigModel& model, int n, bool reverse);
// A comparator check box or error-state list of comparator (or relay) n = 1
// or 2 set to `on`: the comparator settings are checked.
enum class ComparatorControl { Enable, ErrorCurrent, ErrorState, Relay };
CheckOutcome ChangeComparatorControl(ConfigModel& model, ComparatorControl control, int n, bool on);
// "Low Output" (low = true) or "High Output" chosen for the error current.
CheckOutcome ChangeErrorOutput(ConfigModel& model, bool low);

// Leaving the user note edit with `text`.
void LeaveUserNote(ConfigModel& model, QString text, QString entryText);
// "Disallow Change of the Transmitter Configuration by the Set-up Unit".
void ToggleEditDisable(ConfigModel& model, bool checked);
// The 50 Hz / 60 Hz input filter buttons.
void SelectInputFilter(ConfigModel& model, bool sixtyHz);
// The "Customer" box of optional customer linearization. Unchecking asks
// before the customer linearization is replaced by the standard one.
void ToggleCustomerLinearization(ConfigModel& model, bool checked, UserInteraction& ui);

// Which lead resistance and cold-junction groups a connection shows.
struct ConnectionGroups {
    bool lead = false;     // RCGB, the single lead resistance
    bool twoLead = false;  // RC8GB, both sensors' lead resistances (1.90 and later)
    bool cj = false;       // KompenzGB
};
ConnectionGroups GroupsForConnection(int rangeCode, int connectionCode, int firmwareIndex);
// Another entry chosen in the connection list.
void ChangeConnection(ConfigModel& model, int connectionCode);

// What the window enables for a transmitter type and firmware (after an
// identification and after a file load).
struct TypeSetup {
    ComparatorOffer comparators;
    bool outputRange = false;   // ROLEdt, ROHEdt and their labels (1.90 and later)
    bool outputLimits = false;  // NPSatLoEdt .. NPErrHiEdt, labels, NPDefaultBtn (1.81+)
    bool inputFilter = false;   // InpFilterGB and its buttons (1.91 and later)
    QString testValueTexts[3];  // TPrHodn1Edt .. TPrHodn3Edt, preset in the output unit
};
TypeSetup SetupForType(int typeIndex, int firmwareIndex);

}  // namespace lmk17
