#pragma once

#include <QString>

namespace lmk17::test {

// Writes the default configuration of a transmitter type (catalogue index,
// firmware 1.91) as a configuration file; false when it could not.
bool WriteDefaultPtf(const QString& path, int typeIndex, const char* typeText, int serial);

}  // namespace lmk17::test
