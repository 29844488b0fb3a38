#pragma once

#include <QByteArray>
#include <QtGlobal>

// Little-endian field access on a byte image. Records are always converted
// field by field at fixed offsets so that the image does not depend on how the
// compiler lays out a struct, and a short or damaged image can never be read
// beyond its end (every getter checks the bounds and gives 0 / empty).

namespace lmk17::bytes {

void PutU8(QByteArray& image, int offset, quint8 value);
void PutU32(QByteArray& image, int offset, quint32 value);
void PutI32(QByteArray& image, int offset, qint32 value);
void PutDouble(QByteArray& image, int offset, double value);
// Length byte, then at most maxLength characters; the rest of the field is
// zero-filled so that the image is reproducible.
void PutString(QByteArray& image, int offset, int maxLength, const QByteArray& text);

quint8 GetU8(const QByteArray& image, int offset);
quint32 GetU32(const QByteArray& image, int offset);
qint32 GetI32(const QByteArray& image, int offset);
double GetDouble(const QByteArray& image, int offset);
// A length byte larger than the field is cut to the field's size.
QByteArray GetString(const QByteArray& image, int offset, int maxLength);

}  // namespace lmk17::bytes
