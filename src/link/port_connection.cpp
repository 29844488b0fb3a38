#include "link/port_connection.h"

#include "link/comm_port_driver.h"
#include "link/port_detection.h"
#include "link/port_list.h"

namespace lmk17 {

PortConnection::PortConnection(TCommPortDriver& port, PortList& ports, QObject* parent)
    : QObject(parent), m_port(port), m_ports(ports) {
    connect(&m_port, &LinkPort::linkLost, this, &PortConnection::onLinkLost);
}

void PortConnection::setBaudIndex(int index) {
    m_settings.baudIndex = index;
    m_port.setBaudRate(BaudRateFromIndex(index));
}

void PortConnection::setParityIndex(int index) {
    m_settings.parityIndex = index;
    m_port.setParity(ParityFromIndex(index));
}

QString PortConnection::setTransmitterAddressText(const QString& text) {
    setTransmitterAddress(ParseLinkAddressText(text));
    return NumberFieldText(m_settings.transmitterAddress);
}

QString PortConnection::setMasterAddressText(const QString& text) {
    setMasterAddress(ParseLinkAddressText(text));
    return NumberFieldText(m_settings.masterAddress);
}

void PortConnection::setTransmitterAddress(int address) {
    m_settings.transmitterAddress = address;
    emit transmitterAddressChanged(address);
}

void PortConnection::setMasterAddress(int address) {
    m_settings.masterAddress = address;
    emit masterAddressChanged(address);
}

void PortConnection::setDefaultParameters() {
    setBaudIndex(kDefaultBaudIndex);
    setParityIndex(kDefaultParityIndex);
    setMasterAddress(kDefaultMasterAddress);
    setTransmitterAddress(kDefaultTransmitterAddress);
}

bool PortConnection::isConnected() const {
    return m_port.isOpen();
}

bool PortConnection::selectItem(int item) {
    if (item == m_item) return false;
    if (item >= 1 && item <= m_ports.count())
        connectItem(item);
    else
        disconnectCurrent();
    return true;
}

void PortConnection::applyCommSettings(int item) {
    m_port.close();
    if (item >= 1 && item <= m_ports.count()) m_port.setDeviceName(m_ports.entry(item).devicePath);
    m_port.setBaudRate(BaudRateFromIndex(m_settings.baudIndex));
    m_port.setParity(ParityFromIndex(m_settings.parityIndex));
}

void PortConnection::connectItem(int item) {
    const bool switching = m_port.isOpen();
    const QString previous = m_port.deviceName();
    applyCommSettings(item);
    if (m_port.open()) {
        setItem(item);
        setStatus(PortMessage(m_messages.connected, m_port.deviceName()));
        emit connected();
        return;
    }
    // The port that was open is closed now, whatever became of the new one.
    if (switching) {
        setStatus(PortMessage(m_messages.disconnected, previous));
        emit disconnected();
    }
    setStatus(PortMessage(m_messages.cannotConnect, m_port.deviceName()));
    // Always tell: the list shows the item that failed and must go back.
    m_item = 0;
    emit itemChanged(0);
    emit connectFailed();
}

void PortConnection::disconnectCurrent() {
    m_port.close();
    setStatus(PortMessage(m_messages.disconnected, m_port.deviceName()));
    setItem(0);
    emit disconnected();
}

// A port that went away ends up where the user's "Disconnect" would have
// left it, so the dialog offers to connect again.
void PortConnection::onLinkLost(const QString& deviceName) {
    m_lostItem = m_item;
    setStatus(PortMessage(m_messages.disconnected, deviceName));
    setItem(0);
    emit disconnected();
}

void PortConnection::setPortLostByRun(bool lost) {
    if (lost) {
        setStatus(PortMessage(m_messages.lostReopening, m_port.deviceName()));
        return;
    }
    if (!m_port.isOpen()) {
        // The run ended before the port came back.
        setStatus(PortMessage(m_messages.disconnected, m_port.deviceName()));
        return;
    }
    // Reopened by the name it had: the same list entry, or the name added.
    const int item = m_lostItem >= 1 && m_lostItem <= m_ports.count() &&
                             m_ports.entry(m_lostItem).devicePath == m_port.deviceName()
                         ? m_lostItem
                         : m_ports.addDevice(m_port.deviceName());
    setItem(item);
    setStatus(PortMessage(m_messages.connected, m_port.deviceName()));
}

bool PortConnection::connectDevice(const QString& devicePath) {
    selectItem(m_ports.addDevice(devicePath));
    return isConnected();
}

int PortConnection::detectPort() {
    applyCommSettings(0);
    return DetectSerialPort(m_port, m_ports);
}

void PortConnection::setItem(int item) {
    if (item == m_item) return;
    m_item = item;
    emit itemChanged(item);
}

void PortConnection::setStatus(const QString& text) {
    m_status = text;
    emit statusChanged(text);
}

}  // namespace lmk17
