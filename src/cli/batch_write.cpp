#include "cli/batch_write.h"

#include <QDir>

#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "cli/write_options.h"
#include "common/day_number.h"
#include "link/port_connection.h"
#include "reports/config_protocol.h"
#include "reports/pdf_export.h"

namespace lmk17::cli {

namespace {

struct UnitResult {
    int address = 0;
    qint32 serial = 0;  // 0: not identified
    QString result;
    bool ok = false;
};

QString resultText(OperationOutcome outcome, const WriteSafetyReport& report, qint32 serial) {
    switch (outcome) {
        case OperationOutcome::Completed:
            return QStringLiteral("written and verified");
        case OperationOutcome::Unchanged:
            return QStringLiteral("unchanged: it held the configuration");
        case OperationOutcome::Mismatched:
            return QStringLiteral("FAILED: written, but reading it back gives other values");
        case OperationOutcome::BackupFailed:
            return QStringLiteral("FAILED: no backup could be kept; nothing written");
        case OperationOutcome::Refused:
            return QStringLiteral("FAILED: refused; nothing written");
        case OperationOutcome::Declined:
            return QStringLiteral("FAILED: not confirmed; nothing written");
        default:
            break;
    }
    if (report.writeStarted) return QStringLiteral("FAILED: LEFT HALF-WRITTEN, write it again");
    if (serial == 0) return QStringLiteral("FAILED: no answer; nothing written");
    return QStringLiteral("FAILED: stopped before writing; nothing written");
}

// The protocol of the configuration the unit now holds.
QString writeProtocol(const QString& folder, const ConfigModel& model, qint32 serial) {
    const QString path = QDir(folder).filePath(QString::asprintf("%.8d.pdf", int(serial)));
    const ConfigurationReport rows = ConfigurationRows(model);
    const double today = CurrentDayNumber();
    const QString error =
        WriteReportPdf(path, QStringLiteral("Transmitter Configuration Protocol"),
                       [&](const QPaintDevice& device) {
                           return LayoutProtocol(device, rows, ProtocolSignature{}, today);
                       });
    return error;
}

void printSummary(Context& c, const std::vector<UnitResult>& units) {
    c.out << "address  serial    result\n";
    for (const UnitResult& u : units) {
        const QString serial =
            u.serial > 0 ? QString::asprintf("%.8d", int(u.serial)) : QStringLiteral("-");
        c.out << QString::number(u.address).rightJustified(7) << "  " << serial.leftJustified(8)
              << "  " << u.result << '\n';
    }
}

}  // namespace

int BatchWrite(Context& c, const QString& file, const std::vector<int>& addresses,
               WriteSafety safety, const QString& protocolDir) {
    if (!protocolDir.isEmpty() && !QDir().mkpath(protocolDir)) {
        c.err << "lmk17-cli write: the folder " << protocolDir << " cannot be made" << Qt::endl;
        return ExitFileError;
    }
    safety.keepUnitSettings = true;
    CliSession s(c);
    s.stack().setWriteSafety(safety);
    if (const int rc = LoadConfigurationFile(c, file, s.model()); rc != ExitOk) return rc;
    if (const int rc = s.open()) return rc;

    std::vector<UnitResult> units;
    bool failed = false;
    for (const int address : addresses) {
        // Each unit starts from the file again; it belongs to none of them.
        if (const int rc = LoadConfigurationFile(c, file, s.model()); rc != ExitOk) return rc;
        {
            ConfigModel::Edit edit = s.model().edit();
            edit.identity().serialNumber = 0;
            edit.config().SerialNumber = 0;
        }
        s.stack().connection().setTransmitterAddress(address);
        c.err << "lmk17-cli write: address " << address << Qt::endl;
        const OperationOutcome outcome = WriteConfiguration(c, s, "write");
        UnitResult unit;
        unit.address = address;
        unit.serial = s.session().lastIdentified().serialNumber;
        unit.ok = WriteExitCode(outcome) == ExitOk;
        unit.result = resultText(outcome, s.stack().lastWriteCheck(), unit.serial);
        if (unit.ok && !protocolDir.isEmpty()) {
            const QString error = writeProtocol(protocolDir, s.model(), unit.serial);
            if (!error.isEmpty()) {
                c.err << error << Qt::endl;
                unit.ok = false;
                unit.result += QStringLiteral("; the protocol could not be written");
            }
        }
        failed = failed || !unit.ok;
        units.push_back(unit);
        if (s.interrupted()) break;
    }
    printSummary(c, units);
    return failed ? ExitFailure : ExitOk;
}

}  // namespace lmk17::cli
