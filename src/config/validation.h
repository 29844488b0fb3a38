#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "common/user_interaction.h"
#include "config/config_view.h"
#include "config/transmitter_config.h"

// The checks of every configuration parameter. A check reads what the
// window's controls hold (a ConfigView the window keeps up to date with its
// edits, lists and boxes), stores into the record and rewrites the controls
// as the window then shows them. A failing check returns its message, the
// page to bring up and the edit to focus; the window applies them.

namespace lmk17 {

enum class ConfigPage { Input, Output, Information };

// The numeric edits of the Input and Output pages.
enum class EditField {
    None,
    LOEdt,        // LowerRangeValue
    HIEdt,        // UpperRangeValue
    LOEEdt,       // LowerCorrection
    HIEEdt,       // UpperCorrection
    DampEdt,      // Damping
    RCEdt,        // LeadResistance1 (single lead resistance)
    RC8_1Edt,     // LeadResistance1 (two-sensor connection)
    RC8_2Edt,     // LeadResistance2
    TemperCJEdt,  // CjTemperature
    SL1Edt,       // Comparator1Level
    HS1Edt,       // Comparator1Hysteresis (absolute value)
    SL2Edt,       // Comparator2Level
    HS2Edt,       // Comparator2Hysteresis (absolute value)
    ROLEdt,       // output range start
    ROHEdt,       // output range end
    NPSatLoEdt,   // SaturationLow
    NPSatHiEdt,   // SaturationHigh
    NPErrLoEdt,   // ErrorLow
    NPErrHiEdt,   // ErrorHigh
};

struct CheckMessage {
    MessageKind kind;
    QString text;
};

struct CheckOutcome {
    bool accepted = true;
    // Everything to show, in order; on failure the last one is the reason.
    std::vector<CheckMessage> messages;
    std::optional<ConfigPage> page;  // the page to bring up on failure
    EditField focus = EditField::None;

    // Appends another outcome's messages and takes over its failure.
    void merge(const CheckOutcome& other);
    QString failureText() const;  // the reason of a failure, empty when accepted
};

struct CheckContext {
    int typeIndex = 0;      // the configuration's transmitter type, 1..41
    int firmwareIndex = 0;  // its firmware, 1..18
    // When set, every number is taken from this record (in the record's own
    // units, exactly) instead of from the edit texts: for callers that check
    // a record without a window, such as the command line.
    const TransmitterConfig* values = nullptr;
};

// The text an edit holds, as the view keeps it.
QString& EditText(ConfigView& view, EditField field);
const QString& EditText(const ConfigView& view, EditField field);
// The page that holds an edit.
ConfigPage PageOf(EditField field);

// The check run when the user leaves an edit (or presses Enter in it); also
// the single steps of the complete check. The output range edits check both
// ends together, the output limit and error output edits their pair.
CheckOutcome CheckField(EditField field, TransmitterConfig& config, ConfigView& view,
                        const CheckContext& context);

// Rebuilds ComparatorFlags from the comparator controls, checks the enabled
// comparators' levels and hysteresis, moves unused values into their bounds
// and refreshes the comparator controls from the result.
CheckOutcome CheckComparators(TransmitterConfig& config, ConfigView& view,
                              const CheckContext& context);

// The parts of the complete check before the final adoption (steps 1..13):
// every parameter again in the fixed order, taking over the values that have
// no edit event of their own.
CheckOutcome CheckAllFields(TransmitterConfig& config, ConfigView& view,
                            const CheckContext& context);

}  // namespace lmk17
