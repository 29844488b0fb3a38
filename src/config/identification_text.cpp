#include "config/identification_text.h"

#include <cmath>
#include <optional>

#include "common/decimal_number.h"
#include "config/catalogue.h"

namespace lmk17 {

namespace {

constexpr int kTypeTextLength = 16;

}  // namespace

QString ExtractTypeText(const QString& identification, bool* fixedRange) {
    const QString text = identification.toUpper().trimmed();
    int at = text.indexOf(QLatin1String("K8620"));
    if (at < 0) at = text.indexOf(QLatin1String("K8410"));
    if (fixedRange) *fixedRange = false;
    if (at < 0) return {};
    int end = at;
    while (end < text.size() && text[end] != QLatin1Char(',') && text[end] != QLatin1Char(';'))
        ++end;
    if (fixedRange) *fixedRange = end < text.size() && text[end] == QLatin1Char(';');
    return text.mid(at, end - at).trimmed().left(kTypeTextLength);
}

int ExtractFirmware(const QString& identification) {
    const QString text = identification.toUpper().trimmed();
    static const char* const markers[] = {"FIRMWARE", "FW", "REV.", "VERZE"};
    for (const char* marker : markers) {
        const int at = text.indexOf(QLatin1String(marker));
        if (at < 0) continue;
        QString word = text.mid(at + int(qstrlen(marker))).trimmed();
        const int space = word.indexOf(QLatin1Char(' '));
        if (space >= 0) word.truncate(space);
        const std::optional<double> v = ParseDecimalNumber(word);
        // A number no firmware can have would not fit the version counter.
        if (!v || std::fabs(*v) > 1e6) return 0;
        return int(std::lround(*v * 100.0));
    }
    return 160;
}

IdentificationText ParseIdentificationText(const QByteArray& identification) {
    IdentificationText id;
    const QString text = QString::fromLatin1(identification);
    id.typeText = ExtractTypeText(text, &id.fixedRange);
    id.typeIndex = FindType(id.typeText);
    id.firmware = ExtractFirmware(text);
    id.firmwareIndex = id.firmware > 0 ? FindFirmware(id.firmware) : 0;
    return id;
}

void DeriveIdentity(ConfigIdentity& identity) {
    const IdentificationText parsed = ParseIdentificationText(identity.identificationText);
    identity.typeIndex = parsed.typeIndex;
    identity.firmwareIndex = parsed.firmwareIndex;
}

bool IdentitySupported(const ConfigIdentity& identity) {
    return identity.typeIndex >= 1 && identity.typeIndex <= kTypeCount &&
           identity.firmwareIndex >= 1 && identity.firmwareIndex <= kFirmwareCount &&
           identity.rangeIndex >= 1 && identity.rangeIndex <= kRangeCount;
}

}  // namespace lmk17
