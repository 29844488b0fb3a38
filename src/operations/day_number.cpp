#include "operations/day_number.h"

namespace lmk17 {

double DayNumberOf(const QDateTime& moment) {
    static const QDate epoch(1899, 12, 30);
    const double days = double(epoch.daysTo(moment.date()));
    return days + double(moment.time().msecsSinceStartOfDay()) / 86400000.0;
}

double CurrentDayNumber() {
    return DayNumberOf(QDateTime::currentDateTime());
}

}  // namespace lmk17
