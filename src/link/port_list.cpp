#include "link/port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#include "link/comm_port_driver.h"
#include "link/link_parameters.h"

namespace lmk17 {

namespace {

QString CanonicalOrSelf(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

// ttyS2 before ttyS10: compare the stem, then the trailing number.
bool NaturalLess(const QString& a, const QString& b) {
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d+)$"));
    const auto ma = trailing.match(a);
    const auto mb = trailing.match(b);
    if (ma.hasMatch() && mb.hasMatch() && ma.captured(1) == mb.captured(1))
        return ma.captured(2).toLongLong() < mb.captured(2).toLongLong();
    return a < b;
}

PortEntry EntryFromInfo(const QSerialPortInfo& info) {
    PortEntry e;
    e.devicePath = info.systemLocation();
    e.description = info.description();
    e.manufacturer = info.manufacturer();
    e.serialNumber = info.serialNumber();
    return e;
}

#if defined(Q_OS_WIN)
constexpr int kWindowsPortCount = 16;

// On Windows the list is COM1..COM16, whatever the system
// reports, so that an item is its port number.
std::vector<PortEntry> WindowsPorts() {
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    std::vector<PortEntry> entries;
    for (int n = 1; n <= kWindowsPortCount; ++n) {
        PortEntry e;
        e.devicePath = TCommPortDriver::DeviceNameForPortNumber(n);
        const QString name = QStringLiteral("COM%1").arg(n);
        for (const QSerialPortInfo& info : infos) {
            if (info.portName().compare(name, Qt::CaseInsensitive) != 0) continue;
            e.description = info.description();
            e.manufacturer = info.manufacturer();
            e.serialNumber = info.serialNumber();
        }
        entries.push_back(e);
    }
    return entries;
}
#endif

}  // namespace

QString PortEntry::itemText() const {
    static const QString windowsPrefix = QStringLiteral("\\\\.\\");
    if (devicePath.startsWith(windowsPrefix))
        return QLatin1Char(' ') + devicePath.mid(windowsPrefix.size());
    return QLatin1Char(' ') + devicePath;
}

PortList PortList::scan(const QStringList& extraPaths) {
#if defined(Q_OS_WIN)
    PortList list(WindowsPorts());
    for (const QString& path : extraPaths) list.addDevice(path);
    return list;
#else
    std::vector<PortEntry> system;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        system.push_back(EntryFromInfo(info));
    return build(std::move(system), QStringLiteral("/dev/serial/by-id"), extraPaths);
#endif
}

PortList PortList::build(std::vector<PortEntry> systemPorts, const QString& byIdFolder,
                         const QStringList& extraPaths) {
    std::sort(systemPorts.begin(), systemPorts.end(), [](const PortEntry& a, const PortEntry& b) {
        return NaturalLess(a.devicePath, b.devicePath);
    });
    PortList list(std::move(systemPorts));
    for (const QString& path : extraPaths) list.addDevice(path);

    if (byIdFolder.isEmpty()) return list;
    const QFileInfoList links =
        QDir(byIdFolder)
            .entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    std::vector<PortEntry> stable;
    for (const QFileInfo& link : links) {
        const QString target = CanonicalOrSelf(link.absoluteFilePath());
        PortEntry s;
        s.devicePath = link.absoluteFilePath();
        s.isStableName = true;
        for (PortEntry& e : list.entries_) {
            if (e.isStableName || CanonicalOrSelf(e.devicePath) != target) continue;
            if (e.byIdPath.isEmpty()) e.byIdPath = s.devicePath;
            s.byIdPath = e.devicePath;
            s.description = e.description;
            s.manufacturer = e.manufacturer;
            s.serialNumber = e.serialNumber;
        }
        if (s.byIdPath.isEmpty()) s.byIdPath = target;
        if (list.itemOf(s.devicePath) == 0) stable.push_back(s);
    }
    // Adapters first: their stable names, then the devices that have one
    // (USB adapters), then the rest (built-in ports, which on most machines
    // have nothing attached), each group in the order it had.
    std::stable_partition(list.entries_.begin(), list.entries_.end(),
                          [](const PortEntry& e) { return !e.byIdPath.isEmpty(); });
    list.entries_.insert(list.entries_.begin(), stable.begin(), stable.end());
    return list;
}

PortList PortList::rescan() const {
    QStringList named;
    for (const PortEntry& e : entries_)
        if (!e.isStableName && SerialDeviceExists(e.devicePath)) named << e.devicePath;
    return scan(named);
}

int PortList::itemForTypedPath(const QString& typed) {
    const QString path = typed.trimmed();
    if (const int at = int(portTexts().indexOf(QLatin1Char(' ') + path)); at >= 0) return at + 1;
    if (!path.startsWith(QLatin1Char('/')) || !SerialDeviceExists(path)) return -1;
    return addDevice(path);
}

QStringList PortList::portTexts() const {
    QStringList items;
    for (const PortEntry& e : entries_) items << e.itemText();
    return items;
}

int PortList::itemOf(const QString& devicePath) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
#if defined(Q_OS_WIN)
        if (entries_[i].devicePath.compare(devicePath, Qt::CaseInsensitive) == 0)
#else
        if (entries_[i].devicePath == devicePath)
#endif
            return int(i) + 1;
    }
    return 0;
}

int PortList::addDevice(const QString& devicePath) {
    if (devicePath.isEmpty()) return 0;
    if (const int item = itemOf(devicePath)) return item;
    PortEntry e;
    e.devicePath = devicePath;
    entries_.push_back(e);
    return count();
}

int PortList::resolve(int savedItem, const QString& savedPath) {
    if (savedPath.isEmpty()) return savedItem >= 1 && savedItem <= count() ? savedItem : 0;
    if (const int item = itemOf(savedPath)) return item;
    return SerialDeviceExists(savedPath) ? addDevice(savedPath) : 0;
}

bool SerialDeviceExists(const QString& devicePath) {
    return QFileInfo::exists(devicePath) || !QSerialPortInfo(devicePath).isNull();
}

QString DevicePathFromPortArgument(const QString& argument) {
    static const QRegularExpression com(QStringLiteral("^COM(\\d+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(argument.trimmed());
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1) return TCommPortDriver::DeviceNameForPortNumber(n);
    }
    return argument;
}

}  // namespace lmk17
