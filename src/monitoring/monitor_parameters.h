#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace lmk17 {

// The character set of a text log (formats 0..3); CSV logs are always UTF-8.
enum class MonLogEncoding { Windows1250, Utf8 };

// The monitoring parameters as the parameters dialog (MonParForm) keeps them:
// validated values, fixed for a run because the dialog cannot be opened while
// monitoring.
struct MonitorParameters {
    int intervalMs = 2000;  // MonIntervalEdt, 1000..1200000 by the dialog
    int pointLimit = 200;   // MonNGrfPntEdt, 20..2000
    int pointSymbol = 2;    // PntSymbCBox
    int format = 0;         // MonFormatCB, 0..3
    int separator = 0;      // MonDesOddCB: 0 comma, 1 dot
    int digits = 10;        // MonDecNumPVEdt, 3..25

    bool writeAll = true;      // MonMode1RBx; false: MonMode2RBx "Write when:"
    bool onChange = false;     // MonModeACBx
    int changePercent = 10;    // MonModeAEdt, 1..1000
    bool onErrorState = true;  // MonModeBCBx
    bool onCommError = true;   // MonModeCCBx
    bool onPeriod = false;     // MonModeDCBx
    int periodS = 300;         // MonModeDEdt, 20..7200

    int address = 0;  // MonAdr1CB item index
    // Several transmitters on one line, polled in this order each cycle
    // ("0,3,5-7"); empty: the one address above.
    std::vector<int> addresses;
    bool logToFile = true;  // LogToFileCBx
    QString logFile;        // MonLogFileEdt
    bool append = true;     // LogFileAppendCBx, else LogFileReWrCBx
    // Windows-1250 with CR LF, as text logs always were; a file appended to
    // keeps the encoding it has.
    MonLogEncoding logEncoding = MonLogEncoding::Windows1250;

    int periodMs() const { return periodS * 1000; }
    // The addresses a run monitors: the list when one is given, else the one address.
    std::vector<int> monitoredAddresses() const;

    // On closing the dialog: "Write when:" without any ticked condition
    // becomes "Write all Records".
    void normaliseOnClose();
};

// The value fields' rules as a settings file is read: each takes the text
// and gives the value to keep, brought into the field's range.
int CheckMonInterval(const QString& text);  // seconds typed, ms kept
int CheckMonPointLimit(const QString& text);
int CheckMonDigits(const QString& text);
int CheckMonPercent(const QString& text);
int CheckMonPeriod(const QString& text);  // seconds
QString ShowMonInterval(int ms);          // " %.1f" seconds

// The value fields of the dialog (and the command line's --interval).
enum class MonField {
    Interval,    // MonIntervalEdt: seconds typed, ms kept, 1..1200 s
    PointLimit,  // MonNGrfPntEdt: 20..2000
    Digits,      // MonDecNumPVEdt: 3..25
    Percent,     // MonModeAEdt: 1..1000
    Period,      // MonModeDEdt: seconds, 20..7200
};

// A field's check when the user leaves it: a text that is not a value the
// field takes (a typo, a value out of its range) is refused with a message
// naming the accepted range and the previous value, which is kept.
struct MonFieldCheck {
    int value = 0;     // what the field keeps (ms for the interval)
    QString refusal;   // empty: the text was taken
    QString accepted;  // of a refusal: what the field takes, without the kept value
};
MonFieldCheck CheckMonField(MonField field, const QString& text, int previous);
// The text the field shows for a value (" %.1f" seconds, else " %d").
QString ShowMonField(MonField field, int value);
QString ShowMonInteger(int value);  // " %d"

// An address list as typed: addresses 0..31 and ranges "5-7", separated by
// commas, blanks allowed, each address once, at most kMaxMonAddresses. The
// addresses in the order typed; nullopt with the reason in `error` otherwise.
inline constexpr int kMaxMonAddresses = 32;
std::optional<std::vector<int>> ParseMonAddressList(const QString& text, QString* error = nullptr);
// The list written back compactly: runs of three or more become ranges.
QString MonAddressListText(const std::vector<int>& addresses);

// The log file the dialog starts with: the program's folder + "default.log".
QString DefaultMonLogFile(const QString& programFolder);

}  // namespace lmk17
