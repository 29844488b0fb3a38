#include "config/identification_view.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/config_texts.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

// Our drawings of the housings: the family's housing (head, rail or slim
// rail) with its input and output terminals and, on K8620 types, the relays.
const char* housingPicture(const TransmitterTypeEntry& type) {
    const bool k8620 = type.Family == 8620;
    switch (type.Variant) {
        case 'H':
            return k8620 ? ":/config/types/k8620-head.svg" : ":/config/types/k8410-head.svg";
        case 'S':
            return k8620 ? ":/config/types/k8620-slim-2relays.svg"
                         : ":/config/types/k8410-slim.svg";
        case 'L':
            if (!k8620) return ":/config/types/k8410-rail.svg";
            if (type.Relays >= 2) return ":/config/types/k8620-rail-2relays.svg";
            if (type.Relays == 1) return ":/config/types/k8620-rail-1relay.svg";
            return ":/config/types/k8620-rail.svg";
        case 332:
            return ":/config/types/k8620-l1.svg";
        default:
            return nullptr;
    }
}

}  // namespace

IdentificationView ShowIdentification(const TransmitterConfig& config, int typeIndex) {
    IdentificationView v;
    v.manufacturer = ShowPlainText(config.Manufacturer);
    v.transmitterType = ReplaceVersionWord(ShowPlainText(config.TransmitterType));
    v.manufactureDate = NormaliseManufactureDate(ShowPlainText(config.ManufactureDate));
    v.serialNumber = QString::asprintf("%.*d", 8, int(config.SerialNumber));
    v.changeDate = FormatChangeDate(config.LastChangeDate);
    v.workingTime = FormatWorkingTime(config.WorkingTime);
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    v.picture = type ? (type->Picture ? type->Picture : housingPicture(*type)) : nullptr;
    if (!v.picture)
        v.pictureText = QCoreApplication::translate("Configuration", "Picture not Available");
    return v;
}

}  // namespace lmk17
