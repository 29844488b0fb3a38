#include "config/record_bytes.h"

#include <QtEndian>
#include <cstring>

namespace lmk17::bytes {

namespace {

bool fits(const QByteArray& image, int offset, int size) {
    return offset >= 0 && size >= 0 && qsizetype(offset) + size <= image.size();
}

template <typename T>
void putLittle(QByteArray& image, int offset, T value) {
    if (!fits(image, offset, int(sizeof(T)))) return;
    qToLittleEndian(value, image.data() + offset);
}

template <typename T>
T getLittle(const QByteArray& image, int offset) {
    if (!fits(image, offset, int(sizeof(T)))) return T{};
    return qFromLittleEndian<T>(image.constData() + offset);
}

}  // namespace

void PutU8(QByteArray& image, int offset, quint8 value) {
    if (fits(image, offset, 1)) image[offset] = char(value);
}
void PutU32(QByteArray& image, int offset, quint32 value) {
    putLittle(image, offset, value);
}
void PutI32(QByteArray& image, int offset, qint32 value) {
    putLittle(image, offset, value);
}

void PutDouble(QByteArray& image, int offset, double value) {
    quint64 bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    putLittle(image, offset, bits);
}

void PutString(QByteArray& image, int offset, int maxLength, const QByteArray& text) {
    if (!fits(image, offset, maxLength + 1)) return;
    const int n = int(qMin<qsizetype>(text.size(), maxLength));
    image[offset] = char(quint8(n));
    for (int i = 0; i < maxLength; ++i) image[offset + 1 + i] = i < n ? text[i] : '\0';
}

quint8 GetU8(const QByteArray& image, int offset) {
    return fits(image, offset, 1) ? quint8(image[offset]) : 0;
}
quint32 GetU32(const QByteArray& image, int offset) {
    return getLittle<quint32>(image, offset);
}
qint32 GetI32(const QByteArray& image, int offset) {
    return getLittle<qint32>(image, offset);
}

double GetDouble(const QByteArray& image, int offset) {
    const quint64 bits = getLittle<quint64>(image, offset);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray GetString(const QByteArray& image, int offset, int maxLength) {
    if (!fits(image, offset, maxLength + 1)) return {};
    const int n = qMin<int>(quint8(image[offset]), maxLength);
    return image.mid(offset + 1, n);
}

}  // namespace lmk17::bytes
