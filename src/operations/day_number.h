#pragma once

#include <QDateTime>

namespace lmk17 {

// A local date and time as the program stores it: days since 30 December
// 1899 with the time of day as the fraction.
double DayNumberOf(const QDateTime& moment);
double CurrentDayNumber();

}  // namespace lmk17
