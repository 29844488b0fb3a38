// A monitoring log to append to is whatever file the user names: the check
// of its kind (text log or which spreadsheet style) and of its character set
// takes any bytes without a crash, and no file but an empty one is taken as
// both a text log and a spreadsheet log.

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "monitoring/monitor_csv.h"
#include "monitoring/monitor_log.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 200 * 1024) return 0;
    static QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("log.txt"));
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    const bool text = MonitorLog::AppendRefusal(name, std::nullopt).isEmpty();
    for (const MonCsvStyle& style : {MonCsvStyle::Comma(), MonCsvStyle::Semicolon()}) {
        const bool csv = MonitorLog::AppendRefusal(name, style).isEmpty();
        if (text && csv && size > 0) __builtin_trap();
    }
    for (const MonLogEncoding chosen : {MonLogEncoding::Windows1250, MonLogEncoding::Utf8}) {
        const MonLogEncoding found = MonitorLog::ExistingEncoding(name, chosen);
        if (found != MonLogEncoding::Windows1250 && found != MonLogEncoding::Utf8) __builtin_trap();
    }
    return 0;
}
