#include "link/frame.h"

#include "link/binary32.h"
#include "link/result_codes.h"

namespace lmk17 {

namespace {

void putU16(QByteArray& out, unsigned value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void putU32(QByteArray& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.append(char((value >> (8 * i)) & 0xFF));
}

// Bytes beyond the collected frame read as 0, so a short answer never reads
// stale or foreign memory.
struct FrameReader {
    const std::uint8_t* bytes;
    int length;
    std::uint8_t at(int i) const { return i >= 0 && i < length ? bytes[i] : 0; }
    std::uint32_t u32(int i) const {
        return std::uint32_t(at(i)) | std::uint32_t(at(i + 1)) << 8 |
               std::uint32_t(at(i + 2)) << 16 | std::uint32_t(at(i + 3)) << 24;
    }
};

void correctBlockHeader(LinkRequest& r) {
    const int product = r.count * r.size;
    if (product > 4) {
        r.count = 1;
        r.size = 4;
    } else if (product < 1) {
        r.count = 1;
        r.size = 1;
    }
}

void putBlockHeader(QByteArray& out, const LinkRequest& r) {
    putU16(out, unsigned(r.row));
    putU16(out, unsigned(r.subIndex));
    putU16(out, unsigned(r.count));
    putU16(out, unsigned(r.size));
}

void putBlockData(QByteArray& out, const LinkRequest& r) {
    const int bytes = r.count * r.size * 4;
    QByteArray data;
    if (r.dataType == TypeText) {
        data = r.text.left(kWireTextLength);
        data.append(QByteArray(kWireTextLength - data.size(), ' '));
    } else {
        for (int i = 3; i >= 0; --i) putU32(data, EncodeBinary32(r.values[std::size_t(i)]));
    }
    out.append(data.left(bytes));
}

void takeValue(const FrameReader& f, LinkRequest& r) {
    switch (r.dataType) {
        case TypeInt16:
            r.value16 = std::int16_t(f.at(8) | f.at(9) << 8);
            break;
        case TypeInt32:
            r.value32 = std::int32_t(f.u32(8));
            break;
        case TypeFloat:
            r.value32 = std::int32_t(f.u32(8));
            r.value = DecodeBinary32(f.u32(8));
            break;
        case TypeText:
            r.text = QByteArray(kWireTextLength, ' ');
            if (r.parameter == 120 || r.parameter == 121) {
                for (int i = 0; i < kWireTextLength; ++i) {
                    const std::uint8_t c = f.at(8 + i);
                    r.text[i] = c < 32 ? ' ' : char(c);
                }
            }
            break;
        case TypeBlock: {
            const bool accepted =
                r.parameter == 50 || r.parameter == 70 || r.parameter == 160 || r.parameter == 165;
            for (int i = 0; i < 4; ++i)
                r.values[std::size_t(3 - i)] = accepted ? DecodeBinary32(f.u32(8 + 4 * i)) : 0.0;
            break;
        }
        default:
            break;
    }
}

AnswerOutcome outcome(int code) {
    return {code};
}

std::uint8_t checkOver(const FrameReader& f, int from, int count) {
    unsigned sum = 0;
    for (int i = from; i < from + count; ++i) sum += f.at(i);
    return std::uint8_t(((sum & 0xFF) + ((sum >> 8) & 0xFF)) & 0xFF);
}

AnswerOutcome decodeShort(const FrameReader& f, bool& deviceError) {
    if (f.at(5) != kFrameEnd) return outcome(ResultFrameError);
    if (checkOver(f, 1, 3) != f.at(4)) return outcome(ResultCrcError);
    int control = f.at(3);
    if (control & 0x40) return outcome(ResultTransmitterSendError);
    deviceError = (control & 0x04) != 0;
    control &= ~0x04;
    return outcome(control & 0x0F);
}

AnswerOutcome decodeLong(const FrameReader& f, LinkRequest& r, bool& deviceError) {
    const int l = f.at(1);
    if (f.at(3) != kLongStart || f.at(1) != f.at(2) || f.at(l + 5) != kFrameEnd)
        return outcome(ResultFrameError);
    if (checkOver(f, 4, l) != f.at(l + 4)) return outcome(ResultCrcError);
    int control = f.at(6);
    deviceError = (control & 0x04) != 0;
    control &= ~0x04;
    AnswerOutcome result =
        outcome((control & 0x0F) == 8 ? ResultReadOk : ResultTransmitterSendError);
    if (r.operation == OpRead) takeValue(f, r);
    return result;
}

}  // namespace

std::uint8_t CheckByte(const std::uint8_t* bytes, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i) sum += bytes[i];
    return std::uint8_t(((sum & 0xFF) + ((sum >> 8) & 0xFF)) & 0xFF);
}

QByteArray OdesliLF(const QByteArray& data, int da, int sa, std::uint8_t control) {
    const int l = int(data.size()) + 3;
    QByteArray frame;
    frame.reserve(l + 6);
    frame.append(char(kLongStart));
    frame.append(char(l));
    frame.append(char(l));
    frame.append(char(kLongStart));
    frame.append(char(da));
    frame.append(char(sa));
    frame.append(char(control));
    frame.append(data);
    frame.append(char(CheckByte(reinterpret_cast<const std::uint8_t*>(frame.constData()) + 4, l)));
    frame.append(char(kFrameEnd));
    return frame;
}

QByteArray BuildRequestFrame(LinkRequest& r, int sa) {
    const bool write = r.operation == OpWrite;
    QByteArray data;
    data.append(char(write ? OpWrite : OpRead));
    data.append(char(r.dataType));
    putU16(data, unsigned(r.parameter + 1000 * r.da) & 0xFFFF);
    const bool block = r.dataType == TypeText || r.dataType == TypeBlock;
    if (block) {
        correctBlockHeader(r);
        putBlockHeader(data, r);
    }
    if (write) {
        switch (r.dataType) {
            case TypeInt16:
                putU16(data, std::uint16_t(r.value16));
                break;
            case TypeInt32:
                putU32(data, std::uint32_t(r.value32));
                break;
            case TypeFloat:
                putU32(data, EncodeBinary32(r.value));
                break;
            case TypeText:
            case TypeBlock:
                putBlockData(data, r);
                break;
            default:
                break;
        }
    }
    return OdesliLF(data, r.da, sa, write ? kControlWrite : kControlRead);
}

int ExpectedFrameLength(const std::uint8_t* buffer, int count) {
    if (count <= 0) return 0;
    if (buffer[0] == kShortStart) return 6;
    if (buffer[0] == kLongStart) return count >= 2 ? buffer[1] + 6 : 0;
    return 0;
}

bool AnswerFitsRequest(const std::uint8_t* frame, int length, const LinkRequest& request) {
    if (length <= 0) return false;
    const bool write = request.operation == OpWrite;
    if (frame[0] == kShortStart) {
        if (length < 6) return false;
        const int code = frame[3] & 0x0F & ~0x04;
        return write ? code <= ResultBadFunction
                     : code >= ResultTransmitError && code <= ResultBadFunction;
    }
    if (frame[0] == kLongStart) {
        // L counts DA, SA, the control byte, the byte at offset 7 and the value.
        const int width = ValueWidth(request.dataType);
        return !write && width > 0 && length >= 2 && frame[1] == 4 + width;
    }
    return false;
}

AnswerOutcome DecodeAnswer(const std::uint8_t* frame, int length, LinkRequest& request,
                           bool& deviceError) {
    const FrameReader f{frame, length};
    switch (f.at(0)) {
        case kShortStart:
            return decodeShort(f, deviceError);
        case kLongStart:
            return decodeLong(f, request, deviceError);
        default:
            return outcome(ResultBadAnswer);
    }
}

int ValueWidth(int dataType) {
    switch (dataType) {
        case TypeInt16:
            return 2;
        case TypeInt32:
        case TypeFloat:
            return 4;
        case TypeText:
        case TypeBlock:
            return 16;
        default:
            return -1;
    }
}

QString DataTypeName(int type) {
    switch (type) {
        case TypeInt16:
            return QStringLiteral("int16");
        case TypeInt32:
            return QStringLiteral("int32");
        case TypeFloat:
            return QStringLiteral("float");
        case TypeText:
            return QStringLiteral("text");
        case TypeBlock:
            return QStringLiteral("block");
        default:
            return QStringLiteral("type %1").arg(type);
    }
}

QString HexBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

bool ParseHexBytes(const QString& text, QByteArray& out) {
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    digits.remove(QLatin1Char(':'));
    if (digits.size() % 2 != 0) return false;
    for (QChar c : digits)
        if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c)) return false;
    out = QByteArray::fromHex(digits.toLatin1());
    return true;
}

}  // namespace lmk17
