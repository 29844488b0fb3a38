#pragma once

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "common/user_interaction.h"
#include "monitoring/monitor_csv.h"
#include "monitoring/monitor_parameters.h"

namespace lmk17 {

// The one writer of every monitoring line (PrintMonMemo): into the log window
// (MonMemo, kept here as the lines it shows) and, while a run logs to a file,
// into the log file with CR LF line ends in the program's 8-bit character set
// (Windows-1250) or, when asked for, in UTF-8.
//
// The window holds at most 501 lines: a line that arrives while it holds more
// than 500 empties it first, so a run of days keeps a bounded window.
//
// A file that cannot be opened or written never stops monitoring: the lines
// go on to the window. A failed write (a full disk) is reported through
// fileFailed() with the system's reason, the file stays open and every later
// line is tried again; the lines that could not be written are counted, and
// the first line that is written again is preceded by a line saying so. The
// failing state (lines meant for the file are being lost: it could not be
// opened or a write failed) shows through fileWritingChanged() until a line
// is written again or the next run starts; a run that ends while failing
// leaves it standing, for the lines it lost.
class MonitorLog : public QObject {
    Q_OBJECT
public:
    static constexpr int kWindowLimit = 500;
    static constexpr int kRuleWidth = 49;

    explicit MonitorLog(QObject* parent = nullptr);
    ~MonitorLog() override;

    void PrintMonMemo(const QString& line);
    const QStringList& windowLines() const { return window_; }
    // "Clear Log ": asks first; Yes empties the window, the file is not touched.
    void confirmAndClear(UserInteraction& ui);  // MonClearBtnClick
    void clearWindow();

    // The name as the dialog field holds it, cleaned: blanks trimmed, one
    // enclosing double quote at either end taken off.
    static QString CleanFileName(const QString& fieldText);
    // The file the field names: a name without a folder goes to the data
    // folder, not to wherever the program happened to be started (the field's
    // text as it is when it names nothing or there is no data folder).
    static QString ResolveFileName(const QString& fieldText, const QString& dataFolder);
    // The folder the file dialog opens in for the name the field holds.
    static QString BrowseFolder(const QString& fieldText, const QString& dataFolder);
    // Opens for the run: append when the file exists and append is asked for,
    // otherwise created or emptied. False (reported) when it cannot be opened
    // or must not be appended to (see AppendRefusal). A text log appended to
    // keeps the encoding the file has.
    bool openFile(const QString& name, bool append,
                  MonLogEncoding encoding = MonLogEncoding::Windows1250);
    // A CSV log (the spreadsheet formats): the file gets the header row when
    // it starts empty (so runs appended to one file share one header), then
    // only the record rows of writeCsvRow(), in UTF-8 behind a byte-order
    // mark; the window gets every line as usual.
    bool openCsvFile(const QString& name, bool append, const MonCsvStyle& style);

    // Why records of this kind (a CSV style, or none for a text log) cannot
    // be appended to the file: a CSV log only onto one with the same header
    // row and separator, a text log never onto a CSV log, as mixed records
    // would no longer open as one table. Empty when they can, or when the
    // file is missing or empty.
    static QString AppendRefusal(const QString& name, const std::optional<MonCsvStyle>& csv);
    // The encoding of an existing text log; `chosen` when the file does not
    // tell (missing, empty, or plain ASCII).
    static MonLogEncoding ExistingEncoding(const QString& name, MonLogEncoding chosen);
    MonLogEncoding encoding() const { return encoding_; }
    // A record row: to the window and, in CSV mode, to the file.
    void writeCsvRow(const QString& row);
    // Ends the file for the run; a failure to close is ignored.
    void closeFile();
    bool fileOpen() const { return file_.isOpen(); }
    // Lines meant for the log file of this run that are not in it (a file
    // that could not be opened, a full disk). Counted from openFile() on.
    int lostLines() const { return lostLines_; }
    // The file could not be opened, or a write has failed and none has
    // succeeded since (in this run or, when it ended so, the last one).
    bool fileWriteFailing() const { return failing_; }
    // A run starts: the failing state of the last one goes.
    void startRun();
    QString fileName() const { return file_.fileName(); }

    // The fixed lines of a run.
    void writeHeader(const QDateTime& now);
    void writeAddressLine(int address, const QString& typeText, qint32 serial);
    // The range line, then the column header between its rules.
    void writeRangeBlock(double lower, double upper, const QString& unit, const QString& format);
    void writeRangeLine(double lower, double upper, const QString& unit);
    // The header text with its leading blanks removed, between "=" and "-" rules.
    void writeColumnHeader(const QString& header);
    void writeFooter(const QDateTime& now);
    // The start-up failure lines, each followed by a line " ".
    void writeNoCommunication(int address);
    void writePortNotConnected();
    // The run goes on without its port, and the port is back.
    void writePortLost(const QDateTime& now, const QString& deviceName);
    void writePortResumed(const QDateTime& now, const QString& deviceName);

    static QString Rule(char c) { return QString(kRuleWidth, QLatin1Char(c)); }

signals:
    void lineAdded(const QString& line);
    void windowCleared();
    void fileFailed(const QString& message);
    void fileWritingChanged(bool failing);

private:
    void addToWindow(const QString& line);
    void writeToFile(const QString& line);
    void writeBytes(const QByteArray& bytes);
    QByteArray encodeLine(const QString& line) const;
    bool openForRun(const QString& name, bool append, const std::optional<MonCsvStyle>& csv);
    bool writeResumedLine();
    void reportFileFailure(const QString& name, const QString& reason = {});
    void setFailing(bool failing);

    QStringList window_;
    QFile file_;
    bool failureReported_ = false;
    bool csv_ = false;
    MonLogEncoding encoding_ = MonLogEncoding::Windows1250;
    bool wantFile_ = false;  // this run logs to a file
    QString writeFailure_;   // the reason of the failing write, empty while writes succeed
    bool partialLine_ = false;
    int lostLines_ = 0;
    int lostSinceFailure_ = 0;
    bool failing_ = false;
};

}  // namespace lmk17
