#pragma once

// The PC-side link parameters (baud rate, parity, addresses) and the
// transmitter's own communication parameters as the dialogs edit them. Pure
// value rules: no port, no window, no texts (the dialogs' texts are in
// link/ui/link_texts.h).

#include <QString>

#include "common/line_codes.h"

namespace lmk17 {

// ---- PC side: options dialog -------------------------------------------

// Items of the baud rate group: kBaudRates (common/line_codes.h).

// The rate of a baud rate item; an index outside the group gives 2400.
int BaudRateFromIndex(int index);
// The item of a baud rate, or -1 when the rate is not one of the six.
int BaudIndexFromRate(int rate);

// Items of the parity group: LinkParity, in its order.
inline constexpr int kDefaultParityIndex = 1;  // odd

// The parity of a parity item; an index outside the group gives odd, the default.
LinkParity ParityFromIndex(int index);
int ParityIndex(LinkParity parity);

inline constexpr int kDefaultTransmitterAddress = 0;  // DA
inline constexpr int kDefaultMasterAddress = 31;      // SA

// Leaving DAEdt or SAEdt: an integer of 32 or more, a negative one, or text
// that is no integer at all becomes 31.
int ParseLinkAddressText(const QString& text);
// How number fields show their value: " %d".
QString NumberFieldText(int value);

// ---- Transmitter side: communication parameters dialog ---------------------

// Leaving the address edit: an integer of 32 or more (or negative) becomes
// 31, text that is no integer becomes 0. `parsed` tells the caller which.
int ParseTransmitterAddressText(const QString& text, bool* parsed = nullptr);

// Baud rate code (38400 / rate - 1) of a baud item and back.
int BaudCodeFromItem(int item);
int BaudItemFromCode(int code);

// The address and parity byte: bits 0..4 the address, bits 6..7 the parity
// (11 odd, 10 even, 00 none).
int ParityItemFromAddressByte(int byte);
int AddressFromAddressByte(int byte);
int MakeAddressByte(int address, int parityItem);

// What the dialog stores on OK.
struct TransmitterCommParams {
    int addressByte = kDefaultAddressByte;
    int baudCode = kDefaultBaudCode;
};

struct TransmitterCommDialogResult {
    TransmitterCommParams params;
    // False when the address text was no integer: the address is 0 and the
    // dialog puts the focus back on the edit.
    bool addressParsed = true;
};

// OK in the dialog, from the address text and the two group items.
TransmitterCommDialogResult AcceptTransmitterCommDialog(const QString& addressText, int baudItem,
                                                        int parityItem);

// What the dialog shows when it opens on stored values.
struct TransmitterCommDialogView {
    QString addressText;  // " %d"
    int baudItem = kDefaultBaudIndex;
    int parityItem = kDefaultParityIndex;
};
TransmitterCommDialogView OpenTransmitterCommDialog(const TransmitterCommParams& params);

// Whether OK must first be confirmed with the "other than default" question.
bool DiffersFromDefaultCommParams(const TransmitterCommParams& params);

}  // namespace lmk17
