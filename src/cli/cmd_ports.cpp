// Lists the serial ports a transmitter can be connected to.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_command.h"
#include "link/port_list.h"

namespace lmk17::cli {

namespace {

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject PortJson(const PortEntry& e) {
    return QJsonObject{{QStringLiteral("path"), e.devicePath},
                       {QStringLiteral("description"), e.description},
                       {QStringLiteral("manufacturer"), e.manufacturer},
                       {QStringLiteral("serialNumber"), e.serialNumber},
                       {QStringLiteral("byId"), TextOrNull(e.byIdPath)}};
}

int ports(Context& c) {
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("no arguments expected"));
    QStringList extra;
    bool missing = false;
    if (!c.options.port.isEmpty()) {
        const QString path = DevicePathFromPortArgument(c.options.port);
        if (SerialDeviceExists(path)) {
            extra << path;
        } else {
            c.err << path << ": no such serial port" << Qt::endl;
            missing = true;
        }
    }
    const PortList list = PortList::scan(extra);

    // Stable names are shown beside the device they name, not as ports of
    // their own.
    std::vector<PortEntry> shown;
    for (const PortEntry& e : list.entries()) {
        if (!e.isStableName) shown.push_back(e);
    }

    if (c.options.json) {
        QJsonArray array;
        for (const PortEntry& e : shown) array.append(PortJson(e));
        c.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return missing ? ExitFailure : ExitOk;
    }
    if (shown.empty()) {
        c.err << "no serial ports found" << Qt::endl;
        return missing ? ExitFailure : ExitOk;
    }
    qsizetype width = 0;
    for (const PortEntry& e : shown) width = std::max(width, e.devicePath.size());
    for (const PortEntry& e : shown) {
        QString line = e.devicePath.leftJustified(width + 2);
        line += e.description.isEmpty() ? QStringLiteral("-") : e.description;
        if (!e.byIdPath.isEmpty()) line += QStringLiteral("  ") + e.byIdPath;
        c.out << line << '\n';
    }
    return missing ? ExitFailure : ExitOk;
}

Registrar portsCmd(
    {.name = "ports",
     .usage = "",
     .summary = "list the serial ports found (device path, description, stable by-id name)",
     .run = ports,
     .exitCodes = "0\tlisted (also when none is found)\n"
                  "2\tusage error",
     .example = "lmk17-cli ports"});

}  // namespace
}  // namespace lmk17::cli
