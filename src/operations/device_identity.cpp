#include "operations/device_identity.h"

#include "config/catalogue.h"
#include "config/identification_text.h"
#include "operations/operation_texts.h"

namespace lmk17 {

using operation_text::Tr;

int DeviceIdentity::firmwareNumber() const {
    return FirmwareNumber(firmwareIndex);
}

QString RefusalText(IdentityRefusal refusal, const QString& typeText) {
    QString head;
    switch (refusal) {
        case IdentityRefusal::None:
            return {};
        case IdentityRefusal::Type:
            head = Tr(operation_text::kTypeNotSupported).replace(QLatin1String("%s"), typeText);
            break;
        case IdentityRefusal::Firmware:
            head = Tr(operation_text::kFirmwareNotSupported);
            break;
        case IdentityRefusal::Range:
            head = Tr(operation_text::kRangeNotSupported);
            break;
    }
    return head + QStringLiteral("\r\n") + Tr(operation_text::kTryLater);
}

IdentityRefusal Fill_RVCPomVar(DeviceIdentity& identity, UserInteraction* report) {
    const IdentificationText parsed = ParseIdentificationText(identity.identificationText);
    identity.typeText = parsed.typeText;
    identity.typeIndex = parsed.typeIndex;
    identity.firmwareIndex = parsed.firmwareIndex;
    identity.fixedRange = parsed.fixedRange;

    IdentityRefusal refusal = IdentityRefusal::None;
    if (identity.typeIndex < 1 || identity.typeIndex > kTypeCount)
        refusal = IdentityRefusal::Type;
    else if (identity.firmwareIndex < 1 || identity.firmwareIndex > kFirmwareCount)
        refusal = IdentityRefusal::Firmware;
    else if (identity.rangeIndex < 1 || identity.rangeIndex > kRangeCount)
        refusal = IdentityRefusal::Range;
    if (refusal != IdentityRefusal::None && report)
        report->message(MessageKind::Error, RefusalText(refusal, identity.typeText));
    return refusal;
}

void RVCPomVar2RVCVar(const DeviceIdentity& working, ConfigIdentity& identity,
                      TransmitterConfig& config) {
    identity.typeIndex = working.typeIndex;
    identity.firmwareIndex = working.firmwareIndex;
    identity.rangeIndex = working.rangeIndex;
    identity.serialNumber = working.serialNumber;
    identity.identificationText = working.identificationText;
    config.SerialNumber = working.serialNumber;
    config.TransmitterType = working.identificationText.left(kTextLength);
}

void RVCVar2RVCPomVar(const ConfigIdentity& identity, DeviceIdentity& working) {
    working.typeIndex = identity.typeIndex;
    working.firmwareIndex = identity.firmwareIndex;
    working.rangeIndex = identity.rangeIndex;
    working.serialNumber = identity.serialNumber;
    working.identificationText = identity.identificationText;
}

}  // namespace lmk17
