// The decisions of a batch write: the address list, what each unit came to,
// the texts of the summary and the protocols named by serial number.

#include <QCoreApplication>
#include <QDir>

#include "common/day_number.h"
#include "monitoring/monitor_parameters.h"
#include "reports/config_protocol.h"
#include "reports/config_rows.h"
#include "reports/pdf_export.h"
#include "stack/batch_write.h"

namespace lmk17 {

namespace {

QString batchText(const char* source) {
    return QCoreApplication::translate("BatchWrite", source);
}

}  // namespace

bool BatchUnitSucceeded(BatchUnitResult result) {
    return result == BatchUnitResult::WrittenVerified || result == BatchUnitResult::Unchanged;
}

BatchUnitResult BatchUnitResultOf(OperationOutcome outcome, const WriteSafetyReport& report,
                                  bool identified, bool broken) {
    switch (outcome) {
        case OperationOutcome::Completed:
            return BatchUnitResult::WrittenVerified;
        case OperationOutcome::Unchanged:
            return BatchUnitResult::Unchanged;
        case OperationOutcome::Mismatched:
            return BatchUnitResult::Mismatched;
        case OperationOutcome::BackupFailed:
            return BatchUnitResult::BackupFailed;
        case OperationOutcome::Refused:
            return BatchUnitResult::Refused;
        case OperationOutcome::Declined:
            return BatchUnitResult::Declined;
        default:
            break;
    }
    // Whatever ended it, a write that began and did not end leaves the
    // transmitter's mark of an unfinished write behind.
    if (report.writeStarted) return BatchUnitResult::HalfWritten;
    if (!identified && !broken) return BatchUnitResult::NoAnswer;
    return BatchUnitResult::StoppedBeforeWriting;
}

int BatchSummary::failed() const {
    return int(
        std::count_if(rows.begin(), rows.end(), [](const BatchUnitRow& r) { return !r.ok(); }));
}

int BatchSummary::halfWritten() const {
    return int(std::count_if(rows.begin(), rows.end(), [](const BatchUnitRow& r) {
        return r.result == BatchUnitResult::HalfWritten;
    }));
}

std::optional<std::vector<int>> ParseBatchAddresses(const QString& text, QString* error) {
    if (text.trimmed().isEmpty()) {
        if (error)
            *error = batchText(QT_TRANSLATE_NOOP(
                "BatchWrite",
                "Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31)."));
        return std::nullopt;
    }
    return ParseMonAddressList(text, error);
}

QString BatchUnitResultText(BatchUnitResult result) {
    switch (result) {
        case BatchUnitResult::WrittenVerified:
            return batchText(QT_TRANSLATE_NOOP("BatchWrite", "written and verified"));
        case BatchUnitResult::Unchanged:
            return batchText(
                QT_TRANSLATE_NOOP("BatchWrite", "unchanged: it held the configuration"));
        case BatchUnitResult::Mismatched:
            return batchText(QT_TRANSLATE_NOOP(
                "BatchWrite", "FAILED: written, but reading it back gives other values"));
        case BatchUnitResult::BackupFailed:
            return batchText(QT_TRANSLATE_NOOP("BatchWrite",
                                               "FAILED: no backup could be kept; nothing written"));
        case BatchUnitResult::Refused:
            return batchText(QT_TRANSLATE_NOOP("BatchWrite", "FAILED: refused; nothing written"));
        case BatchUnitResult::Declined:
            return batchText(
                QT_TRANSLATE_NOOP("BatchWrite", "FAILED: not confirmed; nothing written"));
        case BatchUnitResult::HalfWritten:
            return batchText(
                QT_TRANSLATE_NOOP("BatchWrite", "FAILED: LEFT HALF-WRITTEN, write it again"));
        case BatchUnitResult::NoAnswer:
            return batchText(QT_TRANSLATE_NOOP("BatchWrite", "FAILED: no answer; nothing written"));
        case BatchUnitResult::StoppedBeforeWriting:
            break;
    }
    return batchText(
        QT_TRANSLATE_NOOP("BatchWrite", "FAILED: stopped before writing; nothing written"));
}

QString BatchRowResultText(const BatchUnitRow& row) {
    QString text = BatchUnitResultText(row.result);
    if (!row.protocolError.isEmpty())
        text += batchText(QT_TRANSLATE_NOOP("BatchWrite", "; the protocol could not be written"));
    return text;
}

QString BatchSerialText(qint32 serial) {
    return serial > 0 ? QString::asprintf("%.8d", int(serial)) : QStringLiteral("-");
}

QString BatchSummaryText(const BatchSummary& summary) {
    const int done = int(summary.rows.size());
    const int failed = summary.failed();
    QString text =
        batchText(QT_TRANSLATE_NOOP("BatchWrite",
                                    "Written or already holding the configuration: %1 of %2."))
            .arg(done - failed)
            .arg(summary.planned);
    if (failed > 0)
        text += QLatin1Char(' ') +
                batchText(QT_TRANSLATE_NOOP("BatchWrite", "Failed: %1.")).arg(failed);
    if (summary.cancelled)
        text += QLatin1Char(' ') +
                batchText(QT_TRANSLATE_NOOP("BatchWrite", "Cancelled; not written: %1."))
                    .arg(summary.planned - done);
    if (const int half = summary.halfWritten(); half > 0)
        text +=
            QLatin1Char(' ') +
            batchText(QT_TRANSLATE_NOOP("BatchWrite", "LEFT HALF-WRITTEN: %1. Write them again."))
                .arg(half);
    return text;
}

QString BatchStartText(BatchWriter::Start start, const QString& error) {
    switch (start) {
        case BatchWriter::Start::Started:
            return {};
        case BatchWriter::Start::Busy:
            return batchText(QT_TRANSLATE_NOOP(
                "BatchWrite", "Another operation is running: wait until it has ended."));
        case BatchWriter::Start::NotConnected:
            return batchText(
                QT_TRANSLATE_NOOP("BatchWrite", "No communication port is connected."));
        case BatchWriter::Start::NoConfiguration:
            return batchText(QT_TRANSLATE_NOOP(
                "BatchWrite", "There is no configuration to write: read or load one first."));
        case BatchWriter::Start::NoAddresses:
            return batchText(QT_TRANSLATE_NOOP(
                "BatchWrite",
                "Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31)."));
        case BatchWriter::Start::FolderRefused:
            return error;
        case BatchWriter::Start::CheckFailed:
            break;
    }
    return batchText(QT_TRANSLATE_NOOP(
        "BatchWrite", "The configuration did not pass the check: correct it in the main window."));
}

QString BatchProtocolFileName(qint32 serial) {
    return QString::asprintf("%.8d.pdf", int(serial));
}

QString PrepareProtocolFolder(const QString& folder) {
    if (folder.isEmpty()) return {};
    // A relative folder would follow the folder the program was started in.
    if (!QDir::isAbsolutePath(folder))
        return batchText(QT_TRANSLATE_NOOP("BatchWrite",
                                           "The folder %1 is not a full path. Give the whole path "
                                           "or choose it with Browse."))
            .arg(QDir::toNativeSeparators(folder));
    if (QDir().mkpath(folder)) return {};
    return batchText(QT_TRANSLATE_NOOP("BatchWrite", "The folder %1 cannot be made."))
        .arg(QDir::toNativeSeparators(folder));
}

QString WriteUnitProtocol(const QString& folder, const ConfigModel& model, qint32 serial) {
    const QString path = QDir(folder).filePath(BatchProtocolFileName(serial));
    const ConfigurationReport rows = ConfigurationRows(model);
    const double today = CurrentDayNumber();
    return WriteReportPdf(
        path, batchText(QT_TRANSLATE_NOOP("BatchWrite", "Transmitter Configuration Protocol")),
        [&](const QPaintDevice& device) {
            return LayoutProtocol(device, rows, ProtocolSignature{}, today);
        });
}

}  // namespace lmk17
