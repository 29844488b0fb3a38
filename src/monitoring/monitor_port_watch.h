#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

namespace lmk17 {

class TCommPortDriver;

// Keeps a monitoring run's port: when the port goes away during a run
// (adapter pulled, far end closed) it says so once and tries to open it
// again every two seconds, by the very name it was opened with (a
// /dev/serial/by-id name or a link finds the adapter again under whatever
// device it comes back as), until it opens or the run ends.
class MonitorPortWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kReopenIntervalMs = 2000;

    explicit MonitorPortWatch(QObject* parent = nullptr);

    void setPort(TCommPortDriver* port);
    TCommPortDriver* port() const;
    // A try is made only when this allows it (no exchange may be in flight
    // when the port comes back); by default always.
    void setReopenAllowed(std::function<bool()> allowed) { allowed_ = std::move(allowed); }

    // Watching only while a run is active; disarming ends the reopening.
    void arm(bool on);
    bool lost() const { return lost_; }
    // Called by the run when an exchange found the port closed: the loss is
    // said at once if the port's own signal has not yet arrived, so the lost
    // line comes before the failed records it explains.
    void noticeClosedPort();

signals:
    void portLost(const QString& deviceName);
    void portResumed(const QString& deviceName);

private:
    void onLinkLost(const QString& deviceName);
    void tryReopen();

    QPointer<TCommPortDriver> port_;
    QMetaObject::Connection lostConnection_;
    QTimer reopenTimer_;
    std::function<bool()> allowed_;
    bool armed_ = false;
    bool lost_ = false;
};

}  // namespace lmk17
