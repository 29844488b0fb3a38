#include "sim_options.h"

#include <cmath>
#include <set>

namespace lmk17::sim {

namespace {

class Parser {
public:
    Parser(const QStringList& args, SimOptions& out, QString* error)
        : args_(args), out_(out), error_(error) {}

    bool run();

private:
    bool fail(const QString& text) {
        if (error_) *error_ = text;
        return false;
    }
    bool value(int& i, QString& v) {
        if (i + 1 >= args_.size()) return fail(args_[i] + QStringLiteral(" needs a value"));
        v = args_[++i];
        return true;
    }
    bool number(const QString& option, const QString& text, long long lo, long long hi,
                long long& v) {
        bool ok = false;
        v = text.toLongLong(&ok, 0);
        if (!ok || v < lo || v > hi)
            return fail(
                QStringLiteral("%1 must be %2..%3: %4").arg(option).arg(lo).arg(hi).arg(text));
        return true;
    }
    bool real(const QString& option, const QString& text, double& v) {
        bool ok = false;
        v = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) return fail(QStringLiteral("%1 needs a number: %2").arg(option, text));
        return true;
    }
    LineOptions& line() { return out_.lines.back(); }
    TransmitterProfile& transmitter() {
        if (line().transmitters.empty()) line().transmitters.push_back(TransmitterProfile{});
        return line().transmitters.back();
    }
    bool lineOption(const QString& o, int& i, bool& taken);
    bool transmitterOption(const QString& o, int& i, bool& taken);
    bool finishLine();

    const QStringList& args_;
    SimOptions& out_;
    QString* error_;
};

bool Parser::run() {
    out_.lines.assign(1, LineOptions{});
    for (int i = 0; i < args_.size(); ++i) {
        const QString& o = args_[i];
        bool taken = false;
        if (o == QLatin1String("--help") || o == QLatin1String("-h")) {
            out_.help = true;
            return true;
        }
        if (o == QLatin1String("--line")) {
            if (!finishLine()) return false;
            out_.lines.push_back(LineOptions{});
            continue;
        }
        if (!lineOption(o, i, taken)) return false;
        if (!taken && !transmitterOption(o, i, taken)) return false;
        if (!taken) return fail(QStringLiteral("unknown option %1 (see --help)").arg(o));
    }
    return finishLine();
}

bool Parser::finishLine() {
    if (line().transmitters.empty()) line().transmitters.push_back(TransmitterProfile{});
    std::set<int> seen;
    for (TransmitterProfile& t : line().transmitters) {
        if (!seen.insert(t.address).second)
            return fail(
                QStringLiteral("two transmitters at address %1 on one line").arg(t.address));
        t.seed = line().seed + quint32(t.address);
    }
    return true;
}

bool Parser::lineOption(const QString& o, int& i, bool& taken) {
    taken = true;
    QString v;
    long long n = 0;
    LineOptions& l = line();
    if (o == QLatin1String("--pace"))
        l.pace = true;
    else if (o == QLatin1String("--echo"))
        l.echo = true;
    else if (o == QLatin1String("--check-line"))
        l.checkLine = true;
    else if (o == QLatin1String("--parity")) {
        if (!value(i, v)) return false;
        if (v != QLatin1String("none") && v != QLatin1String("odd") && v != QLatin1String("even"))
            return fail(QStringLiteral("--parity must be none, odd or even: %1").arg(v));
        l.parity = char(v.at(0).toLatin1());
    } else if (o == QLatin1String("--link"))
        return value(i, l.linkPath);
    else if (o == QLatin1String("--trace"))
        return value(i, l.tracePath);
    else if (o == QLatin1String("--state"))
        return value(i, l.statePath);
    else if (o == QLatin1String("--baud")) {
        if (!value(i, v) || !number(o, v, 1, 1000000, n)) return false;
        l.baud = int(n);
    } else if (o == QLatin1String("--answer-delay")) {
        if (!value(i, v) || !number(o, v, 0, 600000, n)) return false;
        l.answerDelayMs = int(n);
    } else if (o == QLatin1String("--babble")) {
        if (!value(i, v) || !number(o, v, 1, 600000, n)) return false;
        l.babbleMs = int(n);
    } else if (o == QLatin1String("--seed")) {
        if (!value(i, v) || !number(o, v, 0, 0xFFFFFFFFLL, n)) return false;
        l.seed = quint32(n);
    } else if (o == QLatin1String("--fault")) {
        Fault f;
        QString why;
        if (!value(i, v)) return false;
        if (!Fault::parse(v, f, &why)) return fail(QStringLiteral("--fault %1: %2").arg(v, why));
        l.faults.push_back(f);
    } else {
        taken = false;
    }
    return true;
}

bool Parser::transmitterOption(const QString& o, int& i, bool& taken) {
    taken = true;
    QString v;
    long long n = 0;
    double d = 0;
    if (o == QLatin1String("--fixed-range")) {
        transmitter().fixedRange = true;
        return true;
    }
    if (o == QLatin1String("--foreign-tables")) {
        transmitter().foreignTables = true;
        return true;
    }
    static const QStringList withValue = {
        "--address",       "--type",         "--firmware",         "--serial", "--range",
        "--id-text",       "--manufacturer", "--manufacture-date", "--pv",     "--pv-noise",
        "--device-errors", "--cj-temp",      "--working-time",     "--ptf"};
    if (!withValue.contains(o)) {
        taken = false;
        return true;
    }
    if (!value(i, v)) return false;
    if (o == QLatin1String("--address")) {
        if (!number(o, v, 0, 31, n)) return false;
        line().transmitters.push_back(TransmitterProfile{});
        line().transmitters.back().address = int(n);
    } else if (o == QLatin1String("--type")) {
        transmitter().typeName = v.trimmed();
    } else if (o == QLatin1String("--firmware")) {
        if (!real(o, v, d) || d <= 0)
            return fail(QStringLiteral("--firmware needs a version: %1").arg(v));
        transmitter().firmware = int(std::lround(d < 10 ? d * 100 : d));
    } else if (o == QLatin1String("--serial")) {
        if (!number(o, v, -2147483648LL, 2147483647LL, n)) return false;
        transmitter().serial = std::int32_t(n);
    } else if (o == QLatin1String("--range")) {
        if (!number(o, v, 1, 255, n)) return false;
        transmitter().rangeCode = int(n);
    } else if (o == QLatin1String("--id-text")) {
        transmitter().identification = v;
    } else if (o == QLatin1String("--manufacturer")) {
        transmitter().manufacturer = v;
    } else if (o == QLatin1String("--manufacture-date")) {
        transmitter().manufactureDate = v;
    } else if (o == QLatin1String("--pv")) {
        QString why;
        if (!PvSource::parse(v, transmitter().pv, &why))
            return fail(QStringLiteral("--pv: ") + why);
    } else if (o == QLatin1String("--pv-noise")) {
        if (!real(o, v, d) || d < 0) return fail(QStringLiteral("--pv-noise needs a number >= 0"));
        transmitter().pv.noise = d;
    } else if (o == QLatin1String("--device-errors")) {
        if (!number(o, v, 0, 127, n)) return false;
        transmitter().deviceErrors = int(n);
    } else if (o == QLatin1String("--cj-temp")) {
        if (!real(o, v, d)) return false;
        transmitter().cjTemperature = d;
    } else if (o == QLatin1String("--ptf")) {
        transmitter().ptfPath = v;
    } else if (o == QLatin1String("--working-time")) {
        if (!number(o, v, 0, 2147483647LL, n)) return false;
        transmitter().workingTimeS = n;
    }
    return true;
}

}  // namespace

bool ParseSimArguments(const QStringList& args, SimOptions& out, QString* error) {
    return Parser(args, out, error).run();
}

QString SimUsage() {
    return QStringLiteral(
        "usage: lmk17-sim [LINE OPTIONS] [TRANSMITTER OPTIONS] [--line ...]\n"
        "\n"
        "A software transmitter: makes a pseudo-terminal per serial line and answers the\n"
        "program's requests like K8410/K8620 transmitters at their addresses. The device\n"
        "path of each line is printed on its own line of the standard output; open it as\n"
        "the serial port (lmk17-cli --port PATH ...). SIGINT or SIGTERM ends it cleanly.\n"
        "\n"
        "  --help                 this text\n"
        "  --line                 start the options of another line (another terminal)\n"
        "\n"
        "line options:\n"
        "  --link PATH            keep a symbolic link PATH to the device (replaced if it is\n"
        "                         a link already, removed at exit)\n"
        "  --baud RATE            line speed for --pace and --check-line (default 2400)\n"
        "  --parity none|odd|even parity for --check-line (default odd)\n"
        "  --check-line           answer only a program whose port is set to --baud and\n"
        "                         --parity (a pseudo-terminal keeps no parity bit: only\n"
        "                         whether odd parity was set last is seen, so none after\n"
        "                         odd still reads as odd and none as even otherwise)\n"
        "  --pace                 every byte takes its 11 bit times at RATE, both ways\n"
        "  --answer-delay MS      time between the end of a request (or of the answer still\n"
        "                         going out when it came) and its answer (0)\n"
        "  --echo                 echo every byte the PC sends, as a 2-wire RS-485 converter\n"
        "  --trace FILE           write every frame of both directions, hex and decoded\n"
        "  --state FILE           keep the transmitters' memory in FILE: loaded at start when\n"
        "                         it exists (it then decides type, firmware and memory of the\n"
        "                         transmitters it holds) and saved after every write\n"
        "  --babble MS            another device on the line: a byte (FF) every MS, never\n"
        "                         quiet for long\n"
        "  --seed N               seed of faults with a probability and of PV noise (1)\n"
        "  --fault FAULT          put a fault on answers; repeatable. FAULT is\n"
        "                         KIND[:ARGS][@N[,N...]|%PERCENT]: @ lists answer numbers\n"
        "                         (1 = the first request a transmitter took), % a probability;\n"
        "                         with neither, every answer. KIND is one of\n"
        "                           silence             no answer\n"
        "                           bad-check           wrong check byte\n"
        "                           noise[:HEX]         bytes before the frame (default FF00)\n"
        "                           chunks:N[:MS]       the answer in N pieces, MS apart (50)\n"
        "                           split:A+B..[:MS]    pieces of A, B.. bytes, then the rest\n"
        "                           bad-length          the two length bytes differ (a short\n"
        "                                               answer gets a wrong end byte)\n"
        "                           bad-start           a wrong first byte (E5)\n"
        "                           refuse[:PARAM]      'bad parameters' (for PARAM only)\n"
        "                           skew[:PARAM]        a write acknowledged but stored with\n"
        "                                               its last byte changed (PARAM only)\n"
        "                           delay:MS            the answer MS later\n"
        "                           echo                the request comes back first\n"
        "                           code:BYTE           a short answer with this control byte\n"
        "\n"
        "transmitter options (for the transmitter of the last --address; before any\n"
        "--address, for the one at address 0; a line without them has one default\n"
        "transmitter at address 0):\n"
        "  --address N            a transmitter at address 0..31\n"
        "  --type NAME            type name (default K8620L31); unknown names are allowed\n"
        "  --firmware V           firmware version, 1.91 or 191 (default 1.91)\n"
        "  --serial N             serial number (default 12345678)\n"
        "  --range CODE           input range code (default: the type's default range)\n"
        "  --fixed-range          made for one input range: ';' in its identification,\n"
        "                         refuses another range code\n"
        "  --foreign-tables       its linearization table and CJ cubic were fitted elsewhere:\n"
        "                         every coefficient differs from lmk17's in the last digits\n"
        "  --id-text TEXT         identification text (default \"TYPE, FW 1.91\", or\n"
        "                         \"TYPE; rev. 1,91\" with --fixed-range)\n"
        "  --manufacturer TEXT    rows 0 and 1 of parameter 120 (32 characters)\n"
        "  --manufacture-date TEXT  rows 4 and 5 of parameter 120\n"
        "  --pv SOURCE            primary variable in the transmitter's units: mid (middle\n"
        "                         of its measuring range, default), const:V,\n"
        "                         ramp:FROM:TO:PERIOD_S, sine:CENTRE:AMPLITUDE:PERIOD_S\n"
        "  --pv-noise SIGMA       Gaussian noise added to the PV\n"
        "  --device-errors BITS   bits 0..6 of parameter 215; any bit set raises the\n"
        "                         device-error indicator of every answer\n"
        "  --cj-temp C            cold-junction temperature behind 210, 211, 213 (23.0)\n"
        "  --working-time S       working time at start in seconds; it runs with real time\n"
        "                         (reported in 10 s units below firmware 1.70)\n"
        "  --ptf FILE             hold the configuration of a .ptf file, as if it had been\n"
        "                         written; type, firmware, serial number, texts and working\n"
        "                         time come from the file\n"
        "\n"
        "Firmware below 1.70 numbers connections from 0; parameters 73 and 163..165 exist\n"
        "from 1.90, 114 from 1.91, 160..162 only in 1.81..1.89, 90..96 only in types with\n"
        "limit comparators: others are refused with 'bad parameters'. Parameter 220 written\n"
        "with a value >= 0 puts the output in test mode, a negative value (-200) ends it.\n"
        "\n"
        "example:\n"
        "  lmk17-sim --link /tmp/lmk17 --type K8410H10 --firmware 1.60 --pv sine:50:10:60\n"
        "  lmk17-cli --port /tmp/lmk17 raw read 0 float\n");
}

}  // namespace lmk17::sim
