#include "monitoring/monitor_port_watch.h"

#include "link/comm_port_driver.h"

namespace lmk17 {

MonitorPortWatch::MonitorPortWatch(QObject* parent) : QObject(parent) {
    reopenTimer_.setInterval(kReopenIntervalMs);
    connect(&reopenTimer_, &QTimer::timeout, this, &MonitorPortWatch::tryReopen);
}

void MonitorPortWatch::setPort(TCommPortDriver* port) {
    disconnect(lostConnection_);
    port_ = port;
    if (port_)
        lostConnection_ =
            connect(port_.data(), &LinkPort::linkLost, this, &MonitorPortWatch::onLinkLost);
}

TCommPortDriver* MonitorPortWatch::port() const {
    return port_.data();
}

void MonitorPortWatch::arm(bool on) {
    armed_ = on;
    lost_ = false;
    reopenTimer_.stop();
}

void MonitorPortWatch::onLinkLost(const QString& deviceName) {
    if (!armed_ || lost_) return;
    lost_ = true;
    reopenTimer_.start();
    emit portLost(deviceName);
}

void MonitorPortWatch::noticeClosedPort() {
    if (port_ && !port_->isOpen()) onLinkLost(port_->deviceName());
}

void MonitorPortWatch::tryReopen() {
    if (!armed_ || !lost_ || !port_) return reopenTimer_.stop();
    if (allowed_ && !allowed_()) return;
    // The driver keeps the name it was opened with, and its line settings.
    if (port_->isOpen() || port_->open()) {
        lost_ = false;
        reopenTimer_.stop();
        emit portResumed(port_->deviceName());
    }
}

}  // namespace lmk17
