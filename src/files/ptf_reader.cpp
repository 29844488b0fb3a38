#include "files/ptf_reader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "config/record_bytes.h"
#include "files/ptf_messages.h"

namespace lmk17 {

using namespace bytes;

namespace {

// Offsets of the older layouts. Their field order differs from the record's
// (the comparator flags come right after the damping), and the two version 2
// sizes are the same order with different alignment padding.
struct OldLayout {
    int size;
    int doubles5;  // LowerRangeValue .. Damping
    int comparatorFlags;
    int comparatorDoubles;  // level 1, hysteresis 1, level 2, hysteresis 2
    int rangeBytes;         // InputRangeCode, ConnectionCode, RangeFlags
    int lead1;
    int cjTemperature;
    int cjcPoly;
    int linSegTable;
    int displayFactor;
    int unitBytes;  // PvUnit, AddressByte, BaudCode
    int serialNumber;
    int changeDate;
    int texts;  // Manufacturer, TransmitterType, ManufactureDate, UserNote, 33 bytes each
    int workingTime;
    int outputCodes;  // SaturationCodes, ErrorCodes, OutputCodePoly; -1 when absent
};

constexpr OldLayout kAligned4{588, 12,  52,  56,  88,  92,  100, 108,
                              140, 428, 436, 440, 444, 452, 584, -1};
constexpr OldLayout kAligned8{600, 16,  56,  64,  96,  104, 112, 120,
                              152, 440, 448, 452, 456, 464, 596, -1};
constexpr OldLayout kPacked2B{622, 11,  51,  52,  84,  87,  95,  103,
                              135, 423, 431, 434, 438, 446, 578, 582};

constexpr int kTextField = kTextLength + 1;

void readDoubles(const QByteArray& b, int offset, double* values, int count) {
    for (int i = 0; i < count; ++i) values[i] = GetDouble(b, offset + 8 * i);
}

// The fields not in an old file keep the record's defaults: output gain 1,
// everything else 0.
TransmitterConfig readOld(const QByteArray& b, const OldLayout& l) {
    TransmitterConfig c;
    c.Signature = GetString(b, 0, kSignatureLength);
    double five[5];
    readDoubles(b, l.doubles5, five, 5);
    c.LowerRangeValue = five[0];
    c.UpperRangeValue = five[1];
    c.LowerCorrection = five[2];
    c.UpperCorrection = five[3];
    c.Damping = five[4];
    c.ComparatorFlags = GetU8(b, l.comparatorFlags);
    double cmp[4];
    readDoubles(b, l.comparatorDoubles, cmp, 4);
    c.Comparator1Level = cmp[0];
    c.Comparator1Hysteresis = cmp[1];
    c.Comparator2Level = cmp[2];
    c.Comparator2Hysteresis = cmp[3];
    c.InputRangeCode = GetU8(b, l.rangeBytes);
    c.ConnectionCode = GetU8(b, l.rangeBytes + 1);
    c.RangeFlags = GetU8(b, l.rangeBytes + 2);
    c.LeadResistance1 = GetDouble(b, l.lead1);
    c.CjTemperature = GetDouble(b, l.cjTemperature);
    readDoubles(b, l.cjcPoly, c.CjcPoly.data(), 4);
    for (int k = 0; k < 4; ++k) readDoubles(b, l.linSegTable + 72 * k, c.LinSegTable[k].data(), 9);
    c.DisplayFactor = GetDouble(b, l.displayFactor);
    c.PvUnit = GetU8(b, l.unitBytes);
    c.AddressByte = GetU8(b, l.unitBytes + 1);
    c.BaudCode = GetU8(b, l.unitBytes + 2);
    c.SerialNumber = GetI32(b, l.serialNumber);
    c.LastChangeDate = GetDouble(b, l.changeDate);
    c.Manufacturer = GetString(b, l.texts, kTextLength);
    c.TransmitterType = GetString(b, l.texts + kTextField, kTextLength);
    c.ManufactureDate = GetString(b, l.texts + 2 * kTextField, kTextLength);
    c.UserNote = GetString(b, l.texts + 3 * kTextField, kTextLength);
    c.WorkingTime = GetI32(b, l.workingTime);
    if (l.outputCodes >= 0) {
        c.SaturationCodes = GetU32(b, l.outputCodes);
        c.ErrorCodes = GetU32(b, l.outputCodes + 4);
        readDoubles(b, l.outputCodes + 8, c.OutputCodePoly.data(), 4);
    }
    return c;
}

// The first file version numbered the connections from 0 and counted the
// working time in units of 10 s. The product is clamped: a damaged file must
// not overflow the counter.
void convertFirstVersion(TransmitterConfig& c) {
    c.ConnectionCode = quint8(c.ConnectionCode - 1);
    const qint64 seconds = qint64(c.WorkingTime) * 10;
    c.WorkingTime = qint32(std::clamp<qint64>(seconds, std::numeric_limits<qint32>::min(),
                                              std::numeric_limits<qint32>::max()));
    c.Signature = "PT-FILE2A";
}

bool signatureIs(const TransmitterConfig& c, const char* expected) {
    return c.Signature.toUpper() == expected;
}

}  // namespace

std::optional<PtfLayout> PtfLayoutForSize(qint64 size) {
    switch (size) {
        case 588:
            return PtfLayout::V2Aligned4;
        case 600:
            return PtfLayout::V2Aligned8;
        case 622:
            return PtfLayout::V2B;
        case 678:
            return PtfLayout::V03;
        case 679:
            return PtfLayout::V04;
        default:
            return std::nullopt;
    }
}

PtfReadResult ParsePtf(const QByteArray& content, const QString& fileName) {
    PtfReadResult result;
    const std::optional<PtfLayout> layout = PtfLayoutForSize(content.size());
    if (!layout) {
        result.error = ptf_text::Damaged(fileName);
        return result;
    }
    TransmitterConfig c;
    bool signatureOk = false;
    switch (*layout) {
        case PtfLayout::V2Aligned4:
        case PtfLayout::V2Aligned8:
            c = readOld(content, *layout == PtfLayout::V2Aligned4 ? kAligned4 : kAligned8);
            signatureOk = signatureIs(c, "PT-FILE2") || signatureIs(c, "PT-FILE2A");
            if (signatureIs(c, "PT-FILE2")) convertFirstVersion(c);
            break;
        case PtfLayout::V2B:
            c = readOld(content, kPacked2B);
            signatureOk = signatureIs(c, "PT-FILE2B");
            break;
        case PtfLayout::V03:
            // The current layout without its last byte: the input filter
            // did not exist yet (50 Hz).
            c = *TransmitterConfig::FromImage(content + QByteArray(1, '\0'));
            signatureOk = signatureIs(c, "PT-FILE03");
            break;
        case PtfLayout::V04:
            c = *TransmitterConfig::FromImage(content);
            signatureOk = signatureIs(c, kCurrentSignature);
            break;
    }
    if (!signatureOk) {
        result.error = ptf_text::Damaged(fileName);
        return result;
    }
    result.config = c;
    result.layout = layout;
    return result;
}

PtfReadResult ReadConfigFile(const QString& fileName) {
    PtfReadResult result;
    const QFileInfo info(fileName);
    if (!info.exists()) {
        result.error = ptf_text::NotFound(fileName);
        return result;
    }
    if (info.isDir()) {
        result.error = ptf_text::IsFolder(fileName);
        return result;
    }
    // A regular file is opened first, so that a file the system refuses says
    // why (permission) rather than passing for a damaged one.
    QFile file(fileName);
    if (info.isFile() && !file.open(QIODevice::ReadOnly)) {
        result.error = ptf_text::CannotRead(fileName, file.errorString());
        return result;
    }
    // The size decides before anything is read, so a huge or special file
    // is never loaded into memory.
    if (!info.isFile() || !PtfLayoutForSize(info.size())) {
        result.error = ptf_text::Damaged(fileName);
        return result;
    }
    const QByteArray content = file.read(kLargestPtfSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() != info.size()) {
        result.error = ptf_text::Damaged(fileName);
        return result;
    }
    return ParsePtf(content, fileName);
}

}  // namespace lmk17
