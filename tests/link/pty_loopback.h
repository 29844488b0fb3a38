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
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path_ = QString::fromLocal8Bit(name);
        // The far end reads and writes plain bytes.
        termios tio{};
        ::tcgetattr(slave_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyLoopback() {
        closeMaster();
        closeSlave();
    }
    PtyLoopback(const PtyLoopback&) = delete;
    PtyLoopback& operator=(const PtyLoopback&) = delete;

    bool ok() const { return master_ >= 0 && !path_.isEmpty(); }
    QString path() const { return path_; }
    // The slave descriptor openpty gave; kept to look at the line settings.
    int slave() const { return slave_; }

    bool write(const QByteArray& bytes) {
        return ::write(master_, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // Reads what the port under test sent, until `count` bytes or the time is up,
    // letting events run meanwhile.
    QByteArray read(int count, int timeoutMs = 2000) {
        QByteArray got;
        QDeadlineTimer deadline(timeoutMs);
        while (got.size() < count && !deadline.hasExpired()) {
            char buf[4096];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                got.append(buf, n);
                continue;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            pollfd p{master_, POLLIN, 0};
            ::poll(&p, 1, 5);
        }
        return got;
    }
    // Throws away whatever the port under test sent.
    void drain() {
        char buf[4096];
        while (::read(master_, buf, sizeof buf) > 0) {
        }
    }
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    void closeSlave() {
        if (slave_ >= 0) ::close(slave_);
        slave_ = -1;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
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
