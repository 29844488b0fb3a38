#pragma once

#include <array>
#include <optional>
#include <vector>

#include "config/reference/thermocouple_reference.h"

namespace lmk17::reference {

using TableRows = std::array<std::array<double, 4>, 9>;  // row 0 limits, rows 1..8 (c3..c0)
using CjCubic = std::array<double, 4>;                   // c3 first, ohm -> V

enum class SensorKind { Platinum, Nickel, Thermocouple };

// What the standard table of one input range approximates: the sensor's
// published characteristic, the temperatures the range is named for (where
// the table has to be accurate), and where the characteristic is defined at
// all (which also shapes the parts of the table outside the range).
struct StandardCharacteristic {
    int code;
    const char* name;
    const char* source;
    SensorKind kind;
    double r0;          // resistance thermometers: ohm at 0 °C
    Thermocouple type;  // thermocouples
    std::array<double, 4> row0;
    double spanLow, spanHigh;    // °C
    double validLow, validHigh;  // °C
};

const std::vector<StandardCharacteristic>& StandardCharacteristics();
const StandardCharacteristic* FindStandardCharacteristic(int code);

// The sensor's output at `celsius` in device units: ohm, or volts.
double DeviceValue(const StandardCharacteristic& ch, double celsius);
// Its inverse within the characteristic's defined range.
double ReferenceCelsius(const StandardCharacteristic& ch, double device);

// Data the transmitters were delivered with, kept as they are: the Pt100
// segments and the type J cold-junction cubic.
const TableRows& EstablishedPt100Table();
const CjCubic& EstablishedTypeJCj();

}  // namespace lmk17::reference
