#pragma once

#include <QString>
#include <vector>

namespace lmk17 {

// Labels of a time-of-day axis whose values are day numbers (days since
// 30 December 1899, the time of day as the fraction).

// "h:nn:ss": the hour without a leading zero, minutes and seconds with one;
// the nearest whole second.
QString TimeOfDayText(double dayNumber);

// Tick positions at a round step (1, 2, 5, 10, 15, 30 s, 1, 2, 5, 10, 15,
// 30 min, 1, 2, 3, 6, 12 h, then whole days) inside low..high, the step
// chosen as the smallest giving at most `count` ticks (at least 2 ticks are
// aimed for). Empty for an empty or non-finite range.
std::vector<double> TimeTicks(double low, double high, int count);

}  // namespace lmk17
