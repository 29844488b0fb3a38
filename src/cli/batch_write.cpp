#include "cli/batch_write.h"

#include <QDir>

#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "cli/write_options.h"
#include "link/port_connection.h"
#include "stack/batch_write.h"

namespace lmk17::cli {

namespace {

void printSummary(Context& c, const BatchSummary& summary) {
    c.out << "address  serial    result\n";
    for (const BatchUnitRow& row : summary.rows)
        c.out << QString::number(row.address).rightJustified(7) << "  "
              << BatchSerialText(row.serial).leftJustified(8) << "  " << BatchRowResultText(row)
              << '\n';
}

}  // namespace

int BatchWrite(Context& c, const QString& file, const std::vector<int>& addresses,
               WriteSafety safety, const QString& protocolDir) {
    if (!PrepareProtocolFolder(protocolDir).isEmpty()) {
        c.err << "lmk17-cli write: the folder " << protocolDir << " cannot be made" << Qt::endl;
        return ExitFileError;
    }
    CliSession s(c);
    s.stack().setWriteSafety(safety);
    if (const int rc = LoadConfigurationFile(c, file, s.model()); rc != ExitOk) return rc;
    if (const int rc = s.open()) return rc;

    BatchWriter batch(s.stack());
    QObject::connect(&batch, &BatchWriter::unitStarted, [&](int, int address) {
        c.err << "lmk17-cli write: address " << address << Qt::endl;
    });
    QObject::connect(&batch, &BatchWriter::unitFinished, [&](const BatchUnitRow& row) {
        ReportWriteEnd(c, s, "write", s.session().lastOutcome());
        if (!row.protocolError.isEmpty()) c.err << row.protocolError << Qt::endl;
    });
    s.setInterruptHandler([&](const OperationRecord& was) {
        ReportWriteInterrupted(c, "write", was);
        batch.stopAfterUnit();
    });
    BatchWriter::Start started = BatchWriter::Start::Busy;
    s.runUntil([&] { started = batch.start(addresses, protocolDir); },
               [&] { return !batch.running(); });
    if (started != BatchWriter::Start::Started) return ExitFailure;
    printSummary(c, batch.summary());
    return batch.summary().ok() ? ExitOk : ExitFailure;
}

}  // namespace lmk17::cli
