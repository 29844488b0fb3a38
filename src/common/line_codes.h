#pragma once

// The serial line's codes shared by the link, the configuration record, the
// ordering code and the command line: baud rates with the transmitter's baud
// codes, and the parity bits of the transmitter's address byte.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace lmk17 {

// One baud rate the program and the transmitter know.
struct BaudRateEntry {
    int rate;                  // Bd
    quint8 code;               // the transmitter's baud code: 38400 / rate - 1
    const char* orderingCode;  // its token in the ordering code
};

// In the order of the baud rate groups: 600, 1200, 2400, 4800, 9600, 19200 Bd.
inline constexpr int kBaudRateCount = 6;
inline constexpr BaudRateEntry kBaudRates[kBaudRateCount] = {
    {600, 63, "BR6"},  {1200, 31, "BR12"}, {2400, 15, "BR24"},
    {4800, 7, "BR48"}, {9600, 3, "BR96"},  {19200, 1, "BR192"},
};
inline constexpr int kDefaultBaudIndex = 2;  // 2400 Bd
inline constexpr int kDefaultBaudRate = 2400;

// The transmitter's defaults: address 0 with odd parity, 2400 Bd.
inline constexpr quint8 kDefaultAddressByte = 192;
inline constexpr quint8 kDefaultBaudCode = 15;

// The entry of a baud code or of a rate; nullptr when it is none of the six.
const BaudRateEntry* BaudRateByCode(int code);
const BaudRateEntry* BaudRateByRate(int rate);

// Parity, in the order of the parity groups.
enum class LinkParity { None = 0, Odd = 1, Even = 2 };

// The address byte: bits 0..4 the address, bits 6..7 the parity
// (11 odd, 10 even, 0x none).
inline constexpr int kAddressMask = 0x1F;
LinkParity ParityFromAddressByte(int byte);
int ParityBits(LinkParity parity);

// "none", "odd", "even": the names scripts and the command line use, and
// back (any letter case); nullopt for another name.
QString ParityName(LinkParity parity);
std::optional<LinkParity> ParityFromName(const QString& name);

// The same name in the user's language, for windows and printouts.
QString ParityDisplayName(LinkParity parity);

}  // namespace lmk17
