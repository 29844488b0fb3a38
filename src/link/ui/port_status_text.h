#pragma once

#include <QString>
#include <QStringList>

#include "link/port_connection.h"
#include "link/port_failure.h"

namespace lmk17 {

class PortList;
struct PortEntry;

// The status bar's words for the port's status, in the running language;
// empty before anything happened to the port.
QString PortStatusText(const PortStatus& status);

// What the options dialog and the status bar say under "%s serial port
// cannot be connected.": the system's reason and, when the user lacks the
// permission to open the device, what to do about it (one line each).
QString PortFailureDetail(const PortFailure& failure);

// A port message with its "%s" filled with the device name, as it stands.
QString PortMessage(const QString& format, const QString& deviceName);

// The port list as the options dialog offers it: " Not Connected" first,
// then the ports (the connection's items 0..n).
QStringList PortItemTexts(const PortList& ports);
// What a technician choosing a port reads of it: the system's description
// of the adapter (maker, serial number) on the first line, then the other
// name it goes by (the device a stable name points to, the stable name of a
// device). One line saying there is none when the system describes nothing.
QString PortDescription(const PortEntry& entry);
// The description of each item of PortItemTexts: empty for " Not Connected".
QStringList PortItemDescriptions(const PortList& ports);
// The item's tooltip: its whole path (a stable name is longer than the
// list), then its description.
QString PortItemToolTip(const QString& itemText, const QString& description);

// The item of a text typed into that list: 0 for " Not Connected", else
// PortList::itemForTypedPath (-1 when no such device exists).
int PortItemForTypedText(PortList& ports, const QString& typed);

}  // namespace lmk17
