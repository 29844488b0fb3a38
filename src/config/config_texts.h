#pragma once

#include <QString>
#include <QtGlobal>

namespace lmk17 {

// Day number of 1 March 1999: earlier dates (an unset or never-written change
// date) are shown as an empty text.
inline constexpr double kFirstShownDay = 36220.0;

// "1 year, 2 days, 3 hours, 4 minutes, 5 seconds": years of 365.25 days; the
// parts that are 0 are left out except the seconds.
QString FormatWorkingTime(qint64 seconds);

// "%d.%d.%d %d:%.2d" (day, month, year, hour, minute), then ":%.2d" seconds
// when asked for; empty before 1 March 1999 and for values that are no date.
// Day numbers count from 30 December 1899, the time of day is the fraction.
QString FormatDateTime(double dayNumber, bool withSeconds);
// The date of the last change as the Information page shows it (with seconds).
QString FormatChangeDate(double dayNumber);

// A manufacture date text as the transmitter holds it ("12.3.2004 8:05") to
// the date-time text; empty stays empty; a text that is no calendar date is
// returned trimmed as it was.
QString NormaliseManufactureDate(const QString& text);

// The identification text with the word "verze" (any case) replaced by
// "firmware" (the first occurrence).
QString ReplaceVersionWord(const QString& text);

}  // namespace lmk17
