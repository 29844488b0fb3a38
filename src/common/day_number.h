#pragma once

#include <QDate>
#include <QDateTime>

namespace lmk17 {

// A local date and time as the program stores and shows it: days since the
// epoch below with the time of day as the fraction (the configuration's date
// of last change, the monitoring's time axis and files).

// 30 December 1899: day number 0.
QDate DayNumberEpoch();

double DayNumberOf(const QDateTime& moment);
double CurrentDayNumber();

}  // namespace lmk17
