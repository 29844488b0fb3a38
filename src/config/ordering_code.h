#pragma once

#include <QByteArray>
#include <QString>

#include "config/catalogue.h"
#include "config/transmitter_config.h"
#include "config/validation.h"

namespace lmk17 {

// The type designation as the ordering code and the printout take it from
// the record's type text; a text longer than 32 characters gives none.
// fixedRange (when given) tells whether the designation ended at ";".
QString TypeDesignation(const QByteArray& transmitterType, bool* fixedRange = nullptr);

// Ranges that measure a current or voltage and may carry a customer
// linearization have no cold-junction compensation: neither the ordering code
// nor the printout mention a cold-junction temperature for them.
inline bool HasColdJunctionMark(const InputRangeEntry& range) {
    return range.OptionalCustomer;
}

struct OrderingCode {
    QString text;             // empty when the range code is unknown
    bool fixedRange = false;  // the type designation ended at ";"
};

// The ordering code of a record for the configuration's transmitter type and
// firmware (catalogue indexes): the type designation and one token per
// configured property, each followed by two blanks.
OrderingCode BuildOrderingCode(const TransmitterConfig& config, int typeIndex, int firmwareIndex);

class ConfigModel;
class UserInteraction;

// "View Ordering Code": nothing without a configuration (says so); the
// complete check first (its failure is returned for the window to show, with
// the page and edit); then the code in a plain message box. Returns the code
// shown, empty when none was.
struct OrderingCodeCommandResult {
    OrderingCode code;
    bool shown = false;
    CheckOutcome check;
};
// ConfigRetMnuClick
OrderingCodeCommandResult showOrderingCode(ConfigModel& model, UserInteraction& ui);

}  // namespace lmk17
