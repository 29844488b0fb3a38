#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <optional>

namespace lmk17 {

// Size of the record's byte image, which is also the body of a "PT-FILE04" file.
inline constexpr int kConfigImageSize = 679;
inline constexpr char kCurrentSignature[] = "PT-FILE04";

// Offsets of every field in the 679-byte image (little-endian, packed).
namespace record_offset {
inline constexpr int Signature = 0;  // length byte + 10 characters
inline constexpr int LowerRangeValue = 11;
inline constexpr int UpperRangeValue = 19;
inline constexpr int LowerCorrection = 27;
inline constexpr int UpperCorrection = 35;
inline constexpr int Damping = 43;
inline constexpr int Comparator1Level = 51;
inline constexpr int Comparator1Hysteresis = 59;
inline constexpr int Comparator2Level = 67;
inline constexpr int Comparator2Hysteresis = 75;
inline constexpr int LeadResistance1 = 83;
inline constexpr int LeadResistance2 = 91;
inline constexpr int CjTemperature = 99;
inline constexpr int InputRangeCode = 107;
inline constexpr int ConnectionCode = 108;
inline constexpr int RangeFlags = 109;
inline constexpr int ComparatorFlags = 110;
inline constexpr int CjcPoly = 111;      // 4 doubles, c0 first
inline constexpr int LinSegTable = 143;  // 4 rows x 9 doubles, row by row
inline constexpr int DisplayFactor = 431;
inline constexpr int PvUnit = 439;
inline constexpr int AddressByte = 440;
inline constexpr int BaudCode = 441;
inline constexpr int SerialNumber = 442;
inline constexpr int LastChangeDate = 446;
inline constexpr int Manufacturer = 454;  // length byte + 32 characters
inline constexpr int TransmitterType = 487;
inline constexpr int ManufactureDate = 520;
inline constexpr int UserNote = 553;
inline constexpr int WorkingTime = 586;
inline constexpr int SaturationCodes = 590;
inline constexpr int ErrorCodes = 594;
inline constexpr int OutputCodePoly = 598;  // 4 doubles, c0 first
inline constexpr int ErrorHigh = 630;
inline constexpr int ErrorLow = 638;
inline constexpr int SaturationHigh = 646;
inline constexpr int SaturationLow = 654;
inline constexpr int OutputGain = 662;
inline constexpr int OutputOffset = 670;
inline constexpr int FilterFlags = 678;
}  // namespace record_offset

inline constexpr int kSignatureLength = 10;
inline constexpr int kTextLength = 32;

// RangeFlags bits.
inline constexpr quint8 kDisplayConfigMask = 0x03;
inline constexpr quint8 kRangeFlagSmallResistance = 0x10;
inline constexpr quint8 kRangeFlagWriteInProgress = 0x20;
inline constexpr quint8 kRangeFlagLinearized = 0x40;
inline constexpr quint8 kRangeFlagSetupUnitLocked = 0x80;

// ComparatorFlags bits.
inline constexpr quint8 kCmp1Enabled = 0x01;
inline constexpr quint8 kCmp2Enabled = 0x02;
inline constexpr quint8 kRelay1SignalsError = 0x04;
inline constexpr quint8 kRelay2SignalsError = 0x08;
inline constexpr quint8 kCmp1ErrorCurrent = 0x10;
inline constexpr quint8 kCmp2ErrorCurrent = 0x20;
inline constexpr quint8 kCmp1OnAtError = 0x40;
inline constexpr quint8 kCmp2OnAtError = 0x80;

// The one configuration of a transmitter. Range-dependent values are held in
// device units; the texts are the transmitter's raw 8-bit (Windows-1250)
// characters. The byte image is produced and parsed field by field.
struct TransmitterConfig {
    QByteArray Signature;  // at most 10 characters
    double LowerRangeValue = 0.0;
    double UpperRangeValue = 0.0;
    double LowerCorrection = 0.0;
    double UpperCorrection = 0.0;
    double Damping = 0.0;  // seconds; the sign selects the error-current direction
    double Comparator1Level = 0.0;
    double Comparator1Hysteresis = 0.0;  // the sign selects the switching polarity
    double Comparator2Level = 0.0;
    double Comparator2Hysteresis = 0.0;
    double LeadResistance1 = 0.0;
    double LeadResistance2 = 0.0;
    double CjTemperature = 0.0;
    quint8 InputRangeCode = 0;
    quint8 ConnectionCode = 0;
    quint8 RangeFlags = 0;
    quint8 ComparatorFlags = 0;
    std::array<double, 4> CjcPoly{};  // c0 first
    // LinSegTable[k][0] is a limit (k = 0: YEnd, 1: YStart, 2: XEnd, 3: XStart);
    // LinSegTable[k][s] for s = 1..8 is the coefficient of u^k of segment s.
    std::array<std::array<double, 9>, 4> LinSegTable{};
    double DisplayFactor = 0.0;
    quint8 PvUnit = 0;
    quint8 AddressByte = 0;
    quint8 BaudCode = 0;
    qint32 SerialNumber = 0;
    double LastChangeDate = 0.0;  // days since 30 Dec 1899, time as fraction
    QByteArray Manufacturer;      // at most 32 characters each
    QByteArray TransmitterType;
    QByteArray ManufactureDate;
    QByteArray UserNote;
    qint32 WorkingTime = 0;  // seconds
    quint32 SaturationCodes = 0;
    quint32 ErrorCodes = 0;
    std::array<double, 4> OutputCodePoly{};  // c0 first
    double ErrorHigh = 0.0;
    double ErrorLow = 0.0;
    double SaturationHigh = 0.0;
    double SaturationLow = 0.0;
    double OutputGain = 1.0;
    double OutputOffset = 0.0;
    quint8 FilterFlags = 0;

    double YEnd() const { return LinSegTable[0][0]; }
    double YStart() const { return LinSegTable[1][0]; }
    double XEnd() const { return LinSegTable[2][0]; }
    double XStart() const { return LinSegTable[3][0]; }
    // Display decimal places 0..2 (3 behaves as 2).
    int DisplayConfig() const { return RangeFlags & kDisplayConfigMask; }

    // The 679-byte image (little-endian, strings as length byte + characters,
    // unused string bytes zero).
    QByteArray ToImage() const;
    // Parses an image of exactly kConfigImageSize bytes; nullopt otherwise.
    static std::optional<TransmitterConfig> FromImage(const QByteArray& image);

    bool operator==(const TransmitterConfig&) const = default;
};

}  // namespace lmk17
