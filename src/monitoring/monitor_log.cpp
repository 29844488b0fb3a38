#include "monitoring/monitor_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include "common/safe_save.h"
#include "config/config_texts.h"
#include "config/windows1250.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitor_texts.h"
#include "operations/common_routine_texts.h"

namespace lmk17 {

namespace {

const char kAppendRefused[] = QT_TRANSLATE_NOOP(
    "Monitoring",
    "The log file \"%1\" holds records of another format (another header or separator); "
    "nothing was appended to it. Choose another file, or rewrite it.");

// Enough of a file's start to know its kind and its character set.
constexpr qint64 kSniffBytes = 64 * 1024;

QByteArray FileStart(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(kSniffBytes);
}

QByteArray FirstLine(const QByteArray& bytes) {
    QByteArray line = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    if (line.endsWith('\r')) line.chop(1);
    if (line.startsWith(kUtf8Bom)) line.remove(0, qsizetype(sizeof(kUtf8Bom) - 1));
    return line;
}

}  // namespace

MonitorLog::MonitorLog(QObject* parent) : QObject(parent) {}

MonitorLog::~MonitorLog() {
    closeFile();
}

void MonitorLog::PrintMonMemo(const QString& line) {
    if (line.isEmpty()) return;
    addToWindow(line);
    if (csv_) return;
    if (file_.isOpen())
        writeToFile(line);
    else if (wantFile_)
        ++lostLines_;
}

void MonitorLog::writeCsvRow(const QString& row) {
    if (row.isEmpty()) return;
    addToWindow(row);
    if (!csv_) return;
    if (file_.isOpen())
        writeBytes(row.toUtf8() + kCsvLineEnd);
    else if (wantFile_)
        ++lostLines_;
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

QString MonitorLog::ResolveFileName(const QString& fieldText, const QString& dataFolder) {
    const QString clean = CleanFileName(fieldText);
    if (clean.isEmpty() || QFileInfo(clean).isAbsolute() || dataFolder.isEmpty()) return fieldText;
    return QDir(dataFolder).absoluteFilePath(clean);
}

QString MonitorLog::BrowseFolder(const QString& fieldText, const QString& dataFolder) {
    const QString current = CleanFileName(fieldText);
    return current.isEmpty() ? dataFolder : QFileInfo(ResolveFileName(current, dataFolder)).path();
}

QString MonitorLog::AppendRefusal(const QString& name, const std::optional<MonCsvStyle>& csv) {
    const QByteArray start = FileStart(name);
    if (start.isEmpty()) return {};
    const QByteArray line = FirstLine(start);
    const bool isCsv = line == MonCsvHeader(MonCsvStyle::Comma()).toUtf8() ||
                       line == MonCsvHeader(MonCsvStyle::Semicolon()).toUtf8() ||
                       start.startsWith(kUtf8Bom);
    const bool fits = csv ? line == MonCsvHeader(*csv).toUtf8() : !isCsv;
    if (fits) return {};
    return QCoreApplication::translate("Monitoring", kAppendRefused).arg(name);
}

MonLogEncoding MonitorLog::ExistingEncoding(const QString& name, MonLogEncoding chosen) {
    QByteArray start = FileStart(name);
    // A character cut at the end of what was read is no fault of the file.
    if (start.size() == kSniffBytes) start.truncate(start.lastIndexOf('\n') + 1);
    bool ascii = true;
    for (const char c : start) ascii = ascii && (uchar(c) < 0x80);
    if (ascii) return chosen;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(start);
    return text.isEmpty() || utf8.hasError() ? MonLogEncoding::Windows1250 : MonLogEncoding::Utf8;
}

bool MonitorLog::openCsvFile(const QString& name, bool append, const MonCsvStyle& style) {
    const bool opened = openForRun(name, append, style);
    if (!opened) return false;
    if (file_.size() == 0)
        writeBytes(QByteArray(kUtf8Bom) + MonCsvHeader(style).toUtf8() + kCsvLineEnd);
    return file_.isOpen();
}

void MonitorLog::startRun() {
    closeFile();
    setFailing(false);
}

void MonitorLog::setFailing(bool failing) {
    if (failing == failing_) return;
    failing_ = failing;
    emit fileWritingChanged(failing);
}

bool MonitorLog::openFile(const QString& name, bool append, MonLogEncoding encoding) {
    encoding_ = append ? ExistingEncoding(name, encoding) : encoding;
    return openForRun(name, append, std::nullopt);
}

bool MonitorLog::openForRun(const QString& name, bool append,
                            const std::optional<MonCsvStyle>& csv) {
    startRun();
    csv_ = csv.has_value();
    failureReported_ = false;
    wantFile_ = true;
    lostLines_ = 0;
    lostSinceFailure_ = 0;
    partialLine_ = false;
    if (name.isEmpty()) {
        reportFileFailure(name);
        setFailing(true);
        return false;
    }
    file_.setFileName(name);
    if (append) {
        const QString refusal = AppendRefusal(name, csv);
        if (!refusal.isEmpty()) {
            failureReported_ = true;
            setFailing(true);
            emit fileFailed(refusal);
            return false;
        }
    }
    // Unbuffered: a line the disk refused must not wait in a buffer to be
    // written later, out of order, behind the lines that followed it.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    mode |= (append && QFile::exists(name)) ? QIODevice::Append : QIODevice::Truncate;
    if (!file_.open(mode)) {
        reportFileFailure(name, file_.errorString());
        setFailing(true);
        return false;
    }
    return true;
}

void MonitorLog::closeFile() {
    wantFile_ = false;
    if (file_.isOpen()) file_.close();
    writeFailure_.clear();
}

void MonitorLog::writeToFile(const QString& line) {
    writeBytes(encodeLine(line) + "\r\n");
}

QByteArray MonitorLog::encodeLine(const QString& line) const {
    return encoding_ == MonLogEncoding::Utf8 ? line.toUtf8() : EncodeWindows1250(line);
}

void MonitorLog::writeBytes(const QByteArray& bytes) {
    // Written and flushed line by line: a run of days must not lose its last
    // hours to a power cut or a pulled stick.
    if (!writeFailure_.isEmpty() && !writeResumedLine()) {
        ++lostLines_;
        ++lostSinceFailure_;
        return;
    }
    const qint64 sizeBefore = file_.size();
    const QString reason = AppendChecked(file_, bytes);
    if (reason.isEmpty()) return;
    partialLine_ = file_.size() > sizeBefore;
    ++lostLines_;
    ++lostSinceFailure_;
    writeFailure_ = reason;
    failureReported_ = false;
    reportFileFailure(file_.fileName(), reason);
    setFailing(true);
}

// The line that closes a gap in the file: the half line the disk took is
// ended, and a text log says when and how many lines are missing.
bool MonitorLog::writeResumedLine() {
    QByteArray bytes = partialLine_ ? QByteArray("\r\n") : QByteArray();
    if (!csv_)
        bytes += encodeLine(QString::fromLatin1(texts::kMonLogResumed) +
                            FormatDateTime(DayNumberOf(QDateTime::currentDateTime()), true) +
                            QString::fromLatin1(texts::kMonLogLinesLost) +
                            QString::number(lostSinceFailure_)) +
                 "\r\n";
    if (bytes.isEmpty() || AppendChecked(file_, bytes).isEmpty()) {
        writeFailure_.clear();
        partialLine_ = false;
        lostSinceFailure_ = 0;
        setFailing(false);
        return true;
    }
    return false;
}

void MonitorLog::reportFileFailure(const QString& name, const QString& reason) {
    if (failureReported_) return;
    failureReported_ = true;
    QString message = QCoreApplication::translate("Monitoring", texts::kMonLogFileFailed).arg(name);
    if (!reason.isEmpty()) message += QLatin1Char('\n') + reason;
    emit fileFailed(message);
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
    PrintMonMemo(QString::asprintf(operation_text::kMonitorNoCommunication, address));
    PrintMonMemo(QString::fromLatin1(operation_text::kMonitorBlankLine));
}

void MonitorLog::writePortNotConnected() {
    PrintMonMemo(QString::fromLatin1(operation_text::kMonitorPortNotConnected));
    PrintMonMemo(QString::fromLatin1(operation_text::kMonitorBlankLine));
}

}  // namespace lmk17
