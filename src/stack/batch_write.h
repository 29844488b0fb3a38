#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "config/config_model.h"
#include "config/validation.h"
#include "operations/operation_outcome.h"
#include "stack/write_safety.h"

namespace lmk17 {

class TransmitterStack;

// What the write into one unit of a batch came to.
enum class BatchUnitResult {
    WrittenVerified,       // written, and reading it back gave what was sent
    Unchanged,             // it held the configuration already: nothing written
    Mismatched,            // written, but reading it back gives other values
    BackupFailed,          // its configuration could not be kept: nothing written
    Refused,               // refused (another type, a fixed range, …): nothing written
    Declined,              // the changes were not confirmed: nothing written
    HalfWritten,           // the write began and did not end: the unit must be written again
    NoAnswer,              // nothing answered at the address: nothing written
    StoppedBeforeWriting,  // stopped before anything was written
};

// Written and verified, or left as it was because it held the configuration.
bool BatchUnitSucceeded(BatchUnitResult result);

// The result of one unit from the write's outcome and what its check before
// the write did; identified: the unit answered identification; broken: the
// user broke the unit's write.
BatchUnitResult BatchUnitResultOf(OperationOutcome outcome, const WriteSafetyReport& report,
                                  bool identified, bool broken);

// One line of the summary.
struct BatchUnitRow {
    int address = 0;
    qint32 serial = 0;  // 0: not identified
    BatchUnitResult result = BatchUnitResult::StoppedBeforeWriting;
    QString protocolError;  // the protocol asked for could not be written

    bool ok() const { return BatchUnitSucceeded(result) && protocolError.isEmpty(); }
};

struct BatchSummary {
    std::vector<BatchUnitRow> rows;  // the units done, in the order of the list
    int planned = 0;                 // addresses in the list
    bool cancelled = false;          // ended before the last address

    int failed() const;
    int halfWritten() const;
    // Every unit of the list written (or found holding it), each protocol kept.
    bool ok() const { return failed() == 0 && int(rows.size()) == planned; }
};

// "1-8", "1,3,5-7": each address 0..31 once; the reason in error otherwise.
std::optional<std::vector<int>> ParseBatchAddresses(const QString& text, QString* error = nullptr);

// The texts of a result and of a summary line, translated where the program
// has a language module (the command line keeps the English ones).
QString BatchUnitResultText(BatchUnitResult result);
QString BatchRowResultText(const BatchUnitRow& row);
QString BatchSerialText(qint32 serial);  // "00001001", "-" when not identified
// What the batch did as a whole, for the end of the run.
QString BatchSummaryText(const BatchSummary& summary);

// A unit's protocol is named by its serial number: 00001001.pdf.
QString BatchProtocolFileName(qint32 serial);
// Makes the protocol folder; the reason when it cannot be made or is no full path.
QString PrepareProtocolFolder(const QString& folder);
// The protocol of the configuration the unit now holds; the reason when it
// could not be written (the folder keeps any older file of that name).
QString WriteUnitProtocol(const QString& folder, const ConfigModel& model, qint32 serial);

// The configuration of the main window written into each transmitter of an
// address list, one after another on the stack's normal write: each unit
// keeps its own address, baud rate, parity and user note, gets its backup,
// its differences question and its verification, and with a protocol folder
// its protocol. Questions go through the stack's UserInteraction as they do
// for a single write. The window's configuration is the same after the run
// as before it.
class BatchWriter : public QObject {
    Q_OBJECT
public:
    enum class Start {
        Started,
        Busy,             // an operation or another batch runs
        NotConnected,     // no port is open
        NoConfiguration,  // nothing to write
        NoAddresses,      // the list is empty
        FolderRefused,    // the protocol folder cannot be made
        CheckFailed,      // the complete check refused the configuration
    };

    explicit BatchWriter(TransmitterStack& stack, QObject* parent = nullptr);
    ~BatchWriter() override;

    // Whether the changes are asked about before each unit is written, as
    // the program's settings ask before every write (false: Yes for every
    // unit of the next run; the backups and verifications stay).
    void setAskEachUnit(bool ask) { askEachUnit_ = ask; }
    // The settings ask at all: otherwise there is nothing to answer for all.
    bool asksBeforeWriting() const;

    // Checks the configuration as Write does, takes it, and starts the first
    // unit; the check's outcome goes to check (its page and focus), the
    // folder's reason to error.
    Start start(const std::vector<int>& addresses, const QString& protocolFolder,
                CheckOutcome* check = nullptr, QString* error = nullptr);
    // No further unit; the running one is broken as Esc breaks a write (the
    // break question decides).
    void cancel();
    // No further unit; the running one is left to end (or is stopped by the
    // caller in its own way).
    void stopAfterUnit();

    bool running() const { return running_; }
    const BatchSummary& summary() const { return summary_; }

signals:
    void unitStarted(int index, int address);
    void unitFinished(const lmk17::BatchUnitRow& row);
    void finished(const lmk17::BatchSummary& summary);
    void runningChanged(bool running);

private:
    void startNext();
    void unitEnded(OperationOutcome outcome, bool refused = false);
    void takeConfiguration(bool forUnit);
    void restore();
    void finish();

    TransmitterStack& stack_;
    std::vector<int> addresses_;
    QString folder_;
    size_t next_ = 0;
    bool running_ = false;
    bool unitRunning_ = false;
    bool stopRequested_ = false;
    bool askEachUnit_ = true;
    bool broken_ = false;
    BatchSummary summary_;
    // What the window held before the run, and the settings the run changed.
    TransmitterConfig config_;
    ConfigIdentity identity_;
    ConfigOrigin origin_ = ConfigOrigin::None;
    bool unsaved_ = false;
    WriteSafety safety_;
    int address_ = 0;
};

// Why a start was refused, for the window (error: the reason start() gave).
QString BatchStartText(BatchWriter::Start start, const QString& error = {});

}  // namespace lmk17
