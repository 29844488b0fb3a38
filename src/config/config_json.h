#pragma once

#include <QJsonObject>

#include "config/transmitter_config.h"

namespace lmk17 {

// Every record field by its record name in device units (texts decoded), for
// scripts and for comparing two records field by field.
QJsonObject RecordJson(const TransmitterConfig& config);

}  // namespace lmk17
