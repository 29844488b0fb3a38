#pragma once

#include <QByteArray>
#include <cstring>

#include "config/transmitter_config.h"

namespace lmk17::test {

// Builds a configuration file byte by byte, little-endian, at the offsets the
// file versions define.
class FileBytes {
public:
    explicit FileBytes(int size, char fill = '\x5A') : bytes_(size, fill) {}

    FileBytes& u8(int offset, quint8 v) {
        bytes_[offset] = char(v);
        return *this;
    }
    FileBytes& u32(int offset, quint32 v) {
        for (int i = 0; i < 4; ++i) bytes_[offset + i] = char((v >> (8 * i)) & 0xFF);
        return *this;
    }
    FileBytes& i32(int offset, qint32 v) { return u32(offset, quint32(v)); }
    FileBytes& f64(int offset, double v) {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        for (int i = 0; i < 8; ++i) bytes_[offset + i] = char((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    // Length byte and characters; the rest of the field keeps its filling.
    FileBytes& text(int offset, const QByteArray& t) {
        bytes_[offset] = char(t.size());
        for (int i = 0; i < t.size(); ++i) bytes_[offset + 1 + i] = t[i];
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// The offsets of one file version's fields (-1: the version lacks the field).
struct FileLayout {
    int size;
    int doubles5, comparatorFlags, comparatorDoubles, rangeBytes, lead1, lead2, cj, cjcPoly;
    int linSegTable, displayFactor, unitBytes, serial, changeDate;
    int manufacturer, type, manufactureDate, userNote, workingTime;
    int saturationCodes, errorCodes, outputCodePoly;
    int errorHigh, errorLow, saturationHigh, saturationLow, gain, offset, filter;
};

// Every field of a record at the offsets of a layout.
inline QByteArray WriteLayout(const FileLayout& l, const TransmitterConfig& c) {
    FileBytes b(l.size);
    b.text(0, c.Signature);
    const double five[5] = {c.LowerRangeValue, c.UpperRangeValue, c.LowerCorrection,
                            c.UpperCorrection, c.Damping};
    for (int i = 0; i < 5; ++i) b.f64(l.doubles5 + 8 * i, five[i]);
    b.u8(l.comparatorFlags, c.ComparatorFlags);
    const double cmp[4] = {c.Comparator1Level, c.Comparator1Hysteresis, c.Comparator2Level,
                           c.Comparator2Hysteresis};
    for (int i = 0; i < 4; ++i) b.f64(l.comparatorDoubles + 8 * i, cmp[i]);
    b.u8(l.rangeBytes, c.InputRangeCode).u8(l.rangeBytes + 1, c.ConnectionCode);
    b.u8(l.rangeBytes + 2, c.RangeFlags);
    b.f64(l.lead1, c.LeadResistance1).f64(l.cj, c.CjTemperature);
    if (l.lead2 >= 0) b.f64(l.lead2, c.LeadResistance2);
    for (int i = 0; i < 4; ++i) b.f64(l.cjcPoly + 8 * i, c.CjcPoly[i]);
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 9; ++s) b.f64(l.linSegTable + 72 * k + 8 * s, c.LinSegTable[k][s]);
    b.f64(l.displayFactor, c.DisplayFactor);
    b.u8(l.unitBytes, c.PvUnit).u8(l.unitBytes + 1, c.AddressByte).u8(l.unitBytes + 2, c.BaudCode);
    b.i32(l.serial, c.SerialNumber).f64(l.changeDate, c.LastChangeDate);
    b.text(l.manufacturer, c.Manufacturer).text(l.type, c.TransmitterType);
    b.text(l.manufactureDate, c.ManufactureDate).text(l.userNote, c.UserNote);
    b.i32(l.workingTime, c.WorkingTime);
    if (l.saturationCodes >= 0) {
        b.u32(l.saturationCodes, c.SaturationCodes).u32(l.errorCodes, c.ErrorCodes);
        for (int i = 0; i < 4; ++i) b.f64(l.outputCodePoly + 8 * i, c.OutputCodePoly[i]);
    }
    if (l.errorHigh >= 0) {
        b.f64(l.errorHigh, c.ErrorHigh).f64(l.errorLow, c.ErrorLow);
        b.f64(l.saturationHigh, c.SaturationHigh).f64(l.saturationLow, c.SaturationLow);
        b.f64(l.gain, c.OutputGain).f64(l.offset, c.OutputOffset);
    }
    if (l.filter >= 0) b.u8(l.filter, c.FilterFlags);
    return b.bytes();
}

// The five versions as the file format defines them.
inline constexpr FileLayout kV2Aligned4{588, 12,  52,  56,  88,  92,  -1,  100, 108, 140,
                                        428, 436, 440, 444, 452, 485, 518, 551, 584, -1,
                                        -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1};
inline constexpr FileLayout kV2Aligned8{600, 16,  56,  64,  96,  104, -1,  112, 120, 152,
                                        440, 448, 452, 456, 464, 497, 530, 563, 596, -1,
                                        -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1,  -1};
inline constexpr FileLayout kV2B{622, 11,  51,  52,  84,  87,  -1,  95,  103, 135,
                                 423, 431, 434, 438, 446, 479, 512, 545, 578, 582,
                                 586, 590, -1,  -1,  -1,  -1,  -1,  -1,  -1};
inline constexpr FileLayout kV03{678, 11,  110, 51,  107, 83,  91,  99,  111, 143,
                                 431, 439, 442, 446, 454, 487, 520, 553, 586, 590,
                                 594, 598, 630, 638, 646, 654, 662, 670, -1};
inline constexpr FileLayout kV04{679, 11,  110, 51,  107, 83,  91,  99,  111, 143,
                                 431, 439, 442, 446, 454, 487, 520, 553, 586, 590,
                                 594, 598, 630, 638, 646, 654, 662, 670, 678};

}  // namespace lmk17::test
