#include "link/port_detection.h"

#include <QEventLoop>
#include <QTimer>

#include "link/comm_port_driver.h"
#include "link/port_list.h"

namespace lmk17 {

namespace {

// CTS and DSR looped back to RTS and DTR: the interface converter answers.
bool FollowsControlLines(DetectionPorts& ports) {
    ports.setRtsDtr(true);
    ports.wait(kDetectionSettleMs);
    ModemStatus s = ports.modemStatus();
    if (!s.cts || !s.dsr) return false;
    ports.setRtsDtr(false);
    ports.wait(kDetectionSettleMs);
    s = ports.modemStatus();
    return !s.cts && !s.dsr;
}

}  // namespace

int DetectPort(DetectionPorts& ports) {
    int firstOpenable = 0;
    for (int port = 1; port <= ports.count(); ++port) {
        if (!ports.open(port)) continue;
        if (firstOpenable == 0) firstOpenable = port;
        const bool found = FollowsControlLines(ports);
        ports.close();
        if (found) return port;
    }
    return firstOpenable;
}

CommPortCandidates::CommPortCandidates(TCommPortDriver& driver, const PortList& list)
    : driver_(driver), list_(list) {
    for (int item = 1; item <= list.count(); ++item) {
        if (!list.entry(item).isStableName) items_.push_back(item);
    }
}

bool CommPortCandidates::open(int port) {
    driver_.close();
    driver_.setDeviceName(list_.entry(itemOf(port)).devicePath);
    return driver_.open();
}

void CommPortCandidates::setRtsDtr(bool on) {
    driver_.setRts(on);
    driver_.setDtr(on);
}

ModemStatus CommPortCandidates::modemStatus() {
    return driver_.modemStatus();
}

void CommPortCandidates::wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void CommPortCandidates::close() {
    driver_.close();
}

int DetectSerialPort(TCommPortDriver& driver, const PortList& list) {
    CommPortCandidates candidates(driver, list);
    return candidates.itemOf(DetectPort(candidates));
}

}  // namespace lmk17
