#include "cli/config_print.h"

#include <QJsonArray>
#include <cmath>

#include "common/line_codes.h"
#include "config/catalogue.h"
#include "config/config_json.h"
#include "config/windows1250.h"
#include "files/config_load.h"
#include "reports/config_rows.h"

namespace lmk17::cli {

namespace {

// The rate of a baud code; 0 for an unknown code.
int baudRate(quint8 code) {
    const BaudRateEntry* e = BaudRateByCode(code);
    return e ? e->rate : 0;
}

QString parityName(quint8 addressByte) {
    return ParityName(ParityFromAddressByte(addressByte));
}

QString rangeText(const TransmitterConfig& c) {
    const InputRangeEntry* r = RangeByCode(c.InputRangeCode);
    return r ? RangeName(*r).trimmed() : QStringLiteral("R%1 (unknown)").arg(c.InputRangeCode);
}

QString connectionText(const TransmitterConfig& c) {
    const ConnectionEntry* conn = ConnectionAt(c.ConnectionCode);
    return conn ? ConnectionName(*conn).trimmed()
                : QStringLiteral("C%1 (unknown)").arg(c.ConnectionCode);
}

// The protocol's rows as text lines: every label (a bold cell) starts a line,
// sub-labels indented, values lined up in one column.
constexpr int kValueColumn = 34;

void addRowText(QString& text, const ReportRow& row) {
    QString line;
    const auto flush = [&] {
        if (!line.trimmed().isEmpty()) text += line + QLatin1Char('\n');
        line.clear();
    };
    for (const ReportCell& cell : row.cells) {
        if (cell.style != CellStyle::Regular) {
            flush();
            line = (cell.style == CellStyle::BoldItalic ? QStringLiteral("  ") : QString()) +
                   cell.text.trimmed();
        } else if (!cell.text.trimmed().isEmpty()) {
            line = line.leftJustified(kValueColumn - 1) + QLatin1Char(' ') + cell.text.trimmed();
        }
    }
    flush();
}

void addTableText(QString& text, const RangeTable& table) {
    for (const auto& cells : table.cells) {
        QString line = (QStringLiteral("  ") + cells[0]).leftJustified(kValueColumn);
        for (int c = 1; c < 4; ++c) line += cells[c].leftJustified(14);
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        text += line + QLatin1Char('\n');
    }
}

QJsonObject displayJson(const ConfigModel& m) {
    const TransmitterConfig& c = m.config();
    const ConfigView& v = m.view();
    QJsonObject d;
    auto put = [&d](const char* key, const QString& text) {
        d[QLatin1String(key)] = text.trimmed();
    };
    put("InputRange", rangeText(c));
    put("Connection", connectionText(c));
    put("Unit", v.unitSymbol);
    put("LowerRangeValue", v.lowerRangeText);
    put("UpperRangeValue", v.upperRangeText);
    put("LowerCorrection", v.lowerCorrectionText);
    put("UpperCorrection", v.upperCorrectionText);
    put("Damping", v.dampingText);
    put("ErrorOutput", c.Damping > 0 ? QStringLiteral("high") : QStringLiteral("low"));
    put("LeadResistance", v.leadText);
    put("LeadResistance1", v.lead1Text);
    put("LeadResistance2", v.lead2Text);
    put("CjTemperature", v.cjTemperatureText);
    for (int n = 0; n < 2; ++n) {
        put(n ? "Comparator2Level" : "Comparator1Level", v.comparators.levelText[n]);
        put(n ? "Comparator2Hysteresis" : "Comparator1Hysteresis", v.comparators.hysteresisText[n]);
        put(n ? "Comparator2Polarity" : "Comparator1Polarity",
            v.comparators.reverse[n] ? QStringLiteral("reverse") : QStringLiteral("normal"));
    }
    put("OutputType", v.output.rangeName);
    put("OutputUnit", v.output.unit);
    put("OutputRangeStart", v.output.rangeLowText);
    put("OutputRangeEnd", v.output.rangeHighText);
    put("SaturationLow", v.output.saturationLowText);
    put("SaturationHigh", v.output.saturationHighText);
    put("ErrorLow", v.output.errorLowText);
    put("ErrorHigh", v.output.errorHighText);
    put("UserNote", v.userNote);
    put("Manufacturer", v.identification.manufacturer);
    put("TransmitterType", v.identification.transmitterType);
    put("ManufactureDate", v.identification.manufactureDate);
    put("SerialNumber", v.identification.serialNumber);
    put("LastChangeDate", v.identification.changeDate);
    put("WorkingTime", v.identification.workingTime);
    const int baud = baudRate(c.BaudCode);
    put("BaudRate", baud ? QString::number(baud) : QString());
    put("Parity", parityName(c.AddressByte));
    d[QStringLiteral("Address")] = c.AddressByte & 0x1F;
    return d;
}

}  // namespace

int LoadConfigurationFile(Context& c, const QString& fileName, ConfigModel& model) {
    const LoadOutcome loaded = DiskLoadPom(model, fileName, true, c.ui);
    if (!loaded.loaded) return ExitFileError;
    // A record the adoption found corrupt has been replaced by the defaults:
    // that is not the file's configuration.
    return loaded.corrupt ? ExitFileError : ExitOk;
}

QString ConfigurationText(const ConfigModel& m) {
    const ConfigurationReport report = ConfigurationRows(m);
    QString text;
    for (const ReportRow& row : report.rows) {
        if (row.extraSpace > 0) text += QLatin1Char('\n');
        if (row.rangeTable)
            addTableText(text, report.table);
        else
            addRowText(text, row);
    }
    return text;
}

QJsonObject ConfigurationJson(const ConfigModel& m) {
    QJsonObject root;
    const ConfigIdentity& id = m.identity();
    const TransmitterTypeEntry* type = TypeAt(id.typeIndex);
    QJsonObject identity;
    identity[QStringLiteral("Type")] = type ? QString::fromLatin1(type->Name) : QString();
    identity[QStringLiteral("TypeIndex")] = id.typeIndex;
    identity[QStringLiteral("Firmware")] = FirmwareNumber(id.firmwareIndex);
    identity[QStringLiteral("FirmwareIndex")] = id.firmwareIndex;
    identity[QStringLiteral("RangeIndex")] = id.rangeIndex;
    identity[QStringLiteral("SerialNumber")] = id.serialNumber;
    root[QStringLiteral("identity")] = identity;
    root[QStringLiteral("record")] = RecordJson(m.config());
    root[QStringLiteral("display")] = displayJson(m);
    return root;
}

}  // namespace lmk17::cli
