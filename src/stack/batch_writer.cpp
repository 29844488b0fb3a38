// The batch write run unit after unit on the stack's normal write.

#include <QTimer>

#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "operations/transmitter_session.h"
#include "stack/batch_write.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

BatchWriter::BatchWriter(TransmitterStack& stack, QObject* parent)
    : QObject(parent), stack_(stack) {
    connect(&stack_.session(), &TransmitterSession::operationEnded, this,
            [this](OperationOutcome o) {
                if (unitRunning_) unitEnded(o);
            });
}

BatchWriter::~BatchWriter() {
    // Gone in the middle of a run: the unit's write ends as the program's
    // own stop ends it (a write cut short is reported), and the window gets
    // its configuration back; nobody is told of it any more.
    if (!running_) return;
    disconnect(&stack_.session(), nullptr, this, nullptr);
    if (unitRunning_) stack_.session().stopForShutdown();
    restore();
}

BatchWriter::Start BatchWriter::start(const std::vector<int>& addresses,
                                      const QString& protocolFolder, CheckOutcome* check,
                                      QString* error) {
    if (running_ || !stack_.idle()) return Start::Busy;
    if (!stack_.connection().isConnected()) return Start::NotConnected;
    if (!stack_.model().hasConfiguration()) return Start::NoConfiguration;
    if (addresses.empty()) return Start::NoAddresses;
    if (const QString why = PrepareProtocolFolder(protocolFolder); !why.isEmpty()) {
        if (error) *error = why;
        return Start::FolderRefused;
    }
    // The complete check takes what the window's pages show into the record:
    // that is the configuration every unit gets.
    if (!stack_.session().CheckAll(check)) return Start::CheckFailed;

    const ConfigModel& model = stack_.model();
    config_ = model.config();
    identity_ = model.identity();
    origin_ = model.origin();
    unsaved_ = model.unsavedChanges();
    safety_ = stack_.writeSafety();
    address_ = stack_.connection().settings().transmitterAddress;
    WriteSafety batch = safety_;
    batch.keepUnitSettings = true;
    batch.askDifferences = safety_.askDifferences && askEachUnit_;
    // Not asked unit by unit: a unit that holds the configuration already is
    // left as it is, and its row says so.
    if (!askEachUnit_ && batch.whenEqual == WriteSafety::WhenEqual::Ask)
        batch.whenEqual = WriteSafety::WhenEqual::Skip;
    batch.announceSkipped = false;
    stack_.setWriteSafety(batch);
    // The units' rows say what each write did; one box per unit would only
    // stand in the way of the next.
    stack_.session().setAnnounceWritten(false);

    addresses_ = addresses;
    folder_ = protocolFolder;
    next_ = 0;
    stopRequested_ = false;
    summary_ = BatchSummary{};
    summary_.planned = int(addresses.size());
    running_ = true;
    emit runningChanged(true);
    startNext();
    return Start::Started;
}

bool BatchWriter::asksBeforeWriting() const {
    return (running_ ? safety_ : stack_.writeSafety()).askDifferences;
}

void BatchWriter::cancel() {
    if (!running_) return;
    stopRequested_ = true;
    if (!unitRunning_) return;
    broken_ = true;
    stack_.breakOperation();
    // No to the break question: the unit goes on to its end.
    if (unitRunning_) broken_ = false;
}

void BatchWriter::stopAfterUnit() {
    if (running_) stopRequested_ = true;
}

// Each unit starts from the window's configuration: the last unit's own
// settings and serial number stay with it.
void BatchWriter::takeConfiguration(bool forUnit) {
    ConfigModel& model = stack_.model();
    model.setIdentity(identity_);
    model.setConfig(config_);
    model.setOrigin(origin_);
    model.RefreshFromConfig();
    model.setUnsavedChanges(unsaved_);
    if (!forUnit) return;
    // The configuration belongs to none of the units: no unit is taken for
    // another transmitter than the one the configuration came from.
    ConfigModel::Edit edit = model.edit();
    edit.identity().serialNumber = 0;
    edit.config().SerialNumber = 0;
}

void BatchWriter::startNext() {
    if (stopRequested_ || next_ >= addresses_.size()) {
        finish();
        return;
    }
    const int address = addresses_[next_];
    takeConfiguration(true);
    stack_.connection().setTransmitterAddress(address);
    stack_.forgetWriteCheck();
    broken_ = false;
    unitRunning_ = true;
    emit unitStarted(int(next_), address);
    const StartResult started = stack_.session().startWrite();
    if (started) return;
    // Refused (the port went away, the check refused): the next units would
    // fare no better.
    stopRequested_ = true;
    if (unitRunning_) unitEnded(OperationOutcome::Stopped, true);
}

void BatchWriter::unitEnded(OperationOutcome outcome, bool refused) {
    unitRunning_ = false;
    BatchUnitRow row;
    row.address = addresses_[next_];
    // A start refused before identification has identified nobody.
    const qint32 serial = refused ? 0 : stack_.session().lastIdentified().serialNumber;
    row.serial = serial > 0 ? serial : 0;
    row.result =
        BatchUnitResultOf(outcome, stack_.lastWriteCheck(), row.serial > 0, broken_ || refused);
    if (BatchUnitSucceeded(row.result) && !folder_.isEmpty())
        row.protocolError = WriteUnitProtocol(folder_, stack_.model(), row.serial);
    summary_.rows.push_back(row);
    ++next_;
    emit unitFinished(row);
    // The next unit once the session has finished ending this one.
    QTimer::singleShot(0, this, [this] {
        if (running_) startNext();
    });
}

void BatchWriter::restore() {
    takeConfiguration(false);
    stack_.setWriteSafety(safety_);
    stack_.session().setAnnounceWritten(true);
    stack_.connection().setTransmitterAddress(address_);
    running_ = false;
}

void BatchWriter::finish() {
    if (!running_) return;
    summary_.cancelled = summary_.rows.size() < addresses_.size();
    restore();
    emit runningChanged(false);
    emit finished(summary_);
}

}  // namespace lmk17
