#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "link/comm_port_driver.h"
#include "link/port_detection.h"
#include "link/port_list.h"
#include "pty_loopback.h"
#include "support/qt_printers.h"

using namespace lmk17;

namespace {

// How a fake port behaves when the search tries it.
enum class Line {
    Missing,   // does not open
    Plain,     // opens, CTS and DSR stay off
    Loopback,  // CTS and DSR follow RTS and DTR: the interface converter
    StuckOn,   // CTS and DSR on whatever RTS and DTR do
    CtsOnly,   // only CTS follows
};

class FakePorts : public DetectionPorts {
public:
    explicit FakePorts(std::vector<Line> lines, std::vector<bool> takenWithoutAnswer = {})
        : lines_(std::move(lines)), takenWithoutAnswer_(std::move(takenWithoutAnswer)) {}

    bool takenWithoutAnswer(int port) const override {
        return takenWithoutAnswer_.empty() || takenWithoutAnswer_.at(size_t(port - 1));
    }

    int count() const override { return int(lines_.size()); }
    bool open(int port) override {
        EXPECT_EQ(open_, 0) << "a port is still open";
        tried.push_back(port);
        if (lines_.at(size_t(port - 1)) == Line::Missing) return false;
        open_ = port;
        rtsDtr_ = false;
        settled_ = false;
        return true;
    }
    void setRtsDtr(bool on) override {
        EXPECT_NE(open_, 0);
        rtsDtr_ = on;
        settled_ = false;
    }
    ModemStatus modemStatus() override {
        // Read before the 50 ms wait, the lines have not moved yet.
        EXPECT_TRUE(settled_) << "read without waiting";
        ModemStatus s;
        switch (lines_.at(size_t(open_ - 1))) {
            case Line::Loopback:
                s.cts = s.dsr = rtsDtr_;
                break;
            case Line::StuckOn:
                s.cts = s.dsr = true;
                break;
            case Line::CtsOnly:
                s.cts = rtsDtr_;
                break;
            default:
                break;
        }
        return s;
    }
    void wait(int ms) override {
        EXPECT_GE(ms, 50);
        settled_ = true;
    }
    void close() override { open_ = 0; }

    bool leftOpen() const { return open_ != 0; }
    std::vector<int> tried;

private:
    std::vector<Line> lines_;
    std::vector<bool> takenWithoutAnswer_;
    int open_ = 0;
    bool rtsDtr_ = false;
    bool settled_ = false;
};

TEST(PortDetection, PrefersThePortWhoseLinesFollow) {
    using L = Line;
    const struct {
        std::vector<Line> lines;
        int found;
        int tried;  // ports tried before the search ended
    } cases[] = {
        {{}, 0, 0},
        {{L::Missing, L::Missing, L::Missing}, 0, 3},
        {{L::Missing, L::Plain, L::Plain}, 2, 3},
        {{L::Plain, L::Missing, L::Loopback, L::Loopback}, 3, 3},
        {{L::Loopback, L::Plain}, 1, 1},
        {{L::StuckOn, L::Plain}, 1, 2},
        {{L::StuckOn, L::Loopback}, 2, 2},
        {{L::CtsOnly, L::Missing}, 1, 2},
        {{L::Missing, L::CtsOnly, L::StuckOn, L::Plain, L::Loopback}, 5, 5},
    };
    for (const auto& c : cases) {
        FakePorts ports(c.lines);
        EXPECT_EQ(DetectPort(ports), c.found) << "case with " << c.lines.size() << " ports";
        EXPECT_EQ(int(ports.tried.size()), c.tried);
        EXPECT_FALSE(ports.leftOpen());
        for (size_t i = 0; i < ports.tried.size(); ++i) EXPECT_EQ(ports.tried[i], int(i) + 1);
    }
}

// The real ports: a pseudo-terminal opens but has no control lines, so it
// is found as the first openable port; stable names are not tried twice.
TEST(PortDetection, RealPortsFallBackToTheFirstThatOpens) {
    test::PtyLoopback pty;
    ASSERT_TRUE(pty.ok());
    PortList list;
    list.addDevice(QStringLiteral("/dev/lmk17-no-such-port"));
    const int ptyItem = list.addDevice(pty.path());
    TCommPortDriver port;
    EXPECT_EQ(DetectSerialPort(port, list), ptyItem);
    EXPECT_FALSE(port.isOpen());

    PortList none;
    none.addDevice(QStringLiteral("/dev/lmk17-no-such-port"));
    EXPECT_EQ(DetectSerialPort(port, none), 0);
    EXPECT_EQ(DetectSerialPort(port, PortList()), 0);
}

// A first start on the ports present: adapters are tried first and chosen
// by their stable name; a built-in port that merely opens (nothing attached,
// as on nearly every machine) is not chosen.
TEST(PortDetection, FirstStartChoosesAnAdapterNotTheBuiltInPort) {
    using L = Line;
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A5XK3RJT-if00-port0");
    const auto system = [](const char* path, const QString& stable = {}) {
        PortEntry e;
        e.devicePath = QString::fromLatin1(path);
        e.byIdPath = stable;
        return e;
    };
    PortEntry stableName;
    stableName.devicePath = byId;
    stableName.byIdPath = QStringLiteral("/dev/ttyUSB0");
    stableName.isStableName = true;

    const struct {
        const char* what;
        std::vector<PortEntry> present;
        std::vector<std::pair<const char*, Line>> lines;  // the rest: plain
        QString chosen;                                   // empty: " Not Connected"
    } cases[] = {
        {"built-in port only, nothing attached",
         {system("/dev/ttyS0"), system("/dev/ttyS1")},
         {},
         {}},
        {"built-in port with the converter",
         {system("/dev/ttyS0")},
         {{"/dev/ttyS0", L::Loopback}},
         QStringLiteral("/dev/ttyS0")},
        {"adapter beside built-in ports",
         {system("/dev/ttyS0"), system("/dev/ttyUSB0", byId), stableName},
         {},
         byId},
        {"converter on the built-in port, adapter idle",
         {system("/dev/ttyS0"), system("/dev/ttyUSB0", byId), stableName},
         {{"/dev/ttyS0", L::Loopback}},
         QStringLiteral("/dev/ttyS0")},
        {"adapter without a stable name",
         {system("/dev/ttyS0"), system("/dev/ttyACM0")},
         {},
         QStringLiteral("/dev/ttyACM0")},
        {"adapter gone, its built-in neighbours left",
         {system("/dev/ttyS0"), system("/dev/ttyUSB0", byId), stableName},
         {{"/dev/ttyUSB0", L::Missing}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PortList list(c.present);
        const std::vector<PortCandidate> candidates = DetectionCandidates(list);
        std::vector<Line> lines;
        std::vector<bool> taken;
        for (const PortCandidate& p : candidates) {
            Line line = L::Plain;
            for (const auto& [path, l] : c.lines)
                if (list.entry(p.item).devicePath == QLatin1String(path)) line = l;
            lines.push_back(line);
            taken.push_back(p.takenWithoutAnswer);
        }
        // Adapters are tried before the built-in ports.
        bool builtInSeen = false;
        for (const PortCandidate& p : candidates) {
            const PortEntry& e = list.entry(p.item);
            if (e.devicePath.startsWith(QLatin1String("/dev/ttyS"))) {
                builtInSeen = true;
            } else if (!e.byIdPath.isEmpty()) {
                EXPECT_FALSE(builtInSeen) << "adapter tried after a built-in port";
            }
        }
        FakePorts ports(lines, taken);
        const int found = DetectPort(ports);
        const int item = PreferredItem(list, found > 0 ? candidates[size_t(found - 1)].item : 0);
        EXPECT_EQ(item > 0 ? list.entry(item).devicePath : QString(), c.chosen);
    }
}

}  // namespace
