#pragma once

#include <QObject>
#include <QString>

#include "link/link_parameters.h"

namespace lmk17 {

class PortList;
class TCommPortDriver;

// The PC-side link settings as the options dialog holds them.
struct LinkSettings {
    int baudIndex = kDefaultBaudIndex;
    int parityIndex = kDefaultParityIndex;
    int transmitterAddress = kDefaultTransmitterAddress;  // DA
    int masterAddress = kDefaultMasterAddress;            // SA
};

// What the status bar says about the port: what happened to which device
// (the windows put it into words, PortStatusText in link/ui).
enum class PortEvent {
    None,
    Connected,
    CannotConnect,
    Disconnected,
    LostReopening,  // lost during monitoring, which reopens it by itself
};
struct PortStatus {
    PortEvent event = PortEvent::None;
    QString device;
    bool operator==(const PortStatus&) const = default;
};

// Connecting and disconnecting the one serial port, as the options dialog
// (and the start-up) drive it: the port list item last acted on, the link
// settings, and the status for the status bar. Shows nothing itself.
class PortConnection : public QObject {
    Q_OBJECT
public:
    PortConnection(TCommPortDriver& port, PortList& ports, QObject* parent = nullptr);

    const LinkSettings& settings() const { return settings_; }
    // Baud rate and parity reach the port at once, open or not.
    void setBaudIndex(int index);
    void setParityIndex(int index);
    // Leaving DAEdt / SAEdt; returns the text the edit shows afterwards.
    QString setTransmitterAddressText(const QString& text);
    QString setMasterAddressText(const QString& text);
    // The addresses as numbers (0..31), e.g. from the command line.
    void setTransmitterAddress(int address);
    void setMasterAddress(int address);
    // "&Default Parameters".
    void setDefaultParameters();

    // The item last acted on: 0 " Not Connected", else the port-list item.
    int selectedItem() const { return item_; }
    // A change of the port list's selection. Re-selecting the item last acted
    // on does nothing (returns false); item 0 disconnects, another item
    // connects, closing the open port first.
    bool selectItem(int item);
    // "Disconnect": the same as selecting item 0.
    bool disconnectPort() { return selectItem(0); }
    // Connects a device named by its path (a pseudo-terminal, a port the
    // system does not list), adding it to the port list. True when open.
    bool connectDevice(const QString& devicePath);

    // Closes the port and sets it up for an item: its device, the baud
    // rate, 8 data bits and the parity.
    void applyCommSettings(int item);
    // Searches the ports for the transmitter's interface with the current
    // settings (used at start-up when no port was saved); returns the item
    // to connect, 0 when no port opens. Connects nothing.
    int detectPort();

    // A monitoring run lost its port and reopens it itself (true), or has
    // reopened it or ended (false): the status tells which, and a reopened
    // port is the connected item again.
    void setPortLostByRun(bool lost);

    bool isConnected() const;
    // The expert parameters may be edited only while no port is open.
    bool expertParamsAvailable() const { return !isConnected(); }
    PortStatus status() const { return status_; }

signals:
    void statusChanged(const PortStatus& status);
    void itemChanged(int item);
    // The port has just been opened: the link resets its receive state.
    void connected();
    // The port has been closed (by the user or because it went away): the
    // link stops waiting for an answer.
    void disconnected();
    // Opening failed (the dialog beeps).
    void connectFailed();
    // DA or SA changed (edit, default parameters, command line).
    void transmitterAddressChanged(int address);
    void masterAddressChanged(int address);

private:
    void connectItem(int item);
    void disconnectCurrent();
    void onLinkLost(const QString& deviceName);
    void setItem(int item);
    void setStatus(PortEvent event, const QString& device);

    TCommPortDriver& port_;
    PortList& ports_;
    LinkSettings settings_;
    int item_ = 0;
    int lostItem_ = 0;  // the item connected when the port went away
    PortStatus status_;
};

}  // namespace lmk17
