// The catalogue's fixed rows. Source: the transmitters' range, connection,
// output and type lists as issued with the firmware generations 1.60..1.95;
// unit codes are the HART engineering unit codes (249 stands for microampere).
#include "config/catalogue_data.h"

#include <QCoreApplication>

namespace lmk17::catalogue_data {

// clang-format off
// Defaults: start and end of the measuring range in device units (for R05 the
// device unit is the volt, everywhere else the shown unit), and the damping.
const RangeRow kRanges[] = {
    {1, QT_TRANSLATE_NOOP("Catalogue", " R01  Resistance Sensor (0 to 400 ohm) without Linearization"), 37, 0x11, 10, false, 0, false, {1, 2, 3}, 3, 0, 400, 4},
    {2, QT_TRANSLATE_NOOP("Catalogue", " R02  Resistance Sensor (0 to 4000 ohm) without Linearization"), 37, 0x00, 1, false, 0, false, {1, 2, 3}, 3, 0, 4000, 4},
    {3, QT_TRANSLATE_NOOP("Catalogue", " R03  Potentiometer (Total Resistance 40 to 400 ohm)"), 57, 0x11, 10, false, 0, false, {4, 5}, 4, 0, 100, 0.5},
    {4, QT_TRANSLATE_NOOP("Catalogue", " R04  Potentiometer (Total Resistance 400 to 4000 ohm)"), 57, 0x01, 10, false, 0, false, {4, 5}, 4, 0, 100, 0.5},
    {5, QT_TRANSLATE_NOOP("Catalogue", " R05  Voltage Sensor (-15 až 60 mV) without Linearization"), 36, 0x02, 100000, false, 0, false, {6}, 6, -0.015, 0.06, 0.5},
    {6, QT_TRANSLATE_NOOP("Catalogue", " R06  Difference of Two RTD's (total resistance 400 ohm)"), 37, 0x11, 10, false, 0, false, {8}, 8, -200, 200, 4},
    {7, QT_TRANSLATE_NOOP("Catalogue", " R07  Difference of Two RTD's (total resistance 4000 ohm)"), 37, 0x00, 1, false, 0, false, {8}, 8, -200, 2000, 4},
    {11, QT_TRANSLATE_NOOP("Catalogue", " R11  Pt100 (-200 to 850 °C) with Linearization"), 32, 0x51, 10, false, 0, false, {1, 2, 3, 8}, 3, -200, 850, 4},
    {12, QT_TRANSLATE_NOOP("Catalogue", " R12  Pt500 (-200 to 850 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {1, 2, 3, 8}, 3, -200, 850, 4},
    {13, QT_TRANSLATE_NOOP("Catalogue", " R13  Pt1000 (-200 to 850 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {1, 2, 3, 8}, 3, -200, 850, 4},
    {14, QT_TRANSLATE_NOOP("Catalogue", " R14  Ni100 (-60 to 250 °C) with Linearization"), 32, 0x51, 10, false, 0, false, {1, 2, 3, 8}, 3, -60, 250, 4},
    {15, QT_TRANSLATE_NOOP("Catalogue", " R15  Ni1000 (-60 to 250 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {1, 2, 3, 8}, 3, -60, 250, 4},
    {51, QT_TRANSLATE_NOOP("Catalogue", " R51  Thermocouple \"J\" (-200 to 1000 °C) with Linearization"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, -200, 1000, 4},
    {52, QT_TRANSLATE_NOOP("Catalogue", " R52  Thermocouple \"K\" (-200 to 1300 °C) with Linearization"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, -200, 1300, 4},
    {53, QT_TRANSLATE_NOOP("Catalogue", " R53  Thermocouple \"N\" (-200 to 1300 °C) with Linearization"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, -200, 1300, 4},
    {54, QT_TRANSLATE_NOOP("Catalogue", " R54  Thermocouple \"R\" (-50 to 1700 °C) with Linearization"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, -50, 1700, 4},
    {55, QT_TRANSLATE_NOOP("Catalogue", " R55  Thermocouple \"S\" (-50 to 1700 °C) with Linearization"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, -50, 1700, 4},
    {56, QT_TRANSLATE_NOOP("Catalogue", " R56  Thermocouple \"T\" (-250 to 400 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {6, 7}, 7, -250, 400, 4},
    {57, QT_TRANSLATE_NOOP("Catalogue", " R57  Thermocouple \"B\" (0 to 1800 °C) with Linearization from 50°C"), 32, 0x40, 1, false, 0, false, {6, 7}, 7, 0, 1800, 4},
    {58, QT_TRANSLATE_NOOP("Catalogue", " R58  Thermocouple \"E\" (-200 to 800 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {6, 7}, 7, -200, 800, 4},
    {59, QT_TRANSLATE_NOOP("Catalogue", " R59  Thermocouple \"L\" (-200 to 900 °C) with Linearization"), 32, 0x41, 10, false, 0, false, {6, 7}, 7, -200, 900, 4},
    {71, QT_TRANSLATE_NOOP("Catalogue", " R71  Current Input -15 to 60 µA"), 249, 0x42, 100000000, true, 249, true, {6}, 6, -15, 60, 0.5},
    {72, QT_TRANSLATE_NOOP("Catalogue", " R72  Current Input -150 to 600 µA"), 249, 0x41, 10000000, true, 249, true, {6}, 6, -150, 600, 0.5},
    {73, QT_TRANSLATE_NOOP("Catalogue", " R73  Current Input -1500 to 6000 µA"), 249, 0x40, 1000000, true, 249, true, {6}, 6, -1500, 6000, 0.5},
    {74, QT_TRANSLATE_NOOP("Catalogue", " R74  Current Input -6 to 24 mA"), 39, 0x42, 100000, true, 39, true, {6}, 6, -6, 24, 0.5},
    {75, QT_TRANSLATE_NOOP("Catalogue", " R75  Current Input -15 to 60 mA"), 39, 0x42, 100000, true, 39, true, {6}, 6, -15, 60, 0.5},
    {81, QT_TRANSLATE_NOOP("Catalogue", " R81  Voltage Input -250 to 1000 mV"), 36, 0x40, 1000, true, 36, true, {6}, 6, -250, 1000, 0.5},
    {82, QT_TRANSLATE_NOOP("Catalogue", " R82  Voltage Input -2.5 to 10 V"), 58, 0x42, 100, true, 58, true, {6}, 6, -2.5, 10, 0.5},
    {85, QT_TRANSLATE_NOOP("Catalogue", " R85  Potentiometer (Total Resistance 0.4 to 25 kohm)"), 57, 0x41, 10, true, 57, true, {4, 5}, 4, 0, 100, 0.5},
    {91, QT_TRANSLATE_NOOP("Catalogue", " R91  Customer Linearization for RTD (0 to 400 ohm)"), 0, 0x51, 10, true, 37, false, {1, 2, 3}, 3, 0, 400, 4},
    {92, QT_TRANSLATE_NOOP("Catalogue", " R92  Customer Linearization for RTD (0 to 4000 ohm)"), 0, 0x40, 1, true, 37, false, {1, 2, 3}, 3, 0, 4000, 4},
    {93, QT_TRANSLATE_NOOP("Catalogue", " R93  Customer Linearization for Potentiometer (40 to 400 ohm)"), 0, 0x51, 10, true, 57, false, {4, 5}, 4, 0, 100, 0.5},
    {94, QT_TRANSLATE_NOOP("Catalogue", " R94  Customer Linearization for Potentiometer (400 to 4000 ohm)"), 0, 0x41, 10, true, 57, false, {4, 5}, 4, 0, 100, 0.5},
    {95, QT_TRANSLATE_NOOP("Catalogue", " R95  Customer Linearization for Other Voltage Sensor (Thermocouple)"), 0, 0x42, 100000, true, 36, false, {6, 7}, 6, -15, 60, 0.5},
    {96, QT_TRANSLATE_NOOP("Catalogue", " R96  Customer Linearization for Difference of Two RTD's (400 ohm)"), 0, 0x51, 10, true, 37, false, {8}, 8, -200, 200, 4},
    {97, QT_TRANSLATE_NOOP("Catalogue", " R97  Customer Linearization for Difference of Two RTD's (4000 ohm)"), 0, 0x40, 1, true, 37, false, {8}, 8, -200, 2000, 4},
};
const int kRangeRows = int(std::size(kRanges));

const ConnectionRow kConnections[] = {
    {QT_TRANSLATE_NOOP("Catalogue", " C1  2-Wire Connection of the Resistance Sensor"), "C1", true, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C2  3-Wire Connection of the Resistance Sensor"), "C2", false, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C3  4-Wire Connection of the Resistance Sensor"), "C3", false, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C4  Potentiometer Connection without Lead Resistance Compensation"), "C4", false, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C5  Potentiometer Connection with Lead Resistance Compensation"), "C5", false, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C6  Connection of Voltage Sensor or T/C without CJ Compensation"), "C6", false, false, false},
    {QT_TRANSLATE_NOOP("Catalogue", " C7  Connection of T/C with Cold Junction Compensation"), "C7", false, false, true},
    {QT_TRANSLATE_NOOP("Catalogue", " C8  Connection of Two 2-Wire Resistance Sensors"), "C8", false, true, false},
};
const int kConnectionRows = int(std::size(kConnections));

// Slots 0..61; slot 0's symbol is a translated text.
const UnitRow kUnits[] = {
    {0, QT_TRANSLATE_NOOP("Catalogue", "none")},
    {32, "°C"}, {33, "°F"}, {35, "K"}, {249, "µA"}, {39, "mA"}, {56, "uSiemen"}, {36, "mV"},
    {58, "V"}, {37, "Ohm"}, {38, "Hz"}, {57, "%"}, {59, "pH"}, {11, "Pa"}, {12, "kPa"},
    {124, "MPa"}, {6, "psi"}, {8, "mbar"}, {7, "bar"}, {14, "atm"}, {9, "g/cm2"}, {10, "kg/cm2"},
    {4, "mmH2O"}, {5, "mmHg"}, {13, "torr"}, {49, "mm"}, {48, "cm"}, {45, "m"}, {44, "ft"},
    {47, "in"}, {21, "m/s"}, {120, "m/h"}, {20, "ft/s"}, {43, "m3"}, {41, "liter"}, {40, "gal"},
    {24, "l/s"}, {17, "l/min"}, {138, "l/h"}, {28, "m3/s"}, {131, "m3/min"}, {19, "m3/h"},
    {29, "m3/d"}, {60, "gram"}, {61, "kg"}, {62, "MetTon"}, {63, "lb"}, {70, "g/s"}, {71, "g/min"},
    {72, "g/h"}, {73, "kg/s"}, {74, "kg/min"}, {75, "kg/h"}, {76, "kg/d"}, {77, "t/min"},
    {78, "t/h"}, {79, "t/d"}, {91, "g/cm3"}, {95, "g/ml"}, {97, "g/l"}, {92, "kg/m3"}, {96, "kg/l"},
};
const int kUnitRows = int(std::size(kUnits));

// q0 output start, q1 end, q2/q3 default output limits, q5/q6 default error
// outputs, q8..q11 bounds of range, limits and error outputs, q12..q14
// smallest spans, q17..q19 output test presets; q4, q7, q15, q16 carried.
const OutputTypeRow kOutputTypes[] = {
    {QT_TRANSLATE_NOOP("Catalogue", "current output 4 to 20 mA"), "U01", 39, 1000,
     {0.004, 0.02, 0.0038, 0.0205, 0.0005, 0.0035, 0.022, 0.001, 0.003, 0.025, 0.003, 0.025, 0,
      0.001, 0.001, 0.003, 0.025, 0.004, 0.012, 0.02}},
    {QT_TRANSLATE_NOOP("Catalogue", "current output 0 to 20 mA"), "U02", 39, 1000,
     {0, 0.02, 0, 0.0205, 0.0005, 0, 0.022, 0.001, 0, 0.025, 0, 0.025, 0, 0.001, 0.001, 0, 0.025,
      0, 0.01, 0.02}},
    {QT_TRANSLATE_NOOP("Catalogue", "voltage output 0 to 10 V"), "U03", 58, 1,
     {0, 10, 0, 10.25, 0.5, 0, 11, 1, 0, 13, 0, 13, 0, 0.5, 0.5, 0, 13, 0, 5, 10}},
};
const int kOutputTypeRows = int(std::size(kOutputTypes));

const int kFirmware[] = {160, 170, 171, 172, 173, 174, 180, 181, 182,
                         183, 184, 185, 190, 191, 192, 193, 194, 195};
const int kFirmwareRows = int(std::size(kFirmware));

// name, family, variant, flags A..F and G, range set, relays, relay flag,
// comparators, error-state flag, output type, default comparator flags
const TypeRow kTypes[] = {
    {"K8410H10", 8410, 72, 0, 1, 0, 1, 1, 0, 0, S1, 0, 0, 0, 0, 1, 0},
    {"K8410H11", 8410, 72, 0, 0, 1, 1, 1, 0, 0, S2, 0, 0, 0, 0, 1, 0},
    {"K8410L10", 8410, 76, 0, 1, 0, 1, 1, 0, 0, S3, 0, 0, 0, 0, 1, 0},
    {"K8410L11", 8410, 76, 0, 0, 1, 1, 1, 0, 0, S2, 0, 0, 0, 0, 1, 0},
    {"K8410L20", 8410, 76, 1, 1, 0, 1, 1, 0, 0, S3, 0, 0, 0, 0, 1, 0},
    {"K8410L21", 8410, 76, 1, 0, 1, 1, 1, 0, 0, S2, 0, 0, 0, 0, 1, 0},
    {"K8410S10", 8410, 83, 0, 1, 0, 1, 1, 0, 0, S3, 0, 0, 0, 0, 1, 0},
    {"K8410S11", 8410, 83, 0, 0, 1, 1, 1, 0, 0, S2, 0, 0, 0, 0, 1, 0},
    {"K8410S20", 8410, 83, 1, 1, 0, 1, 1, 0, 0, S3, 0, 0, 0, 0, 1, 0},
    {"K8410S21", 8410, 83, 1, 0, 1, 1, 1, 0, 0, S2, 0, 0, 0, 0, 1, 0},
    {"K8410H10EI1", 8410, 72, 0, 1, 0, 1, 1, 1, 0, S4, 0, 0, 0, 0, 1, 0},
    {"K8410H11EI1", 8410, 72, 0, 0, 1, 1, 1, 1, 0, S5, 0, 0, 0, 0, 1, 0},
    {"K8410L10EI1", 8410, 76, 0, 1, 0, 1, 1, 1, 0, S4, 0, 0, 0, 0, 1, 0},
    {"K8410L11EI1", 8410, 76, 0, 0, 1, 1, 1, 1, 0, S5, 0, 0, 0, 0, 1, 0},
    {"K8410L20EI1", 8410, 76, 1, 1, 0, 1, 1, 1, 0, S4, 0, 0, 0, 0, 1, 0},
    {"K8410L21EI1", 8410, 76, 1, 0, 1, 1, 1, 1, 0, S5, 0, 0, 0, 0, 1, 0},
    {"K8410S10EI1", 8410, 83, 0, 1, 0, 1, 1, 1, 0, S4, 0, 0, 0, 0, 1, 0},
    {"K8410S11EI1", 8410, 83, 0, 0, 1, 1, 1, 1, 0, S5, 0, 0, 0, 0, 1, 0},
    {"K8410S20EI1", 8410, 83, 1, 1, 0, 1, 1, 1, 0, S4, 0, 0, 0, 0, 1, 0},
    {"K8410S21EI1", 8410, 83, 1, 0, 1, 1, 1, 1, 0, S5, 0, 0, 0, 0, 1, 0},
    {"K8620L1", 8620, 332, 0, 0, 0, 0, 0, 0, 0, S4, 1, 0, 2, 0, 1, 1},
    {"K8620H10", 8620, 72, 0, 1, 0, 0, 0, 0, 0, S4, 0, 0, 2, 1, 1, 48},
    {"K8620H11", 8620, 72, 0, 0, 0, 0, 0, 0, 0, S1, 0, 0, 2, 1, 1, 48},
    {"K8620L00", 8620, 76, 0, 1, 0, 0, 0, 0, 0, S4, 0, 0, 2, 1, 1, 48},
    {"K8620L01", 8620, 76, 0, 0, 0, 0, 0, 0, 0, S3, 0, 0, 2, 1, 1, 48},
    {"K8620L10", 8620, 76, 0, 1, 0, 0, 0, 0, 0, S4, 1, 1, 2, 1, 1, 1},
    {"K8620L11", 8620, 76, 0, 0, 0, 0, 0, 0, 0, S3, 1, 1, 2, 1, 1, 1},
    {"K8620L20", 8620, 76, 1, 1, 0, 0, 0, 0, 0, S4, 2, 1, 2, 1, 1, 3},
    {"K8620L21", 8620, 76, 1, 0, 0, 0, 0, 0, 0, S3, 2, 1, 2, 1, 1, 3},
    {"K8620L30", 8620, 76, 0, 1, 0, 0, 0, 0, 0, S4, 2, 1, 2, 1, 1, 3},
    {"K8620L31", 8620, 76, 0, 0, 0, 0, 0, 0, 0, S3, 2, 1, 2, 1, 1, 3},
    {"K8620L40", 8620, 76, 0, 1, 0, 0, 0, 0, 1, S4, 0, 0, 2, 1, 2, 48},
    {"K8620L41", 8620, 76, 0, 0, 0, 0, 0, 0, 1, S3, 0, 0, 2, 1, 2, 48},
    {"K8620L50", 8620, 76, 0, 1, 0, 0, 0, 0, 1, S4, 0, 0, 2, 1, 3, 48},
    {"K8620L51", 8620, 76, 0, 0, 0, 0, 0, 0, 1, S3, 0, 0, 2, 1, 3, 48},
    {"K8620S10", 8620, 83, 0, 1, 0, 0, 0, 0, 0, S4, 2, 1, 2, 1, 1, 3},
    {"K8620S11", 8620, 83, 0, 0, 0, 0, 0, 0, 0, S3, 2, 1, 2, 1, 1, 3},
    {"K8620S20", 8620, 83, 1, 1, 0, 0, 0, 0, 0, S4, 2, 1, 2, 1, 1, 3},
    {"K8620S21", 8620, 83, 1, 0, 0, 0, 0, 0, 0, S3, 2, 1, 2, 1, 1, 3},
    {"K8620H10EI1", 8620, 72, 0, 1, 0, 0, 0, 1, 0, S4, 0, 0, 2, 1, 1, 48},
    {"K8620H11EI1", 8620, 72, 0, 0, 0, 0, 0, 1, 0, S4, 0, 0, 2, 1, 1, 48},
};
const int kTypeRows = int(std::size(kTypes));
// clang-format on

namespace {

void addSpan(std::vector<int>& codes, int from, int to) {
    for (int c = from; c <= to; ++c) codes.push_back(c);
}

std::vector<int> without(std::vector<int> codes, int code) {
    std::erase(codes, code);
    return codes;
}

}  // namespace

// S1 = {1..7, 11..15, 51..59, 85, 91..97}; S2 = {1..4, 6, 7, 11..15, 85,
// 91..94, 96, 97}; S3 = S1 with the current and voltage inputs 71..75, 81, 82;
// S4 = S1 without 85; S5 = S2 without 85.
std::vector<int> RangeSetCodes(RangeSet set) {
    std::vector<int> codes;
    switch (set) {
        case S1:
            addSpan(codes, 1, 7);
            addSpan(codes, 11, 15);
            addSpan(codes, 51, 59);
            codes.push_back(85);
            addSpan(codes, 91, 97);
            return codes;
        case S2:
            addSpan(codes, 1, 4);
            addSpan(codes, 6, 7);
            addSpan(codes, 11, 15);
            codes.push_back(85);
            addSpan(codes, 91, 94);
            addSpan(codes, 96, 97);
            return codes;
        case S3:
            codes = RangeSetCodes(S1);
            addSpan(codes, 71, 75);
            codes.push_back(81);
            codes.push_back(82);
            return codes;
        case S4:
            return without(RangeSetCodes(S1), 85);
        case S5:
            return without(RangeSetCodes(S2), 85);
    }
    return codes;
}

}  // namespace lmk17::catalogue_data
