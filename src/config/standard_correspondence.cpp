#include "config/standard_correspondence.h"

#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/reference/cj_fit.h"
#include "config/reference/segment_fit.h"
#include "config/reference/standard_characteristics.h"

namespace lmk17 {

namespace {

using reference::SensorKind;
using reference::StandardCharacteristic;
using reference::TableRows;
using reference::Thermocouple;

// Temperatures at which a table is compared with its reference: 1 °C apart
// over the widest span (1750 °C); a segment is a smooth cubic, so a fault in
// any coefficient shows over many of them.
constexpr int kTableSamples = 1751;
constexpr int kCjSamples = 201;  // every 1 °C of the CJ sensor's range

// The tolerance classes, as the deviation allowed at t °C:
//  - thermocouples, IEC 60584-1 class 1: J, K, N, E ±1.5 °C or ±0.004·|t|,
//    T ±0.5 °C or ±0.004·|t| (the larger), R and S ±1.0 °C to 1100 °C and
//    ±(1 + 0.003·(t − 1100)) °C above. Below −40 °C the standard has no
//    class 1; there K, N and E take their class 3, ±2.5 °C or ±0.015·|t|,
//    and T its class 3, ±1.0 °C or ±0.015·|t| (J has none and keeps class 1).
//    Type B has no class 1 at all and takes its class 3, ±4 °C or
//    ±0.005·|t|: below 600 °C, where no class is given, it yields almost no
//    voltage. The old type L takes its DIN 43710 limit, ±3 °C to 400 °C and
//    ±0.75 % above;
//  - platinum, IEC 60751 class A: ±(0.15 + 0.002·|t|) °C;
//  - nickel, DIN 43760: ±(0.4 + 0.007·t) °C from 0 °C, ±(0.4 + 0.028·|t|)
//    °C below.
// Each applies over the whole span the range is linearized for.
double thermocoupleTolerance(Thermocouple type, double t) {
    const double a = std::fabs(t);
    const bool belowClass1 = t < -40.0;
    switch (type) {
        case Thermocouple::J:
            return std::max(1.5, 0.004 * a);
        case Thermocouple::K:
        case Thermocouple::N:
        case Thermocouple::E:
            return belowClass1 ? std::max(2.5, 0.015 * a) : std::max(1.5, 0.004 * a);
        case Thermocouple::T:
            return belowClass1 ? std::max(1.0, 0.015 * a) : std::max(0.5, 0.004 * a);
        case Thermocouple::R:
        case Thermocouple::S:
            return t <= 1100.0 ? 1.0 : 1.0 + 0.003 * (t - 1100.0);
        case Thermocouple::B:
            return std::max(4.0, 0.005 * a);
        case Thermocouple::L:
            return t <= 400.0 ? 3.0 : 0.0075 * a;
    }
    return 0.0;
}

double tolerance(const StandardCharacteristic& ch, double t) {
    switch (ch.kind) {
        case SensorKind::Platinum:
            return 0.15 + 0.002 * std::fabs(t);
        case SensorKind::Nickel:
            return t >= 0.0 ? 0.4 + 0.007 * t : 0.4 + 0.028 * -t;
        case SensorKind::Thermocouple:
            return thermocoupleTolerance(ch.type, t);
    }
    return 0.0;
}

// For the cold-junction cubic: the voltage of 0.1 °C at the cold junction,
// taken as the type's mean sensitivity over the sensor's range.
double cjTolerance(Thermocouple type) {
    const double lo = reference::ThermocoupleMillivolts(type, reference::kCjLowCelsius);
    const double hi = reference::ThermocoupleMillivolts(type, reference::kCjHighCelsius);
    const double microvoltsPerDegree =
        (hi - lo) * 1000.0 / (reference::kCjHighCelsius - reference::kCjLowCelsius);
    return 0.1 * std::fabs(microvoltsPerDegree);
}

// The record's table in the catalogue's orientation (row 0 the limits, rows
// 1..8 the segments c3..c0).
TableRows recordRows(const TransmitterConfig& c) {
    TableRows rows{};
    for (int r = 0; r <= 8; ++r)
        for (int k = 0; k < 4; ++k) rows[size_t(r)][size_t(k)] = c.LinSegTable[3 - k][r];
    return rows;
}

bool allFinite(const TableRows& rows) {
    for (const auto& row : rows)
        for (const double v : row)
            if (!std::isfinite(v)) return false;
    return true;
}

bool tableCorresponds(const StandardCharacteristic& ch, const TableRows& rows) {
    if (!allFinite(rows) || !(rows[0][1] > rows[0][0])) return false;
    // The range limits the record carries in row 0 are checked as values of
    // the characteristic too: they bound the range and its comparator values.
    const auto& standard = ch.row0;
    for (const int k : {2, 3})
        if (!(std::fabs(rows[0][size_t(k)] - standard[size_t(k)]) <=
              tolerance(ch, standard[size_t(k)])))
            return false;
    for (int i = 0; i < kTableSamples; ++i) {
        const double t = ch.spanLow + (ch.spanHigh - ch.spanLow) * i / (kTableSamples - 1);
        const double shown = reference::EvaluateTable(rows, reference::DeviceValue(ch, t));
        if (!(std::fabs(shown - t) <= tolerance(ch, t))) return false;
    }
    return true;
}

bool cjCorresponds(Thermocouple type, const TransmitterConfig& c) {
    const double bound = cjTolerance(type);
    for (int i = 0; i < kCjSamples; ++i) {
        const double t =
            reference::kCjLowCelsius +
            (reference::kCjHighCelsius - reference::kCjLowCelsius) * i / (kCjSamples - 1);
        const double r = CjcCelsiusToOhm(t);
        const double volts =
            ((c.CjcPoly[3] * r + c.CjcPoly[2]) * r + c.CjcPoly[1]) * r + c.CjcPoly[0];
        const double expected = reference::ThermocoupleMillivolts(type, t) * 1e-3;
        if (!(std::fabs(volts - expected) * 1e6 <= bound)) return false;
    }
    return true;
}

// A resistance thermometer's table has no CJ cubic: it is exactly zero.
bool cjExact(const TransmitterConfig& c, int code) {
    const StandardTable t = LoadStandardTables(code);
    for (int n = 0; n < 4; ++n)
        if (!(std::fabs(c.CjcPoly[size_t(n)] - t.cj[size_t(3 - n)]) <=
              std::fabs(t.cj[size_t(3 - n)]) * 1e-6))
            return false;
    return true;
}

}  // namespace

double StandardTableTolerance(int rangeCode, double celsius) {
    const StandardCharacteristic* ch = reference::FindStandardCharacteristic(rangeCode);
    return ch ? tolerance(*ch, celsius) : -1.0;
}

double StandardCjTolerance(int rangeCode) {
    const StandardCharacteristic* ch = reference::FindStandardCharacteristic(rangeCode);
    return ch && ch->kind == SensorKind::Thermocouple ? cjTolerance(ch->type) : -1.0;
}

bool CorrespondsToStandardTables(const TransmitterConfig& config, int rangeCode) {
    if (MatchesStandardTables(config, rangeCode)) return true;
    const StandardCharacteristic* ch = reference::FindStandardCharacteristic(rangeCode);
    if (!ch) return false;
    if (!tableCorresponds(*ch, recordRows(config))) return false;
    return ch->kind == SensorKind::Thermocouple ? cjCorresponds(ch->type, config)
                                                : cjExact(config, rangeCode);
}

}  // namespace lmk17
