// A log file appended to across runs: records of another format are refused
// before anything is written, and a text log keeps the encoding it has.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "monitoring/monitor_log.h"

namespace lmk17 {
namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kCommaCsv =
    kBom + "Time,UTC Offset,Address,Serial Number,PV,Unit,St_Mess_1,Error,St_Mess_2\r\n";
const QByteArray kSemicolonCsv =
    kBom + "Time;UTC Offset;Address;Serial Number;PV;Unit;St_Mess_1;Error;St_Mess_2\r\n";
// A log written before the offset had a column of its own.
const QByteArray kOlderCsv =
    kBom + "Time,Address,Serial Number,PV,Unit,St_Mess_1,Error,St_Mess_2\r\n";
const QByteArray kTextLog = " \r\n=====\r\n Monitoring START:  05.03.2003  14:07:09\r\n";

QByteArray ReadAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(MonitorLogAppend, OtherFormatIsRefusedAndNothingWritten) {
    enum Kind { Text, Comma, Semicolon };
    const struct {
        const char* name;
        QByteArray existing;
        Kind kind;
        bool refused;
    } cases[] = {
        {"CSV onto the same CSV", kCommaCsv + "row\r\n", Comma, false},
        {"';' CSV onto a ',' CSV", kCommaCsv + "row\r\n", Semicolon, true},
        {"',' CSV onto a ';' CSV", kSemicolonCsv, Comma, true},
        {"CSV onto a CSV of the older columns", kOlderCsv, Comma, true},
        {"CSV onto a text log", kTextLog, Comma, true},
        {"text log onto a CSV", kSemicolonCsv, Text, true},
        {"text log onto a text log", kTextLog, Text, false},
        {"CSV onto an empty file", QByteArray(), Comma, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("run.log"));
        Write(name, c.existing);
        MonitorLog log;
        QStringList failed;
        QObject::connect(&log, &MonitorLog::fileFailed, [&](const QString& m) { failed << m; });
        const bool opened = c.kind == Text
                                ? log.openFile(name, true)
                                : log.openCsvFile(name, true,
                                                  c.kind == Comma ? MonCsvStyle::Comma()
                                                                  : MonCsvStyle::Semicolon());
        c.kind == Text ? log.PrintMonMemo(QStringLiteral("record")) : log.writeCsvRow("record");
        log.closeFile();
        EXPECT_EQ(opened, !c.refused);
        if (c.refused) {
            EXPECT_EQ(ReadAll(name), c.existing);
            ASSERT_EQ(failed.size(), 1);
            EXPECT_TRUE(failed[0].contains(QStringLiteral("nothing was appended")));
            EXPECT_TRUE(failed[0].contains(name));
            // Rewriting is the way out.
            EXPECT_TRUE(c.kind == Text ? log.openFile(name, false)
                                       : log.openCsvFile(name, false, MonCsvStyle::Comma()));
            log.closeFile();
        } else {
            EXPECT_TRUE(failed.isEmpty());
            EXPECT_TRUE(ReadAll(name).endsWith("record\r\n"));
            EXPECT_EQ(ReadAll(name).count(kBom), c.kind == Text ? 0 : 1);
        }
    }
}

TEST(MonitorLogAppend, TextLogKeepsItsEncoding) {
    const QByteArray cp1250 =
        "23.5 \xB0"
        "C\r\n";
    const QByteArray utf8 =
        "23.5 \xC2\xB0"
        "C\r\n";
    const struct {
        const char* name;
        QByteArray existing;  // empty: no file yet
        bool append;
        MonLogEncoding chosen;
        QByteArray written;
    } cases[] = {
        {"new file, the usual encoding", {}, true, MonLogEncoding::Windows1250, cp1250},
        {"new file, UTF-8 chosen", {}, true, MonLogEncoding::Utf8, utf8},
        {"Windows-1250 file, UTF-8 chosen", cp1250, true, MonLogEncoding::Utf8, cp1250 + cp1250},
        {"UTF-8 file, Windows-1250 chosen", utf8, true, MonLogEncoding::Windows1250, utf8 + utf8},
        {"ASCII-only file tells nothing", "x\r\n", true, MonLogEncoding::Utf8, "x\r\n" + utf8},
        {"rewritten: the chosen encoding", cp1250, false, MonLogEncoding::Utf8, utf8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("run.log"));
        if (!c.existing.isEmpty()) Write(name, c.existing);
        MonitorLog log;
        ASSERT_TRUE(log.openFile(name, c.append, c.chosen));
        log.PrintMonMemo(QString::fromUtf8("23.5 \u00B0C"));
        log.closeFile();
        EXPECT_EQ(ReadAll(name), c.written);
    }
}

}  // namespace
}  // namespace lmk17
