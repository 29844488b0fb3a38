#include "common/day_number.h"

namespace lmk17 {

QDate DayNumberEpoch() {
    return QDate(1899, 12, 30);
}

double DayNumberOf(const QDateTime& moment) {
    const double days = double(DayNumberEpoch().daysTo(moment.date()));
    return days + double(moment.time().msecsSinceStartOfDay()) / 86400000.0;
}

double CurrentDayNumber() {
    return DayNumberOf(QDateTime::currentDateTime());
}

}  // namespace lmk17
