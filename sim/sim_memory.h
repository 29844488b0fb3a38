#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <array>
#include <map>
#include <utility>

namespace lmk17 {
struct TransmitterConfig;
}

namespace lmk17::sim {

// The stored parameters of one transmitter, as they travel on the wire
// (connection numbers from 0 below 1.70, gain and offset instead of
// corrections below 1.70, and so on).
struct TransmitterMemory {
    std::map<int, std::int32_t> integers;                         // 16- and 32-bit parameters
    std::map<int, double> reals;                                  // float parameters
    std::map<std::pair<int, int>, QByteArray> texts;              // (parameter, row) -> 16 bytes
    std::map<std::pair<int, int>, std::array<double, 4>> blocks;  // array order

    QJsonObject toJson() const;
    // False (and the memory unchanged) when the object is not a memory image.
    bool fromJson(const QJsonObject& object);
};

// The identity of a simulated transmitter that the memory image carries.
struct IdentityTexts {
    QByteArray manufacturer;     // up to 32 characters: rows 0 and 1 of parameter 120
    QByteArray identification;   // rows 2 and 3
    QByteArray manufactureDate;  // rows 4 and 5
};

// What a transmitter of this firmware and type holds after the PC wrote this
// configuration: the mapping of the configuration sequence, applied once.
// typeIndex 0 (a type this program does not know) counts as one with
// comparators.
TransmitterMemory MemoryFromConfig(const TransmitterConfig& config, int firmware, int typeIndex,
                                   const IdentityTexts& identity);

// The catalogue's defaults for a type, input range code and address (the
// range 0 takes the type's default range).
TransmitterConfig DefaultConfig(int typeIndex, int rangeCode, int address, std::int32_t serial);

// Text rows of 16 characters, padded with blanks.
QByteArray TextRow(const QByteArray& text, int row);

}  // namespace lmk17::sim
