#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include "link/link_parameters.h"
#include "link/link_port.h"
#include "link/modem_status.h"

namespace lmk17 {

// The one serial port of the program: 8 data bits, 1 stop bit, no flow
// control, the baud rate and parity of the link, RTS on and DTR off while
// open. Settings may be made while closed; a change of baud rate or parity
// while open reaches the open port at once.
//
// Received bytes are read on readyRead and handed on through received() in
// order. A delivery never starts while another is running (the receive
// routine may run a modal question): what arrives meanwhile is kept and
// delivered right after, in order.
//
// A port that goes away while open (adapter pulled, far end of a
// pseudo-terminal closed) is reported once through linkLost() and counts as
// closed from that moment.
class TCommPortDriver : public LinkPort {
    Q_OBJECT
public:
    static constexpr int kDefaultOutputTimeoutMs = 120;

    explicit TCommPortDriver(QObject* parent = nullptr);
    ~TCommPortDriver() override;

    // "\\.\COMn" on Windows, /dev/ttyS(n-1) elsewhere.
    static QString DeviceNameForPortNumber(int n);
    // Whether the device is a pseudo-terminal, which refuses some line
    // settings a real port accepts.
    static bool IsPseudoTerminal(const QString& deviceName);

    // Port selection; takes effect at the next open.
    void setDeviceName(const QString& deviceName);
    QString deviceName() const override { return deviceName_; }

    // False when the open port refused the setting (the value is kept for
    // the next open all the same).
    bool setBaudRate(int rate);
    int baudRate() const { return baudRate_; }
    bool setParity(LinkParity parity);
    LinkParity parity() const { return parity_; }

    // Exclusive open; false with errorString() when it fails.
    bool open();
    void close();
    bool isOpen() const override;
    QString errorString() const { return errorString_; }

    void purge() override;
    void send(const QByteArray& bytes) override;
    // As send(); tells whether the whole block went out. On a time-out what
    // is still queued is dropped, so a frame never goes out late and torn.
    bool write(const QByteArray& bytes);

    bool setRts(bool on);
    bool setDtr(bool on);
    // All inputs inactive when the port is closed or cannot tell.
    ModemStatus modemStatus();

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void deliverPending();
    void scheduleDelivery();
    void reportLinkLoss();
    bool applyLineSettings();
    bool applyControlLines();
    void closePort();

    QSerialPort port_;
    QString deviceName_;
    int baudRate_ = kDefaultBaudRate;
    LinkParity parity_ = LinkParity::Odd;
    int outputTimeoutMs_ = kDefaultOutputTimeoutMs;
    bool pseudoTerminal_ = false;
    QString errorString_;

    QByteArray pending_;     // read, not yet delivered
    int deliveryDepth_ = 0;  // a delivery is running
    bool sending_ = false;   // inside write(): deliver afterwards
    bool deliveryQueued_ = false;
    bool lossPending_ = false;  // link lost, report queued
};

}  // namespace lmk17
