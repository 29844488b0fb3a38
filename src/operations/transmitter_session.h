#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/validation.h"
#include "link/transaction_engine.h"
#include "operations/config_sequence.h"
#include "operations/device_identity.h"
#include "operations/identification.h"
#include "operations/operation_outcome.h"

namespace lmk17 {

// Ties the link, the configuration and the transmitter operations together.
// Windows and the command line only forward actions to it and show what it
// reports; it talks to the user only through UserInteraction.
//
// Every transmitter operation starts with identification: the start records
// the operation as pending and identification, once it has checked the
// device, hands over to it. The live operations (working time, PV, output
// test, CJ temperature, monitoring) register their step functions with the
// engine and start through startOperation():
//
//     engine.registerOperation(ProcessPV, [&] { pv.ReadPV(); }, [&] { pv.KonecPVRead(); });
//     session.startOperation(ProcessPV, 10);   // identification first, then ReadPV at step 10
//
// When identification hands over to a live operation, the working identity
// has already been adopted by the configuration (workingIdentity() holds the
// device's type, firmware and serial number).
class TransmitterSession : public QObject {
    Q_OBJECT
public:
    TransmitterSession(TransactionEngine& engine, ConfigModel& model, UserInteraction& ui,
                       QObject* parent = nullptr);
    ~TransmitterSession() override;

    TransactionEngine& engine() { return engine_; }
    ConfigModel& model() { return model_; }
    UserInteraction& ui() { return ui_; }

    // ---- starting operations -------------------------------------------------
    // Each start says why it refused, or Started. A start without an open
    // port goes the program's usual way (the repeat question offers to
    // connect) and reports NotConnected when that ended it at once.

    // "Read" / "&Read Configuration": asks about unsaved changes, keeps a
    // backup of the record and starts identification with the read pending.
    StartResult startRead();  // PrevodnikLoadBtnClick
    // "Write" / "&Write Configuration": needs a configuration, runs the
    // complete check and starts identification with the write pending;
    // LastChangeDate is stamped when identification hands over to the
    // writing. The check runs over the model's controls while pages show
    // them, else over the record's own values; the window gets the check's
    // page and focus back in check.
    StartResult startWrite(CheckOutcome* check = nullptr);  // PrevodnikSaveBtnClick
    // Any other operation: disables the commands, makes (processCode, step)
    // the pending operation and starts identification.
    StartResult startOperation(ProcessCode processCode, int step);
    // Identification alone (nothing pending): reads and checks the device.
    StartResult identify();

    bool busy() const;

    // Takes the engine's identification and configuration steps (back):
    // another session on the same engine (a read for a comparison, into a
    // record of its own) registers its own while it lives.
    void registerSteps();
    OperationOutcome lastOutcome() const { return outcome_; }

    // ---- the program's end -----------------------------------------------------
    // The close procedure's question (ApplClose): with an operation running it
    // is asked with the operation paused; No lets the operation go on.
    bool confirmShutdown(const QString& question);
    // Ends whatever runs because the program (or the command) ends. A write
    // cut short leaves the transmitter's mark of an unfinished write: the user
    // is warned. Returns the operation that was stopped (empty when none).
    OperationRecord stopForShutdown();

    // ---- identity ----------------------------------------------------------------
    DeviceIdentity& workingIdentity() { return working_; }
    const DeviceIdentity& workingIdentity() const { return working_; }
    // What the last identification read from the device, kept after a stop
    // or a refusal has restored the working identity (for reports); empty
    // when the last one got no identity.
    const DeviceIdentity& lastIdentified() const { return lastIdentified_; }
    IdentityRefusal lastRefusal() const { return lastRefusal_; }

    // The record as it was when the current read started.
    const TransmitterConfig& backup() const { return backup_; }

    // Between identification and a write: the transmitter's configuration as
    // it is now, read into a model of its own, goes to this check (a backup,
    // the differences, the question). Running lets the write go on; any other
    // outcome ends the operation with nothing written, after the check has
    // told the user why. Without a check the write starts at once.
    using BeforeWriteCheck = std::function<OperationOutcome(ConfigModel& present)>;
    void setBeforeWrite(BeforeWriteCheck check) { beforeWrite_ = std::move(check); }
    bool readsBeforeWrite() const { return bool(beforeWrite_); }
    // Whether a write that ended well says so in a message of its own (off
    // while a batch lists each unit's result itself).
    void setAnnounceWritten(bool on) { announceWritten_ = on; }

    // The complete check before a write (CheckAll, validation_model.h). True
    // when the record passed. Its messages are shown; the outcome (page,
    // focus) goes to check.
    bool CheckAll(CheckOutcome* check = nullptr);

signals:
    // The window brings up its "Input" page.
    void inputPageRequested();
    // The operation started through the session has ended.
    void operationEnded(OperationOutcome outcome);

private:
    // ---- used by the operations -------------------------------------------------
    friend class Identification;
    friend class ConfigSequence;
    friend class MonitoringEngine;
    friend class OutputTest;

    // ReadVyrCislo: identification with whatever is pending.
    void ReadVyrCislo();
    void setOutcome(OperationOutcome outcome) { outcome_ = outcome; }
    void noteIdentified(IdentityRefusal refusal);
    // Runs the operation that is now current in the operation record (a live
    // operation after identification).
    void RunCurrentOperation();
    // Identification hands over to the configuration sequence at step 10.
    void StartConfigSequence(bool writing);
    // The read before a write has ended: the check decides whether the
    // write goes on (true) or the operation ends here.
    bool CheckBeforeWrite(const TransmitterConfig& present);
    // The write sequence itself begins.
    void BeginWriting();
    // Step 390: adopts the identity, the undo copy and the record after a
    // read, confirms a write.
    // A write's read-back that differs (one line per parameter) turns the
    // success message into the list of differences.
    void FinishConfigSequence(bool writing, const QStringList& mismatches = {});
    // The corrupt-configuration path of identification.
    void PresetCorruptConfiguration();
    // A read that is given up (declined repeat or a break) leaves the record
    // exactly as it was before the read.
    void RestoreBackup();
    // Takes the copy a failed read goes back to.
    void TakeBackup();

    void onCommandsEnabledChanged(bool enabled);
    void onIdentityRestoreRequested();
    StartResult startIdentification(ProcessCode pendingCode, int pendingStep);

    TransactionEngine& engine_;
    ConfigModel& model_;
    UserInteraction& ui_;
    DeviceIdentity working_;
    DeviceIdentity lastIdentified_;
    IdentityRefusal lastRefusal_ = IdentityRefusal::None;
    TransmitterConfig backup_;
    bool readInProgress_ = false;  // the record is being filled by a read
    bool announceWritten_ = true;  // "written without any errors" shown after a write
    OperationOutcome outcome_ = OperationOutcome::None;
    bool active_ = false;  // started through the session, not yet ended
    BeforeWriteCheck beforeWrite_;
    Identification identification_;
    ConfigSequence sequence_;
};

}  // namespace lmk17
