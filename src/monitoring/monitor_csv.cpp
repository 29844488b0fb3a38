#include "monitoring/monitor_csv.h"

#include <QStringList>
#include <cmath>

#include "common/day_number.h"
#include "common/safe_save.h"
#include "config/catalogue.h"
#include "monitoring/monitor_graph.h"

namespace lmk17 {

namespace {

// notr: the column names of the CSV file
const char* const kColumns[] = {"Time", "UTC Offset", "Address", "Serial Number", "PV",
                                "Unit", "St_Mess_1",  "Error",   "St_Mess_2"};

QDateTime FromDayNumber(double day) {
    static const QDate kEpoch = DayNumberEpoch();
    const double whole = std::floor(day);
    const qint64 ms = qint64(std::llround((day - whole) * 86400000.0));
    return QDateTime(kEpoch.addDays(qint64(whole)), QTime(0, 0)).addMSecs(ms);
}

}  // namespace

QString MonCsvField(const QString& text, QChar separator) {
    const bool quote = text.contains(separator) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!quote) return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString MonCsvTime(const QDateTime& moment) {
    // notr: the file's time format, the form spreadsheets read as a date and time
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString MonCsvUtcOffset(const QDateTime& moment) {
    const int offset = moment.offsetFromUtc() / 60;
    const int a = std::abs(offset);
    return QString::asprintf("%c%.2d:%.2d", offset < 0 ? '-' : '+', a / 60, a % 60);
}

QString MonCsvHeader(const MonCsvStyle& style) {
    QStringList fields;
    for (const char* c : kColumns) fields << MonCsvField(QString::fromLatin1(c), style.separator);
    return fields.join(style.separator);
}

QString MonCsvRow(const MonCsvStyle& style, const MonCsvRecord& r) {
    QString pv;
    if (r.pv) {
        pv = QString::asprintf("%.*g", r.digits, *r.pv);
        pv.replace(QLatin1Char('.'), style.decimalMark);
    }
    const QString fields[] = {MonCsvTime(r.moment),
                              MonCsvUtcOffset(r.moment),
                              QString::number(r.address),
                              QString::number(r.serialNumber),
                              pv,
                              r.unit,
                              r.pvState,
                              r.errorCode,
                              r.statusState};
    QStringList row;
    for (const QString& f : fields) row << MonCsvField(f, style.separator);
    return row.join(style.separator);
}

bool WriteMonGraphCsv(const QString& fileName, const MonitorGraphModel& graph,
                      const MonCsvStyle& style, QString* error) {
    QByteArray bytes = QByteArray(kUtf8Bom) + MonCsvHeader(style).toUtf8() + kCsvLineEnd;
    for (const MonitorGraphModel::Series& s : graph.series()) {
        MonCsvRecord r;
        r.address = s.address;
        r.serialNumber = s.serialNumber;
        r.unit = UnitSymbol(s.unitCode);
        r.pvState = QStringLiteral("OK");
        r.digits = 10;
        for (const MonitorGraphModel::Point& p : s.points) {
            r.moment = FromDayNumber(p.x);
            r.pv = p.y;
            bytes += MonCsvRow(style, r).toUtf8() + kCsvLineEnd;
        }
    }
    const SafeSaveResult result = SaveFileSafely(fileName, bytes);
    if (!result.saved() && error) *error = result.reason;
    return result.saved();
}

}  // namespace lmk17
