#include "sim_frame.h"

#include <QStringList>

#include "link/binary32.h"
#include "link/frame.h"
#include "link/link_request.h"

namespace lmk17::sim {

namespace {

std::uint8_t at(const QByteArray& b, int i) {
    return i >= 0 && i < b.size() ? std::uint8_t(b[i]) : 0;
}

QString valueText(int type, const QByteArray& v, int from) {
    switch (type) {
        case TypeInt16:
            return QString::number(ReadWireInt(v, from, 2));
        case TypeInt32:
            return QString::number(ReadWireInt(v, from, 4));
        case TypeFloat:
            return QString::number(ReadWireFloat(v, from), 'g', 9);
        case TypeText: {
            QByteArray t = v.mid(from, 16);
            for (char& c : t)
                if (std::uint8_t(c) < 32) c = ' ';
            return QLatin1Char('"') + QString::fromLatin1(t) + QLatin1Char('"');
        }
        case TypeBlock: {
            const auto b = ReadWireBlock(v, from);
            return QStringLiteral("[%1 %2 %3 %4]")
                .arg(b[0], 0, 'g', 9)
                .arg(b[1], 0, 'g', 9)
                .arg(b[2], 0, 'g', 9)
                .arg(b[3], 0, 'g', 9);
        }
    }
    return QString::fromLatin1(v.mid(from).toHex(' '));
}

}  // namespace

bool SimRequest::isBlock() const {
    return type == TypeText || type == TypeBlock;
}

bool ParseRequest(const QByteArray& f, SimRequest& r) {
    if (f.size() < 9 || at(f, 0) != kLongStart || at(f, 3) != kLongStart) return false;
    const int l = at(f, 1);
    if (at(f, 2) != l || f.size() != l + 6 || at(f, l + 5) != kFrameEnd) return false;
    if (CheckByte(reinterpret_cast<const std::uint8_t*>(f.constData()) + 4, l) != at(f, l + 4))
        return false;
    if (l < 7) return false;  // DA, SA, control, operation, type, parameter address
    r.da = at(f, 4);
    r.sa = at(f, 5);
    r.control = at(f, 6);
    r.operation = at(f, 7);
    r.type = at(f, 8);
    r.parameterAddress = at(f, 9) | at(f, 10) << 8;
    int data = 11;
    if (r.isBlock() && l >= 15) {
        r.row = at(f, 11) | at(f, 12) << 8;
        r.subIndex = at(f, 13) | at(f, 14) << 8;
        r.count = at(f, 15) | at(f, 16) << 8;
        r.size = at(f, 17) | at(f, 18) << 8;
        data = 19;
    }
    r.value = f.mid(data, l + 4 - data);
    return true;
}

QByteArray ShortAnswer(int pc, int own, int control) {
    QByteArray f;
    f.append(char(kShortStart));
    f.append(char(pc));
    f.append(char(own));
    f.append(char(control));
    f.append(char(CheckByte(reinterpret_cast<const std::uint8_t*>(f.constData()) + 1, 3)));
    f.append(char(kFrameEnd));
    return f;
}

QByteArray LongAnswer(int pc, int own, int control, int type, const QByteArray& value) {
    return OdesliLF(QByteArray(1, char(type)) + value, pc, own, std::uint8_t(control));
}

QString DescribeRequest(const SimRequest& r) {
    QString s = QStringLiteral("DA %1 SA %2 %3 %4 P%5")
                    .arg(r.da)
                    .arg(r.sa)
                    .arg(r.operation == 1   ? QStringLiteral("read")
                         : r.operation == 2 ? QStringLiteral("write")
                                            : QStringLiteral("op %1").arg(r.operation))
                    .arg(DataTypeName(r.type))
                    .arg(r.parameter());
    if (r.foldedAddress() != r.da)
        s += QStringLiteral(" (folded address %1)").arg(r.foldedAddress());
    if (r.isBlock()) s += QStringLiteral(" row %1").arg(r.row);
    if (r.operation == 2) s += QStringLiteral(" = ") + valueText(r.type, r.value, 0);
    return s;
}

QString DescribeAnswer(const QByteArray& f, int requestType) {
    if (at(f, 0) == kShortStart) {
        const int control = at(f, 3);
        return QStringLiteral("to %1 from %2 code %3%4")
            .arg(at(f, 1))
            .arg(at(f, 2))
            .arg(control & ~0x04 & 0x0F)
            .arg(control & 0x04 ? QStringLiteral(" device error") : QString());
    }
    if (at(f, 0) == kLongStart) {
        const int control = at(f, 6);
        return QStringLiteral("to %1 from %2 code %3%4 %5 = %6")
            .arg(at(f, 4))
            .arg(at(f, 5))
            .arg(control & ~0x04 & 0x0F)
            .arg(control & 0x04 ? QStringLiteral(" device error") : QString())
            .arg(DataTypeName(requestType))
            .arg(valueText(requestType, f, 8));
    }
    return QStringLiteral("not a frame");
}

QByteArray WireInt16(int v) {
    QByteArray b;
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return b;
}

QByteArray WireInt32(std::int32_t v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i) b.append(char((std::uint32_t(v) >> (8 * i)) & 0xFF));
    return b;
}

QByteArray WireFloat(double v) {
    return WireInt32(std::int32_t(EncodeBinary32(v)));
}

QByteArray WireBlock(const std::array<double, 4>& values) {
    QByteArray b;
    for (int i = 3; i >= 0; --i) b.append(WireFloat(values[size_t(i)]));
    return b;
}

std::int32_t ReadWireInt(const QByteArray& b, int from, int width) {
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) v |= std::uint32_t(at(b, from + i)) << (8 * i);
    if (width == 2) return std::int16_t(v);
    return std::int32_t(v);
}

double ReadWireFloat(const QByteArray& b, int from) {
    return DecodeBinary32(std::uint32_t(ReadWireInt(b, from, 4)));
}

std::array<double, 4> ReadWireBlock(const QByteArray& b, int from) {
    std::array<double, 4> v{};
    for (int i = 0; i < 4; ++i) v[size_t(3 - i)] = ReadWireFloat(b, from + 4 * i);
    return v;
}

}  // namespace lmk17::sim
