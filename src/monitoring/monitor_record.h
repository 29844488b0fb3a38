#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include "common/day_number.h"

namespace lmk17 {

// The log formats (the items of MonFormatCB; the index is the number kept in
// the settings file): the four text formats, then the two spreadsheet
// formats (one row per record, see monitor_csv.h).
inline constexpr int kMonTextFormatCount = 4;
inline constexpr int kMonFormatCsv = 4;           // "," between fields, "." decimal mark
inline constexpr int kMonFormatCsvSemicolon = 5;  // ";" between fields, "," decimal mark
inline constexpr int kMonFormatCount = 6;
inline bool MonFormatIsCsv(int format) {
    return format == kMonFormatCsv || format == kMonFormatCsvSemicolon;
}
QString MonFormatText(int format);  // with its leading blanks, as the list shows it

// The decimal separator choices of MonDesOddCB.
enum MonSeparator : int { MonSeparatorComma = 0, MonSeparatorDot = 1 };

// Result code of an exchange as one blank-free word ("OK", "ERROR:_Timeout").
QString MonErrKod2Ret(int code);

// The fields of a record; each ends in one blank.
QString MonTimeStampField(int format, const QDateTime& moment);
QString MonPvField(double pv, int digits, int separator);
QString MonErrorStateField(quint8 state);
// A run of several transmitters puts the address first on every record line
// of a text format: "%.2d " ("03 030305 140709 23,456789 OK 00 OK ").
QString MonAddressField(int address);

// What one monitoring cycle found.
struct MonitorReading {
    QDateTime moment;
    double pv = 0.0;
    int pvResult = 0;
    quint8 errorState = 0;  // low byte of the status word
    int statusResult = 0;
};

struct MonRecordFormat {
    int format = 0;
    int separator = MonSeparatorComma;
    int digits = 10;
};

QString MonRecordLine(const MonRecordFormat& f, const MonitorReading& r);

}  // namespace lmk17
