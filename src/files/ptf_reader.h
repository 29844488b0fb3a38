#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "config/transmitter_config.h"

namespace lmk17 {

// The five configuration file versions, told apart by their size first and
// confirmed by the signature at the start.
enum class PtfLayout {
    V2Aligned4,  // "PT-FILE2" / "PT-FILE2A", 588 bytes, fields of 4+ bytes on multiples of 4
    V2Aligned8,  // "PT-FILE2" / "PT-FILE2A", 600 bytes, doubles on multiples of 8
    V2B,         // "PT-FILE2B", 622 bytes, packed
    V03,         // "PT-FILE03", 678 bytes, the record without FilterFlags
    V04,         // "PT-FILE04", 679 bytes, the record itself
};

inline constexpr qint64 kLargestPtfSize = 679;

std::optional<PtfLayout> PtfLayoutForSize(qint64 size);

struct PtfReadResult {
    std::optional<TransmitterConfig> config;  // set on success
    std::optional<PtfLayout> layout;          // the version read, on success
    QString error;                            // the message text on failure
    bool ok() const { return config.has_value(); }
};

// Parses the whole content of a configuration file into a record: the size
// selects the layout, the signature (compared in upper case) must match it,
// a "PT-FILE2" file is converted (connection - 1, working time x 10, signature
// "PT-FILE2A"), and fields the version lacks get their defaults. fileName is
// used in the messages only. Never reads outside content.
PtfReadResult ParsePtf(const QByteArray& content, const QString& fileName);

// Reads a configuration file from disk and parses it. Files larger than the
// largest version are refused by their size without being read.
PtfReadResult ReadConfigFile(const QString& fileName);

}  // namespace lmk17
