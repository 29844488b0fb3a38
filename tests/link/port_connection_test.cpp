// Connecting and disconnecting as the options dialog does it, on
// pseudo-terminals.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "link/comm_port_driver.h"
#include "link/port_connection.h"
#include "link/port_list.h"
#include "pty_loopback.h"
#include "support/qt_printers.h"

using namespace lmk17;
using lmk17::test::PtyLoopback;

namespace {

class PortConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ptyA.ok() && ptyB.ok());
        itemA = ports.addDevice(ptyA.path());
        itemB = ports.addDevice(ptyB.path());
        itemMissing = ports.addDevice(QStringLiteral("/dev/lmk17-no-such-port"));
        QObject::connect(&connection, &PortConnection::statusChanged,
                         [this](const PortStatus& s) { status << s; });
        QObject::connect(&connection, &PortConnection::connected, [this] { ++connects; });
        QObject::connect(&connection, &PortConnection::disconnected, [this] { ++disconnects; });
        QObject::connect(&connection, &PortConnection::connectFailed, [this] { ++failures; });
    }
    // Whether a port is free: another driver can open it.
    static bool isFree(const QString& path) {
        TCommPortDriver other;
        other.setDeviceName(path);
        return other.open();
    }

    PtyLoopback ptyA, ptyB;
    PortList ports;
    TCommPortDriver port;
    PortConnection connection{port, ports};
    int itemA = 0, itemB = 0, itemMissing = 0;
    QList<PortStatus> status;
    int connects = 0, disconnects = 0, failures = 0;
};

TEST_F(PortConnectionTest, ConnectsAndDisconnects) {
    EXPECT_TRUE(connection.selectItem(itemA));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(connection.selectedItem(), itemA);
    EXPECT_EQ(connects, 1);
    EXPECT_FALSE(connection.expertParamsAvailable());
    EXPECT_EQ(connection.status(), (PortStatus{PortEvent::Connected, ptyA.path()}));

    EXPECT_TRUE(connection.disconnectPort());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(connection.selectedItem(), 0);
    EXPECT_EQ(disconnects, 1);
    EXPECT_TRUE(connection.expertParamsAvailable());
    EXPECT_EQ(connection.status(), (PortStatus{PortEvent::Disconnected, ptyA.path()}));
}

TEST_F(PortConnectionTest, SelectingTheSelectedItemDoesNothing) {
    EXPECT_FALSE(connection.selectItem(0));
    ASSERT_TRUE(connection.selectItem(itemA));
    status.clear();
    EXPECT_FALSE(connection.selectItem(itemA));
    EXPECT_TRUE(status.isEmpty());
    EXPECT_EQ(connects, 1);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(PortConnectionTest, AnotherPortClosesTheOpenOneFirst) {
    ASSERT_TRUE(connection.selectItem(itemA));
    EXPECT_FALSE(isFree(ptyA.path()));
    EXPECT_TRUE(connection.selectItem(itemB));
    EXPECT_TRUE(isFree(ptyA.path()));
    EXPECT_FALSE(isFree(ptyB.path()));
    EXPECT_EQ(port.deviceName(), ptyB.path());
    EXPECT_EQ(connection.selectedItem(), itemB);
    EXPECT_EQ(connects, 2);
    EXPECT_EQ(status.last(), (PortStatus{PortEvent::Connected, ptyB.path()}));
}

TEST_F(PortConnectionTest, APortThatDoesNotOpenFallsBackToNotConnected) {
    ASSERT_TRUE(connection.selectItem(itemA));
    EXPECT_TRUE(connection.selectItem(itemMissing));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(isFree(ptyA.path()));
    EXPECT_EQ(connection.selectedItem(), 0);
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(connection.expertParamsAvailable());
    EXPECT_EQ(connection.status(),
              (PortStatus{PortEvent::CannotConnect, QStringLiteral("/dev/lmk17-no-such-port")}));
    // Selecting the failed item again tries again.
    EXPECT_TRUE(connection.selectItem(itemMissing));
    EXPECT_EQ(failures, 2);
}

TEST_F(PortConnectionTest, SettingsApplyToThePortAtOnce) {
    connection.setBaudIndex(4);
    connection.setParityIndex(2);
    EXPECT_EQ(port.baudRate(), 9600);
    EXPECT_EQ(port.parity(), LinkParity::Even);
    ASSERT_TRUE(connection.selectItem(itemA));
    ::termios tio{};
    ::tcgetattr(ptyA.slave(), &tio);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    connection.setBaudIndex(0);
    ::tcgetattr(ptyA.slave(), &tio);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B600));

    EXPECT_EQ(connection.setMasterAddressText(QStringLiteral("45")), QStringLiteral(" 31"));
    EXPECT_EQ(connection.setTransmitterAddressText(QStringLiteral("7")), QStringLiteral(" 7"));
    EXPECT_EQ(connection.settings().transmitterAddress, 7);
    connection.setDefaultParameters();
    EXPECT_EQ(connection.settings().baudIndex, 2);
    EXPECT_EQ(connection.settings().parityIndex, 1);
    EXPECT_EQ(connection.settings().transmitterAddress, 0);
    EXPECT_EQ(connection.settings().masterAddress, 31);
    EXPECT_EQ(port.baudRate(), 2400);
}

TEST_F(PortConnectionTest, ALostPortEndsNotConnected) {
    ASSERT_TRUE(connection.selectItem(itemA));
    ptyA.closeMaster();
    ASSERT_TRUE(test::SpinUntil([&] { return disconnects > 0; }));
    test::SpinFor(100);
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(connection.selectedItem(), 0);
    EXPECT_EQ(connection.status(), (PortStatus{PortEvent::Disconnected, ptyA.path()}));
    EXPECT_TRUE(connection.expertParamsAvailable());
    // The user may connect again at once.
    EXPECT_TRUE(connection.selectItem(itemB));
    EXPECT_TRUE(port.isOpen());
}

// A monitoring run that loses its port reopens it by the name it had (here
// a link, as /dev/serial/by-id names are): the status says so while it is
// lost, and the port is the connected item again once reopened; a run that
// ends first leaves it disconnected.
TEST_F(PortConnectionTest, APortLostByARunComesBackWhenReopened) {
    QTemporaryDir dir;
    const QString byId = dir.filePath(QStringLiteral("usb-adapter"));
    for (const bool reopened : {true, false}) {
        SCOPED_TRACE(reopened);
        PtyLoopback before, after;
        QFile::remove(byId);
        ASSERT_TRUE(QFile::link(before.path(), byId));
        const int item = ports.addDevice(byId);
        ASSERT_TRUE(connection.selectItem(item));
        before.closeMaster();
        ASSERT_TRUE(test::SpinUntil([&] { return !port.isOpen(); }));
        connection.setPortLostByRun(true);
        EXPECT_EQ(connection.status(), (PortStatus{PortEvent::LostReopening, byId}));
        if (reopened) {
            // The adapter is back under another device.
            QFile::remove(byId);
            ASSERT_TRUE(QFile::link(after.path(), byId));
            ASSERT_TRUE(port.open());
        }
        connection.setPortLostByRun(false);
        EXPECT_EQ(connection.selectedItem(), reopened ? item : 0);
        EXPECT_EQ(connection.status(),
                  (PortStatus{reopened ? PortEvent::Connected : PortEvent::Disconnected, byId}));
        connection.disconnectPort();
    }
}

TEST_F(PortConnectionTest, DetectionFindsTheFirstPortThatOpens) {
    EXPECT_EQ(connection.detectPort(), itemA);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(connection.selectedItem(), 0);
}

}  // namespace
