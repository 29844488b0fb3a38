#include "link/comm_port_driver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QScopedValueRollback>

#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace lmk17 {

namespace {

QSerialPort::Parity ToQtParity(LinkParity parity) {
    switch (parity) {
        case LinkParity::None:
            return QSerialPort::NoParity;
        case LinkParity::Even:
            return QSerialPort::EvenParity;
        case LinkParity::Odd:
            break;
    }
    return QSerialPort::OddParity;
}

// The errors with which a port that went away shows itself. Qt 6.4 on Linux
// reports a hang-up as an endless run of ReadErrors on a port it still
// calls open, so ReadError and WriteError count as well.
bool IsLinkLossError(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::DeviceNotFoundError:
            return true;
        default:
            return false;
    }
}

#if defined(Q_OS_LINUX)
bool IsPtySlaveDevice(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned majorNumber = major(st.st_rdev);
    // 136..143: Unix98 pty slaves; 3: the old BSD-style ones.
    return (majorNumber >= 136 && majorNumber <= 143) || majorNumber == 3;
}
#endif

}  // namespace

TCommPortDriver::TCommPortDriver(QObject* parent)
    : LinkPort(parent), deviceName_(DeviceNameForPortNumber(2)) {
    connect(&port_, &QSerialPort::readyRead, this, &TCommPortDriver::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &TCommPortDriver::onError);
}

TCommPortDriver::~TCommPortDriver() {
    lossPending_ = false;
    closePort();
}

QString TCommPortDriver::DeviceNameForPortNumber(int n) {
#if defined(Q_OS_WIN)
    return QStringLiteral("\\\\.\\COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

bool TCommPortDriver::IsPseudoTerminal(const QString& deviceName) {
#if defined(Q_OS_UNIX)
    QString path = QFileInfo(deviceName).canonicalFilePath();
    if (path.isEmpty()) path = deviceName;
    if (path.startsWith(QLatin1String("/dev/pts/"))) return true;
#if defined(Q_OS_LINUX)
    return IsPtySlaveDevice(path);
#elif defined(Q_OS_MACOS)
    return path.size() > 9 && path.startsWith(QLatin1String("/dev/ttys")) && path[9].isDigit();
#else
    return false;
#endif
#else
    Q_UNUSED(deviceName);
    return false;
#endif
}

void TCommPortDriver::setDeviceName(const QString& deviceName) {
    deviceName_ = deviceName;
}

bool TCommPortDriver::setBaudRate(int rate) {
    baudRate_ = rate;
    if (!isOpen()) return true;
    if (port_.setBaudRate(rate)) return true;
    port_.clearError();
    return false;
}

bool TCommPortDriver::setParity(LinkParity parity) {
    parity_ = parity;
    if (!isOpen()) return true;
    if (port_.setParity(ToQtParity(parity))) return true;
    port_.clearError();
    // A pseudo-terminal carries bytes, not bits: it has no parity to set.
    return pseudoTerminal_;
}

bool TCommPortDriver::applyLineSettings() {
    port_.setPortName(deviceName_);
    return port_.setBaudRate(baudRate_) && port_.setDataBits(QSerialPort::Data8) &&
           port_.setParity(ToQtParity(parity_)) && port_.setStopBits(QSerialPort::OneStop) &&
           port_.setFlowControl(QSerialPort::NoFlowControl);
}

// RTS on and DTR off: interface converters powered from the port's control
// lines need exactly this. Ports without control lines (pseudo-terminals,
// some virtual ports) refuse it; the link works without, so that is no
// reason to refuse the port.
bool TCommPortDriver::applyControlLines() {
    const bool rts = port_.setRequestToSend(true);
    const bool dtr = port_.setDataTerminalReady(false);
    if (!rts || !dtr) port_.clearError();
    return rts && dtr;
}

bool TCommPortDriver::open() {
    if (port_.isOpen()) close();
    errorString_.clear();
    pending_.clear();
    lossPending_ = false;
    pseudoTerminal_ = IsPseudoTerminal(deviceName_);

    applyLineSettings();
    bool isOpenNow = port_.open(QIODevice::ReadWrite);
    if (!isOpenNow && pseudoTerminal_ && parity_ != LinkParity::None) {
        // Some pseudo-terminals refuse a parity setting; open them without.
        port_.clearError();
        port_.setParity(QSerialPort::NoParity);
        isOpenNow = port_.open(QIODevice::ReadWrite);
        if (isOpenNow) setParity(parity_);
    }
    if (!isOpenNow) {
        errorString_ = port_.errorString();
        port_.clearError();
        return false;
    }
    applyControlLines();
    port_.clearError();
    emit opened();
    return true;
}

void TCommPortDriver::close() {
    // A port whose loss is not reported yet was open all the same.
    const bool wasOpen = port_.isOpen();
    lossPending_ = false;
    closePort();
    if (wasOpen) emit closed();
}

void TCommPortDriver::closePort() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
    pending_.clear();
}

bool TCommPortDriver::isOpen() const {
    return port_.isOpen() && !lossPending_;
}

void TCommPortDriver::purge() {
    if (!isOpen()) return;
    port_.clear(QSerialPort::AllDirections);
    pending_.clear();
}

void TCommPortDriver::send(const QByteArray& bytes) {
    write(bytes);
}

bool TCommPortDriver::write(const QByteArray& bytes) {
    if (!isOpen()) return false;
    if (bytes.isEmpty()) return true;
    bool complete = false;
    {
        // Waiting for the bytes to go out may read and signal readyRead;
        // the receive routine must not run inside the sender's call.
        QScopedValueRollback<bool> sending(sending_, true);
        if (port_.write(bytes) == bytes.size()) {
            QElapsedTimer sinceProgress;
            sinceProgress.start();
            while (isOpen() && port_.bytesToWrite() > 0) {
                const qint64 left = port_.bytesToWrite();
                const qint64 remaining = outputTimeoutMs_ - sinceProgress.elapsed();
                if (remaining <= 0) break;
                port_.waitForBytesWritten(int(remaining));
                if (port_.bytesToWrite() < left) sinceProgress.restart();
            }
            complete = isOpen() && port_.bytesToWrite() == 0;
        }
        if (!complete && isOpen()) {
            port_.clear(QSerialPort::Output);
            port_.clearError();
        }
    }
    if (!pending_.isEmpty()) scheduleDelivery();
    return complete;
}

bool TCommPortDriver::setRts(bool on) {
    if (!isOpen()) return false;
    if (port_.setRequestToSend(on)) return true;
    port_.clearError();
    return false;
}

bool TCommPortDriver::setDtr(bool on) {
    if (!isOpen()) return false;
    if (port_.setDataTerminalReady(on)) return true;
    port_.clearError();
    return false;
}

ModemStatus TCommPortDriver::modemStatus() {
    if (!isOpen()) return {};
    const QSerialPort::PinoutSignals s = port_.pinoutSignals();
    if (port_.error() != QSerialPort::NoError) {
        if (isOpen()) port_.clearError();
        return {};
    }
    ModemStatus status;
    status.cts = s.testFlag(QSerialPort::ClearToSendSignal);
    status.dsr = s.testFlag(QSerialPort::DataSetReadySignal);
    status.ring = s.testFlag(QSerialPort::RingIndicatorSignal);
    status.rlsd = s.testFlag(QSerialPort::DataCarrierDetectSignal);
    return status;
}

void TCommPortDriver::onReadyRead() {
    if (!isOpen()) return;
    pending_ += port_.readAll();
    deliverPending();
}

void TCommPortDriver::deliverPending() {
    if (deliveryDepth_ > 0 || sending_) return;
    QPointer<TCommPortDriver> self(this);
    ++deliveryDepth_;
    while (isOpen()) {
        // Qt does not signal readyRead again while a readyRead handler runs
        // (a nested event loop in the receive routine): what it read
        // meanwhile waits in its buffer.
        pending_ += port_.readAll();
        if (pending_.isEmpty()) break;
        QByteArray chunk;
        chunk.swap(pending_);
        emit received(chunk);
        if (!self) return;
    }
    --deliveryDepth_;
}

void TCommPortDriver::scheduleDelivery() {
    if (deliveryQueued_) return;
    deliveryQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            deliveryQueued_ = false;
            deliverPending();
        },
        Qt::QueuedConnection);
}

void TCommPortDriver::onError(QSerialPort::SerialPortError error) {
    if (!IsLinkLossError(error) || !isOpen()) return;
    // Closing from inside the port's own error signal would pull the device
    // out from under Qt's read path; close from the event loop instead. The
    // port counts as closed from now on, and the errors that keep coming
    // until then are ignored.
    lossPending_ = true;
    QMetaObject::invokeMethod(this, &TCommPortDriver::reportLinkLoss, Qt::QueuedConnection);
}

void TCommPortDriver::reportLinkLoss() {
    if (!lossPending_) return;  // closed or reopened meanwhile
    closePort();
    lossPending_ = false;
    emit linkLost(deviceName_);
}

}  // namespace lmk17
