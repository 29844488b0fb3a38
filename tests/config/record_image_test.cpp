#include <gtest/gtest.h>

#include <QtEndian>
#include <cstring>

#include "config/record_bytes.h"
#include "config/transmitter_config.h"
#include "support/builders.h"

using namespace lmk17;

namespace {

double doubleAt(const QByteArray& image, int offset) {
    const quint64 bits = qFromLittleEndian<quint64>(image.constData() + offset);
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
}

quint32 u32At(const QByteArray& image, int offset) {
    return qFromLittleEndian<quint32>(image.constData() + offset);
}

}  // namespace

TEST(RecordImage, EveryDoubleAtItsOffset) {
    const QByteArray image = test::DistinctRecord().ToImage();
    ASSERT_EQ(image.size(), 679);
    const struct {
        int offset;
        double value;
    } cases[] = {
        {11, 1.5},      {19, 2.5},      {27, 3.5},   {35, 4.5},   {43, -5.5},   {51, 6.5},
        {59, -7.5},     {67, 8.5},      {75, 9.5},   {83, 10.5},  {91, 11.5},   {99, 12.5},
        {111, 100},     {119, 101},     {127, 102},  {135, 103},  {431, 13.5},  {446, 36220.5},
        {598, 200},     {606, 201},     {614, 202},  {622, 203},  {630, 1.125}, {638, -0.03125},
        {646, 1.03125}, {654, -0.0125}, {662, 0.75}, {670, 0.25},
    };
    for (const auto& c : cases) EXPECT_EQ(doubleAt(image, c.offset), c.value) << c.offset;
}

TEST(RecordImage, LinearizationTableRowByRow) {
    const QByteArray image = test::DistinctRecord().ToImage();
    // Row 0 starts with YEnd at 143, row 1 with YStart at 215.
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 9; ++s)
            EXPECT_EQ(doubleAt(image, 143 + 72 * k + 8 * s), 1000 + 10 * k + s) << k << ',' << s;
    EXPECT_EQ(doubleAt(image, 215), 1010);
}

TEST(RecordImage, BytesIntegersAndStrings) {
    const QByteArray image = test::DistinctRecord().ToImage();
    const struct {
        int offset;
        quint8 value;
    } bytes[] = {{107, 51}, {108, 7},   {109, 0xC1}, {110, 0xA5},
                 {439, 32}, {440, 192}, {441, 15},   {678, 1}};
    for (const auto& b : bytes) EXPECT_EQ(quint8(image[b.offset]), b.value) << b.offset;
    EXPECT_EQ(qint32(u32At(image, 442)), -123456);
    EXPECT_EQ(u32At(image, 586), 90061u);
    EXPECT_EQ(u32At(image, 590), 0x12345678u);
    EXPECT_EQ(u32At(image, 594), 0x9ABCDEF0u);
    // Length byte, characters, the rest of the field zero.
    EXPECT_EQ(image.mid(0, 11), QByteArray("\x09PT-FILE04\0", 11));
    EXPECT_EQ(image.mid(454, 7), QByteArray("\x05Maker\0", 7));
    EXPECT_EQ(quint8(image[487]), 20);
    EXPECT_EQ(image.mid(520, 9), QByteArray("\x08"
                                            "1.3.1999"));
    EXPECT_EQ(image.mid(553, 7), QByteArray("\x06TAG \xC8\xE8", 7));
    EXPECT_EQ(image.mid(560, 26), QByteArray(26, '\0'));
}

TEST(RecordImage, RoundTripIsExact) {
    const TransmitterConfig c = test::DistinctRecord();
    const auto back = TransmitterConfig::FromImage(c.ToImage());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c);
    EXPECT_EQ(back->ToImage(), c.ToImage());
}

TEST(RecordImage, RefusesOtherSizes) {
    for (int size : {0, 678, 680}) EXPECT_FALSE(TransmitterConfig::FromImage(QByteArray(size, 0)));
}

TEST(RecordImage, OverlongTextsAreCutToTheirFields) {
    TransmitterConfig c;
    c.Signature = "PT-FILE04-EXTRA";
    c.UserNote = QByteArray(40, 'x');
    QByteArray image = c.ToImage();
    EXPECT_EQ(quint8(image[0]), 10);
    EXPECT_EQ(quint8(image[553]), 32);
    // A damaged length byte never reads into the next field.
    image[454] = char(200);
    const auto back = TransmitterConfig::FromImage(image);
    EXPECT_EQ(back->Manufacturer.size(), 32);
    EXPECT_EQ(back->UserNote, QByteArray(32, 'x'));
}

TEST(RecordBytes, GettersStayInsideTheImage) {
    const QByteArray small(6, '\x7f');
    EXPECT_EQ(bytes::GetDouble(small, 0), 0.0);
    EXPECT_EQ(bytes::GetU32(small, 4), 0u);
    EXPECT_EQ(bytes::GetString(small, 2, 10), QByteArray());
    EXPECT_EQ(bytes::GetU8(small, -1), 0);
}
