#include "monitoring/monitor_record.h"

#include <QLocale>

#include "monitoring/monitor_texts.h"

namespace lmk17 {

namespace {

// notr: the column headers of the log file, the same in every language.
const char* const kFormats[kMonFormatCount] = {
    " Date[yymmdd]  Time[hhmmss]  PV  St_Mess_1  Error  St_Mess_2",
    " DateTime[mmddhhmmss]  PV  St_Mess_1  Error  St_Mess_2",
    " DateTime[float]  PV  St_Mess_1  Error  St_Mess_2",
    " Time[hhmmss] DateTime[float]  PV  St_Mess_1  Error  St_Mess_2",
    " CSV",
    " CSV (semicolon, decimal comma)",
};

// The day number in "%.10g" with the system's decimal separator: format 2 and
// 3 files are read back by spreadsheets set up for the same locale.
QString DayNumberText(const QDateTime& moment) {
    QString text = QString::asprintf("%.10g", DayNumberOf(moment));
    const QString point = QLocale::system().decimalPoint();
    if (!point.isEmpty() && point != QLatin1String(".")) text.replace(QLatin1Char('.'), point);
    return text;
}

}  // namespace

QString MonFormatText(int format) {
    if (format < 0 || format >= kMonFormatCount) format = 0;
    return QString::fromLatin1(kFormats[format]);
}

QString MonErrKod2Ret(int code) {
    switch (code) {
        case 0:
        case 8:
            return QStringLiteral("OK");
        case 1:
        case 102:
            return QStringLiteral("ERROR:_Error_during_Transmit");
        case 2:
            return QStringLiteral("ERROR:_Bad_Parameters");
        case 3:
            return QStringLiteral("ERROR:_Bad_Function");
        case 100:
            return QStringLiteral("ERROR:_Frame_Error_of_the_Incoming_Message");
        case 101:
            return QStringLiteral("ERROR:_Bad_CRC_of_the_Incoming_Message");
        case 150:
            return QStringLiteral("ERROR:_Bad_Answer");
        case 200:
            return QStringLiteral("ERROR:_Timeout");
        default:
            return QString::asprintf("ERROR:_Unknown_Answer:_%d", code);
    }
}

QString MonTimeStampField(int format, const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    switch (format) {
        case 1:
            return QString::asprintf("%.2d%.2d%.2d%.2d%.2d ", d.month(), d.day(), t.hour(),
                                     t.minute(), t.second());
        case 2:
            return DayNumberText(moment) + QLatin1Char(' ');
        case 3:
            return QString::asprintf("%.2d%.2d%.2d ", t.hour(), t.minute(), t.second()) +
                   DayNumberText(moment) + QLatin1Char(' ');
        default:
            return QString::asprintf("%.2d%.2d%.2d %.2d%.2d%.2d ", d.year() % 100, d.month(),
                                     d.day(), t.hour(), t.minute(), t.second());
    }
}

QString MonPvField(double pv, int digits, int separator) {
    QString field = QString::asprintf("%.*g ", digits, pv);
    const QChar sep = separator == MonSeparatorDot ? QLatin1Char('.') : QLatin1Char(',');
    for (QChar& c : field)
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) c = sep;
    return field;
}

QString MonErrorStateField(quint8 state) {
    if (state <= 2) return QString::asprintf("%.2d ", state);
    static const struct {
        quint8 bit;
        const char* text;
    } kBits[] = {{0x04, "3 "}, {0x08, "4 "}, {0x10, "5 "}, {0x20, "6 "}, {0x40, "7 "}};
    for (const auto& b : kBits)
        if (state & b.bit) return QString::fromLatin1(b.text);
    return QStringLiteral("??? ");
}

QString MonAddressField(int address) {
    return QString::asprintf("%.2d ", address);
}

QString MonRecordLine(const MonRecordFormat& f, const MonitorReading& r) {
    QString line = MonTimeStampField(f.format, r.moment);
    line += MonPvField(r.pv, f.digits, f.separator);
    line += MonErrKod2Ret(r.pvResult) + QLatin1Char(' ');
    line += MonErrorStateField(r.errorState);
    line += MonErrKod2Ret(r.statusResult) + QLatin1Char(' ');
    if (r.errorState != 0) line += QLatin1String(texts::kMonAttention);
    return line;
}

}  // namespace lmk17
