// The simulated transmitter's model: which parameters each firmware and type
// carries, and how live values read back per firmware.

#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/identification_text.h"
#include "link/frame.h"
#include "sim_transmitter.h"
#include "support/builders.h"
#include "support/qt_printers.h"

using namespace lmk17;
using namespace lmk17::sim;

namespace {

TransmitterProfile Profile(const char* type, int firmware, int address = 0) {
    TransmitterProfile s;
    s.typeName = QString::fromLatin1(type);
    s.firmware = firmware;
    s.address = address;
    return s;
}

SimRequest Request(int operation, int parameter, int type, int row = 0, int da = 0,
                   double value = 0.0) {
    LinkRequest r = test::ReadRequest(parameter, type, da, row);
    r.operation = operation;
    r.value = value;
    r.value16 = std::int16_t(value);
    r.value32 = std::int32_t(value);
    SimRequest out;
    EXPECT_TRUE(ParseRequest(BuildRequestFrame(r, 31), out));
    return out;
}

// The answer code, 8 for a read answered with data.
int Code(SimTransmitter& t, int operation, int parameter, int type, int row = 0) {
    return t.handle(Request(operation, parameter, type, row)).code;
}

double ReadFloat(SimTransmitter& t, int parameter) {
    const auto a = t.handle(Request(1, parameter, TypeFloat));
    EXPECT_EQ(a.code, 8) << parameter;
    return ReadWireFloat(a.value, 0);
}

std::int32_t ReadInt(SimTransmitter& t, int parameter, int type) {
    const auto a = t.handle(Request(1, parameter, type));
    EXPECT_EQ(a.code, 8) << parameter;
    return ReadWireInt(a.value, 0, type == TypeInt16 ? 2 : 4);
}

void WriteFloat(SimTransmitter& t, int parameter, double v) {
    EXPECT_EQ(t.handle(Request(2, parameter, TypeFloat, 0, 0, v)).code, 0);
}

TEST(SimTransmitter, CarriesWhatItsFirmwareAndTypeHave) {
    struct Case {
        const char* type;
        int firmware;
        int parameter;
        int dataType;
        int code;  // 8 carried, 2 bad parameters
    };
    const Case cases[] = {
        {"K8620L31", 160, 73, TypeFloat, 2},  {"K8620L31", 189, 73, TypeFloat, 2},
        {"K8620L31", 190, 73, TypeFloat, 8},  {"K8620L31", 190, 114, TypeInt16, 2},
        {"K8620L31", 191, 114, TypeInt16, 8}, {"K8620L31", 180, 160, TypeBlock, 2},
        {"K8620L31", 181, 160, TypeBlock, 8}, {"K8620L31", 189, 161, TypeInt32, 8},
        {"K8620L31", 190, 162, TypeInt32, 2}, {"K8620L31", 185, 163, TypeFloat, 2},
        {"K8620L31", 190, 164, TypeFloat, 8}, {"K8620L31", 190, 165, TypeBlock, 8},
        {"K8620L31", 174, 30, TypeFloat, 2},  {"K8620L31", 190, 30, TypeFloat, 8},
        {"K8410H10", 191, 90, TypeFloat, 2},  {"K8410H10", 191, 96, TypeFloat, 2},
        {"K8620L31", 160, 95, TypeFloat, 8},  {"K8620L31", 191, 51, TypeFloat, 2},
        {"K8620L31", 191, 77, TypeFloat, 2},  {"K8620L31", 191, 101, TypeInt32, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.firmware << " P" << c.parameter);
        SimTransmitter t(Profile(c.type, c.firmware));
        EXPECT_EQ(Code(t, 1, c.parameter, c.dataType), c.code);
    }
}

TEST(SimTransmitter, RefusesWhatCannotBeDone) {
    SimTransmitter t(Profile("K8620L31", 191));
    EXPECT_EQ(Code(t, 1, 121, TypeText, 2), 2);  // only rows 0 and 1
    EXPECT_EQ(Code(t, 1, 50, TypeBlock, 9), 2);  // rows 0..8
    EXPECT_EQ(Code(t, 1, 50, TypeBlock, 8), 8);
    EXPECT_EQ(Code(t, 2, 101, TypeInt32), 3);  // the serial number is read only
    EXPECT_EQ(Code(t, 2, 215, TypeInt16), 3);
    SimRequest odd = Request(1, 0, TypeFloat);
    odd.operation = 3;
    EXPECT_EQ(t.handle(odd).code, 3);
}

TEST(SimTransmitter, OldFirmwareNumbersConnectionsFromZeroAndCountsTensOfSeconds) {
    for (const int fw : {160, 170, 191}) {
        SCOPED_TRACE(fw);
        TransmitterProfile s = Profile("K8620L31", fw);
        s.workingTimeS = 86400;
        SimTransmitter t(s);
        // Pt100 (range 11) defaults to the 4-wire connection, code 3.
        EXPECT_EQ(ReadInt(t, 112, TypeInt16), fw < 170 ? 2 : 3);
        EXPECT_EQ(ReadInt(t, 200, TypeInt32), fw < 170 ? 8640 : 86400);
    }
}

TEST(SimTransmitter, OutputTestModeReadsBackPerFirmware) {
    struct Case {
        int firmware;
        double normal;  // parameter 220 outside the test mode
        double test;    // the value written to enter it
    };
    for (const Case& c :
         {Case{160, -200.0, 12.0}, Case{174, -200.0, 0.012}, Case{191, 200.0, 0.5}}) {
        SCOPED_TRACE(c.firmware);
        SimTransmitter t(Profile("K8620L31", c.firmware));
        EXPECT_EQ(ReadFloat(t, 220), c.normal);
        WriteFloat(t, 220, c.test);
        EXPECT_TRUE(t.testMode());
        EXPECT_FLOAT_EQ(float(ReadFloat(t, 220)), float(c.test));
        if (c.firmware >= 190) {
            EXPECT_DOUBLE_EQ(ReadFloat(t, 30), 0.5);  // gain 1, offset 0
        }
        WriteFloat(t, 220, -200.0);
        EXPECT_FALSE(t.testMode());
        EXPECT_EQ(ReadFloat(t, 220), c.normal);
    }
}

TEST(SimTransmitter, OutputPositionFollowsThePvOutsideTheTestMode) {
    TransmitterProfile s = Profile("K8620L31", 191);
    PvSource::parse(QStringLiteral("const:112.5"), s.pv, nullptr);  // range -200..850
    SimTransmitter t(s);
    WriteFloat(t, 163, 0.5);   // gain
    WriteFloat(t, 164, 0.25);  // offset
    const double f = (112.5 + 200.0) / 1050.0;
    EXPECT_NEAR(ReadFloat(t, 30), f * 0.5 + 0.25, 1e-6);
}

TEST(SimTransmitter, DeviceErrorsShowInEveryAnswer) {
    TransmitterProfile s = Profile("K8620L31", 191);
    s.deviceErrors = 0x05;
    SimTransmitter t(s);
    EXPECT_EQ(ReadInt(t, 215, TypeInt16), 5);
    EXPECT_EQ(t.control(8), 0x0C);
    EXPECT_EQ(t.control(0), 0x04);
    t.setDeviceErrors(0);
    EXPECT_EQ(t.control(8), 0x08);
}

TEST(SimTransmitter, ColdJunctionValuesGiveTheTemperature) {
    // Flag B types take A / C, the others (A - B) / C; both come out right.
    for (const char* type : {"K8410H10", "K8620L31"}) {
        SCOPED_TRACE(type);
        TransmitterProfile s = Profile(type, 191);
        s.cjTemperature = 31.5;
        SimTransmitter t(s);
        const double a = ReadFloat(t, 210), b = ReadFloat(t, 211), c = ReadFloat(t, 213);
        const bool ownSensor = TypeAt(FindType(QString::fromLatin1(type)))->B;
        EXPECT_NEAR(CjcOhmToCelsius(ownSensor ? a / c : (a - b) / c), 31.5, 0.05);
    }
}

TEST(SimTransmitter, FixedRangeKeepsItsRange) {
    TransmitterProfile s = Profile("K8620L31", 191);
    s.fixedRange = true;
    s.rangeCode = 52;
    SimTransmitter t(s);
    EXPECT_EQ(ReadInt(t, 110, TypeInt16), 52);
    EXPECT_EQ(t.handle(Request(2, 110, TypeInt16, 0, 0, 11)).code, 2);
    EXPECT_EQ(t.handle(Request(2, 110, TypeInt16, 0, 0, 52)).code, 0);
    TransmitterProfile free = Profile("K8620L31", 191);
    SimTransmitter u(free);
    EXPECT_EQ(u.handle(Request(2, 110, TypeInt16, 0, 0, 52)).code, 0);
    EXPECT_EQ(ReadInt(u, 110, TypeInt16), 52);
}

TEST(SimTransmitter, IdentificationTextIsWhatTheProgramParses) {
    struct Case {
        const char* type;
        int firmware;
        bool fixed;
        const char* text;
    };
    const Case cases[] = {
        {"K8410H10", 160, false, "K8410H10, FW 1.60"},
        {"K8620L31", 191, true, "K8620L31; rev. 1,91"},
        {"K8620H11EI1", 185, false, "K8620H11EI1, FW 1.85"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TransmitterProfile s = Profile(c.type, c.firmware);
        s.fixedRange = c.fixed;
        SimTransmitter t(s);
        QByteArray text;
        for (int row : {2, 3}) {
            const auto a = t.handle(Request(1, 120, TypeText, row));
            ASSERT_EQ(a.code, 8);
            text += a.value;
        }
        EXPECT_EQ(text.trimmed(), QByteArray(c.text));
        const IdentificationText id = ParseIdentificationText(text);
        EXPECT_EQ(id.typeText, QString::fromLatin1(c.type));
        EXPECT_EQ(id.firmware, c.firmware);
        EXPECT_EQ(id.fixedRange, c.fixed);
        EXPECT_GT(id.typeIndex, 0);
    }
}

TEST(SimTransmitter, DefaultConfigurationFollowsTheCatalogue) {
    SimTransmitter t(Profile("K8620L31", 160));
    const InputRangeEntry* pt100 = RangeByCode(11);
    EXPECT_EQ(ReadInt(t, 110, TypeInt16), 11);
    EXPECT_EQ(ReadInt(t, 111, TypeInt16), pt100->Flags);
    EXPECT_EQ(ReadInt(t, 51, TypeInt16), pt100->PvUnit);
    EXPECT_EQ(ReadFloat(t, 1), -200.0);
    EXPECT_EQ(ReadFloat(t, 2), 1050.0);
    EXPECT_FLOAT_EQ(float(ReadFloat(t, 3)), 1.0f);  // gain below 1.70
    EXPECT_FLOAT_EQ(float(ReadFloat(t, 4)), 0.0f);  // offset below 1.70
    EXPECT_FLOAT_EQ(float(ReadFloat(t, 5)), float((4.0 - 0.5) * 2.312));
    EXPECT_EQ(ReadInt(t, 150, TypeInt16), 192);
    EXPECT_EQ(ReadInt(t, 151, TypeInt16), 15);
    // Row 0 of the range block: X start, X end, Y start, Y end of Pt100
    // arrive on the wire in that order (array element 3 first).
    const auto a = t.handle(Request(1, 50, TypeBlock, 0));
    const auto wire = ReadWireBlock(a.value, 0);
    EXPECT_NEAR(wire[3], 18.43, 1e-4);
    EXPECT_NEAR(wire[0], 852.0, 1e-4);
}

TEST(SimTransmitter, MemorySurvivesItsJsonPicture) {
    SimTransmitter t(Profile("K8620L31", 185, 7));
    EXPECT_EQ(t.handle(Request(2, 111, TypeInt16, 0, 7, 0x31)).code, 0);
    WriteFloat(t, 55, 10.0);
    TransmitterProfile profile;
    TransmitterMemory memory;
    ASSERT_TRUE(SimTransmitter::fromJson(t.toJson(), profile, memory));
    EXPECT_EQ(profile.address, 7);
    EXPECT_EQ(profile.typeName, QStringLiteral("K8620L31"));
    EXPECT_EQ(profile.firmware, 185);
    EXPECT_EQ(memory.integers[111], 0x31);
    EXPECT_EQ(memory.reals, t.memory().reals);
    EXPECT_EQ(memory.blocks, t.memory().blocks);
    EXPECT_EQ(memory.texts, t.memory().texts);
    TransmitterMemory broken;
    EXPECT_FALSE(broken.fromJson(QJsonObject{{"integers", 3}}));
}

TEST(SimTransmitter, PvSources) {
    struct Case {
        const char* profile;
        double t;
        double expected;
    };
    const Case cases[] = {
        {"mid", 0.0, 325.0},           {"const:21.5", 99.0, 21.5},  {"ramp:0:100:10", 2.5, 25.0},
        {"ramp:0:100:10", 12.5, 25.0}, {"sine:50:10:4", 1.0, 60.0}, {"sine:50:10:4", 3.0, 40.0},
    };
    std::mt19937 rng(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        PvSource s;
        ASSERT_TRUE(PvSource::parse(QString::fromLatin1(c.profile), s, nullptr));
        EXPECT_NEAR(s.value(c.t, -200.0, 850.0, rng), c.expected, 1e-9);
    }
    for (const char* bad : {"", "const", "ramp:1:2", "sine:1:2:0", "wave:1", "const:x"}) {
        SCOPED_TRACE(bad);
        PvSource s;
        QString error;
        EXPECT_FALSE(PvSource::parse(QString::fromLatin1(bad), s, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    PvSource noisy;
    PvSource::parse(QStringLiteral("const:10"), noisy, nullptr);
    noisy.noise = 0.5;
    double sum = 0;
    for (int i = 0; i < 2000; ++i) sum += noisy.value(0, 0, 1, rng);
    EXPECT_NEAR(sum / 2000, 10.0, 0.05);
}

}  // namespace
