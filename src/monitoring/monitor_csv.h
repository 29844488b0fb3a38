#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace lmk17 {

class MonitorGraphModel;

// The spreadsheet form of the monitoring records: a header row, then one row
// per record, fields quoted as RFC 4180 asks (a field holding the separator,
// a double quote or a line end is put in double quotes, its quotes doubled),
// rows ended by CR LF, the file in UTF-8 behind a byte-order mark so that a
// spreadsheet opening it by a double-click reads "°C" right.
//
// Two styles: "," between fields with "." as the decimal mark, and for
// decimal-comma locales ";" between fields with "," as the decimal mark.
//
// Columns (the header row names them):
//   Time           local time, 2003-03-05 14:07:09 (the form a spreadsheet takes
//                  for a date and time cell)
//   UTC Offset     the local time's offset from UTC, +01:00
//   Address        the transmitter address 0..31
//   Serial Number  as read at start, 0 when unknown
//   PV             a plain number; empty when the PV request failed
//   Unit           the unit name of the transmitter's PV ("°C")
//   St_Mess_1      the result text of the PV request ("OK", "ERROR:_Timeout")
//   Error          the error-state code of the text log ("00", "3", "???")
//   St_Mess_2      the result text of the status request
struct MonCsvStyle {
    QChar separator = QLatin1Char(',');
    QChar decimalMark = QLatin1Char('.');

    static MonCsvStyle Comma() { return {}; }
    static MonCsvStyle Semicolon() { return {QLatin1Char(';'), QLatin1Char(',')}; }
};

struct MonCsvRecord {
    QDateTime moment;
    int address = 0;
    qint32 serialNumber = 0;
    std::optional<double> pv;  // none: the PV request failed
    int digits = 10;           // significant digits of the PV
    QString unit;
    QString pvState;
    QString errorCode;
    QString statusState;
};

// One field, quoted when it has to be.
QString MonCsvField(const QString& text, QChar separator);
// 2003-03-05 14:07:09
QString MonCsvTime(const QDateTime& moment);
// +01:00
QString MonCsvUtcOffset(const QDateTime& moment);
// The rows without their line end.
QString MonCsvHeader(const MonCsvStyle& style);
QString MonCsvRow(const MonCsvStyle& style, const MonCsvRecord& record);

inline constexpr char kCsvLineEnd[] = "\r\n";
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// "Export Points as CSV…" of the graph window: every point of every series,
// one row each, in the same columns (the result texts "OK", as a point is
// only ever a correct reading; error code and status left empty). Written
// through a temporary file that replaces `fileName` only when complete.
bool WriteMonGraphCsv(const QString& fileName, const MonitorGraphModel& graph,
                      const MonCsvStyle& style, QString* error = nullptr);

}  // namespace lmk17
