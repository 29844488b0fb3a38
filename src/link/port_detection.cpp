#include "link/port_detection.h"

#include <QEventLoop>
#include <QRegularExpression>
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
        if (firstOpenable == 0 && ports.takenWithoutAnswer(port)) firstOpenable = port;
        const bool found = FollowsControlLines(ports);
        ports.close();
        if (found) return port;
    }
    return firstOpenable;
}

std::vector<PortCandidate> DetectionCandidates(const PortList& list) {
    std::vector<PortCandidate> adapters, others;
    for (int item = 1; item <= list.count(); ++item) {
        const PortEntry& e = list.entry(item);
        if (e.isStableName) continue;
        if (!e.byIdPath.isEmpty()) {
            adapters.push_back({item, true});
            continue;
        }
        static const QRegularExpression builtIn(QStringLiteral("^/dev/ttyS\\d+$"));
        others.push_back({item, !builtIn.match(e.devicePath).hasMatch()});
    }
    adapters.insert(adapters.end(), others.begin(), others.end());
    return adapters;
}

int PreferredItem(const PortList& list, int item) {
    if (item <= 0 || item > list.count()) return item;
    const PortEntry& e = list.entry(item);
    if (e.isStableName || e.byIdPath.isEmpty()) return item;
    const int stable = list.itemOf(e.byIdPath);
    return stable > 0 ? stable : item;
}

CommPortCandidates::CommPortCandidates(TCommPortDriver& driver, const PortList& list)
    : driver_(driver), list_(list), items_(DetectionCandidates(list)) {}

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
    return PreferredItem(list, candidates.itemOf(DetectPort(candidates)));
}

}  // namespace lmk17
