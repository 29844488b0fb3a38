#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace lmk17 {

// The four log formats (the items of MonFormatCB; the index is the number kept
// in the settings file).
inline constexpr int kMonFormatCount = 4;
QString MonFormatText(int format);  // with its leading blanks, as the list shows it

// The decimal separator choices of MonDesOddCB.
enum MonSeparator : int { MonSeparatorComma = 0, MonSeparatorDot = 1 };

// Result code of an exchange as one blank-free word ("OK", "ERROR:_Timeout").
QString MonErrKod2Ret(int code);

// A moment as a day number since 30 December 1899 with the time of day as
// the fraction.
double DayNumber(const QDateTime& moment);

// The fields of a record; each ends in one blank.
QString MonTimeStampField(int format, const QDateTime& moment);
QString MonPvField(double pv, int digits, int separator);
QString MonErrorStateField(quint8 state);

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
