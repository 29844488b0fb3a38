#include "config/identification_view.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/config_texts.h"
#include "config/windows1250.h"

namespace lmk17 {

IdentificationView ShowIdentification(const TransmitterConfig& config, int typeIndex) {
    IdentificationView v;
    v.manufacturer = ShowPlainText(config.Manufacturer);
    v.transmitterType = ReplaceVersionWord(ShowPlainText(config.TransmitterType));
    v.manufactureDate = NormaliseManufactureDate(ShowPlainText(config.ManufactureDate));
    v.serialNumber = QString::asprintf("%.*d", 8, int(config.SerialNumber));
    v.changeDate = FormatChangeDate(config.LastChangeDate);
    v.workingTime = FormatWorkingTime(config.WorkingTime);
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    v.picture = type ? type->Picture : nullptr;
    if (!v.picture)
        v.pictureText = QCoreApplication::translate("Configuration", "Picture not Available");
    return v;
}

}  // namespace lmk17
