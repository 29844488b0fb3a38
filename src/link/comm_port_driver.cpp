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
    : LinkPort(parent), m_deviceName(DeviceNameForPortNumber(2)) {
    connect(&m_port, &QSerialPort::readyRead, this, &TCommPortDriver::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &TCommPortDriver::onError);
}

TCommPortDriver::~TCommPortDriver() {
    m_lossPending = false;
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
    m_deviceName = deviceName;
}

bool TCommPortDriver::setBaudRate(int rate) {
    m_baudRate = rate;
    if (!isOpen()) return true;
    if (m_port.setBaudRate(rate)) return true;
    m_port.clearError();
    return false;
}

bool TCommPortDriver::setParity(LinkParity parity) {
    m_parity = parity;
    if (!isOpen()) return true;
    if (m_port.setParity(ToQtParity(parity))) return true;
    m_port.clearError();
    // A pseudo-terminal carries bytes, not bits: it has no parity to set.
    return m_pseudoTerminal;
}

bool TCommPortDriver::applyLineSettings() {
    m_port.setPortName(m_deviceName);
    return m_port.setBaudRate(m_baudRate) && m_port.setDataBits(QSerialPort::Data8) &&
           m_port.setParity(ToQtParity(m_parity)) && m_port.setStopBits(QSerialPort::OneStop) &&
           m_port.setFlowControl(QSerialPort::NoFlowControl);
}

// RTS on and DTR off: interface converters powered from the port's control
// lines need exactly this. Ports without control lines (pseudo-terminals,
// some virtual ports) refuse it; the link works without, so that is no
// reason to refuse the port.
bool TCommPortDriver::applyControlLines() {
    const bool rts = m_port.setRequestToSend(true);
    const bool dtr = m_port.setDataTerminalReady(false);
    if (!rts || !dtr) m_port.clearError();
    return rts && dtr;
}

bool TCommPortDriver::open() {
    if (m_port.isOpen()) close();
    m_errorString.clear();
    m_pending.clear();
    m_lossPending = false;
    m_pseudoTerminal = IsPseudoTerminal(m_deviceName);

    applyLineSettings();
    bool isOpenNow = m_port.open(QIODevice::ReadWrite);
    if (!isOpenNow && m_pseudoTerminal && m_parity != LinkParity::None) {
        // Some pseudo-terminals refuse a parity setting; open them without.
        m_port.clearError();
        m_port.setParity(QSerialPort::NoParity);
        isOpenNow = m_port.open(QIODevice::ReadWrite);
        if (isOpenNow) setParity(m_parity);
    }
    if (!isOpenNow) {
        m_errorString = m_port.errorString();
        m_port.clearError();
        return false;
    }
    applyControlLines();
    m_port.clearError();
    emit opened();
    return true;
}

void TCommPortDriver::close() {
    // A port whose loss is not reported yet was open all the same.
    const bool wasOpen = m_port.isOpen();
    m_lossPending = false;
    closePort();
    if (wasOpen) emit closed();
}

void TCommPortDriver::closePort() {
    if (m_port.isOpen()) m_port.close();
    m_port.clearError();
    m_pending.clear();
}

bool TCommPortDriver::isOpen() const {
    return m_port.isOpen() && !m_lossPending;
}

void TCommPortDriver::purge() {
    if (!isOpen()) return;
    m_port.clear(QSerialPort::AllDirections);
    m_pending.clear();
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
        QScopedValueRollback<bool> sending(m_sending, true);
        if (m_port.write(bytes) == bytes.size()) {
            QElapsedTimer sinceProgress;
            sinceProgress.start();
            while (isOpen() && m_port.bytesToWrite() > 0) {
                const qint64 left = m_port.bytesToWrite();
                const qint64 remaining = m_outputTimeoutMs - sinceProgress.elapsed();
                if (remaining <= 0) break;
                m_port.waitForBytesWritten(int(remaining));
                if (m_port.bytesToWrite() < left) sinceProgress.restart();
            }
            complete = isOpen() && m_port.bytesToWrite() == 0;
        }
        if (!complete && isOpen()) {
            m_port.clear(QSerialPort::Output);
            m_port.clearError();
        }
    }
    if (!m_pending.isEmpty()) scheduleDelivery();
    return complete;
}

bool TCommPortDriver::setRts(bool on) {
    if (!isOpen()) return false;
    if (m_port.setRequestToSend(on)) return true;
    m_port.clearError();
    return false;
}

bool TCommPortDriver::setDtr(bool on) {
    if (!isOpen()) return false;
    if (m_port.setDataTerminalReady(on)) return true;
    m_port.clearError();
    return false;
}

ModemStatus TCommPortDriver::modemStatus() {
    if (!isOpen()) return {};
    const QSerialPort::PinoutSignals s = m_port.pinoutSignals();
    if (m_port.error() != QSerialPort::NoError) {
        if (isOpen()) m_port.clearError();
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
    m_pending += m_port.readAll();
    deliverPending();
}

void TCommPortDriver::deliverPending() {
    if (m_deliveryDepth > 0 || m_sending) return;
    QPointer<TCommPortDriver> self(this);
    ++m_deliveryDepth;
    while (isOpen()) {
        // Qt does not signal readyRead again while a readyRead handler runs
        // (a nested event loop in the receive routine): what it read
        // meanwhile waits in its buffer.
        m_pending += m_port.readAll();
        if (m_pending.isEmpty()) break;
        QByteArray chunk;
        chunk.swap(m_pending);
        emit received(chunk);
        if (!self) return;
    }
    --m_deliveryDepth;
}

void TCommPortDriver::scheduleDelivery() {
    if (m_deliveryQueued) return;
    m_deliveryQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_deliveryQueued = false;
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
    m_lossPending = true;
    QMetaObject::invokeMethod(this, &TCommPortDriver::reportLinkLoss, Qt::QueuedConnection);
}

void TCommPortDriver::reportLinkLoss() {
    if (!m_lossPending) return;  // closed or reopened meanwhile
    closePort();
    m_lossPending = false;
    emit linkLost(m_deviceName);
}

}  // namespace lmk17
