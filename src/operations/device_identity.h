#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// The identity read from the connected transmitter by identification (the
// working identity). It lives until the next identification or until a stop
// restores it from the configuration's identity.
struct DeviceIdentity {
    qint32 serialNumber = 0;
    QByteArray identificationText;  // rows 2 and 3 of parameter 120, at most 32 characters
    QString typeText;               // at most 16 characters
    int typeIndex = 0;              // 1..41, 0 = not found
    int firmwareIndex = 0;          // 1..18, 0 = not supported
    int rangeIndex = 0;             // 1..36, 0 = not found
    bool fixedRange = false;        // the type text ended at ";"
    quint8 configFlags = 0;         // parameter 111

    // Version x 100 (160, 170, 185, 190, 191 ...), 0 when not supported.
    int firmwareNumber() const;
    // The write-in-progress mark of an interrupted configuration write.
    bool writeInProgress() const { return (configFlags & kRangeFlagWriteInProgress) != 0; }

    bool operator==(const DeviceIdentity&) const = default;
};

// Why identification refuses a device; the checks run in this order.
enum class IdentityRefusal { None, Type, Firmware, Range };

// The refusal message as shown (error, OK); empty for None.
QString RefusalText(IdentityRefusal refusal, const QString& typeText);

// Fill_RVCPomVar: takes the type text, type index, firmware index and the
// fixed-range flag from the identification text, then checks that type,
// firmware and input range are supported. The first failing check is shown
// as an error when `report` is given. Returns why the device is refused.
IdentityRefusal Fill_RVCPomVar(DeviceIdentity& identity, UserInteraction* report);

// RVCPomVar2RVCVar, "working variables to the record's variables": the
// working identity becomes the configuration's (type, firmware and range
// index, serial number, identification text); serial number and text are
// also the record's own fields.
void RVCPomVar2RVCVar(const DeviceIdentity& working, ConfigIdentity& identity,
                      TransmitterConfig& config);
// The working identity is set back from the configuration's (type text and
// fixed-range flag are left as they are).
void RVCVar2RVCPomVar(const ConfigIdentity& identity, DeviceIdentity& working);

}  // namespace lmk17
