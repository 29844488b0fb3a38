#pragma once

#include <QString>

#include "config/transmitter_config.h"

namespace lmk17 {

// The Information page.
struct IdentificationView {
    QString manufacturer;           // Info11Lbl
    QString transmitterType;        // Info12Lbl, "verze" shown as "firmware"
    QString manufactureDate;        // Info13Lbl
    QString serialNumber;           // VyrCislo11Lbl, eight digits
    QString changeDate;             // HodDatZmenLbl
    QString workingTime;            // ProCas2Lbl
    const char* picture = nullptr;  // the type's picture resource; none: pictureText
    QString pictureText;
};
IdentificationView ShowIdentification(const TransmitterConfig& config, int typeIndex);

}  // namespace lmk17
