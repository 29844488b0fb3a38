#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "config/config_model.h"

namespace lmk17 {

// What a transmitter's 32-character identification text says about it:
// its type designation and firmware. The transmitter, a configuration file
// and the ordering code all take the type from this one text.
struct IdentificationText {
    QString typeText;         // the type designation, at most 16 characters
    bool fixedRange = false;  // the designation ended at ";": the input range is fixed
    int typeIndex = 0;        // 1..41 in the type catalogue, 0 when not supported
    int firmware = 0;         // version x 100 (190 = 1.90); 0 when not readable
    int firmwareIndex = 0;    // 1..18 in the firmware list, 0 when not supported
};

// The type designation: from "K8620" (else "K8410") up to the first "," or
// ";", trimmed, at most 16 characters; empty when neither family name occurs.
// The text is compared in upper case.
QString ExtractTypeText(const QString& identification, bool* fixedRange = nullptr);

// The firmware number after the first of the markers "firmware", "FW",
// "rev.", "verze" (any case): the next word with "." or "," as decimal mark,
// x 100 and rounded. 160 when no marker occurs; 0 when the word is no number.
int ExtractFirmware(const QString& identification);

// Both, with the catalogue positions of the type and firmware.
IdentificationText ParseIdentificationText(const QByteArray& identification);

// Fills type and firmware of an identity from its identification text, as a
// configuration taken from a file or the undo stack is identified (no
// messages): unsupported parts become 0.
void DeriveIdentity(ConfigIdentity& identity);

// Whether the type, the firmware and the input range are all supported.
bool IdentitySupported(const ConfigIdentity& identity);

}  // namespace lmk17
