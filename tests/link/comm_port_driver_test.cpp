// The serial port driver on a pseudo-terminal: the driver holds the slave
// side, the test is the far end on the master side.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "link/comm_port_driver.h"
#include "pty_loopback.h"
#include "support/qt_printers.h"

using namespace lmk17;
using lmk17::test::PtyLoopback;
using lmk17::test::SpinFor;
using lmk17::test::SpinUntil;

namespace {

QByteArray Pattern(int size) {
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) b[i] = char((i * 7 + i / 251) & 0xFF);
    return b;
}

class CommPortDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        port.setDeviceName(pty.path());
        QObject::connect(&port, &LinkPort::received,
                         [this](const QByteArray& b) { chunks.push_back(b); });
        QObject::connect(&port, &LinkPort::linkLost, [this](const QString& name) {
            ++lost;
            lostName = name;
        });
    }

    QByteArray receivedBytes() const {
        QByteArray all;
        for (const QByteArray& c : chunks) all += c;
        return all;
    }
    bool waitReceived(int count) {
        return SpinUntil([&] { return receivedBytes().size() >= count; });
    }

    PtyLoopback pty;
    TCommPortDriver port;
    std::vector<QByteArray> chunks;
    int lost = 0;
    QString lostName;
};

TEST_F(CommPortDriverTest, SendsAndReceivesThroughThePseudoTerminal) {
    ASSERT_TRUE(port.open()) << port.errorString().toStdString();
    EXPECT_TRUE(port.isOpen());

    const QByteArray request = QByteArray::fromHex("68070768051f4d0101ed137416");
    EXPECT_TRUE(port.write(request));
    EXPECT_EQ(pty.read(request.size()), request);

    const QByteArray answer = QByteArray::fromHex("10001f081216");
    ASSERT_TRUE(pty.write(answer));
    ASSERT_TRUE(waitReceived(answer.size()));
    EXPECT_EQ(receivedBytes(), answer);
}

TEST_F(CommPortDriverTest, DeliversChunksInOrder) {
    ASSERT_TRUE(port.open());
    const QByteArray all = Pattern(5000);
    // Bytes arriving in pieces of every size, with the event loop running
    // in between, some pieces merged by the kernel, others not.
    int at = 0;
    for (int size : {1, 2, 3, 250, 1, 7, 1500, 3236}) {
        ASSERT_TRUE(pty.write(all.mid(at, size)));
        at += size;
        if (size < 10) SpinFor(5);
    }
    ASSERT_EQ(at, all.size());
    ASSERT_TRUE(waitReceived(all.size()));
    EXPECT_EQ(receivedBytes(), all);
    EXPECT_GT(chunks.size(), 1u);
    for (const QByteArray& c : chunks) EXPECT_FALSE(c.isEmpty());
}

// The receive routine may run a modal question (a nested event loop); bytes
// that arrive meanwhile wait until it returns and then follow in order.
TEST_F(CommPortDriverTest, NeverStartsADeliveryWhileOneIsRunning) {
    int depth = 0;
    int maxDepth = 0;
    bool nested = false;
    QObject::connect(&port, &LinkPort::received, [&](const QByteArray&) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (!nested) {
            nested = true;
            QEventLoop loop;
            QTimer::singleShot(20, [&] { pty.write("second"); });
            QTimer::singleShot(60, [&] { pty.write("third"); });
            QTimer::singleShot(150, &loop, &QEventLoop::quit);
            loop.exec();
            // Nothing may have been delivered while this delivery ran.
            EXPECT_EQ(chunks.size(), 1u);
        }
        --depth;
    });
    ASSERT_TRUE(port.open());
    ASSERT_TRUE(pty.write("first"));
    ASSERT_TRUE(waitReceived(16));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(receivedBytes(), QByteArray("firstsecondthird"));
}

// Sending waits for the bytes to go out and may read meanwhile; what it
// reads is delivered from the event loop afterwards, never inside the
// sender's call (the engine starts its answer time-out after sending).
TEST_F(CommPortDriverTest, DeliversNothingInsideASend) {
    ASSERT_TRUE(port.open());
    ASSERT_TRUE(pty.write("answer"));
    ::usleep(20000);
    EXPECT_TRUE(port.write(Pattern(256)));
    EXPECT_TRUE(chunks.empty());
    ASSERT_TRUE(waitReceived(6));
    EXPECT_EQ(receivedBytes(), QByteArray("answer"));
    EXPECT_EQ(pty.read(256), Pattern(256));
}

TEST_F(CommPortDriverTest, PurgeDiscardsWhatIsQueued) {
    ASSERT_TRUE(port.open());
    ASSERT_TRUE(pty.write("stale bytes"));
    ::usleep(20000);
    port.purge();
    SpinFor(50);
    EXPECT_TRUE(chunks.empty());
    ASSERT_TRUE(pty.write("fresh"));
    ASSERT_TRUE(waitReceived(5));
    EXPECT_EQ(receivedBytes(), QByteArray("fresh"));
}

// With nobody reading the far end the line stops taking bytes; the send
// gives up after the output time-out and drops the rest, so that no torn
// frame goes out later.
TEST_F(CommPortDriverTest, SendGivesUpWhenTheLineTakesNothingFor120Ms) {
    ASSERT_TRUE(port.open());
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(port.write(Pattern(4 << 20)));
    const qint64 took = t.elapsed();
    EXPECT_GE(took, TCommPortDriver::kDefaultOutputTimeoutMs);
    EXPECT_LT(took, 3000);
    EXPECT_TRUE(port.isOpen());

    port.purge();
    pty.drain();
    const QByteArray frame = QByteArray::fromHex("104d1f6c16");
    EXPECT_TRUE(port.write(frame));
    EXPECT_EQ(pty.read(frame.size()), frame);
}

TEST_F(CommPortDriverTest, FarEndClosingIsReportedOnceAndClosesThePort) {
    ASSERT_TRUE(port.open());
    ASSERT_TRUE(pty.write("abc"));
    ASSERT_TRUE(waitReceived(3));

    pty.closeMaster();
    pty.closeSlave();
    ASSERT_TRUE(SpinUntil([&] { return lost > 0; }));
    SpinFor(200);  // a storm of read errors would report again, or spin
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(lostName, pty.path());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.write("x"));
    port.purge();
    EXPECT_EQ(port.modemStatus(), ModemStatus{});
    port.close();
    EXPECT_EQ(lost, 1);
}

TEST_F(CommPortDriverTest, FarEndClosingDuringASendIsReportedOnce) {
    ASSERT_TRUE(port.open());
    QTimer::singleShot(0, [&] { pty.closeMaster(); });
    SpinFor(20);
    port.write(Pattern(100));  // may notice the hang-up itself
    ASSERT_TRUE(SpinUntil([&] { return lost > 0; }));
    SpinFor(100);
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(CommPortDriverTest, ClosingByTheUserIsNoLinkLoss) {
    ASSERT_TRUE(port.open());
    port.close();
    pty.closeMaster();
    SpinFor(50);
    EXPECT_EQ(lost, 0);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(CommPortDriverTest, OpensExclusively) {
    ASSERT_TRUE(port.open());
    TCommPortDriver second;
    second.setDeviceName(pty.path());
    EXPECT_FALSE(second.open());
    EXPECT_FALSE(second.errorString().isEmpty());
    port.close();
    EXPECT_TRUE(second.open()) << second.errorString().toStdString();
}

TEST_F(CommPortDriverTest, AMissingDeviceDoesNotOpen) {
    port.setDeviceName(QStringLiteral("/dev/lmk17-no-such-port"));
    EXPECT_FALSE(port.open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.errorString().isEmpty());
    EXPECT_FALSE(port.write("x"));
}

// 8 data bits, 1 stop bit, no flow control, the baud rate and parity: set
// while closed, and applied at once when changed while open.
TEST_F(CommPortDriverTest, LineSettingsReachThePort) {
    auto termios = [&] {
        ::termios tio{};
        ::tcgetattr(pty.slave(), &tio);
        return tio;
    };
    EXPECT_TRUE(port.setBaudRate(4800));
    EXPECT_TRUE(port.setParity(LinkParity::None));
    ASSERT_TRUE(port.open());
    ::termios tio = termios();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B4800));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (CSTOPB | CRTSCTS | PARENB), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);

    EXPECT_TRUE(port.setBaudRate(19200));
    EXPECT_TRUE(port.setParity(LinkParity::Even));
    tio = termios();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B19200));
    EXPECT_EQ(port.baudRate(), 19200);
    EXPECT_EQ(port.parity(), LinkParity::Even);
}

// A pseudo-terminal has no control lines; that must not keep it from opening.
TEST_F(CommPortDriverTest, PseudoTerminalWithoutControlLinesStillOpens) {
    EXPECT_TRUE(TCommPortDriver::IsPseudoTerminal(pty.path()));
    ASSERT_TRUE(port.open());
    port.setRts(false);
    port.setDtr(true);
    EXPECT_EQ(port.modemStatus(), ModemStatus{});
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(port.write("ok"));
    EXPECT_EQ(pty.read(2), QByteArray("ok"));
    SpinFor(20);
    EXPECT_EQ(lost, 0);
}

TEST(CommPortDriverNames, PseudoTerminalRecognition) {
    PtyLoopback pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("sim-port"));
    ASSERT_TRUE(QFile::link(pty.path(), link));
    EXPECT_TRUE(TCommPortDriver::IsPseudoTerminal(pty.path()));
    EXPECT_TRUE(TCommPortDriver::IsPseudoTerminal(link));
    EXPECT_FALSE(TCommPortDriver::IsPseudoTerminal(QStringLiteral("/dev/null")));
    EXPECT_FALSE(TCommPortDriver::IsPseudoTerminal(QStringLiteral("/dev/lmk17-no-such-port")));
}

TEST(CommPortDriverNames, DefaultsBeforeAnySetting) {
    TCommPortDriver port;
    EXPECT_EQ(port.deviceName(), TCommPortDriver::DeviceNameForPortNumber(2));
    EXPECT_EQ(port.baudRate(), 2400);
    EXPECT_EQ(port.parity(), LinkParity::Odd);
    EXPECT_FALSE(port.isOpen());
#if defined(Q_OS_WIN)
    EXPECT_EQ(TCommPortDriver::DeviceNameForPortNumber(2), QStringLiteral("\\\\.\\COM2"));
#else
    EXPECT_EQ(TCommPortDriver::DeviceNameForPortNumber(2), QStringLiteral("/dev/ttyS1"));
#endif
}

}  // namespace
