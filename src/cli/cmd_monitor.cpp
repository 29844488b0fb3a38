// lmk17-cli monitor: the periodic reading of one transmitter or several on
// one line, its records on stdout exactly as the log window shows them and,
// with --log, in a log file (text, or CSV for a spreadsheet). Runs until
// Ctrl-C (or --cycles N), then stops as the Stop button does; a port that
// goes away meanwhile is opened again by its name every two seconds.

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "cli/cli_command.h"
#include "cli/session_setup.h"
#include "cli/stop_signals.h"
#include "monitoring/monitor_log.h"
#include "monitoring/monitor_parameters.h"
#include "monitoring/monitor_record.h"
#include "monitoring/monitoring_engine.h"

namespace lmk17::cli {

namespace {

// "change=A,error,comm,period=S"
void ParseRecordWhen(Context& c, const QString& text, MonitorParameters& p) {
    p.writeAll = false;
    p.onChange = p.onErrorState = p.onCommError = p.onPeriod = false;
    for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = item.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = item.section(QLatin1Char('='), 1);
        const bool hasValue = item.contains(QLatin1Char('='));
        if (key == QLatin1String("change") && hasValue) {
            const int a = c.toInt(value, QStringLiteral("change"));
            if (a < 1 || a > 1000)
                throw UsageError(QStringLiteral("change=A: A is 1..1000 percent"));
            p.onChange = true;
            p.changePercent = a;
        } else if (key == QLatin1String("period") && hasValue) {
            const int s = c.toInt(value, QStringLiteral("period"));
            if (s < 20 || s > 7200) throw UsageError(QStringLiteral("period=S: S is 20..7200 s"));
            p.onPeriod = true;
            p.periodS = s;
        } else if (key == QLatin1String("error") && !hasValue) {
            p.onErrorState = true;
        } else if (key == QLatin1String("comm") && !hasValue) {
            p.onCommError = true;
        } else {
            throw UsageError(
                QStringLiteral("--record-when takes change=A, error, comm, period=S: %1")
                    .arg(item));
        }
    }
    if (!p.onChange && !p.onErrorState && !p.onCommError && !p.onPeriod)
        throw UsageError(QStringLiteral("--record-when needs at least one condition"));
}

MonitorParameters ParseMonitorOptions(Context& c, int& cycles) {
    MonitorParameters p;
    p.address = c.options.address;
    p.logToFile = false;
    const auto single = c.takeOption(QStringLiteral("--monitor-address"));
    if (auto v = single) {
        p.address = c.toInt(*v, QStringLiteral("--monitor-address"));
        if (p.address < 0 || p.address > 31)
            throw UsageError(QStringLiteral("--monitor-address must be 0..31"));
    }
    if (auto v = c.takeOption(QStringLiteral("--addresses"))) {
        QString why;
        const auto list = ParseMonAddressList(*v, &why);
        if (!list) throw UsageError(QStringLiteral("--addresses: ") + why);
        if (single)
            throw UsageError(
                QStringLiteral("--monitor-address and --addresses exclude each other"));
        p.addresses = *list;
    }
    if (auto v = c.takeOption(QStringLiteral("--interval"))) {
        // The dialog's own check and message: nothing is brought into range.
        const MonFieldCheck check = CheckMonField(MonField::Interval, *v, p.intervalMs);
        if (!check.refusal.isEmpty())
            throw UsageError(QStringLiteral("--interval: ") + check.accepted);
        p.intervalMs = check.value;
    }
    if (auto v = c.takeOption(QStringLiteral("--log"))) {
        p.logToFile = true;
        p.logFile = *v;
        if (MonitorLog::CleanFileName(*v).isEmpty())
            throw UsageError(QStringLiteral("--log needs a file name"));
    }
    const bool append = c.takeFlag(QStringLiteral("--append"));
    const bool rewrite = c.takeFlag(QStringLiteral("--rewrite"));
    if (append && rewrite)
        throw UsageError(QStringLiteral("--append and --rewrite exclude each other"));
    p.append = !rewrite;
    if (auto v = c.takeOption(QStringLiteral("--format"))) {
        if (*v == QLatin1String("csv"))
            p.format = kMonFormatCsv;
        else if (*v == QLatin1String("csv-semicolon"))
            p.format = kMonFormatCsvSemicolon;
        else {
            // The text formats by number; the spreadsheet formats by name.
            p.format = c.toInt(*v, QStringLiteral("--format"));
            if (p.format < 0 || p.format >= kMonTextFormatCount)
                throw UsageError(QStringLiteral("--format must be 0..3, csv or csv-semicolon"));
        }
    }
    if (auto v = c.takeOption(QStringLiteral("--encoding"))) {
        if (v->compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0)
            p.logEncoding = MonLogEncoding::Utf8;
        else if (v->compare(QLatin1String("windows-1250"), Qt::CaseInsensitive) == 0)
            p.logEncoding = MonLogEncoding::Windows1250;
        else
            throw UsageError(QStringLiteral("--encoding must be windows-1250 or utf-8"));
        if (MonFormatIsCsv(p.format))
            throw UsageError(QStringLiteral("--encoding is for the text formats; CSV is UTF-8"));
    }
    if (auto v = c.takeOption(QStringLiteral("--separator"))) {
        if (*v == QLatin1String("comma"))
            p.separator = MonSeparatorComma;
        else if (*v == QLatin1String("dot"))
            p.separator = MonSeparatorDot;
        else
            throw UsageError(QStringLiteral("--separator must be comma or dot"));
    }
    if (auto v = c.takeOption(QStringLiteral("--digits"))) {
        p.digits = c.toInt(*v, QStringLiteral("--digits"));
        if (p.digits < 3 || p.digits > 25)
            throw UsageError(QStringLiteral("--digits must be 3..25"));
    }
    const auto all = c.takeOption(QStringLiteral("--record"));
    const auto when = c.takeOption(QStringLiteral("--record-when"));
    if (all && *all != QLatin1String("all"))
        throw UsageError(QStringLiteral("--record takes only 'all' (see --record-when)"));
    if (all && when)
        throw UsageError(QStringLiteral("--record all and --record-when exclude each other"));
    if (when) ParseRecordWhen(c, *when, p);
    cycles = 0;
    if (auto v = c.takeOption(QStringLiteral("--cycles"))) {
        cycles = c.toInt(*v, QStringLiteral("--cycles"));
        if (cycles < 1) throw UsageError(QStringLiteral("--cycles must be 1 or more"));
    }
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("monitor takes no arguments"));
    return p;
}

int monitor(Context& c) {
    int cycles = 0;
    const MonitorParameters params = ParseMonitorOptions(c, cycles);
    // Refused before the port is opened: a log of mixed formats opens as no table.
    if (params.logToFile && params.append) {
        const QString refusal = MonitorLog::AppendRefusal(
            MonitorLog::CleanFileName(params.logFile),
            MonFormatIsCsv(params.format)
                ? std::optional(params.format == kMonFormatCsvSemicolon ? MonCsvStyle::Semicolon()
                                                                        : MonCsvStyle::Comma())
                : std::nullopt);
        if (!refusal.isEmpty()) {
            c.err << "lmk17-cli monitor: " << refusal << Qt::endl;
            return ExitFileError;
        }
    }
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    MonitorLog& log = s.monitorLog();
    MonitoringEngine& monitoring = s.monitoring();
    monitoring.setParameters(params);
    QObject::connect(&log, &MonitorLog::lineAdded,
                     [&](const QString& line) { c.out << line << Qt::endl; });

    QEventLoop loop;
    QObject::connect(&monitoring, &MonitoringEngine::activeChanged, &loop, [&](bool active) {
        if (!active) loop.quit();
    });
    // A cycle ends when the indicator turns white again.
    int ended = 0;
    bool enough = false;
    QObject::connect(&monitoring, &MonitoringEngine::indicatorChanged, [&](bool busy) {
        if (!busy && cycles && ++ended >= cycles) enough = true;
    });
    const StopSignals stopSignals;
    QTimer poll;
    // Ctrl-C, SIGTERM, SIGHUP (or enough cycles) stop as the Stop button
    // does; a stop that finds an exchange still running is tried again on the
    // next round.
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if ((StopSignals::requested() || enough) && monitoring.active()) monitoring.stopConfirmed();
    });
    poll.start(50);
    const bool started = monitoring.startMonitoring();
    if (started && monitoring.active()) loop.exec();
    poll.stop();
    const bool stopRequested = StopSignals::requested();
    if (!started) {
        c.err << "lmk17-cli: monitoring could not be started" << Qt::endl;
        return ExitFailure;
    }
    // A log with holes is no record of the run, whatever the transmitters did.
    if (const int lost = log.lostLines()) {
        c.err << "lmk17-cli monitor: " << lost << (lost == 1 ? " line" : " lines")
              << " could not be written to the log file " << params.logFile << Qt::endl;
        return ExitFailure;
    }
    // Stopped by the user (or after the cycles asked for): the run did its work.
    return stopRequested || enough ? ExitOk : ExitFailure;
}

Registrar monitorCmd(
    {.name = "monitor",
     .usage = "[--monitor-address N | --addresses LIST] [--interval S] [--log FILE] "
              "[--append|--rewrite] "
              "[--format 0..3|csv|csv-semicolon] [--encoding windows-1250|utf-8] [--separator "
              "comma|dot] [--digits P] [--record all | "
              "--record-when change=A,error,comm,period=S] [--cycles N]",
     .summary =
         "monitor transmitters (one, or a LIST such as 0,3,5-7 on one line): PV and error state "
         "every S seconds (default 2), records on stdout as the log window shows them and in FILE; "
         "survives a lost port; until Ctrl-C or N cycles",
     .run = monitor,
     .options =
         "--monitor-address N\tthe one transmitter to monitor (default: --address)\n"
         "--addresses LIST\tseveral transmitters on the line, such as 0,3,5-7\n"
         "--interval S\tseconds between two readings, 1 to 1200 (default 2)\n"
         "--log FILE\talso write the records to FILE\n"
         "--append\tadd to an existing log file (the default); refused when its format differs\n"
         "--rewrite\treplace an existing log file\n"
         "--format 0..3|csv|csv-semicolon\ttext log format 0..3, or CSV for a spreadsheet\n"
         "--encoding windows-1250|utf-8\tencoding of a text log (default windows-1250, CR LF)\n"
         "--separator comma|dot\tdecimal separator of the text formats\n"
         "--digits P\tsignificant digits of the values, 3..25\n"
         "--record all\trecord every reading (the default)\n"
         "--record-when CONDITIONS\trecord only on change=A (percent), error, comm, period=S\n"
         "--cycles N\tstop after N readings of every transmitter",
     .exitCodes = "0\tstopped by Ctrl-C, SIGTERM, SIGHUP or after --cycles\n"
                  "1\tmonitoring could not start or lines could not be written to the log\n"
                  "2\tusage error\n"
                  "3\tthe log file holds another format and --append was asked for",
     .example = "lmk17-cli --port /dev/ttyUSB0 monitor --addresses 0,3 --interval 5 --log run.csv "
                "--format csv"});

}  // namespace
}  // namespace lmk17::cli
