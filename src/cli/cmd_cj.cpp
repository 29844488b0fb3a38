// lmk17-cli cj: the cold-junction temperature of a thermocouple transmitter.

#include "cli/cli_command.h"
#include "cli/live_cli_common.h"

namespace lmk17::cli {

namespace {

int cj(Context& c) {
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("cj takes no arguments"));
    CliSession s(c);
    if (const int rc = s.open()) return rc;
    if (!ReadConfigurationFirst(s, c)) return ExitFailure;
    LiveReadings& live = s.live();
    QString text;
    bool read = false;
    QObject::connect(&live, &LiveReadings::cjReadingDone, [&](const QString& t) {
        text = t;
        read = true;
    });
    s.run([&] { return live.startCjReading(); });
    if (!read) return ExitFailure;
    // A bare unit: nothing to read (no thermocouple) or no usable value.
    const bool value = text.contains(QRegularExpression(QStringLiteral("\\d")));
    if (c.options.json)
        c.out << QJsonDocument(QJsonObject{{"cjTemperature", text}, {"read", value}})
                     .toJson(QJsonDocument::Compact)
              << Qt::endl;
    else
        c.out << "CJ temperature: " << text << Qt::endl;
    return value ? ExitOk : ExitFailure;
}

Registrar cjCmd(
    {.name = "cj",
     .usage = "",
     .summary = "read the cold-junction temperature (thermocouple ranges; first reads the "
                "configuration)",
     .run = cj,
     .example = "lmk17-cli --port /dev/ttyUSB0 cj"});

}  // namespace
}  // namespace lmk17::cli
