#include "support/builders.h"

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/defaults.h"

namespace lmk17::test {

LinkRequest ReadRequest(int parameter, int type, int da, int row) {
    LinkRequest r;
    r.operation = OpRead;
    r.dataType = type;
    r.parameter = parameter;
    r.da = da;
    r.row = row;
    return r;
}

LinkRequest WriteRequest(int parameter, int type, int da, int row) {
    LinkRequest r = ReadRequest(parameter, type, da, row);
    r.operation = OpWrite;
    return r;
}

TransmitterConfig DefaultConfig(int typeIndex, int firmwareIndex, const char* typeText) {
    TransmitterConfig c;
    SetDefaultConfiguration(c, typeIndex, 0, firmwareIndex);
    c.TransmitterType = typeText;
    return c;
}

TransmitterConfig CustomerConfig(int rangeCode) {
    TransmitterConfig config;
    EXPECT_TRUE(ApplyRangeDefaults(config, FindRange(rangeCode)));
    return config;
}

TransmitterConfig DistinctRecord(const char* signature) {
    TransmitterConfig c;
    c.Signature = signature;
    c.LowerRangeValue = 1.5;
    c.UpperRangeValue = 2.5;
    c.LowerCorrection = 3.5;
    c.UpperCorrection = 4.5;
    c.Damping = -5.5;
    c.Comparator1Level = 6.5;
    c.Comparator1Hysteresis = -7.5;
    c.Comparator2Level = 8.5;
    c.Comparator2Hysteresis = 9.5;
    c.LeadResistance1 = 10.5;
    c.LeadResistance2 = 11.5;
    c.CjTemperature = 12.5;
    c.InputRangeCode = 51;
    c.ConnectionCode = 7;
    c.RangeFlags = 0xC1;
    c.ComparatorFlags = 0xA5;
    for (int i = 0; i < 4; ++i) c.CjcPoly[i] = 100 + i;
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 9; ++s) c.LinSegTable[k][s] = 1000 + 10 * k + s;
    c.DisplayFactor = 13.5;
    c.PvUnit = 32;
    c.AddressByte = 192;
    c.BaudCode = 15;
    c.SerialNumber = -123456;
    c.LastChangeDate = 36220.5;
    c.Manufacturer = "Maker";
    c.TransmitterType = "K8410H10, verze 1.91";
    c.ManufactureDate = "1.3.1999";
    c.UserNote = QByteArray("TAG \xC8\xE8", 6);
    c.WorkingTime = 90061;
    c.SaturationCodes = 0x12345678u;
    c.ErrorCodes = 0x9ABCDEF0u;
    for (int i = 0; i < 4; ++i) c.OutputCodePoly[i] = 200 + i;
    c.ErrorHigh = 1.125;
    c.ErrorLow = -0.03125;
    c.SaturationHigh = 1.03125;
    c.SaturationLow = -0.0125;
    c.OutputGain = 0.75;
    c.OutputOffset = 0.25;
    c.FilterFlags = 1;
    return c;
}

}  // namespace lmk17::test
