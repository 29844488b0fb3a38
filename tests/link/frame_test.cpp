#include <gtest/gtest.h>

#include "link/binary32.h"
#include "link/frame.h"
#include "link/result_codes.h"
#include "support/builders.h"
#include "support/qt_printers.h"

using namespace lmk17;

namespace {

QByteArray hex(const char* text) {
    QByteArray out;
    EXPECT_TRUE(ParseHexBytes(QString::fromLatin1(text), out));
    return out;
}

struct Decoded {
    AnswerOutcome outcome;
    bool deviceError;
    LinkRequest request;
};

Decoded decode(const QByteArray& frame, int parameter = 1, int type = TypeFloat,
               bool deviceErrorBefore = false) {
    Decoded d{{}, deviceErrorBefore, test::ReadRequest(parameter, type)};
    d.outcome = DecodeAnswer(reinterpret_cast<const std::uint8_t*>(frame.constData()),
                             int(frame.size()), d.request, d.deviceError);
    return d;
}

// A long read answer carrying the given value bytes, with a correct check byte.
QByteArray longAnswer(const QByteArray& value, std::uint8_t control = 0x08) {
    QByteArray data;
    data.append(char(0));  // byte at offset 7, not interpreted
    data.append(value);
    return OdesliLF(data, 31, 0, control);
}

}  // namespace

TEST(Frame, RequestsOfEveryDataType) {
    struct Case {
        int op, type, param, da, sa, row;
        const char* expected;
    } cases[] = {
        {OpRead, TypeInt32, 101, 0, 31, 0, "68 07 07 68 00 1F 4D 01 01 65 00 D3 16"},
        {OpRead, TypeInt32, 101, 5, 31, 0, "68 07 07 68 05 1F 4D 01 01 ED 13 74 16"},
        {OpRead, TypeInt16, 110, 0, 31, 0, "68 07 07 68 00 1F 4D 01 00 6E 00 DB 16"},
        {OpRead, TypeFloat, 0, 31, 31, 0, "68 07 07 68 1F 1F 4D 01 02 18 79 20 16"},
        {OpRead, TypeText, 120, 0, 31, 3,
         "68 0F 0F 68 00 1F 4D 01 21 78 00 03 00 00 00 01 00 04 00 0F 16"},
        {OpRead, TypeBlock, 50, 2, 0, 8,
         "68 0F 0F 68 02 00 4D 01 22 02 08 08 00 00 00 01 00 04 00 89 16"},
    };
    for (const Case& c : cases) {
        LinkRequest r = test::ReadRequest(c.param, c.type, c.da, c.row);
        r.operation = c.op;
        EXPECT_EQ(HexBytes(BuildRequestFrame(r, c.sa)), QLatin1String(c.expected)) << c.param;
    }
}

TEST(Frame, WriteValuesAndBlockOrder) {
    LinkRequest r = test::WriteRequest(220, TypeFloat);
    r.value = -200.0;
    EXPECT_EQ(HexBytes(BuildRequestFrame(r, 31)),
              "68 0B 0B 68 00 1F 45 02 02 DC 00 00 00 48 C3 51 16");

    r.dataType = TypeInt16;
    r.parameter = 111;
    r.value16 = 0x20;
    EXPECT_EQ(HexBytes(BuildRequestFrame(r, 31)), "68 09 09 68 00 1F 45 02 00 6F 00 20 00 F5 16");

    r.dataType = TypeBlock;
    r.parameter = 70;
    r.values = {1.0, 2.0, 3.0, 4.0};
    const QByteArray block = BuildRequestFrame(r, 31);
    ASSERT_EQ(block.size(), 9 + 28);
    // Element 3 (4.0) goes first on the wire, element 0 (1.0) last.
    EXPECT_EQ(HexBytes(block.mid(19, 4)), "00 00 80 40");
    EXPECT_EQ(HexBytes(block.mid(31, 4)), "00 00 80 3F");

    r.dataType = TypeText;
    r.parameter = 121;
    r.text = "user note";
    const QByteArray text = BuildRequestFrame(r, 31);
    EXPECT_EQ(text.mid(19, 16), QByteArray("user note       "));
}

TEST(Frame, BlockHeaderCorrection) {
    struct Case {
        int count, size, wantCount, wantSize, dataBytes;
    } cases[] = {{1, 4, 1, 4, 16}, {2, 4, 1, 4, 16}, {5, 1, 1, 4, 16}, {0, 4, 1, 1, 4},
                 {1, 0, 1, 1, 4},  {2, 2, 2, 2, 16}, {1, 1, 1, 1, 4}};
    for (const Case& c : cases) {
        LinkRequest r;
        r.operation = OpWrite;
        r.dataType = TypeBlock;
        r.parameter = 50;
        r.count = c.count;
        r.size = c.size;
        const QByteArray f = BuildRequestFrame(r, 31);
        EXPECT_EQ(r.count, c.wantCount);
        EXPECT_EQ(r.size, c.wantSize);
        EXPECT_EQ(f.size(), 9 + 12 + c.dataBytes) << c.count << "x" << c.size;
    }
}

TEST(Frame, ShortAnswers) {
    struct Case {
        const char* frame;
        int result;
        const char* message;
        bool deviceError;
    } cases[] = {
        {"10 1F 00 00 1F 16", 0, " OK.", false},
        {"10 1F 00 04 23 16", 0, " OK.", true},
        {"10 1F 00 09 28 16", 9, " ERROR: Unknown Answer: 9", false},
        {"10 1F 00 05 24 16", 1, " ERROR: Error during Transmit.", true},
        {"10 1F 00 02 21 16", 2, " ERROR: Bad Parameters.", false},
        {"10 1F 00 03 22 16", 3, " ERROR: Bad Function.", false},
        {"10 1F 00 08 27 16", 8, " Application layer answered OK.", false},
        {"10 1F 00 00 1F 17", 100, " ERROR: Frame Error of the Incoming Message.", false},
        {"10 1F 00 00 20 16", 101, " ERROR: Bad CRC of the Incoming Message.", false},
        {"10 1F 00 44 63 16", 102, " ERROR: Error during Transmit (from Transmitter to PC).", true},
        {"FF 1F 00 00 1F 16", 150, " ERROR: Bad Answer was received.", false},
    };
    for (const Case& c : cases) {
        // A transmission error of the transmitter leaves the flag as it was.
        const Decoded d = decode(hex(c.frame), 1, TypeFloat, c.result == 102);
        EXPECT_EQ(d.outcome.result, c.result) << c.frame;
        EXPECT_EQ(ResultCodeText(d.outcome.result), QLatin1String(c.message)) << c.frame;
        EXPECT_EQ(d.deviceError, c.deviceError) << c.frame;
    }
}

TEST(Frame, LongAnswersAndTheirFrameChecks) {
    QByteArray good = longAnswer(QByteArray::fromHex("0000803F"));
    Decoded d = decode(good);
    EXPECT_EQ(d.outcome.result, 8);
    EXPECT_EQ(d.request.value, 1.0);
    EXPECT_EQ(std::uint32_t(d.request.value32), 0x3F800000u);

    QByteArray lengths = good;
    lengths[2] = char(lengths[2] + 1);
    EXPECT_EQ(decode(lengths).outcome.result, 100);
    QByteArray start = good;
    start[3] = 0x10;
    EXPECT_EQ(decode(start).outcome.result, 100);
    QByteArray end = good;
    end[end.size() - 1] = 0x17;
    EXPECT_EQ(decode(end).outcome.result, 100);
    QByteArray crc = good;
    crc[crc.size() - 2] = char(crc[crc.size() - 2] ^ 1);
    EXPECT_EQ(decode(crc).outcome.result, 101);

    Decoded devErr = decode(longAnswer(QByteArray::fromHex("00004843"), 0x0C));
    EXPECT_EQ(devErr.outcome.result, 8);
    EXPECT_TRUE(devErr.deviceError);
    EXPECT_EQ(devErr.request.value, 200.0);
    Decoded other = decode(longAnswer(QByteArray::fromHex("00004843"), 0x09));
    EXPECT_EQ(other.outcome.result, 102);
}

TEST(Frame, TextAndBlockAcceptance) {
    QByteArray text("K8620L31; rev.\0\x1f", 16);
    EXPECT_EQ(decode(longAnswer(text), 120, TypeText).request.text, QByteArray("K8620L31; rev.  "));
    EXPECT_EQ(decode(longAnswer(text), 121, TypeText).request.text, QByteArray("K8620L31; rev.  "));
    EXPECT_EQ(decode(longAnswer(text), 122, TypeText).request.text, QByteArray(16, ' '));

    QByteArray values;
    for (float f : {1.0f, 2.0f, 3.0f, 4.0f}) {
        std::uint32_t b = EncodeBinary32(f);
        values.append(reinterpret_cast<const char*>(&b), 4);
    }
    for (int param : {50, 70, 160, 165}) {
        const auto v = decode(longAnswer(values), param, TypeBlock).request.values;
        EXPECT_EQ(v[3], 1.0) << param;  // first on the wire lands in element 3
        EXPECT_EQ(v[0], 4.0) << param;
    }
    const auto refused = decode(longAnswer(values), 51, TypeBlock).request.values;
    EXPECT_EQ(refused, (std::array<double, 4>{0, 0, 0, 0}));
}

TEST(Frame, TruncatedAnswersNeverReadPastTheFrame) {
    // A long answer claiming more bytes than it carries is a frame error; a
    // value that runs past the collected bytes reads them as 0.
    EXPECT_EQ(decode(hex("68 40 40 68 00")).outcome.result, 100);
    const QByteArray frame = longAnswer(QByteArray::fromHex("0000803F"));
    LinkRequest r;
    r.operation = OpRead;
    r.parameter = 50;
    r.dataType = TypeBlock;
    bool deviceError = false;
    DecodeAnswer(reinterpret_cast<const std::uint8_t*>(frame.constData()), int(frame.size()), r,
                 deviceError);
    EXPECT_EQ(r.values[3], 1.0);
    EXPECT_EQ(r.values[0], 0.0);
}

namespace {

// Which frames can answer which request: the kind, the length and the code,
// never the address bytes.
TEST(Frame, AnswerShapeFitsTheRequest) {
    const struct {
        const char* frame;
        int operation;
        int type;
        bool fits;
    } cases[] = {
        {"10 1F 00 00 1F 16", OpWrite, TypeFloat, true},   // acknowledgement
        {"10 05 09 03 11 16", OpWrite, TypeInt16, true},   // refusal 3, other addresses
        {"10 1F 00 04 23 16", OpWrite, TypeInt16, true},   // acknowledgement, device error
        {"10 1F 00 09 28 16", OpWrite, TypeInt16, false},  // unknown code
        {"10 1F 00 00 1F 16", OpRead, TypeFloat, false},   // an acknowledgement answers no read
        {"10 1F 00 08 27 16", OpRead, TypeFloat, false},   // nor does "data" without data
        {"10 1F 00 02 21 16", OpRead, TypeFloat, true},    // refusal
        {"68 08 08 68 1F 00 08 02 00 00 80 3F 00 16", OpRead, TypeFloat, true},
        {"68 08 08 68 1F 00 08 02 00 00 80 3F 00 16", OpRead, TypeInt32, true},
        {"68 08 08 68 1F 00 08 02 00 00 80 3F 00 16", OpRead, TypeInt16, false},
        {"68 08 08 68 1F 00 08 02 00 00 80 3F 00 16", OpRead, TypeText, false},
        {"68 08 08 68 1F 00 08 02 00 00 80 3F 00 16", OpWrite, TypeFloat, false},
        {"68 06 06 68 1F 00 08 00 39 00 60 16", OpRead, TypeInt16, true},
    };
    for (const auto& c : cases) {
        const QByteArray f = hex(c.frame);
        LinkRequest r;
        r.operation = c.operation;
        r.dataType = c.type;
        EXPECT_EQ(AnswerFitsRequest(reinterpret_cast<const std::uint8_t*>(f.constData()),
                                    int(f.size()), r),
                  c.fits)
            << c.frame << " op " << c.operation << " type " << c.type;
    }
    // A long answer to a text or block read carries 16 bytes: L = 20.
    LinkRequest text;
    text.operation = OpRead;
    text.dataType = TypeBlock;
    QByteArray block = hex("68 14 14 68 1F 00 08 22") + QByteArray(16, '\0') + hex("00 16");
    EXPECT_TRUE(AnswerFitsRequest(reinterpret_cast<const std::uint8_t*>(block.constData()),
                                  int(block.size()), text));
}

}  // namespace
