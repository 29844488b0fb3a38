#include "config/reference/standard_characteristics.h"

// notr-file: the sources of the reference functions, for the tests and the
// table generator; never shown by the program.

#include "config/reference/numeric_inverse.h"
#include "config/reference/rtd_reference.h"

namespace lmk17::reference {

namespace {

constexpr const char* kPlatinum =
    "IEC 60751:2008 Callendar-Van Dusen, A = 3.9083e-3, B = -5.775e-7, C = -4.183e-12";
constexpr const char* kNickel =
    "DIN 43760 nickel, alpha 0.00618: A = 5.485e-3, B = 6.650e-6, D = 2.805e-11, F = -2.0e-17";
constexpr const char* kNist = "NIST ITS-90 reference function (Monograph 175, IEC 60584-1)";
constexpr const char* kDinL =
    "DIN 43710 basic values every 100 °C, type J shape in between (see type_l_reference.cpp)";

using T = Thermocouple;
using K = SensorKind;

}  // namespace

const std::vector<StandardCharacteristic>& StandardCharacteristics() {
    static const std::vector<StandardCharacteristic> kAll = {
        {11,
         "Pt100",
         kPlatinum,
         K::Platinum,
         100,
         T::J,
         {18.43, 390.77, -202, 852},
         -200,
         850,
         -200,
         850},
        {12,
         "Pt500",
         kPlatinum,
         K::Platinum,
         500,
         T::J,
         {92.6, 1953.9, -202, 852},
         -200,
         850,
         -200,
         850},
        {13,
         "Pt1000",
         kPlatinum,
         K::Platinum,
         1000,
         T::J,
         {184.3, 3907.7, -202, 852},
         -200,
         850,
         -200,
         850},
        {14,
         "Ni100",
         kNickel,
         K::Nickel,
         100,
         T::J,
         {69.40000153, 289.5, -60.26421356, 250.2838287},
         -60,
         250,
         -60,
         250},
        {15,
         "Ni1000",
         kNickel,
         K::Nickel,
         1000,
         T::J,
         {694, 2895, -60.2642134, 250.2835691},
         -60,
         250,
         -60,
         250},
        {51,
         "type J",
         kNist,
         K::Thermocouple,
         0,
         T::J,
         {-0.011, 0.06898, -215, 1205},
         -200,
         1000,
         -210,
         1200},
        {52,
         "type K",
         kNist,
         K::Thermocouple,
         0,
         T::K,
         {-0.011, 0.054819, -272, 1310},
         -200,
         1300,
         -270,
         1372},
        {53,
         "type N",
         kNist,
         K::Thermocouple,
         0,
         T::N,
         {-0.008, 0.047513, -201, 1320},
         -200,
         1300,
         -270,
         1300},
        {54,
         "type R",
         kNist,
         K::Thermocouple,
         0,
         T::R,
         {-0.002, 0.02023, -55, 1710},
         -50,
         1700,
         -50,
         1768.1},
        {55,
         "type S",
         kNist,
         K::Thermocouple,
         0,
         T::S,
         {-0.0017, 0.017947, -55, 1710},
         -50,
         1700,
         -50,
         1768.1},
        {56,
         "type T",
         kNist,
         K::Thermocouple,
         0,
         T::T,
         {-0.009, 0.020872, -275, 410},
         -250,
         400,
         -270,
         400},
        // Below 50 °C type B gives almost no voltage (and none that rises with
        // the temperature below about 21 °C): the range is linearized from 50 °C.
        {57,
         "type B",
         kNist,
         K::Thermocouple,
         0,
         T::B,
         {-0.0017, 0.013706, -1, 1820},
         50,
         1800,
         50,
         1820},
        {58,
         "type E",
         kNist,
         K::Thermocouple,
         0,
         T::E,
         {-0.011, 0.061017, -272, 1310},
         -200,
         800,
         -270,
         1000},
        {59,
         "type L",
         kDinL,
         K::Thermocouple,
         0,
         T::L,
         {-0.011, 0.05243, -205, 905},
         -200,
         900,
         -200,
         900},
    };
    return kAll;
}

const StandardCharacteristic* FindStandardCharacteristic(int code) {
    for (const StandardCharacteristic& ch : StandardCharacteristics())
        if (ch.code == code) return &ch;
    return nullptr;
}

double DeviceValue(const StandardCharacteristic& ch, double celsius) {
    switch (ch.kind) {
        case K::Platinum:
            return PlatinumOhm(celsius, ch.r0);
        case K::Nickel:
            return NickelOhm(celsius, ch.r0);
        case K::Thermocouple:
            return ThermocoupleMillivolts(ch.type, celsius) * 1e-3;
    }
    return 0.0;
}

double ReferenceCelsius(const StandardCharacteristic& ch, double device) {
    return SolveIncreasing([&ch](double t) { return DeviceValue(ch, t); }, device, ch.validLow,
                           ch.validHigh);
}

const TableRows& EstablishedPt100Table() {
    static const TableRows kRows = {{{18.43, 390.77, -202, 852},
                                     {-7.69177e-06, 0.002751376, 2.218552439, -241.9873493},
                                     {-2.33553e-06, 0.001689208, 2.291644347, -243.7196147},
                                     {3.6064e-07, 0.000923953, 2.360248047, -245.5954377},
                                     {2.42487e-06, -0.00011972, 2.536070106, -255.4700712},
                                     {1.28278e-06, 0.000475113, 2.432400152, -249.3838648},
                                     {1.67615e-06, 0.000141412, 2.525347403, -257.9113185},
                                     {2.21958e-06, -0.000340513, 2.668249957, -272.0680714},
                                     {1.90933e-06, -9.89652e-06, 2.549892998, -257.8547934}}};
    return kRows;
}

const CjCubic& EstablishedTypeJCj() {
    static const CjCubic kCj = {-9.82911e-13, 5.41191e-09, 5.00583e-06, -0.009434322};
    return kCj;
}

}  // namespace lmk17::reference
