#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "link/comm_port_driver.h"
#include "link/port_list.h"
#include "support/qt_printers.h"
#include "support/sim_fixture.h"

using namespace lmk17;

namespace {

PortEntry Device(const QString& path, const char* description = "") {
    PortEntry e;
    e.devicePath = path;
    e.description = QString::fromLatin1(description);
    return e;
}

// A folder standing in for /dev with a few "devices" and their stable names.
class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"ttyS2", "ttyS10", "ttyUSB0", "ttyUSB1", "ttyACM0"})
            touch(dev(name));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("by-id")));
        ASSERT_TRUE(QFile::link(dev("ttyUSB1"), byId("usb-Maker_Cable_B-if00-port0")));
        ASSERT_TRUE(QFile::link(dev("ttyUSB0"), byId("usb-Maker_Cable_A-if00-port0")));
        // A stable name of a device the system did not report.
        ASSERT_TRUE(QFile::link(dev("ttyACM0"), byId("usb-Other_Thing-if00")));
    }
    QString dev(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString byId(const char* name) const {
        return dir.filePath(QStringLiteral("by-id/") + QString::fromLatin1(name));
    }
    static void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    PortList build(const QStringList& extra = {}) const {
        return PortList::build({Device(dev("ttyUSB1"), "cable B"), Device(dev("ttyS10")),
                                Device(dev("ttyUSB0"), "cable A"), Device(dev("ttyS2"))},
                               dir.filePath(QStringLiteral("by-id")), extra);
    }
    QTemporaryDir dir;
};

// Adapters first: a built-in port at the top was what a technician picked,
// and it has nothing attached on nearly every machine.
TEST_F(PortListTest, StableNamesThenAdaptersThenBuiltInPortsThenExtras) {
    const PortList list = build({QStringLiteral("/tmp/lmk17-sim-port"), dev("ttyS2")});
    std::vector<QString> paths;
    for (const PortEntry& e : list.entries()) paths.push_back(e.devicePath);
    const std::vector<QString> expected = {
        byId("usb-Maker_Cable_A-if00-port0"),
        byId("usb-Maker_Cable_B-if00-port0"),
        byId("usb-Other_Thing-if00"),
        dev("ttyUSB0"),
        dev("ttyUSB1"),
        dev("ttyS2"),
        dev("ttyS10"),
        QStringLiteral("/tmp/lmk17-sim-port"),
    };
    EXPECT_EQ(paths, expected);
}

TEST_F(PortListTest, StableNamesAreLinkedToTheirDevices) {
    const PortList list = build();
    const PortEntry& usb0 = list.entry(list.itemOf(dev("ttyUSB0")));
    EXPECT_EQ(usb0.byIdPath, byId("usb-Maker_Cable_A-if00-port0"));
    EXPECT_FALSE(usb0.isStableName);
    const PortEntry& stableB = list.entry(list.itemOf(byId("usb-Maker_Cable_B-if00-port0")));
    EXPECT_TRUE(stableB.isStableName);
    EXPECT_EQ(stableB.byIdPath, dev("ttyUSB1"));
    EXPECT_EQ(stableB.description, QStringLiteral("cable B"));
    EXPECT_TRUE(list.entry(list.itemOf(dev("ttyS2"))).byIdPath.isEmpty());
    const PortEntry& other = list.entry(list.itemOf(byId("usb-Other_Thing-if00")));
    EXPECT_EQ(other.byIdPath, dev("ttyACM0"));
}

TEST_F(PortListTest, ItemTexts) {
    PortList list;
    list.addDevice(QStringLiteral("\\\\.\\COM3"));
    list.addDevice(QStringLiteral("/dev/ttyUSB0"));
    const QStringList expected{QStringLiteral(" COM3"), QStringLiteral(" /dev/ttyUSB0")};
    EXPECT_EQ(list.portTexts(), expected);
    // A typed path finds its item, counted from 1.
    EXPECT_EQ(list.itemForTypedPath(QStringLiteral(" /dev/ttyUSB0 ")), 2);
}

// The saved device path wins over the saved item number: the system may list
// its ports in another order next time.
TEST_F(PortListTest, ResolvesASavedChoice) {
    PortList list = build();
    const int usb1 = list.itemOf(dev("ttyUSB1"));
    const int count = list.count();
    const struct {
        int item;
        QString path;
        int expected;
    } cases[] = {
        {1, dev("ttyUSB1"), usb1},     // moved
        {usb1, dev("ttyUSB1"), usb1},  // unchanged
        {2, QString(), 2},             // no path saved: the item alone
        {0, QString(), 0},             // not connected
        {count + 1, QString(), 0},     // item out of range
        {-1, QString(), 0},
        {3, dev("ttyS99"), 0},  // the device is gone: do not take item 3
    };
    for (const auto& c : cases) EXPECT_EQ(list.resolve(c.item, c.path), c.expected) << c.item;
    EXPECT_EQ(list.count(), count);

    // A device the system does not list but that exists (a pseudo-terminal)
    // joins the list.
    touch(dev("pts7"));
    const int added = list.resolve(1, dev("pts7"));
    EXPECT_EQ(added, count + 1);
    EXPECT_EQ(list.entry(added).devicePath, dev("pts7"));
    EXPECT_EQ(list.resolve(1, dev("pts7")), added);
}

TEST(PortArgument, ComNumbersAndPaths) {
    EXPECT_EQ(DevicePathFromPortArgument(QStringLiteral("COM3")),
              TCommPortDriver::DeviceNameForPortNumber(3));
    EXPECT_EQ(DevicePathFromPortArgument(QStringLiteral("com12")),
              TCommPortDriver::DeviceNameForPortNumber(12));
    EXPECT_EQ(DevicePathFromPortArgument(QStringLiteral("/dev/pts/4")),
              QStringLiteral("/dev/pts/4"));
    EXPECT_EQ(DevicePathFromPortArgument(QStringLiteral("COM0")), QStringLiteral("COM0"));
    EXPECT_EQ(DevicePathFromPortArgument(QStringLiteral("COMX")), QStringLiteral("COMX"));
}

}  // namespace

namespace lmk17 {
namespace {

// A path typed into the port list: a listed one is taken, a device that
// exists is added, anything else is refused.
TEST(PortList, TypedPaths) {
    test::InProcessSim sim;
    PortList ports(std::vector<PortEntry>{});
    struct Case {
        QString typed;
        int item;
    };
    for (const Case& c :
         {Case{QStringLiteral("/dev/no-such-tty"), -1}, Case{QStringLiteral("ttyUSB0"), -1},
          Case{QStringLiteral("  ") + sim.devicePath(), 1}, Case{sim.devicePath(), 1}})
        EXPECT_EQ(ports.itemForTypedPath(c.typed), c.item) << c.typed.toStdString();
    EXPECT_EQ(ports.count(), 1);
    // The typed terminal survives a new look at the system's ports.
    EXPECT_GT(ports.rescan().itemOf(sim.devicePath()), 0);
}

}  // namespace
}  // namespace lmk17
