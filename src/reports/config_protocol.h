#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "reports/config_rows.h"
#include "reports/report_pages.h"

class QPaintDevice;

namespace lmk17 {

class ConfigModel;

// What the sign-and-note dialog adds to a protocol.
struct ProtocolSignature {
    QString configuredBy;  // at most 30 characters
    QString note;          // at most 100 characters
};

// The "Transmitter Configuration Protocol" of a configuration laid out for a
// device: the header with the print date (a day number), the title, the rows,
// the range table, the note and the signature block, on as many pages as it
// takes.
ReportPages LayoutProtocol(const QPaintDevice& device, const ConfigurationReport& report,
                           const ProtocolSignature& signature, double printedDay);

// Splits a note into printed lines no wider than `maxWidth`: characters are
// added one by one; a blank that makes the line too wide ends it. Once a
// character of a word makes it too wide, up to three more follow to the
// word's end, where the line is cut; a longer word goes to the next line
// whole, the line ending at its last blank (a line without a blank is cut
// inside its word).
QStringList WrapNote(const QString& text, double maxWidth,
                     const std::function<double(const QString&)>& widthOf);

}  // namespace lmk17
