#include <gtest/gtest.h>

#include "link/link_parameters.h"
#include "support/qt_printers.h"

using namespace lmk17;

namespace {

TEST(LinkParameters, LinkAddressEditRule) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},  {"31", 31}, {" 7", 7}, {"7 ", 7}, {"+5", 5},   {"45", 31},  {"32", 31},
        {"x", 31}, {"-3", 31}, {"-0", 0}, {"", 31},  {"5.5", 31}, {"1e1", 31}, {"99999999999", 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLinkAddressText(QString::fromLatin1(c.text)), c.value) << c.text;
    }
    EXPECT_EQ(NumberFieldText(ParseLinkAddressText(QStringLiteral("45"))), QStringLiteral(" 31"));
    EXPECT_EQ(NumberFieldText(0), QStringLiteral(" 0"));
}

TEST(LinkParameters, TransmitterAddressEditRule) {
    const struct {
        const char* text;
        int value;
        bool parsed;
    } cases[] = {
        {"5", 5, true},   {" 31", 31, true}, {"32", 31, true}, {"45", 31, true},
        {"-1", 31, true}, {"x", 0, false},   {"", 0, false},   {"3,5", 0, false},
    };
    for (const auto& c : cases) {
        bool parsed = !c.parsed;
        EXPECT_EQ(ParseTransmitterAddressText(QString::fromLatin1(c.text), &parsed), c.value)
            << c.text;
        EXPECT_EQ(parsed, c.parsed) << c.text;
    }
}

TEST(LinkParameters, BaudRateItems) {
    const int rates[] = {600, 1200, 2400, 4800, 9600, 19200};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(BaudRateFromIndex(i), rates[i]);
        EXPECT_EQ(BaudIndexFromRate(rates[i]), i);
    }
    for (int i : {-1, 6, 100}) EXPECT_EQ(BaudRateFromIndex(i), 2400) << i;
    for (int r : {0, 300, 38400, 115200}) EXPECT_EQ(BaudIndexFromRate(r), -1) << r;
}

TEST(LinkParameters, ParityItems) {
    EXPECT_EQ(ParityFromIndex(0), LinkParity::None);
    EXPECT_EQ(ParityFromIndex(1), LinkParity::Odd);
    EXPECT_EQ(ParityFromIndex(2), LinkParity::Even);
    EXPECT_EQ(ParityFromIndex(-1), LinkParity::Odd);
    EXPECT_EQ(ParityFromIndex(3), LinkParity::Odd);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ParityIndex(ParityFromIndex(i)), i);
    // The command line's names read back, in any letter case.
    for (LinkParity p : {LinkParity::None, LinkParity::Odd, LinkParity::Even}) {
        EXPECT_EQ(ParityFromName(ParityName(p)), p);
        EXPECT_EQ(ParityFromName(ParityName(p).toUpper()), p);
    }
    EXPECT_EQ(ParityName(LinkParity::Even), QStringLiteral("even"));
    EXPECT_EQ(ParityFromName(QStringLiteral("mark")), std::nullopt);
}

// The transmitter's baud code is 38400 / rate - 1; any code the dialog does
// not know shows as 2400, and an unknown item stores 2400's code.
TEST(LinkParameters, TransmitterBaudCodes) {
    const int codes[] = {63, 31, 15, 7, 3, 1};
    for (int item = 0; item < 6; ++item) {
        EXPECT_EQ(BaudCodeFromItem(item), codes[item]);
        EXPECT_EQ(BaudItemFromCode(codes[item]), item);
        EXPECT_EQ(38400 / BaudRateFromIndex(item) - 1, codes[item]);
    }
    for (int item : {-1, 6}) EXPECT_EQ(BaudCodeFromItem(item), 15);
    for (int code : {0, 2, 14, 16, 64, 255}) EXPECT_EQ(BaudItemFromCode(code), 2) << code;
}

TEST(LinkParameters, AddressByteParityBits) {
    const struct {
        int byte;
        int parityItem;
        int address;
    } cases[] = {
        {0, 0, 0},    {31, 0, 31}, {127, 0, 31}, {128, 2, 0},  {130, 2, 2},
        {191, 2, 31}, {192, 1, 0}, {197, 1, 5},  {223, 1, 31}, {255, 1, 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParityItemFromAddressByte(c.byte), c.parityItem) << c.byte;
        EXPECT_EQ(AddressFromAddressByte(c.byte), c.address) << c.byte;
    }
    EXPECT_EQ(MakeAddressByte(5, 1), 0xC5);
    EXPECT_EQ(MakeAddressByte(5, 2), 0x85);
    EXPECT_EQ(MakeAddressByte(5, 0), 0x05);
    EXPECT_EQ(MakeAddressByte(37, 0), 5);
}

TEST(LinkParameters, TransmitterDialogOddAddress5At9600) {
    const auto r = AcceptTransmitterCommDialog(QStringLiteral("5"), 4, 1);
    EXPECT_TRUE(r.addressParsed);
    EXPECT_EQ(r.params.addressByte, 197);
    EXPECT_EQ(r.params.baudCode, 3);
    const auto v = OpenTransmitterCommDialog(r.params);
    EXPECT_EQ(v.addressText, QStringLiteral(" 5"));
    EXPECT_EQ(v.parityItem, 1);
    EXPECT_EQ(v.baudItem, 4);
}

TEST(LinkParameters, TransmitterDialogOpensOnStoredValues) {
    const auto v = OpenTransmitterCommDialog({130, 15});
    EXPECT_EQ(v.addressText, QStringLiteral(" 2"));
    EXPECT_EQ(v.parityItem, 2);
    EXPECT_EQ(v.baudItem, 2);
}

TEST(LinkParameters, TransmitterDialogUnparsableAddress) {
    EXPECT_EQ(NumberFieldText(ParseTransmitterAddressText(QStringLiteral("x"))),
              QStringLiteral(" 0"));
    const auto r = AcceptTransmitterCommDialog(QStringLiteral("x"), 2, 0);
    EXPECT_FALSE(r.addressParsed);
    EXPECT_EQ(r.params.addressByte, 0);
}

// Enter accepts the dialog without leaving the edit: the edit's own rule
// applies, so "45" gives 31 as it would after leaving the edit, never 45 & 31.
TEST(LinkParameters, TransmitterDialogOkAppliesTheEditRule) {
    EXPECT_EQ(AcceptTransmitterCommDialog(QStringLiteral("45"), 2, 1).params.addressByte, 0xDF);
    EXPECT_EQ(AcceptTransmitterCommDialog(QStringLiteral("-2"), 2, 0).params.addressByte, 31);
}

// Every address, parity and baud rate survives the dialog's OK and reopening.
TEST(LinkParameters, TransmitterDialogRoundTrip) {
    for (int address = 0; address < 32; ++address) {
        for (int parity = 0; parity < 3; ++parity) {
            for (int baud = 0; baud < 6; ++baud) {
                const auto r = AcceptTransmitterCommDialog(NumberFieldText(address), baud, parity);
                const auto v = OpenTransmitterCommDialog(r.params);
                ASSERT_EQ(v.addressText, NumberFieldText(address));
                ASSERT_EQ(v.parityItem, parity) << address << ' ' << baud;
                ASSERT_EQ(v.baudItem, baud);
            }
        }
    }
}

TEST(LinkParameters, DefaultCommParamsQuestion) {
    EXPECT_FALSE(DiffersFromDefaultCommParams({192, 15}));
    EXPECT_FALSE(DiffersFromDefaultCommParams(
        AcceptTransmitterCommDialog(QStringLiteral("0"), 2, 1).params));
    EXPECT_TRUE(DiffersFromDefaultCommParams({193, 15}));
    EXPECT_TRUE(DiffersFromDefaultCommParams({128, 15}));
    EXPECT_TRUE(DiffersFromDefaultCommParams({192, 7}));
}

}  // namespace
