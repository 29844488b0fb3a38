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

}  // namespace lmk17::test
