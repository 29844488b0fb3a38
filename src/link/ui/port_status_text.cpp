#include "link/ui/port_status_text.h"

#include <QCoreApplication>

#include "link/port_list.h"
#include "link/ui/link_texts.h"

namespace lmk17 {

QString PortMessage(const QString& format, const QString& deviceName) {
    QString text = format;
    const int at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, deviceName);
    return text;
}

QString PortStatusText(const PortStatus& status) {
    const char* format = nullptr;
    switch (status.event) {
        case PortEvent::None:
            return {};
        case PortEvent::Connected:
            format = texts::kPortConnected;
            break;
        case PortEvent::CannotConnect:
            format = texts::kPortCannotConnect;
            break;
        case PortEvent::Disconnected:
            format = texts::kPortDisconnected;
            break;
        case PortEvent::LostReopening:
            format = texts::kPortLostReopening;
            break;
    }
    return PortMessage(QCoreApplication::translate("Link", format), status.device);
}

QString PortFailureDetail(const PortFailure& failure) {
    QString detail = failure.systemReason;
    if (failure.reason == PortFailureReason::PermissionDenied) {
        if (!detail.isEmpty()) detail += QLatin1Char('\n');
        detail += QCoreApplication::translate("Link", texts::kPortPermissionAdvice);
    }
    return detail;
}

QStringList PortItemTexts(const PortList& ports) {
    return QStringList{QCoreApplication::translate("Link", texts::kNotConnectedItem)} +
           ports.portTexts();
}

QString PortDescription(const PortEntry& entry) {
    QStringList about;
    for (const QString& part : {entry.description, entry.manufacturer})
        if (!part.trimmed().isEmpty() && !about.contains(part.trimmed())) about << part.trimmed();
    if (!entry.serialNumber.trimmed().isEmpty())
        about << QCoreApplication::translate("Link", texts::kPortSerialNumber)
                     .arg(entry.serialNumber.trimmed());
    QStringList lines;
    lines << (about.isEmpty() ? QCoreApplication::translate("Link", texts::kPortNoDescription)
                              : about.join(QLatin1String(", ")));
    if (!entry.byIdPath.isEmpty() && entry.byIdPath != entry.devicePath)
        lines << QCoreApplication::translate("Link", entry.isStableName
                                                         ? texts::kPortDeviceOfStableName
                                                         : texts::kPortStableNameOfDevice)
                     .arg(entry.byIdPath);
    return lines.join(QLatin1Char('\n'));
}

QStringList PortItemDescriptions(const PortList& ports) {
    QStringList descriptions{QString()};
    for (const PortEntry& e : ports.entries()) descriptions << PortDescription(e);
    return descriptions;
}

QString PortItemToolTip(const QString& itemText, const QString& description) {
    if (description.isEmpty()) return itemText.trimmed();
    return itemText.trimmed() + QLatin1Char('\n') + description;
}

int PortItemForTypedText(PortList& ports, const QString& typed) {
    const QString notConnected = QCoreApplication::translate("Link", texts::kNotConnectedItem);
    if (typed.trimmed() == notConnected.trimmed()) return 0;
    return ports.itemForTypedPath(typed);
}

}  // namespace lmk17
