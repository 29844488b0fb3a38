#include "cli/config_print.h"

#include <QJsonArray>
#include <cmath>

#include "config/catalogue.h"
#include "config/display_scaling.h"
#include "config/firmware.h"
#include "config/output_limits.h"
#include "config/windows1250.h"
#include "files/config_load.h"

namespace lmk17::cli {

namespace {

// One "label: value" line with the values lined up.
class Lines {
public:
    void add(const QString& label, const QString& value) {
        const QString shown = value.trimmed();
        const QString head = label + QLatin1Char(':');
        text_ += (shown.isEmpty() ? head : head.leftJustified(34) + shown) + QLatin1Char('\n');
    }
    void heading(const QString& title) { text_ += QLatin1Char('\n') + title + QLatin1Char('\n'); }
    QString text() const { return text_; }

private:
    QString text_;
};

QString withUnit(const QString& value, const QString& unit) {
    return value.trimmed() + QLatin1Char(' ') + unit;
}

QString yesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

int baudRate(quint8 code) {
    switch (code) {
        case 1:
            return 19200;
        case 3:
            return 9600;
        case 7:
            return 4800;
        case 15:
            return 2400;
        case 31:
            return 1200;
        case 63:
            return 600;
        default:
            return 0;
    }
}

QString parityName(quint8 addressByte) {
    if (!(addressByte & 0x80)) return QStringLiteral("none");
    return (addressByte & 0x40) ? QStringLiteral("odd") : QStringLiteral("even");
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

void addInput(Lines& l, const ConfigModel& m) {
    const TransmitterConfig& c = m.config();
    const ConfigView& v = m.view();
    const QString unit = v.unitSymbol;
    const int fw = FirmwareNumber(m.identity().firmwareIndex);
    l.heading(QStringLiteral("Input"));
    l.add(QStringLiteral("Input range"), rangeText(c));
    l.add(QStringLiteral("Sensor connection"), connectionText(c));
    l.add(QStringLiteral("Linearization"), yesNo(c.RangeFlags & kRangeFlagLinearized));
    if (v.customerVisible)
        l.add(QStringLiteral("Customer linearization"), yesNo(v.customerChecked));
    l.add(QStringLiteral("Lower range value"), withUnit(v.lowerRangeText, unit));
    l.add(QStringLiteral("Upper range value"), withUnit(v.upperRangeText, unit));
    l.add(QStringLiteral("Correction at lower range value"), withUnit(v.lowerCorrectionText, unit));
    l.add(QStringLiteral("Correction at upper range value"), withUnit(v.upperCorrectionText, unit));
    l.add(QStringLiteral("Damping"), withUnit(v.dampingText, QStringLiteral("s")));
    l.add(QStringLiteral("Output on error"),
          c.Damping > 0 ? QStringLiteral("high") : QStringLiteral("low"));
    if (v.leadGroupVisible)
        l.add(QStringLiteral("Lead resistance"), withUnit(v.leadText, QStringLiteral("ohm")));
    if (v.twoLeadGroupVisible) {
        l.add(QStringLiteral("Lead resistance 1"), withUnit(v.lead1Text, QStringLiteral("ohm")));
        l.add(QStringLiteral("Lead resistance 2"), withUnit(v.lead2Text, QStringLiteral("ohm")));
    }
    if (v.cjGroupVisible)
        l.add(QStringLiteral("Cold junction temperature"),
              withUnit(v.cjTemperatureText, QString::fromUtf8("°C")));
    if (firmware::HasInputFilter(fw))
        l.add(QStringLiteral("Input filter"),
              v.filter60Checked ? QStringLiteral("60 Hz") : QStringLiteral("50 Hz"));
}

void addOutput(Lines& l, const ConfigModel& m) {
    const OutputView& o = m.view().output;
    const int fw = FirmwareNumber(m.identity().firmwareIndex);
    l.heading(QStringLiteral("Output"));
    l.add(QStringLiteral("Output"), o.rangeName);
    if (const OutputTypeEntry* t = OutputTypeOf(m.identity().typeIndex)) {
        l.add(QStringLiteral("Output range"),
              QStringLiteral("%1 .. %2 %3")
                  .arg(QString::asprintf("%.*g", 5, o.rangeStart * t->k),
                       QString::asprintf("%.*g", 5, o.rangeEnd * t->k), o.unit));
    }
    if (firmware::HasOutputLimits(fw)) {
        l.add(QStringLiteral("Output limits"),
              QStringLiteral("%1 .. %2 %3")
                  .arg(o.saturationLowText.trimmed(), o.saturationHighText.trimmed(), o.unit));
        l.add(QStringLiteral("Error outputs"),
              QStringLiteral("%1 .. %2 %3")
                  .arg(o.errorLowText.trimmed(), o.errorHighText.trimmed(), o.unit));
    }
}

void addComparators(Lines& l, const ConfigModel& m) {
    const TransmitterTypeEntry* type = TypeAt(m.identity().typeIndex);
    const ComparatorView& cv = m.view().comparators;
    const QString unit = m.view().unitSymbol;
    if (!type || (type->Comparators == 0 && type->Relays == 0)) return;
    l.heading(QStringLiteral("Limit comparators"));
    for (int n = 0; n < type->Comparators && n < 2; ++n) {
        const QString name = QStringLiteral("Comparator %1").arg(n + 1);
        if (!cv.enableChecked[n]) {
            l.add(name, QStringLiteral("disabled"));
            continue;
        }
        QString text =
            QStringLiteral("enabled, level %1, hysteresis %2, %3")
                .arg(withUnit(cv.levelText[n], unit), withUnit(cv.hysteresisText[n], unit),
                     cv.reverse[n] ? QStringLiteral("reverse") : QStringLiteral("normal"));
        if (!cv.offer.errorCurrent[n] || cv.errorCurrentChecked[n])
            text += QStringLiteral(", indicates by error current");
        if (cv.offer.errorState[n])
            text += cv.switchOnAtError[n] ? QStringLiteral(", switched on at error")
                                          : QStringLiteral(", switched off at error");
        l.add(name, text);
    }
    for (int n = 0; n < 2; ++n)
        if (cv.offer.relay[n])
            l.add(QStringLiteral("Error state by relay %1").arg(n + 1), yesNo(cv.relayChecked[n]));
}

void addCommunication(Lines& l, const ConfigModel& m) {
    const TransmitterConfig& c = m.config();
    l.heading(QStringLiteral("Communication"));
    l.add(QStringLiteral("Address"), QString::number(c.AddressByte & 0x1F));
    const int baud = baudRate(c.BaudCode);
    l.add(QStringLiteral("Baud rate"), baud ? QStringLiteral("%1 Bd").arg(baud)
                                            : QStringLiteral("unknown code %1").arg(c.BaudCode));
    l.add(QStringLiteral("Parity"), parityName(c.AddressByte));
    l.add(QStringLiteral("Change by the set-up unit"), (c.RangeFlags & kRangeFlagSetupUnitLocked)
                                                           ? QStringLiteral("disallowed")
                                                           : QStringLiteral("allowed"));
}

QJsonArray doubles(const double* values, int count) {
    QJsonArray a;
    for (int i = 0; i < count; ++i) a.append(values[i]);
    return a;
}

QJsonObject recordJson(const TransmitterConfig& c) {
    QJsonObject o;
    o[QStringLiteral("Signature")] = QString::fromLatin1(c.Signature);
    o[QStringLiteral("LowerRangeValue")] = c.LowerRangeValue;
    o[QStringLiteral("UpperRangeValue")] = c.UpperRangeValue;
    o[QStringLiteral("LowerCorrection")] = c.LowerCorrection;
    o[QStringLiteral("UpperCorrection")] = c.UpperCorrection;
    o[QStringLiteral("Damping")] = c.Damping;
    o[QStringLiteral("Comparator1Level")] = c.Comparator1Level;
    o[QStringLiteral("Comparator1Hysteresis")] = c.Comparator1Hysteresis;
    o[QStringLiteral("Comparator2Level")] = c.Comparator2Level;
    o[QStringLiteral("Comparator2Hysteresis")] = c.Comparator2Hysteresis;
    o[QStringLiteral("LeadResistance1")] = c.LeadResistance1;
    o[QStringLiteral("LeadResistance2")] = c.LeadResistance2;
    o[QStringLiteral("CjTemperature")] = c.CjTemperature;
    o[QStringLiteral("InputRangeCode")] = c.InputRangeCode;
    o[QStringLiteral("ConnectionCode")] = c.ConnectionCode;
    o[QStringLiteral("RangeFlags")] = c.RangeFlags;
    o[QStringLiteral("ComparatorFlags")] = c.ComparatorFlags;
    o[QStringLiteral("CjcPoly")] = doubles(c.CjcPoly.data(), 4);
    QJsonArray table;
    for (const auto& row : c.LinSegTable) table.append(doubles(row.data(), 9));
    o[QStringLiteral("LinSegTable")] = table;
    o[QStringLiteral("DisplayFactor")] = c.DisplayFactor;
    o[QStringLiteral("PvUnit")] = c.PvUnit;
    o[QStringLiteral("AddressByte")] = c.AddressByte;
    o[QStringLiteral("BaudCode")] = c.BaudCode;
    o[QStringLiteral("SerialNumber")] = c.SerialNumber;
    o[QStringLiteral("LastChangeDate")] = c.LastChangeDate;
    o[QStringLiteral("Manufacturer")] = DecodeWindows1250(c.Manufacturer);
    o[QStringLiteral("TransmitterType")] = DecodeWindows1250(c.TransmitterType);
    o[QStringLiteral("ManufactureDate")] = DecodeWindows1250(c.ManufactureDate);
    o[QStringLiteral("UserNote")] = DecodeWindows1250(c.UserNote);
    o[QStringLiteral("WorkingTime")] = c.WorkingTime;
    o[QStringLiteral("SaturationCodes")] = qint64(c.SaturationCodes);
    o[QStringLiteral("ErrorCodes")] = qint64(c.ErrorCodes);
    o[QStringLiteral("OutputCodePoly")] = doubles(c.OutputCodePoly.data(), 4);
    o[QStringLiteral("ErrorHigh")] = c.ErrorHigh;
    o[QStringLiteral("ErrorLow")] = c.ErrorLow;
    o[QStringLiteral("SaturationHigh")] = c.SaturationHigh;
    o[QStringLiteral("SaturationLow")] = c.SaturationLow;
    o[QStringLiteral("OutputGain")] = c.OutputGain;
    o[QStringLiteral("OutputOffset")] = c.OutputOffset;
    o[QStringLiteral("FilterFlags")] = c.FilterFlags;
    return o;
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

QString FirmwareText(int firmwareIndex) {
    return QString::number(FirmwareNumber(firmwareIndex) / 100.0, 'f', 2);
}

int LoadConfigurationFile(Context& c, const QString& fileName, ConfigModel& model) {
    const LoadOutcome loaded = DiskLoadPom(model, fileName, true, c.ui);
    if (!loaded.loaded) return ExitFileError;
    // A record the adoption found corrupt has been replaced by the defaults:
    // that is not the file's configuration.
    return loaded.corrupt ? ExitFileError : ExitOk;
}

QString ConfigurationText(const ConfigModel& m) {
    const TransmitterConfig& c = m.config();
    const ConfigIdentity& id = m.identity();
    const IdentificationView& info = m.view().identification;
    const TransmitterTypeEntry* type = TypeAt(id.typeIndex);
    Lines l;
    l.heading(QStringLiteral("Transmitter"));
    l.add(QStringLiteral("Type"), type ? QLatin1String(type->Name) : QString());
    l.add(QStringLiteral("Firmware"), FirmwareText(id.firmwareIndex));
    l.add(QStringLiteral("Identification"), info.transmitterType);
    l.add(QStringLiteral("Manufacturer"), info.manufacturer);
    l.add(QStringLiteral("Date of manufacture"), info.manufactureDate);
    l.add(QStringLiteral("Serial number"), info.serialNumber);
    l.add(QStringLiteral("File version"), QString::fromLatin1(c.Signature));
    addInput(l, m);
    addOutput(l, m);
    addComparators(l, m);
    addCommunication(l, m);
    l.heading(QStringLiteral("Information"));
    l.add(QStringLiteral("User note"), m.view().userNote);
    l.add(QStringLiteral("Date of last change"), info.changeDate);
    l.add(QStringLiteral("Working time"), info.workingTime);
    return l.text().mid(1);
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
    root[QStringLiteral("record")] = recordJson(m.config());
    root[QStringLiteral("display")] = displayJson(m);
    return root;
}

}  // namespace lmk17::cli
