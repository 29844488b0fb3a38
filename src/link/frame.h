#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "link/link_request.h"

namespace lmk17 {

constexpr int kFrameBufferSize = 256;
constexpr std::uint8_t kShortStart = 0x10;
constexpr std::uint8_t kLongStart = 0x68;
constexpr std::uint8_t kFrameEnd = 0x16;
constexpr std::uint8_t kControlRead = 0x4D;
constexpr std::uint8_t kControlWrite = 0x45;

// Check byte: low byte plus second byte of the 16-bit byte sum, modulo 256.
std::uint8_t CheckByte(const std::uint8_t* bytes, int count);

// OdesliLF, "send long frame": wraps data bytes into a long frame:
// 68 L L 68 DA SA control data check 16.
QByteArray OdesliLF(const QByteArray& data, int da, int sa, std::uint8_t control);

// The request frame for a link request (the building half of SestavPrikaz).
// A block's count and size are corrected in the request as the line needs.
QByteArray BuildRequestFrame(LinkRequest& request, int sa);

// Length of the frame that starts the collected bytes: 6 for a short frame,
// byte 1 + 6 for a long one, 0 while nothing decides it yet.
int ExpectedFrameLength(const std::uint8_t* buffer, int count);

// Whether a complete frame can be the answer to the request: a write is
// answered by a short frame with the code 0..3; a read by a long frame whose
// L is 4 + the width of the requested data type, or by a short refusal 1..3.
// The code is the control byte's low four bits without the device-error bit.
// The address bytes are not looked at: devices in the field answer with
// whatever they answer. Anything else on the line is not this request's.
bool AnswerFitsRequest(const std::uint8_t* frame, int length, const LinkRequest& request);

struct AnswerOutcome {
    int result = 0;
};

// Decodes a complete answer (the decoding half of ZpracujPrikaz). For a read
// the value slots of the request are filled from the answer, whatever the
// result; bytes the frame does not hold read as 0. The device-error flag
// follows bit 2 of the control byte except when the transmitter reports a
// transmission error of its own.
AnswerOutcome DecodeAnswer(const std::uint8_t* frame, int length, LinkRequest& request,
                           bool& deviceError);

// Upper-case hex bytes separated by single blanks: "68 07 07 68".
QString HexBytes(const QByteArray& bytes);
// The width of a value of a data type on the wire (2, 4 or 16 bytes); -1 for
// an unknown code.
int ValueWidth(int dataType);
// The name of a data type code as traces and the command line write it
// ("int16", "int32", "float", "text", "block"; "type N" for another code).
QString DataTypeName(int type);
// Parses hex bytes given as separate words or one string ("68 07", "6807").
bool ParseHexBytes(const QString& text, QByteArray& out);

}  // namespace lmk17
