#pragma once

#include <QString>

#include "config/adopt_record.h"
#include "config/catalogue.h"
#include "config/defaults.h"
#include "config/validation.h"

namespace lmk17::test {

// Catalogue positions used by the validation tests.
inline constexpr int kK8410H10 = 1;   // no comparators, no relays
inline constexpr int kK8620L10 = 26;  // two comparators, one relay
inline constexpr int kK8620L20 = 28;  // two comparators, two relays
inline constexpr int kK8620H10 = 22;  // two comparators, no relays
inline constexpr int kFw160 = 1;
inline constexpr int kFw170 = 2;
inline constexpr int kFw185 = 12;
inline constexpr int kFw190 = 13;
inline constexpr int kFw191 = 14;

// A default configuration of a type and firmware with the controls a window
// shows for it; leave() types a text into an edit and leaves it.
struct ValidationFixture {
    TransmitterConfig config;
    ConfigView view;
    CheckContext context;

    ValidationFixture(int typeIndex, int firmwareIndex, int rangeCode = 0) {
        SetDefaultConfiguration(config, typeIndex, 0, firmwareIndex);
        if (rangeCode) ApplyRangeDefaults(config, FindRange(rangeCode));
        view = AdoptRecord(config, typeIndex, firmwareIndex).view;
        context.typeIndex = typeIndex;
        context.firmwareIndex = firmwareIndex;
    }

    CheckOutcome leave(EditField field, const QString& text) {
        EditText(view, field) = text;
        return CheckField(field, config, view, context);
    }
};

}  // namespace lmk17::test
