#include "config/config_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <cmath>

#include "common/day_number.h"

namespace lmk17 {

namespace {

constexpr qint64 kSecondsPerYear = 31557600;  // 365.25 days
constexpr qint64 kSecondsPerDay = 86400;
constexpr qint64 kMsPerDay = 86400000;

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Configuration)
};

void appendPart(QString& out, qint64 value, const char* one, const char* many) {
    if (value <= 0) return;
    out += QString::number(value) + (value == 1 ? Texts::tr(one) : Texts::tr(many));
}

}  // namespace

QString FormatWorkingTime(qint64 n) {
    QString out;
    const qint64 years = n / kSecondsPerYear;
    n -= years * kSecondsPerYear;
    const qint64 days = n / kSecondsPerDay;
    n -= days * kSecondsPerDay;
    const qint64 hours = n / 3600;
    n -= hours * 3600;
    const qint64 minutes = n / 60;
    n -= minutes * 60;
    appendPart(out, years, QT_TRANSLATE_NOOP("Configuration", " year, "),
               QT_TRANSLATE_NOOP("Configuration", " years, "));
    appendPart(out, days, QT_TRANSLATE_NOOP("Configuration", " day, "),
               QT_TRANSLATE_NOOP("Configuration", " days, "));
    appendPart(out, hours, QT_TRANSLATE_NOOP("Configuration", " hour, "),
               QT_TRANSLATE_NOOP("Configuration", " hours, "));
    appendPart(out, minutes, QT_TRANSLATE_NOOP("Configuration", " minute, "),
               QT_TRANSLATE_NOOP("Configuration", " minutes, "));
    return out + QString::number(n) + Texts::tr(" seconds");
}

QString FormatDateTime(double dayNumber, bool withSeconds) {
    // The largest day number QDate and the text can carry sensibly (year 9999).
    if (!std::isfinite(dayNumber) || dayNumber < kFirstShownDay || dayNumber > 2958465.0) return {};
    qint64 day = qint64(std::floor(dayNumber));
    qint64 ms = std::llround((dayNumber - double(day)) * double(kMsPerDay));
    if (ms >= kMsPerDay) {  // rounding reached midnight of the next day
        ++day;
        ms -= kMsPerDay;
    }
    const QDate date = DayNumberEpoch().addDays(day);
    const int seconds = int(ms / 1000);
    QString text = QString::asprintf("%d.%d.%d %d:%.2d", date.day(), date.month(), date.year(),
                                     seconds / 3600, seconds / 60 % 60);
    if (withSeconds) text += QString::asprintf(":%.2d", seconds % 60);
    return text;
}

QString FormatChangeDate(double dayNumber) {
    return FormatDateTime(dayNumber, true);
}

namespace {

// Splits off the run of characters before the next of the given stop
// characters (or the end), skipping the stop and the blanks after it.
int takeRun(const QString& text, int& pos, const QString& stops) {
    int end = pos;
    while (end < text.size() && !stops.contains(text[end])) ++end;
    bool ok = false;
    const int value = text.mid(pos, end - pos).trimmed().toInt(&ok);
    pos = end < text.size() ? end + 1 : end;
    while (pos < text.size() && text[pos] == QLatin1Char(' ')) ++pos;
    return ok ? value : 0;
}

}  // namespace

QString NormaliseManufactureDate(const QString& raw) {
    const QString text = raw.trimmed();
    if (text.isEmpty()) return text;
    int pos = 0;
    const QString dateStops = QStringLiteral(". ");
    const QString timeStops = QStringLiteral(": ");
    const int day = takeRun(text, pos, dateStops);
    const int month = takeRun(text, pos, dateStops);
    const int year = takeRun(text, pos, dateStops);
    const int hour = takeRun(text, pos, timeStops);
    const int minute = takeRun(text, pos, timeStops);
    const int second = takeRun(text, pos, timeStops);
    const QDate date(year, month, day);
    const bool timeOk =
        hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    if (!date.isValid() || !timeOk) return text;
    const double dayNumber = double(DayNumberEpoch().daysTo(date)) +
                             (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay);
    return FormatDateTime(dayNumber, true);
}

QString ReplaceVersionWord(const QString& text) {
    const int at = text.indexOf(QLatin1String("verze"), 0, Qt::CaseInsensitive);
    if (at < 0) return text;
    return text.left(at) + QLatin1String("firmware") + text.mid(at + 5);
}

}  // namespace lmk17
