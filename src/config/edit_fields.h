#pragma once

#include <span>

#include "config/validation.h"

// One descriptor per numeric edit of the Input and Output pages: everything
// the checks, the messages and the pages need to know about an edit, kept in
// one place so that a new edit cannot be forgotten in one of them.

namespace lmk17 {

// How an edit's number relates to the record's value.
enum class EditScale {
    RangeDependent,          // shown in the range's display units, stored in device units
    AbsoluteRangeDependent,  // as RangeDependent, without its sign (the sign is kept elsewhere)
    Absolute,                // shown as stored, without its sign
    Plain,                   // shown as stored
    Output,                  // shown in the output unit, stored in A or V
};

// The check run when the user leaves an edit.
enum class EditCheck {
    InRange,         // within the input range, stored even when refused
    Correction,      // at most 5 % of the input range, stored even when refused
    Damping,         // the damping with the error-current direction in its sign
    Lead,            // a lead resistance, stored only when accepted
    CjTemperature,   // the cold-junction temperature
    Hysteresis,      // a comparator hysteresis with its polarity in the sign
    OutputRange,     // both ends of the output range together
    SaturationPair,  // both output limits together
    ErrorPair,       // both error outputs together
};

struct EditFieldDescriptor {
    EditField field;
    const char* objectName;  // the edit's name in the window
    ConfigPage page;
    EditScale scale;
    EditCheck check;
    // The record's value the edit shows; null for the output range ends,
    // which follow from the output offset and gain.
    double TransmitterConfig::*member;
    QString& (*viewText)(ConfigView&);  // the text the view keeps for the edit
    const char* parameterName;          // untranslated, as the messages use it
    int comparator;                     // 1 or 2 fills the name's "%d"; 0 otherwise
    // Typing alone marks the configuration changed (the old program did so
    // for these two edits only).
    bool typingCounts;
};

// Every edit's descriptor, in the order of the enum (without None).
std::span<const EditFieldDescriptor> EditFieldDescriptors();
// An edit's descriptor; nullptr for EditField::None.
const EditFieldDescriptor* DescriptorOf(EditField field);

}  // namespace lmk17
