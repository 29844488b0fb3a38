#pragma once

#include <QString>
#include <QtGlobal>

#include "config/transmitter_config.h"

namespace lmk17 {

// Which comparator controls a transmitter type offers with its firmware
// (index 0 = comparator or relay 1, index 1 = comparator or relay 2).
struct ComparatorOffer {
    bool enable[2] = {false, false};        // MC1EnbCBx, MC2EnbCBx
    bool errorCurrent[2] = {false, false};  // MCnErrEnbCBx; else the error current is forced on
    bool errorState[2] = {false, false};    // MCnErrStateCB with its label
    bool relay[2] = {false, false};         // Ierr2Rele1CBx, Ierr2Rele2CBx
};
ComparatorOffer OfferedComparatorControls(int typeIndex, int firmwareIndex);

// The comparator controls' contents and enabled states.
struct ComparatorView {
    ComparatorOffer offer;
    bool enableChecked[2] = {false, false};
    bool errorCurrentChecked[2] = {false, false};
    bool switchOnAtError[2] = {false, false};  // " Switch On", else " Switch Off"
    bool reverse[2] = {false, false};          // " Reverse", else " Normal"
    QString levelText[2];                      // SL1Edt, SL2Edt
    QString hysteresisText[2];                 // HS1Edt, HS2Edt (absolute value)
    bool relayChecked[2] = {false, false};
    bool enableEnabled[2] = {false, false};    // the enable boxes themselves
    bool controlsEnabled[2] = {false, false};  // level, hysteresis, polarity, error options
    bool relayEnabled[2] = {false, false};
};

// ComparatorFlags without the bits of comparators the type lacks: no second
// comparator clears bits 5 and 7, no comparator at all keeps only bits 2 and 3.
quint8 AvailableComparatorBits(quint8 flags, int typeIndex);

// The controls for the given flags and the record's four comparator values.
ComparatorView ShowComparators(const TransmitterConfig& config, quint8 flags, int typeIndex,
                               int firmwareIndex);

}  // namespace lmk17
