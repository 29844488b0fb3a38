// lmk17-cli scan: find the transmitters on a line whose address, baud rate or
// parity nobody wrote down.

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <set>

#include "cli/cli_command.h"
#include "cli/identity_report.h"
#include "cli/session_setup.h"
#include "cli/stop_signals.h"
#include "link/line_scan.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"

namespace lmk17::cli {

namespace {

constexpr int kLongestProbeAllowanceMs = 2000;

// "0-31", "1,5,9", "3-7,17"
std::vector<int> parseAddresses(const QString& text) {
    std::set<int> seen;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool ok1 = false, ok2 = false;
        const int from = ends.value(0).toInt(&ok1);
        const int to = ends.size() == 2 ? ends[1].toInt(&ok2) : (ok2 = true, from);
        if (!ok1 || !ok2 || ends.size() > 2 || from < 0 || to > 31 || from > to)
            throw UsageError(
                QStringLiteral("--addresses takes addresses 0..31 and ranges (0-31,5,7-9): %1")
                    .arg(text));
        for (int a = from; a <= to; ++a) seen.insert(a);
    }
    return {seen.begin(), seen.end()};
}

std::vector<int> parseBauds(const QString& text) {
    std::vector<int> bauds;
    if (text == QLatin1String("all")) {
        for (const BaudRateEntry& e : kBaudRates) bauds.push_back(e.rate);
        return bauds;
    }
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int rate = part.trimmed().toInt(&ok);
        if (!ok || !BaudRateByRate(rate))
            throw UsageError(
                QStringLiteral(
                    "--baud takes all or rates of 600, 1200, 2400, 4800, 9600, 19200: %1")
                    .arg(text));
        bauds.push_back(rate);
    }
    return bauds;
}

std::vector<LinkParity> parseParities(const QString& text) {
    if (text == QLatin1String("all")) return {LinkParity::Odd, LinkParity::Even, LinkParity::None};
    std::vector<LinkParity> parities;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const std::optional<LinkParity> p = ParityFromName(part.trimmed());
        if (!p)
            throw UsageError(QStringLiteral("--parity takes all or none,odd,even: %1").arg(text));
        parities.push_back(*p);
    }
    return parities;
}

QString settingText(const ScanSetting& s) {
    return QStringLiteral("%1 Bd, parity %2").arg(s.baud).arg(ParityName(s.parity));
}

int scan(Context& c) {
    const std::vector<int> addresses = parseAddresses(
        c.takeOption(QStringLiteral("--addresses")).value_or(QStringLiteral("0-31")));
    // --baud and --parity (global options) say which speeds and parities to try.
    const QString& baudText = c.options.baudText;
    const QString& parityText = c.options.parityText;
    const std::vector<int> bauds =
        parseBauds(baudText.isEmpty() ? QStringLiteral("all") : baudText);
    const std::vector<LinkParity> parities =
        parseParities(parityText.isEmpty() ? QStringLiteral("all") : parityText);
    const bool all = c.takeFlag(QStringLiteral("--all"));
    int allowanceMs = kDefaultProbeAllowanceMs;
    if (const auto v = c.takeOption(QStringLiteral("--probe-ms"))) {
        allowanceMs = c.toInt(*v, QStringLiteral("--probe-ms"));
        if (allowanceMs < 0 || allowanceMs > kLongestProbeAllowanceMs)
            throw UsageError(
                QStringLiteral("--probe-ms must be 0..%1").arg(kLongestProbeAllowanceMs));
    }
    c.rejectUnknownOptions();
    if (!c.args.isEmpty()) throw UsageError(QStringLiteral("scan takes no arguments"));

    CliSession s(c);
    if (const int rc = s.open()) return rc;
    LineScan::Plan plan;
    plan.addresses = addresses;
    plan.settings = ScanOrder(bauds, parities, std::nullopt);
    plan.all = all;
    plan.allowanceMs = allowanceMs;
    if (plan.settings.empty()) throw UsageError(QStringLiteral("no baud rate and parity to try"));

    LineScan lineScan(s.port(), s.engine());
    QEventLoop loop;
    QObject::connect(&lineScan, &LineScan::finished, &loop, &QEventLoop::quit);
    std::optional<ScanSetting> shown;
    const int total = int(plan.addresses.size() * plan.settings.size());
    QObject::connect(&lineScan, &LineScan::probing,
                     [&](int index, int address, const ScanSetting& setting) {
                         if (shown == setting) return;
                         shown = setting;
                         c.err << QStringLiteral("scan: %1 (probe %2 of %3, address %4)")
                                      .arg(settingText(setting))
                                      .arg(index + 1)
                                      .arg(total)
                                      .arg(address)
                               << Qt::endl;
                     });
    QObject::connect(&lineScan, &LineScan::found, [&](const ScanHit& hit) {
        c.err << QStringLiteral("scan: answer from address %1 at %2")
                     .arg(hit.address)
                     .arg(settingText(hit.setting))
              << Qt::endl;
    });
    // Ctrl-C, SIGTERM and SIGHUP end the search within the probe under way.
    const StopSignals stopSignals;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!StopSignals::requested()) return;
        StopSignals::clear();
        lineScan.cancel();
    });
    poll.start(20);
    if (!lineScan.start(plan)) {
        c.err << "lmk17-cli: the search could not start" << Qt::endl;
        return ExitFailure;
    }
    loop.exec();
    poll.stop();
    if (lineScan.cancelled()) c.err << "scan: cancelled" << Qt::endl;

    // What each one is: identification at its own setting.
    QJsonArray list;
    for (const ScanHit& hit : lineScan.hits()) {
        PortConnection& connection = s.stack().connection();
        connection.setBaudIndex(BaudIndexFromRate(hit.setting.baud));
        connection.setParityIndex(int(hit.setting.parity));
        connection.setTransmitterAddress(hit.address);
        const OperationOutcome outcome = s.run([&] { return s.session().identify(); });
        const bool known =
            outcome == OperationOutcome::Completed || outcome == OperationOutcome::Refused;
        const DeviceIdentity& id = s.session().lastIdentified();
        if (c.options.json) {
            QJsonObject o = known ? IdentityJson(id, s.session().lastRefusal()) : QJsonObject{};
            o.insert(QStringLiteral("address"), hit.address);
            o.insert(QStringLiteral("baud"), hit.setting.baud);
            o.insert(QStringLiteral("parity"), ParityName(hit.setting.parity));
            if (!known) o.insert(QStringLiteral("serialNumber"), hit.serial);
            list.append(o);
        } else {
            c.out
                << QStringLiteral("address %1, %2: ").arg(hit.address).arg(settingText(hit.setting))
                << (known ? IdentitySummary(id)
                          : QStringLiteral("serial number %1 (identification failed)")
                                .arg(hit.serial, 8, 10, QLatin1Char('0')))
                << Qt::endl;
        }
        if (s.interrupted()) break;
    }
    if (c.options.json) {
        c.out << QJsonDocument(list).toJson(QJsonDocument::Indented);
        c.out.flush();
    } else if (lineScan.hits().empty()) {
        c.out << "no transmitter answered" << Qt::endl;
    }
    if (lineScan.cancelled()) return ExitFailure;
    return lineScan.hits().empty() ? ExitFailure : ExitOk;
}

Registrar scanCmd(
    {.name = "scan",
     .usage = "[--addresses 0-31] [--baud all|LIST] [--parity all|none,odd,even] [--all] "
              "[--probe-ms N]",
     .summary = "find transmitters: probe each address at each baud rate and parity (most likely "
                "first) and list what answers, with type, firmware, serial number and input range",
     .run = scan,
     .options = "--addresses LIST\tthe addresses to probe, such as 0-31 or 1,5,9 (default 0-31)\n"
                "--baud all|LIST\tthe baud rates to probe (default all)\n"
                "--parity all|LIST\tthe parities to probe: none, odd, even (default all)\n"
                "--all\tgo on after the first transmitter found and list every one\n"
                "--probe-ms N\tthe time a transmitter may take to start its answer (10)",
     .exitCodes = "0\ta transmitter was found\n"
                  "1\tnone answered, or the port failed\n"
                  "2\tusage error",
     .example = "lmk17-cli --port /dev/ttyUSB0 scan --addresses 0-3 --all",
     .lineLists = true});

}  // namespace
}  // namespace lmk17::cli
