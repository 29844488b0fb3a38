#include "link/port_connection.h"

#include "link/comm_port_driver.h"
#include "link/port_detection.h"
#include "link/port_list.h"

namespace lmk17 {

PortConnection::PortConnection(TCommPortDriver& port, PortList& ports, QObject* parent)
    : QObject(parent), port_(port), ports_(ports) {
    connect(&port_, &LinkPort::linkLost, this, &PortConnection::onLinkLost);
}

void PortConnection::setBaudIndex(int index) {
    settings_.baudIndex = index;
    port_.setBaudRate(BaudRateFromIndex(index));
}

void PortConnection::setParityIndex(int index) {
    settings_.parityIndex = index;
    port_.setParity(ParityFromIndex(index));
}

QString PortConnection::setTransmitterAddressText(const QString& text) {
    setTransmitterAddress(ParseLinkAddressText(text));
    return NumberFieldText(settings_.transmitterAddress);
}

QString PortConnection::setMasterAddressText(const QString& text) {
    setMasterAddress(ParseLinkAddressText(text));
    return NumberFieldText(settings_.masterAddress);
}

void PortConnection::setTransmitterAddress(int address) {
    settings_.transmitterAddress = address;
    emit transmitterAddressChanged(address);
}

void PortConnection::setMasterAddress(int address) {
    settings_.masterAddress = address;
    emit masterAddressChanged(address);
}

void PortConnection::setDefaultParameters() {
    setBaudIndex(kDefaultBaudIndex);
    setParityIndex(kDefaultParityIndex);
    setMasterAddress(kDefaultMasterAddress);
    setTransmitterAddress(kDefaultTransmitterAddress);
}

bool PortConnection::isConnected() const {
    return port_.isOpen();
}

bool PortConnection::selectItem(int item) {
    if (item == item_) return false;
    if (item >= 1 && item <= ports_.count())
        connectItem(item);
    else
        disconnectCurrent();
    return true;
}

void PortConnection::applyCommSettings(int item) {
    port_.close();
    if (item >= 1 && item <= ports_.count()) port_.setDeviceName(ports_.entry(item).devicePath);
    port_.setBaudRate(BaudRateFromIndex(settings_.baudIndex));
    port_.setParity(ParityFromIndex(settings_.parityIndex));
}

void PortConnection::connectItem(int item) {
    const bool switching = port_.isOpen();
    const QString previous = port_.deviceName();
    applyCommSettings(item);
    if (port_.open()) {
        setItem(item);
        setStatus(PortEvent::Connected, port_.deviceName());
        emit connected();
        return;
    }
    // The port that was open is closed now, whatever became of the new one.
    if (switching) {
        setStatus(PortEvent::Disconnected, previous);
        emit disconnected();
    }
    setStatus(PortEvent::CannotConnect, port_.deviceName());
    // Always tell: the list shows the item that failed and must go back.
    item_ = 0;
    emit itemChanged(0);
    emit connectFailed();
}

void PortConnection::disconnectCurrent() {
    port_.close();
    setStatus(PortEvent::Disconnected, port_.deviceName());
    setItem(0);
    emit disconnected();
}

// A port that went away ends up where the user's "Disconnect" would have
// left it, so the dialog offers to connect again.
void PortConnection::onLinkLost(const QString& deviceName) {
    lostItem_ = item_;
    setStatus(PortEvent::Disconnected, deviceName);
    setItem(0);
    emit disconnected();
}

void PortConnection::setPortLostByRun(bool lost) {
    if (lost) {
        setStatus(PortEvent::LostReopening, port_.deviceName());
        return;
    }
    if (!port_.isOpen()) {
        // The run ended before the port came back.
        setStatus(PortEvent::Disconnected, port_.deviceName());
        return;
    }
    // Reopened by the name it had: the same list entry, or the name added.
    const int item = lostItem_ >= 1 && lostItem_ <= ports_.count() &&
                             ports_.entry(lostItem_).devicePath == port_.deviceName()
                         ? lostItem_
                         : ports_.addDevice(port_.deviceName());
    setItem(item);
    setStatus(PortEvent::Connected, port_.deviceName());
}

bool PortConnection::connectDevice(const QString& devicePath) {
    selectItem(ports_.addDevice(devicePath));
    return isConnected();
}

int PortConnection::detectPort() {
    applyCommSettings(0);
    return DetectSerialPort(port_, ports_);
}

void PortConnection::setItem(int item) {
    if (item == item_) return;
    item_ = item;
    emit itemChanged(item);
}

void PortConnection::setStatus(PortEvent event, const QString& device) {
    status_ = {event, device};
    emit statusChanged(status_);
}

}  // namespace lmk17
