#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace lmk17 {

// What the transaction engine needs of a serial line. TCommPortDriver is the
// real one; tests may put a fake in its place.
class LinkPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isOpen() const = 0;
    // Discards everything queued in both directions.
    virtual void purge() = 0;
    // Puts the bytes on the line; gives up when no byte could be written for
    // the output time-out. A frame is either sent or left unsent.
    virtual void send(const QByteArray& bytes) = 0;
    // The device the port opens, for what is kept about its line between
    // programs; empty for a port that is no device.
    virtual QString deviceName() const { return {}; }

signals:
    // Received bytes, in order, in chunks of whatever size has arrived, on
    // the thread that runs the link, never while a delivery is running.
    void received(const QByteArray& bytes);
    // The open port went away (adapter pulled, far end closed); reported
    // once, after which the port counts as closed.
    void linkLost(const QString& deviceName);
    // The port has just been opened / an open port was closed on purpose.
    void opened();
    void closed();
};

}  // namespace lmk17
