#pragma once

#include <QtGlobal>

// The PC-side link parameters (baud rate, parity, addresses) and the
// transmitter's own communication parameters as the dialogs edit them, with
// the texts those dialogs show. Pure value rules: no port, no window.

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

// ---- Texts -----------------------------------------------------------------

namespace texts {

// Messages; "%s" stands for the port's device name (see PortMessage).
inline constexpr char kPortConnected[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port successfully connected.");
inline constexpr char kPortCannotConnect[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port cannot be connected.");
inline constexpr char kPortDisconnected[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port disconnected.");
// A port lost during monitoring, which reopens it by itself.
inline constexpr char kPortLostReopening[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port lost; monitoring tries to reopen it every 2 s.");
inline constexpr char kExpertParamsWarning[] = QT_TRANSLATE_NOOP(
    "Link",
    "Attention! Setting of wrong communication parameters may lose communication with the "
    "transmitter! Changing this parameters is allowed experienced user only.");
inline constexpr char kNoConfiguration[] =
    QT_TRANSLATE_NOOP("Link", "There has not been set any configuration of transmitter.");
inline constexpr char kChangeCommParamsQuestion[] = QT_TRANSLATE_NOOP(
    "Link",
    "Attention! You want to change the communication parameters to other than default.\r\n"
    "Setting of wrong communication parameters may lose communication with the transmitter!\r\n"
    "Do You really want to change the parameters?");
inline constexpr char kCommParamsAfterPowerCycle[] = QT_TRANSLATE_NOOP(
    "Link",
    "Changes is not valid immediately after writing the configuration, but after power down and "
    "power up!");

// Window texts.
inline constexpr char kNotConnectedItem[] = QT_TRANSLATE_NOOP("Link", " Not Connected");
inline constexpr char kOptionsCaption[] = QT_TRANSLATE_NOOP("Link", " Options");
inline constexpr char kDisconnectButton[] = QT_TRANSLATE_NOOP("Link", "Disconnect");
inline constexpr char kCloseButton[] = QT_TRANSLATE_NOOP("Link", "Close");
inline constexpr char kExpertParamsCheckBox[] =
    QT_TRANSLATE_NOOP("Link", "Communication Parameters for Experts");
inline constexpr char kDefaultParamsButton[] = QT_TRANSLATE_NOOP("Link", "&Default Parameters");
inline constexpr char kTransmitterCommCaption[] =
    QT_TRANSLATE_NOOP("Link", " Transmitter Communication Parameters");
inline constexpr char kTransmitterCommWarning1[] =
    QT_TRANSLATE_NOOP("Link", "Attention! Setting of wrong paramaters may");
inline constexpr char kTransmitterCommWarning2[] =
    QT_TRANSLATE_NOOP("Link", "lose communication with the Transmitter!");
inline constexpr char kTransmitterDefaultButton[] = QT_TRANSLATE_NOOP("Link", "Default Params");
inline constexpr char kOkButton[] = QT_TRANSLATE_NOOP("Link", "OK");
inline constexpr char kCommunicationButton[] = QT_TRANSLATE_NOOP("Link", "Communication");
inline constexpr const char* kBaudItems[kBaudRateCount] = {" 600",  " 1200", " 2400",
                                                           " 4800", " 9600", " 19200"};
inline constexpr const char* kParityItems[3] = {QT_TRANSLATE_NOOP("Link", " None"),
                                                QT_TRANSLATE_NOOP("Link", " Odd"),
                                                QT_TRANSLATE_NOOP("Link", " Even")};
// The transmitter dialog shows its items without the leading blank.
inline constexpr const char* kTransmitterBaudItems[kBaudRateCount] = {"600",  "1200", "2400",
                                                                      "4800", "9600", "19200"};
inline constexpr const char* kTransmitterParityItems[3] = {QT_TRANSLATE_NOOP("Link", "None"),
                                                           QT_TRANSLATE_NOOP("Link", "Odd"),
                                                           QT_TRANSLATE_NOOP("Link", "Even")};

}  // namespace texts

// A port message with its "%s" filled with the device name.
QString PortMessage(const QString& format, const QString& deviceName);

}  // namespace lmk17
