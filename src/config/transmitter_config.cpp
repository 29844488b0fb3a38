#include "config/transmitter_config.h"

#include "config/record_bytes.h"

namespace lmk17 {

namespace off = record_offset;
using namespace bytes;

namespace {

void putDoubles(QByteArray& image, int offset, const double* values, int count) {
    for (int i = 0; i < count; ++i) PutDouble(image, offset + 8 * i, values[i]);
}

void getDoubles(const QByteArray& image, int offset, double* values, int count) {
    for (int i = 0; i < count; ++i) values[i] = GetDouble(image, offset + 8 * i);
}

}  // namespace

QByteArray TransmitterConfig::ToImage() const {
    QByteArray image(kConfigImageSize, '\0');
    PutString(image, off::Signature, kSignatureLength, Signature);
    PutDouble(image, off::LowerRangeValue, LowerRangeValue);
    PutDouble(image, off::UpperRangeValue, UpperRangeValue);
    PutDouble(image, off::LowerCorrection, LowerCorrection);
    PutDouble(image, off::UpperCorrection, UpperCorrection);
    PutDouble(image, off::Damping, Damping);
    PutDouble(image, off::Comparator1Level, Comparator1Level);
    PutDouble(image, off::Comparator1Hysteresis, Comparator1Hysteresis);
    PutDouble(image, off::Comparator2Level, Comparator2Level);
    PutDouble(image, off::Comparator2Hysteresis, Comparator2Hysteresis);
    PutDouble(image, off::LeadResistance1, LeadResistance1);
    PutDouble(image, off::LeadResistance2, LeadResistance2);
    PutDouble(image, off::CjTemperature, CjTemperature);
    PutU8(image, off::InputRangeCode, InputRangeCode);
    PutU8(image, off::ConnectionCode, ConnectionCode);
    PutU8(image, off::RangeFlags, RangeFlags);
    PutU8(image, off::ComparatorFlags, ComparatorFlags);
    putDoubles(image, off::CjcPoly, CjcPoly.data(), 4);
    for (int k = 0; k < 4; ++k)
        putDoubles(image, off::LinSegTable + 72 * k, LinSegTable[k].data(), 9);
    PutDouble(image, off::DisplayFactor, DisplayFactor);
    PutU8(image, off::PvUnit, PvUnit);
    PutU8(image, off::AddressByte, AddressByte);
    PutU8(image, off::BaudCode, BaudCode);
    PutI32(image, off::SerialNumber, SerialNumber);
    PutDouble(image, off::LastChangeDate, LastChangeDate);
    PutString(image, off::Manufacturer, kTextLength, Manufacturer);
    PutString(image, off::TransmitterType, kTextLength, TransmitterType);
    PutString(image, off::ManufactureDate, kTextLength, ManufactureDate);
    PutString(image, off::UserNote, kTextLength, UserNote);
    PutI32(image, off::WorkingTime, WorkingTime);
    PutU32(image, off::SaturationCodes, SaturationCodes);
    PutU32(image, off::ErrorCodes, ErrorCodes);
    putDoubles(image, off::OutputCodePoly, OutputCodePoly.data(), 4);
    PutDouble(image, off::ErrorHigh, ErrorHigh);
    PutDouble(image, off::ErrorLow, ErrorLow);
    PutDouble(image, off::SaturationHigh, SaturationHigh);
    PutDouble(image, off::SaturationLow, SaturationLow);
    PutDouble(image, off::OutputGain, OutputGain);
    PutDouble(image, off::OutputOffset, OutputOffset);
    PutU8(image, off::FilterFlags, FilterFlags);
    return image;
}

std::optional<TransmitterConfig> TransmitterConfig::FromImage(const QByteArray& image) {
    if (image.size() != kConfigImageSize) return std::nullopt;
    TransmitterConfig c;
    c.Signature = GetString(image, off::Signature, kSignatureLength);
    c.LowerRangeValue = GetDouble(image, off::LowerRangeValue);
    c.UpperRangeValue = GetDouble(image, off::UpperRangeValue);
    c.LowerCorrection = GetDouble(image, off::LowerCorrection);
    c.UpperCorrection = GetDouble(image, off::UpperCorrection);
    c.Damping = GetDouble(image, off::Damping);
    c.Comparator1Level = GetDouble(image, off::Comparator1Level);
    c.Comparator1Hysteresis = GetDouble(image, off::Comparator1Hysteresis);
    c.Comparator2Level = GetDouble(image, off::Comparator2Level);
    c.Comparator2Hysteresis = GetDouble(image, off::Comparator2Hysteresis);
    c.LeadResistance1 = GetDouble(image, off::LeadResistance1);
    c.LeadResistance2 = GetDouble(image, off::LeadResistance2);
    c.CjTemperature = GetDouble(image, off::CjTemperature);
    c.InputRangeCode = GetU8(image, off::InputRangeCode);
    c.ConnectionCode = GetU8(image, off::ConnectionCode);
    c.RangeFlags = GetU8(image, off::RangeFlags);
    c.ComparatorFlags = GetU8(image, off::ComparatorFlags);
    getDoubles(image, off::CjcPoly, c.CjcPoly.data(), 4);
    for (int k = 0; k < 4; ++k)
        getDoubles(image, off::LinSegTable + 72 * k, c.LinSegTable[k].data(), 9);
    c.DisplayFactor = GetDouble(image, off::DisplayFactor);
    c.PvUnit = GetU8(image, off::PvUnit);
    c.AddressByte = GetU8(image, off::AddressByte);
    c.BaudCode = GetU8(image, off::BaudCode);
    c.SerialNumber = GetI32(image, off::SerialNumber);
    c.LastChangeDate = GetDouble(image, off::LastChangeDate);
    c.Manufacturer = GetString(image, off::Manufacturer, kTextLength);
    c.TransmitterType = GetString(image, off::TransmitterType, kTextLength);
    c.ManufactureDate = GetString(image, off::ManufactureDate, kTextLength);
    c.UserNote = GetString(image, off::UserNote, kTextLength);
    c.WorkingTime = GetI32(image, off::WorkingTime);
    c.SaturationCodes = GetU32(image, off::SaturationCodes);
    c.ErrorCodes = GetU32(image, off::ErrorCodes);
    getDoubles(image, off::OutputCodePoly, c.OutputCodePoly.data(), 4);
    c.ErrorHigh = GetDouble(image, off::ErrorHigh);
    c.ErrorLow = GetDouble(image, off::ErrorLow);
    c.SaturationHigh = GetDouble(image, off::SaturationHigh);
    c.SaturationLow = GetDouble(image, off::SaturationLow);
    c.OutputGain = GetDouble(image, off::OutputGain);
    c.OutputOffset = GetDouble(image, off::OutputOffset);
    c.FilterFlags = GetU8(image, off::FilterFlags);
    return c;
}

}  // namespace lmk17
