// The CSV logs as a spreadsheet reads them: LibreOffice Calc, run headless,
// converts each style to a flat OpenDocument sheet, and the sheet's cell types
// (not their texts) are checked: date-time cells under Time, numbers under PV.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include "monitoring/monitor_csv.h"
#include "monitoring/monitor_log.h"

namespace lmk17 {
namespace {

constexpr int kConvertMs = 240000;  // a first start builds the profile

// The office:value-type of every cell, row by row ("" for an empty cell).
QList<QStringList> CellTypes(const QString& fods) {
    QFile f(fods);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&f);
    QList<QStringList> rows;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("table-row")) {
            rows.append(QStringList());
        } else if (xml.name() == QLatin1String("table-cell") && !rows.isEmpty()) {
            const auto a = xml.attributes();
            const int repeat =
                qMax(1, a.value(QLatin1String("table:number-columns-repeated")).toInt());
            for (int i = 0; i < repeat && rows.last().size() < 16; ++i)
                rows.last() << a.value(QLatin1String("office:value-type")).toString();
        }
    }
    return rows;
}

TEST(MonitorCsvSpreadsheet, TimeIsADateAndPvANumber) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed: not checked";
    QTemporaryDir dir;
    const struct {
        const char* name;
        MonCsvStyle style;
        const char* filter;  // separator, quote, UTF-8, from line 1, language
    } cases[] = {
        {"comma", MonCsvStyle::Comma(), "CSV:44,34,76,1,,1033"},
        {"semicolon", MonCsvStyle::Semicolon(), "CSV:59,34,76,1,,1031"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString csv = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".csv"));
        MonitorLog log;
        ASSERT_TRUE(log.openCsvFile(csv, false, c.style));
        MonCsvRecord r;
        r.moment = QDateTime(QDate(2003, 3, 5), QTime(14, 7, 9));
        r.address = 3;
        r.serialNumber = 12345678;
        r.pv = -23.456789;
        r.unit = QString::fromUtf8("°C");
        r.pvState = r.statusState = QStringLiteral("OK");
        r.errorCode = QStringLiteral("00");
        log.writeCsvRow(MonCsvRow(c.style, r));
        r.moment = r.moment.addSecs(2);
        r.pv = 1250.5;
        log.writeCsvRow(MonCsvRow(c.style, r));
        log.closeFile();

        QProcess office;
        office.start(
            soffice,
            {QStringLiteral("-env:UserInstallation=") +
                 QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
             QStringLiteral("--headless"), QStringLiteral("--infilter=") + QLatin1String(c.filter),
             QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("--outdir"),
             dir.path(), csv});
        ASSERT_TRUE(office.waitForFinished(kConvertMs)) << "LibreOffice did not end in time";
        const QList<QStringList> rows =
            CellTypes(dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".fods")));
        ASSERT_GE(rows.size(), 3) << office.readAllStandardError().toStdString();
        for (int i = 1; i <= 2; ++i) {
            SCOPED_TRACE(i);
            ASSERT_GE(rows[i].size(), 5);
            EXPECT_EQ(rows[i][0], QStringLiteral("date"));   // Time
            EXPECT_EQ(rows[i][4], QStringLiteral("float"));  // PV
        }
    }
}

}  // namespace
}  // namespace lmk17
