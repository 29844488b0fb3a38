#include "monitoring/monitor_log.h"

#include <QCoreApplication>

#include "config/config_texts.h"
#include "config/windows1250.h"
#include "link/engine_texts.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitor_texts.h"

namespace lmk17 {

MonitorLog::MonitorLog(QObject* parent) : QObject(parent) {}

MonitorLog::~MonitorLog() {
    closeFile();
}

void MonitorLog::PrintMonMemo(const QString& line) {
    if (line.isEmpty()) return;
    addToWindow(line);
    if (file_.isOpen() && !csv_) writeToFile(line);
}

void MonitorLog::writeCsvRow(const QString& row) {
    if (row.isEmpty()) return;
    addToWindow(row);
    if (file_.isOpen() && csv_) writeBytes(row.toUtf8() + kCsvLineEnd);
}

void MonitorLog::addToWindow(const QString& line) {
    if (window_.size() > kWindowLimit) clearWindow();
    window_.append(line);
    emit lineAdded(line);
}

void MonitorLog::clearWindow() {
    window_.clear();
    emit windowCleared();
}

void MonitorLog::confirmAndClear(UserInteraction& ui) {
    if (ui.question(Question::ClearMonitorLog, MessageKind::Confirmation,
                    QCoreApplication::translate("Monitoring", texts::kMonClearQuestion)))
        clearWindow();
}

QString MonitorLog::CleanFileName(const QString& fieldText) {
    QString name = fieldText.trimmed();
    if (name.startsWith(QLatin1Char('"'))) name[0] = QLatin1Char(' ');
    if (name.endsWith(QLatin1Char('"'))) name[name.size() - 1] = QLatin1Char(' ');
    return name.trimmed();
}

bool MonitorLog::openCsvFile(const QString& name, bool append, const MonCsvStyle& style) {
    if (!openFile(name, append)) return false;
    csv_ = true;
    if (file_.size() == 0)
        writeBytes(QByteArray(kUtf8Bom) + MonCsvHeader(style).toUtf8() + kCsvLineEnd);
    return file_.isOpen();
}

bool MonitorLog::openFile(const QString& name, bool append) {
    closeFile();
    csv_ = false;
    failureReported_ = false;
    if (name.isEmpty()) {
        reportFileFailure(name);
        return false;
    }
    file_.setFileName(name);
    QIODevice::OpenMode mode = QIODevice::WriteOnly;
    mode |= (append && QFile::exists(name)) ? QIODevice::Append : QIODevice::Truncate;
    if (!file_.open(mode)) {
        reportFileFailure(name);
        return false;
    }
    return true;
}

void MonitorLog::closeFile() {
    if (file_.isOpen()) file_.close();
}

void MonitorLog::writeToFile(const QString& line) {
    writeBytes(EncodeWindows1250(line) + "\r\n");
}

void MonitorLog::writeBytes(const QByteArray& bytes) {
    // Flushed line by line: a run of days must not lose its last hours to a
    // power cut or a pulled stick.
    if (file_.write(bytes) != bytes.size() || !file_.flush()) {
        const QString name = file_.fileName();
        file_.close();
        reportFileFailure(name);
    }
}

void MonitorLog::reportFileFailure(const QString& name) {
    if (failureReported_) return;
    failureReported_ = true;
    emit fileFailed(QCoreApplication::translate("Monitoring", texts::kMonLogFileFailed).arg(name));
}

void MonitorLog::writeHeader(const QDateTime& now) {
    PrintMonMemo(QStringLiteral(" "));
    PrintMonMemo(Rule('='));
    PrintMonMemo(QString::fromLatin1(texts::kMonStart) + FormatDateTime(DayNumberOf(now), true));
    PrintMonMemo(QString::asprintf(texts::kMonVersion, texts::kMonProgramVersion));
    PrintMonMemo(Rule('-'));
}

void MonitorLog::writeAddressLine(int address, const QString& typeText, qint32 serial) {
    PrintMonMemo(QString::asprintf(texts::kMonAddressLine, address, typeText.toUtf8().constData(),
                                   int(serial)));
}

void MonitorLog::writeRangeBlock(double lower, double upper, const QString& unit,
                                 const QString& format) {
    writeRangeLine(lower, upper, unit);
    writeColumnHeader(format);
}

void MonitorLog::writeRangeLine(double lower, double upper, const QString& unit) {
    PrintMonMemo(QString::fromLatin1(texts::kMonInputRange) +
                 QString::asprintf(" < %.*g ; %.*g > ", 8, lower, 8, upper) + unit);
}

void MonitorLog::writeColumnHeader(const QString& header) {
    PrintMonMemo(Rule('='));
    qsizetype lead = 0;
    while (lead < header.size() && header.at(lead) == QLatin1Char(' ')) ++lead;
    PrintMonMemo(header.mid(lead));
    PrintMonMemo(Rule('-'));
}

void MonitorLog::writeFooter(const QDateTime& now) {
    PrintMonMemo(Rule('='));
    PrintMonMemo(QString::fromLatin1(texts::kMonEnd) + FormatDateTime(DayNumberOf(now), true));
    PrintMonMemo(Rule('='));
}

void MonitorLog::writePortLost(const QDateTime& now, const QString& deviceName) {
    PrintMonMemo(QString::fromLatin1(texts::kMonPortLost) + FormatDateTime(DayNumberOf(now), true) +
                 QStringLiteral("  ") + deviceName);
}

void MonitorLog::writePortResumed(const QDateTime& now, const QString& deviceName) {
    PrintMonMemo(QString::fromLatin1(texts::kMonPortResumed) +
                 FormatDateTime(DayNumberOf(now), true) + QStringLiteral("  ") + deviceName);
}

void MonitorLog::writeNoCommunication(int address) {
    PrintMonMemo(QString::asprintf(texts::kMonitorNoCommunication, address));
    PrintMonMemo(QString::fromLatin1(texts::kMonitorBlankLine));
}

void MonitorLog::writePortNotConnected() {
    PrintMonMemo(QString::fromLatin1(texts::kMonitorPortNotConnected));
    PrintMonMemo(QString::fromLatin1(texts::kMonitorBlankLine));
}

}  // namespace lmk17
