#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lmk17 {

// One serial port the user can choose.
struct PortEntry {
    QString devicePath;  // what the port is opened by
    QString description;
    QString manufacturer;
    QString serialNumber;
    // For a system device: its stable name under /dev/serial/by-id/, if any.
    // For a stable name: the device it points to.
    QString byIdPath;
    bool isStableName = false;  // the entry is itself a /dev/serial/by-id/ name

    // " COM3" on Windows, " /dev/ttyUSB0" elsewhere: list items begin with a blank.
    QString itemText() const;
};

// The ports of the options dialog's port list. Item 0 is " Not Connected";
// items 1..count() are the entries. On Windows the items are COM1..COM16, so
// an item is its port number. Elsewhere the USB adapters come first: on Linux
// their stable /dev/serial/by-id/ names (which survive re-plugging), then the
// system's devices that have such a name, then the other system devices
// (built-in ports), then any device paths named by the user or a test (a
// pseudo-terminal).
class PortList {
public:
    PortList() = default;
    explicit PortList(std::vector<PortEntry> entries) : entries_(std::move(entries)) {}

    // The ports this machine offers, plus the given device paths.
    static PortList scan(const QStringList& extraPaths = {});
    // scan() with the system's devices and the stable-name folder given:
    // sorts the devices, links them with their stable names, adds the rest.
    static PortList build(std::vector<PortEntry> systemPorts, const QString& byIdFolder,
                          const QStringList& extraPaths);

    int count() const { return int(entries_.size()); }
    // Entry of item 1..count().
    const PortEntry& entry(int item) const { return entries_.at(size_t(item - 1)); }
    const std::vector<PortEntry>& entries() const { return entries_; }
    // The texts of items 1..count() (the options dialog puts its
    // " Not Connected" before them: PortItemTexts, link/ui).
    QStringList portTexts() const;

    // The system's ports again, keeping the device paths the user or a test
    // named that still exist (a pseudo-terminal is not among the system's).
    PortList rescan() const;

    // Item of a device path, 0 when it is not listed.
    int itemOf(const QString& devicePath) const;
    // A device path typed into the port list: its item when listed (from
    // 1), else added when it is an absolute path to a device that exists; -1
    // when there is no such device.
    int itemForTypedPath(const QString& typed);
    // Adds a device path (a pseudo-terminal, a port the system does not
    // report) unless listed; returns its item.
    int addDevice(const QString& devicePath);

    // The item a saved choice stands for. The settings keep the item number
    // and the device path; the path wins because the system may report its
    // ports in another order next time. A saved path that is not listed is
    // added when the device exists. A saved item number is used alone only
    // when no path was saved (settings of older versions) and is 0 when out
    // of range or when the saved device is gone.
    int resolve(int savedItem, const QString& savedPath);

private:
    std::vector<PortEntry> entries_;
};

// Whether a device path names something that exists (or a port the system reports).
bool SerialDeviceExists(const QString& devicePath);

// The device path for a --port argument: "COM3" (any case) is port number 3,
// anything else is a device path as given.
QString DevicePathFromPortArgument(const QString& argument);

}  // namespace lmk17
