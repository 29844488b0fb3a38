#include "link/link_parameters.h"

namespace lmk17 {

namespace {

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
    return kBaudRates[index].rate;
}

int BaudIndexFromRate(int rate) {
    const BaudRateEntry* e = BaudRateByRate(rate);
    return e ? int(e - kBaudRates) : -1;
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
    return kBaudRates[item].code;
}

int BaudItemFromCode(int code) {
    const BaudRateEntry* e = BaudRateByCode(code);
    return e ? int(e - kBaudRates) : kDefaultBaudIndex;
}

int ParityItemFromAddressByte(int byte) {
    return ParityIndex(ParityFromAddressByte(byte));
}

int AddressFromAddressByte(int byte) {
    return byte & kAddressMask;
}

int MakeAddressByte(int address, int parityItem) {
    const int a = address & kAddressMask;
    // Items outside the group mean no parity bits, as before.
    if (parityItem != 1 && parityItem != 2) return a;
    return a | ParityBits(ParityFromIndex(parityItem));
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

}  // namespace lmk17
