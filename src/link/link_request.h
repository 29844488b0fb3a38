#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace lmk17 {

enum LinkOperation : int { OpNone = 0, OpRead = 1, OpWrite = 2 };

// Data type codes of a request.
enum DataType : int {
    TypeInt16 = 0,
    TypeInt32 = 1,
    TypeFloat = 2,
    TypeText = 33,
    TypeBlock = 34,
};

constexpr int kWireTextLength = 16;

// The request being made. The operations fill it, the frame builder reads
// it, and an answer to a read fills the value slots.
struct LinkRequest {
    int operation = OpNone;
    int dataType = TypeInt16;
    int parameter = 0;
    int da = 0;  // destination address, set afresh by each operation step
    int row = 0;
    int subIndex = 0;
    int count = 1;
    int size = 4;
    std::int16_t value16 = 0;
    std::int32_t value32 = 0;
    double value = 0.0;
    QByteArray text = QByteArray(kWireTextLength, ' ');  // always 16 bytes on the wire
    std::array<double, 4> values{};                  // element 3 travels first
};

}  // namespace lmk17
