#pragma once

#include <QtGlobal>

#include "link/link_parameters.h"

// Texts of the link's windows and of the status bar's port messages, exactly
// as the program shows them (the language modules replace them under the
// "Link" context).

namespace lmk17::texts {

// Port messages; "%s" stands for the port's device name (PortStatusText).
inline constexpr char kPortConnected[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port successfully connected.");
inline constexpr char kPortCannotConnect[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port cannot be connected.");
inline constexpr char kPortDisconnected[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port disconnected.");
// A port lost during monitoring, which reopens it by itself.
inline constexpr char kPortLostReopening[] =
    QT_TRANSLATE_NOOP("Link", "%s serial port lost; monitoring tries to reopen it every 2 s.");
// Under "%s serial port cannot be connected." when the user lacks the
// permission to open the device (PortFailureReason::PermissionDenied).
inline constexpr char kPortPermissionAdvice[] =
    QT_TRANSLATE_NOOP("Link",
                      "You may not open this port: add your user to the dialout group "
                      "(sudo usermod -aG dialout $USER), then log out and in again.");
inline constexpr char kExpertParamsWarning[] = QT_TRANSLATE_NOOP(
    "Link",
    "Attention! Setting of wrong communication parameters may lose communication with the "
    "transmitter! Changing this parameters is allowed experienced user only.");

// What the port list says of a port: the system's description of an
// adapter, and the other name it goes by.
inline constexpr char kPortNoDescription[] =
    QT_TRANSLATE_NOOP("Link", "No description from the system");
inline constexpr char kPortSerialNumber[] = QT_TRANSLATE_NOOP("Link", "serial number %1");
inline constexpr char kPortDeviceOfStableName[] = QT_TRANSLATE_NOOP("Link", "Device: %1");
inline constexpr char kPortStableNameOfDevice[] = QT_TRANSLATE_NOOP("Link", "Stable name: %1");

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

}  // namespace lmk17::texts
