#include "cli/identity_report.h"

#include "config/catalogue.h"
#include "config/windows1250.h"

namespace lmk17::cli {

namespace {

QString firmwareText(int number) {
    return number > 0 ? QString::number(number / 100.0, 'f', 2) : QStringLiteral("not supported");
}

QString rangeText(const DeviceIdentity& id) {
    const InputRangeEntry* range = RangeAt(id.rangeIndex);
    if (!range) return QStringLiteral("not supported");
    return RangeName(*range).trimmed();
}

QString flagsText(quint8 flags) {
    QString text = QStringLiteral("0x%1").arg(flags, 2, 16, QLatin1Char('0')).toUpper();
    text.replace(QLatin1String("0X"), QLatin1String("0x"));
    if (flags & kRangeFlagWriteInProgress)
        text += QStringLiteral(" (write in progress: the last configuration write did not finish)");
    return text;
}

}  // namespace

QString IdentitySummary(const DeviceIdentity& id) {
    return QStringLiteral("%1, firmware %2, serial number %3, input range %4")
        .arg(id.typeText.isEmpty() ? QStringLiteral("-") : id.typeText,
             firmwareText(id.firmwareNumber()),
             QStringLiteral("%1").arg(id.serialNumber, 8, 10, QLatin1Char('0')), rangeText(id));
}

void PrintIdentity(QTextStream& out, const DeviceIdentity& id) {
    out << "identification text: " << ShowPlainText(id.identificationText).trimmed() << '\n'
        << "type:                " << (id.typeText.isEmpty() ? QStringLiteral("-") : id.typeText)
        << (id.typeIndex > 0 ? QString() : QStringLiteral(" (not supported)")) << '\n'
        << "firmware:            " << firmwareText(id.firmwareNumber()) << '\n'
        << "serial number:       "
        << QStringLiteral("%1").arg(id.serialNumber, 8, 10, QLatin1Char('0')) << '\n'
        << "input range:         " << rangeText(id) << '\n'
        << "fixed input range:   " << (id.fixedRange ? "yes" : "no") << '\n'
        << "flags:               " << flagsText(id.configFlags) << Qt::endl;
}

QJsonObject IdentityJson(const DeviceIdentity& id, IdentityRefusal refusal) {
    QJsonObject o;
    o[QStringLiteral("identificationText")] = ShowPlainText(id.identificationText).trimmed();
    o[QStringLiteral("type")] = id.typeText;
    o[QStringLiteral("typeIndex")] = id.typeIndex;
    o[QStringLiteral("firmware")] = id.firmwareNumber();
    o[QStringLiteral("firmwareIndex")] = id.firmwareIndex;
    o[QStringLiteral("serialNumber")] = id.serialNumber;
    const InputRangeEntry* range = RangeAt(id.rangeIndex);
    o[QStringLiteral("inputRangeCode")] = range ? int(range->Code) : 0;
    o[QStringLiteral("inputRange")] = range ? range->ShortCode : QString();
    o[QStringLiteral("inputRangeName")] = range ? RangeName(*range).trimmed() : QString();
    o[QStringLiteral("fixedRange")] = id.fixedRange;
    o[QStringLiteral("flags")] = int(id.configFlags);
    o[QStringLiteral("writeInProgress")] = id.writeInProgress();
    o[QStringLiteral("supported")] = refusal == IdentityRefusal::None;
    if (refusal != IdentityRefusal::None)
        o[QStringLiteral("refusal")] = RefusalText(refusal, id.typeText);
    return o;
}

}  // namespace lmk17::cli
