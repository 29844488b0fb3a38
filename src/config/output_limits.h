#pragma once

#include <QString>

#include "config/catalogue.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// The four output limits in physical units (A or V), SaturationLow first.
struct PhysicalOutputLimits {
    double SaturationLow = 0.0;
    double SaturationHigh = 0.0;
    double ErrorLow = 0.0;
    double ErrorHigh = 0.0;
};

// A normalised output value x to its physical value with the record's output
// range: ((x x OutputGain + OutputOffset) x span + o0).
double PhysicalOutput(const TransmitterConfig& config, const OutputTypeEntry& type, double x);
PhysicalOutputLimits ComputePhysicalLimits(const TransmitterConfig& config,
                                           const OutputTypeEntry& type);

// Firmware 1.81..1.89 keep the limits as output codes computed with the
// transmitter's own calibration polynomial (OutputCodePoly, c0 first).
// Encoding clamps each normalised limit to the output type's bounds and
// replaces a stored code only when it moved by more than 1 % of the span.
// Both do nothing for other firmware or an unknown type.
void EncodeOutputCodes(TransmitterConfig& config, int typeIndex, int firmwareIndex);
// Turns both code words back into normalised limits (each by interval halving
// inside the default error-output interval; a code without a root there takes
// the output type's default). Either code word zero sets the default limits.
void DecodeOutputCodes(TransmitterConfig& config, int typeIndex, int firmwareIndex);

// The Output page.
struct OutputView {
    QString rangeName;                              // OutRangeLbl
    QString unit;                                   // every output unit label
    QString rangeLowText, rangeHighText;            // ROLEdt, ROHEdt (empty below 1.90)
    QString testLowLabel, testHighLabel;            // VystPrPrb1Lbl, VystPrPrb2Lbl
    QString saturationLowText, saturationHighText;  // NPSatLoEdt, NPSatHiEdt
    QString errorLowText, errorHighText;            // NPErrLoEdt, NPErrHiEdt
    int outputTypeCode = 0;                         // for the output range picture
    double rangeStart = 0.0, rangeEnd = 0.0;        // A or V
};
OutputView ShowOutputValues(const TransmitterConfig& config, int typeIndex, int firmwareIndex);

}  // namespace lmk17
