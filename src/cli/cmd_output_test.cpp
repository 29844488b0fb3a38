// lmk17-cli output-test: drive the analogue output to test values, or leave
// the test mode.

#include <QTimer>

#include "cli/cli_command.h"
#include "cli/live_cli_common.h"
#include "config/catalogue.h"
#include "operations/pv_reading_values.h"

namespace lmk17::cli {

namespace {

struct TestRequest {
    enum Kind { Single, Cycle, Exit } kind = Single;
    QStringList values;  // in the output unit
    QString period;
    int count = 0;                // values to send in a cycle; 0 = until Ctrl-C
    bool stayInTestMode = false;  // a stop signal leaves the output at its test value
};

TestRequest ParseTestRequest(Context& c) {
    TestRequest t;
    const auto value = c.takeOption(QStringLiteral("--value"));
    const auto cycle = c.takeOption(QStringLiteral("--cycle"));
    const auto period = c.takeOption(QStringLiteral("--period"));
    const auto count = c.takeOption(QStringLiteral("--count"));
    const bool exit = c.takeFlag(QStringLiteral("--exit"));
    t.stayInTestMode = c.takeFlag(QStringLiteral("--stay-in-test-mode"));
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("output-test takes no arguments"));
    if (int(value.has_value()) + int(cycle.has_value()) + int(exit) != 1)
        throw UsageError(QStringLiteral("give exactly one of --value V, --cycle V1,V2,V3, --exit"));
    if ((period || count || t.stayInTestMode) && !cycle)
        throw UsageError(
            QStringLiteral("--period, --count and --stay-in-test-mode go with --cycle"));
    if (exit) {
        t.kind = TestRequest::Exit;
        return t;
    }
    if (value) {
        c.toReal(*value, QStringLiteral("--value"));
        t.values = {*value};
        return t;
    }
    t.kind = TestRequest::Cycle;
    t.values = cycle->split(QLatin1Char(','));
    if (t.values.size() != 3)
        throw UsageError(QStringLiteral("--cycle takes three values: V1,V2,V3"));
    for (const QString& v : t.values) c.toReal(v, QStringLiteral("--cycle"));
    if (!period) throw UsageError(QStringLiteral("--cycle needs --period S"));
    c.toReal(*period, QStringLiteral("--period"));
    t.period = *period;
    if (count) {
        t.count = c.toInt(*count, QStringLiteral("--count"));
        if (t.count < 1) throw UsageError(QStringLiteral("--count must be 1 or more"));
    }
    return t;
}

// The edits take the values as the window would: a value outside the output
// test range is refused (its message has been shown) and nothing is sent.
bool SetValues(LiveReadings& live, const TestRequest& t, Context& c) {
    for (int i = 0; i < t.values.size(); ++i)
        if (!live.leaveTestValueEdit(i, t.values[i])) return false;
    live.selectTestValue(0);
    live.setAutomaticTesting(t.kind == TestRequest::Cycle);
    if (t.kind == TestRequest::Cycle) {
        const PeriodEdit period = NormalisePeriod(t.period);
        double typed = 0;
        ParseFieldNumber(t.period, typed);
        if (typed != period.seconds)
            c.err << "lmk17-cli: period taken as" << period.text << " s (0.2 to 15.0 s)"
                  << Qt::endl;
        live.leaveTestPeriodEdit(period.text);
    }
    return true;
}

int outputTest(Context& c) {
    const TestRequest t = ParseTestRequest(c);
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    if (!ReadConfigurationFirst(s, c)) return ExitFailure;
    LiveReadings& live = s.live();
    const OutputTypeEntry* output = OutputTypeOf(s.model().identity().typeIndex);
    const QString unit = output ? UnitSymbol(output->UnitCode) : QString();
    if (!SetValues(live, t, c)) return ExitUsage;
    int readings = 0;
    QObject::connect(&live, &LiveReadings::pvReadingDone, [&](const PvReadingResult& r) {
        if (!c.options.json && t.kind != TestRequest::Exit)
            c.out << "value" << live.page().valueTexts[size_t(live.page().selectedValue)] << ' '
                  << unit << ":  ";
        PrintPvReading(c, r);
        if (++readings == t.count && t.kind == TestRequest::Cycle)
            QTimer::singleShot(0, &live, [&] {
                if (live.outputTest().running()) live.useOrStopOutputTest();  // "Stop"
            });
    });
    s.run([&] {
        return t.kind == TestRequest::Exit ? live.exitOutputTesting() : live.useOrStopOutputTest();
    });
    // Stopped by a signal, the operator has most likely walked away: the loop
    // must not stay at a test current unless that was asked for.
    const bool stopped = s.interrupted();
    if (t.kind == TestRequest::Cycle && stopped && !t.stayInTestMode &&
        live.page().testModeVisible) {
        s.run([&] { return live.exitOutputTesting(); });
        if (live.page().testModeVisible)
            c.err << "lmk17-cli: the output test mode could not be left; leave it with "
                     "output-test --exit"
                  << Qt::endl;
        else
            c.err << "lmk17-cli: stopped; the output test mode was left" << Qt::endl;
        if (live.page().testModeVisible) return ExitFailure;
    }
    if (t.kind == TestRequest::Cycle && live.page().testModeVisible)
        c.err << "lmk17-cli: the output test mode stays active; leave it with output-test --exit"
              << Qt::endl;
    if (t.kind == TestRequest::Cycle)
        return readings > 0 && (t.count ? readings >= t.count : stopped) ? ExitOk : ExitFailure;
    return readings > 0 ? ExitOk : ExitFailure;
}

Registrar outputTestCmd(
    {.name = "output-test",
     .usage = "(--value V | --cycle V1,V2,V3 --period S [--count N] "
              "[--stay-in-test-mode] | --exit)",
     .summary = "drive the output to a test value in mA or V (--value), step through "
                "three values every S seconds until Ctrl-C or N values (--cycle; "
                "Ctrl-C, SIGTERM or SIGHUP leave the test mode unless "
                "--stay-in-test-mode), or leave the test mode (--exit); each value is "
                "followed by a PV reading",
     .run = outputTest,
     .options = "--value V\tdrive the output to V (mA or V)\n"
                "--cycle V1,V2,V3\tstep through three values\n"
                "--period S\tseconds per value of --cycle\n"
                "--count N\tstop --cycle after N values\n"
                "--stay-in-test-mode\tstay in the test mode when --cycle ends\n"
                "--exit\tleave the test mode",
     .example = "lmk17-cli --port /dev/ttyUSB0 output-test --cycle 4,12,20 --period 10"});

}  // namespace
}  // namespace lmk17::cli
