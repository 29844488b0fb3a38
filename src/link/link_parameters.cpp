#include "link/link_parameters.h"

namespace lmk17 {

namespace {

constexpr int kBaudRates[kBaudRateCount] = {600, 1200, 2400, 4800, 9600, 19200};
// Baud rate codes of the transmitter (38400 / rate - 1), in item order.
constexpr int kBaudCodes[kBaudRateCount] = {63, 31, 15, 7, 3, 1};

constexpr int kAddressMask = 0x1F;
constexpr int kParityBitsOdd = 0xC0;
constexpr int kParityBitsEven = 0x80;

// Fields show their value with a leading blank; a user may leave it, or
// others, standing around the digits.
bool ParseFieldInt(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

}  // namespace

int BaudRateFromIndex(int index) {
    if (index < 0 || index >= kBaudRateCount) return kDefaultBaudRate;
    return kBaudRates[index];
}

int BaudIndexFromRate(int rate) {
    for (int i = 0; i < kBaudRateCount; ++i) {
        if (kBaudRates[i] == rate) return i;
    }
    return -1;
}

LinkParity ParityFromIndex(int index) {
    switch (index) {
        case 0:
            return LinkParity::None;
        case 2:
            return LinkParity::Even;
        default:
            return LinkParity::Odd;
    }
}

int ParityIndex(LinkParity parity) {
    return static_cast<int>(parity);
}

QString ParityName(LinkParity parity) {
    switch (parity) {
        case LinkParity::None:
            return QStringLiteral("none");
        case LinkParity::Even:
            return QStringLiteral("even");
        case LinkParity::Odd:
            break;
    }
    return QStringLiteral("odd");
}

int ParseLinkAddressText(const QString& text) {
    int value = 0;
    if (!ParseFieldInt(text, value) || value < 0 || value >= 32) return 31;
    return value;
}

QString NumberFieldText(int value) {
    return QStringLiteral(" %1").arg(value);
}

int ParseTransmitterAddressText(const QString& text, bool* parsed) {
    int value = 0;
    const bool ok = ParseFieldInt(text, value);
    if (parsed) *parsed = ok;
    if (!ok) return 0;
    if (value < 0 || value >= 32) return 31;
    return value;
}

int BaudCodeFromItem(int item) {
    if (item < 0 || item >= kBaudRateCount) return kDefaultBaudCode;
    return kBaudCodes[item];
}

int BaudItemFromCode(int code) {
    for (int i = 0; i < kBaudRateCount; ++i) {
        if (kBaudCodes[i] == code) return i;
    }
    return kDefaultBaudIndex;
}

int ParityItemFromAddressByte(int byte) {
    if (byte >= 192) return ParityIndex(LinkParity::Odd);
    if (byte >= 128) return ParityIndex(LinkParity::Even);
    return ParityIndex(LinkParity::None);
}

int AddressFromAddressByte(int byte) {
    return byte & kAddressMask;
}

int MakeAddressByte(int address, int parityItem) {
    const int a = address & kAddressMask;
    switch (parityItem) {
        case 1:
            return a | kParityBitsOdd;
        case 2:
            return a | kParityBitsEven;
        default:
            return a;
    }
}

TransmitterCommDialogResult AcceptTransmitterCommDialog(const QString& addressText, int baudItem,
                                                        int parityItem) {
    TransmitterCommDialogResult r;
    // OK is the default button, so Enter can accept the dialog without the
    // edit ever being left: apply the edit's own rule here as well, or "45"
    // would silently become address 13 through the mask.
    const int address = ParseTransmitterAddressText(addressText, &r.addressParsed);
    r.params.addressByte = MakeAddressByte(address, parityItem);
    r.params.baudCode = BaudCodeFromItem(baudItem);
    return r;
}

TransmitterCommDialogView OpenTransmitterCommDialog(const TransmitterCommParams& params) {
    TransmitterCommDialogView v;
    v.addressText = NumberFieldText(AddressFromAddressByte(params.addressByte));
    v.baudItem = BaudItemFromCode(params.baudCode);
    v.parityItem = ParityItemFromAddressByte(params.addressByte);
    return v;
}

bool DiffersFromDefaultCommParams(const TransmitterCommParams& params) {
    return params.addressByte != kDefaultAddressByte || params.baudCode != kDefaultBaudCode;
}

QString PortMessage(const QString& format, const QString& deviceName) {
    QString text = format;
    const int at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, deviceName);
    return text;
}

}  // namespace lmk17
