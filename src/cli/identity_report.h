#pragma once

#include <QJsonObject>
#include <QTextStream>

#include "operations/device_identity.h"

namespace lmk17::cli {

// What identification read from a transmitter, for people and for scripts.
void PrintIdentity(QTextStream& out, const DeviceIdentity& identity);
QJsonObject IdentityJson(const DeviceIdentity& identity, IdentityRefusal refusal);

}  // namespace lmk17::cli
