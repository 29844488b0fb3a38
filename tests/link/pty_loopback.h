#pragma once

// A pseudo-terminal for serial-port tests: the port under test opens the
// slave side by its path, the test plays the far end on the master side
// through the raw descriptor.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <functional>

namespace lmk17::test {

class PtyLoopback {
public:
    PtyLoopback() {
        char name[256] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) return;
        m_path = QString::fromLocal8Bit(name);
        // The far end reads and writes plain bytes.
        termios tio{};
        ::tcgetattr(m_slave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyLoopback() {
        closeMaster();
        closeSlave();
    }
    PtyLoopback(const PtyLoopback&) = delete;
    PtyLoopback& operator=(const PtyLoopback&) = delete;

    bool ok() const { return m_master >= 0 && !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // The slave descriptor openpty gave; kept to look at the line settings.
    int slave() const { return m_slave; }

    bool write(const QByteArray& bytes) {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // Reads what the port under test sent, until `count` bytes or the time is up,
    // letting events run meanwhile.
    QByteArray read(int count, int timeoutMs = 2000) {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count && !deadline.hasExpired()) {
            char buf[4096];
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0) {
                got.append(buf, n);
                continue;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            pollfd p{m_master, POLLIN, 0};
            ::poll(&p, 1, 5);
        }
        return got;
    }
    // Throws away whatever the port under test sent.
    void drain() {
        char buf[4096];
        while (::read(m_master, buf, sizeof buf) > 0) {
        }
    }
    void closeMaster() {
        if (m_master >= 0) ::close(m_master);
        m_master = -1;
    }
    void closeSlave() {
        if (m_slave >= 0) ::close(m_slave);
        m_slave = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

// Runs the event loop until the condition holds or the time is up.
inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ::usleep(1000);
    }
    return true;
}

inline void SpinFor(int ms) {
    SpinUntil([] { return false; }, ms);
}

}  // namespace lmk17::test
