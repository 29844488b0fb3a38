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

QStringList PortItemTexts(const PortList& ports) {
    return QStringList{QCoreApplication::translate("Link", texts::kNotConnectedItem)} +
           ports.portTexts();
}

int PortItemForTypedText(PortList& ports, const QString& typed) {
    const QString notConnected = QCoreApplication::translate("Link", texts::kNotConnectedItem);
    if (typed.trimmed() == notConnected.trimmed()) return 0;
    return ports.itemForTypedPath(typed);
}

}  // namespace lmk17
