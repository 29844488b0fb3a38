#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace lmk17::sim {

// A request frame as a transmitter sees it.
struct SimRequest {
    int da = 0;  // destination (the transmitter)
    int sa = 0;  // source (the PC)
    int control = 0;
    int operation = 0;  // 1 read, 2 write
    int type = 0;
    int parameterAddress = 0;                        // parameter + 1000 x DA
    int row = 0, subIndex = 0, count = 0, size = 0;  // blocks and texts
    QByteArray value;                                // the written bytes after the header

    int parameter() const { return parameterAddress % 1000; }
    int foldedAddress() const { return parameterAddress / 1000; }
    bool isBlock() const;
};

// Checks envelope, lengths, end byte and check byte of a complete long frame
// and takes it apart; false for anything a transmitter must ignore.
bool ParseRequest(const QByteArray& frame, SimRequest& out);

// Answers: short frames carry an answer code, long frames a read value.
// `control` includes the device-error bit when the transmitter has one.
QByteArray ShortAnswer(int pc, int own, int control);
QByteArray LongAnswer(int pc, int own, int control, int type, const QByteArray& value);

// One line of the trace: what a frame says, for either direction.
QString DescribeRequest(const SimRequest& r);
QString DescribeAnswer(const QByteArray& frame, int requestType);

// Little-endian wire values.
QByteArray WireInt16(int v);
QByteArray WireInt32(std::int32_t v);
QByteArray WireFloat(double v);
QByteArray WireBlock(const std::array<double, 4>& values);  // element 3 first
std::int32_t ReadWireInt(const QByteArray& bytes, int at, int width);
double ReadWireFloat(const QByteArray& bytes, int at);
std::array<double, 4> ReadWireBlock(const QByteArray& bytes, int at);

}  // namespace lmk17::sim
