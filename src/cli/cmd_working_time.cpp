// lmk17-cli working-time: how long the transmitter has been working.

#include "cli/cli_command.h"
#include "cli/live_cli_common.h"

namespace lmk17::cli {

namespace {

int workingTime(Context& c) {
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("working-time takes no arguments"));
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    if (!ReadConfigurationFirst(s, c)) return ExitFailure;
    LiveReadings& live = s.live();
    bool read = false;
    QObject::connect(&live, &LiveReadings::workingTimeDone, [&](qint32 seconds, const QString& t) {
        read = true;
        if (c.options.json)
            c.out << QJsonDocument(QJsonObject{{"seconds", seconds}, {"text", t}})
                         .toJson(QJsonDocument::Compact)
                  << Qt::endl;
        else
            c.out << "Working time: " << t << " (" << seconds << " s)" << Qt::endl;
    });
    s.run([&] { return live.startWorkingTimeReading(); });
    return read ? ExitOk : ExitFailure;
}

Registrar workingTimeCmd({.name = "working-time",
                          .usage = "",
                          .summary = "read the working time of the transmitter (first reads the "
                                     "configuration)",
                          .run = workingTime,
                          .example = "lmk17-cli --port /dev/ttyUSB0 working-time"});

}  // namespace
}  // namespace lmk17::cli
