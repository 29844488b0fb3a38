#include "config/config_json.h"

#include <QJsonArray>

#include "config/windows1250.h"

namespace lmk17 {

namespace {

QJsonArray doubles(const double* values, int count) {
    QJsonArray a;
    for (int i = 0; i < count; ++i) a.append(values[i]);
    return a;
}

}  // namespace

QJsonObject RecordJson(const TransmitterConfig& c) {
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

}  // namespace lmk17
