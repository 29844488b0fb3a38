#pragma once

#include <QString>

#include "config/transmitter_config.h"

namespace lmk17 {

// Writes the record as a "PT-FILE04" configuration file: exactly the 679
// bytes of its image. The file is replaced only when every byte was written,
// so a failed save never destroys the previous copy. Returns an empty string
// on success, else the message text for the user.
QString WritePtfFile(const QString& fileName, const TransmitterConfig& config);

}  // namespace lmk17
