// lmk17-cli pv: the primary variable, the output and the device error state,
// once or at an interval.

#include <QTimer>

#include "cli/cli_command.h"
#include "cli/live_cli_common.h"
#include "operations/pv_reading_values.h"

namespace lmk17::cli {

namespace {

int pv(Context& c) {
    const auto interval = c.takeOption(QStringLiteral("--interval"));
    const auto countText = c.takeOption(QStringLiteral("--count"));
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("pv takes no arguments"));
    int count = 1;
    if (countText) {
        count = c.toInt(*countText, QStringLiteral("--count"));
        if (count < 1) throw UsageError(QStringLiteral("--count must be 1 or more"));
    }
    const bool repeat = interval.has_value() || countText.has_value();
    PeriodEdit period = NormalisePeriod(QStringLiteral("1.0"));
    if (interval) {
        const double seconds = c.toReal(*interval, QStringLiteral("--interval"));
        period = NormalisePeriod(*interval);
        if (seconds != period.seconds)
            c.err << "lmk17-cli: interval taken as" << period.text << " s (0.2 to 15.0 s)"
                  << Qt::endl;
    }

    CliSession s(c);
    if (const int rc = s.open()) return rc;
    if (!ReadConfigurationFirst(s, c)) return ExitFailure;
    LiveReadings& live = s.live();
    live.setIntervalReading(repeat);
    live.leavePeriodEdit(period.text);
    int readings = 0;
    QObject::connect(&live, &LiveReadings::pvReadingDone, [&](const PvReadingResult& r) {
        PrintPvReading(c, r);
        // Enough readings: stop as the "Stop" button would, once the step
        // that reported has returned.
        if (++readings == count && countText)
            QTimer::singleShot(0, &live, [&] {
                if (s.engine().operation().processCode == ProcessPV) live.readOrStopPv();
            });
    });
    s.run([&] { return live.readOrStopPv(); });
    if (!repeat || countText) return readings >= count ? ExitOk : ExitFailure;
    // Until Ctrl-C: any other end is a failure the user gave up on.
    return readings > 0 && s.interrupted() ? ExitOk : ExitFailure;
}

Registrar pvCmd(
    {.name = "pv",
     .usage = "[--interval S] [--count N]",
     .summary = "read the primary variable, the output value, the test-mode state and the device "
                "errors (first reads the configuration); with --interval every S seconds (0.2 to "
                "15) until Ctrl-C or N readings",
     .run = pv,
     .options = "--interval S\tread again every S seconds, 0.2 to 15\n"
                "--count N\tstop after N readings",
     .example = "lmk17-cli --port /dev/ttyUSB0 --address 3 pv --interval 1 --count 10"});

}  // namespace
}  // namespace lmk17::cli
