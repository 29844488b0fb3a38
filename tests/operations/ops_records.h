#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "config/transmitter_config.h"

namespace lmk17::test::ops {

// A record read back after a write equals the one written within what the
// line's single-precision floats keep. The first firmware generation gets its
// corrections back through a gain and an offset, which costs a few more digits.
inline void ExpectSameRecord(const TransmitterConfig& a, const TransmitterConfig& b, int firmware,
                             bool comparators = true) {
    auto near = [](double x, double y, const char* what, double extra = 0.0) {
        const double tolerance = 2e-7 * std::max(1.0, std::fabs(x)) + extra;
        EXPECT_NEAR(x, y, tolerance) << what;
    };
    const double rangeScale = std::max(std::fabs(a.LowerRangeValue), std::fabs(a.UpperRangeValue));
    const double correctionSlack = firmware < 170 ? 1e-6 * std::max(1.0, rangeScale) : 0.0;
    near(a.LowerRangeValue, b.LowerRangeValue, "LowerRangeValue");
    near(a.UpperRangeValue, b.UpperRangeValue, "UpperRangeValue", 2e-7 * rangeScale);
    near(a.LowerCorrection, b.LowerCorrection, "LowerCorrection", correctionSlack);
    near(a.UpperCorrection, b.UpperCorrection, "UpperCorrection", correctionSlack);
    near(a.Damping, b.Damping, "Damping", 1e-6);
    // Types without comparators never exchange their values.
    if (comparators) {
        near(a.Comparator1Level, b.Comparator1Level, "Comparator1Level");
        near(a.Comparator1Hysteresis, b.Comparator1Hysteresis, "Comparator1Hysteresis");
        near(a.Comparator2Level, b.Comparator2Level, "Comparator2Level");
        near(a.Comparator2Hysteresis, b.Comparator2Hysteresis, "Comparator2Hysteresis");
    }
    near(a.LeadResistance1, b.LeadResistance1, "LeadResistance1");
    near(a.LeadResistance2, b.LeadResistance2, "LeadResistance2");
    near(a.CjTemperature, b.CjTemperature, "CjTemperature", 1e-3);
    EXPECT_EQ(a.InputRangeCode, b.InputRangeCode);
    EXPECT_EQ(a.ConnectionCode, b.ConnectionCode);
    EXPECT_EQ(a.RangeFlags, b.RangeFlags);
    EXPECT_EQ(a.ComparatorFlags, b.ComparatorFlags);
    for (size_t i = 0; i < 4; ++i) near(a.CjcPoly[i], b.CjcPoly[i], "CjcPoly");
    for (size_t j = 0; j < 4; ++j)
        for (size_t k = 0; k < 9; ++k)
            near(a.LinSegTable[j][k], b.LinSegTable[j][k], "LinSegTable");
    near(a.DisplayFactor, b.DisplayFactor, "DisplayFactor");
    EXPECT_EQ(a.PvUnit, b.PvUnit);
    EXPECT_EQ(a.AddressByte, b.AddressByte);
    EXPECT_EQ(a.BaudCode, b.BaudCode);
    EXPECT_EQ(a.SerialNumber, b.SerialNumber);
    // A day number of 32768..65535 travels in steps of 2^-8 day.
    EXPECT_NEAR(a.LastChangeDate, b.LastChangeDate, std::ldexp(1.0, -9)) << "LastChangeDate";
    EXPECT_EQ(a.Manufacturer, b.Manufacturer);
    EXPECT_EQ(a.TransmitterType.trimmed(), b.TransmitterType.trimmed());
    EXPECT_EQ(a.ManufactureDate, b.ManufactureDate);
    EXPECT_EQ(a.UserNote.trimmed(), b.UserNote.trimmed());
    EXPECT_NEAR(double(a.WorkingTime), double(b.WorkingTime), 30.0);
    EXPECT_EQ(a.SaturationCodes, b.SaturationCodes);
    EXPECT_EQ(a.ErrorCodes, b.ErrorCodes);
    for (size_t i = 0; i < 4; ++i) near(a.OutputCodePoly[i], b.OutputCodePoly[i], "OutputCodePoly");
    // Decoding the 1.81..1.89 codes lands within a code of the limit.
    const double limitSlack = firmware >= 181 && firmware <= 189 ? 1e-4 : 0.0;
    near(a.ErrorHigh, b.ErrorHigh, "ErrorHigh", limitSlack);
    near(a.ErrorLow, b.ErrorLow, "ErrorLow", limitSlack);
    near(a.SaturationHigh, b.SaturationHigh, "SaturationHigh", limitSlack);
    near(a.SaturationLow, b.SaturationLow, "SaturationLow", limitSlack);
    near(a.OutputGain, b.OutputGain, "OutputGain");
    near(a.OutputOffset, b.OutputOffset, "OutputOffset");
    EXPECT_EQ(a.FilterFlags, b.FilterFlags);
}

}  // namespace lmk17::test::ops
