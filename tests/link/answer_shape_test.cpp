// Which frames may answer which request. A frame that cannot answer the
// request in flight (a late answer to another request, a stranger's frame)
// must never become its result: neither a value nor a refusal.

#include <gtest/gtest.h>

#include "link/frame.h"
#include "link/link_request.h"

namespace lmk17 {
namespace {

struct Kind {
    const char* name;
    int operation;
    int dataType;
    int width;  // bytes of the value a read answer carries (0: a write)
};

const Kind kKinds[] = {
    {"write", OpWrite, TypeFloat, 0},      {"write text", OpWrite, TypeText, 0},
    {"read int16", OpRead, TypeInt16, 2},  {"read int32", OpRead, TypeInt32, 4},
    {"read float", OpRead, TypeFloat, 4},  {"read text", OpRead, TypeText, 16},
    {"read block", OpRead, TypeBlock, 16},
};

bool fits(const QByteArray& frame, const Kind& kind) {
    LinkRequest r;
    r.operation = kind.operation;
    r.dataType = kind.dataType;
    return AnswerFitsRequest(reinterpret_cast<const std::uint8_t*>(frame.constData()),
                             int(frame.size()), r);
}

QByteArray shortAnswer(std::uint8_t control) {
    QByteArray f;
    for (const int b : {0x10, 0x1F, 0x00, int(control), 0, 0x16}) f.append(char(b));
    f[4] = char(CheckByte(reinterpret_cast<const std::uint8_t*>(f.constData()) + 1, 3));
    return f;
}

// A long answer whose value is `width` bytes (after the data-type byte).
QByteArray longAnswer(int width) {
    return OdesliLF(QByteArray(width + 1, '\0'), 31, 0, 0x08);
}

TEST(AnswerShape, ShortAnswersByRequestKind) {
    const struct {
        std::uint8_t control;
        bool answersWrite;
        bool answersRead;
    } codes[] = {
        {0x00, true, false},   // written: acknowledges a write only
        {0x01, true, true},    // transmit error
        {0x02, true, true},    // bad parameters
        {0x03, true, true},    // bad function
        {0x04, true, false},   // written, with the device error bit
        {0x06, true, true},    // bad parameters, with the device error bit
        {0x07, true, true},    // bad function, with the device error bit
        {0x08, false, false},  // "read OK" comes only in a long frame
        {0x09, false, false}, {0x0B, false, false},
    };
    for (const auto& c : codes) {
        for (const Kind& kind : kKinds) {
            const bool expected = kind.operation == OpWrite ? c.answersWrite : c.answersRead;
            EXPECT_EQ(fits(shortAnswer(c.control), kind), expected)
                << kind.name << ", control " << int(c.control);
        }
    }
}

TEST(AnswerShape, LongAnswersFitOnlyAReadOfTheirWidth) {
    for (const int width : {1, 2, 3, 4, 5, 15, 16, 17}) {
        for (const Kind& kind : kKinds) {
            EXPECT_EQ(fits(longAnswer(width), kind), kind.width == width)
                << kind.name << ", value of " << width << " bytes";
        }
    }
}

TEST(AnswerShape, ForeignOrTruncatedFramesFitNothing) {
    const QByteArray shortOk = shortAnswer(0x00);
    for (const Kind& kind : kKinds) {
        EXPECT_FALSE(fits(shortOk.left(5), kind)) << kind.name;
        EXPECT_FALSE(fits(QByteArray(6, char(0xE5)), kind)) << kind.name;
        EXPECT_FALSE(fits(QByteArray(), kind)) << kind.name;
    }
}

}  // namespace
}  // namespace lmk17
