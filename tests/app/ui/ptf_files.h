#pragma once

#include <QString>

namespace lmk17 {

namespace test {

// Writes the default configuration of a transmitter type (catalogue index,
// firmware 1.91) as a configuration file; false when it could not.
bool WriteDefaultPtf(const QString& path, int typeIndex, const char* typeText, int serial);
// A K8620L21 on R74 (-6 to 24 mA) with a customer linearization: the
// linearization editor may be opened on it.
bool WriteCustomerLinearizationPtf(const QString& path);

}  // namespace test
}  // namespace lmk17
