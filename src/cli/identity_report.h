#pragma once

#include <QJsonObject>
#include <QTextStream>

#include "operations/device_identity.h"

namespace lmk17::cli {

// What identification read from a transmitter, for people and for scripts.
void PrintIdentity(QTextStream& out, const DeviceIdentity& identity);
// One line: "K8620L31, firmware 1.91, serial number 12345678, input range ...".
QString IdentitySummary(const DeviceIdentity& identity);
QJsonObject IdentityJson(const DeviceIdentity& identity, IdentityRefusal refusal);

}  // namespace lmk17::cli
