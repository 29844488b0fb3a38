// lmk17-cli: the program's operations from a terminal or a script.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/cli_command.h"
#include "cli/terminal_interaction.h"
#include "common/line_codes.h"

using namespace lmk17;
using namespace lmk17::cli;

namespace {

void printUsage(QTextStream& s) {
    s << "usage: lmk17-cli [global options] COMMAND [arguments]\n\n"
         "global options:\n"
         "  --port PATH|COMn       serial port (a device path, a pseudo-terminal, or COMn)\n"
         "  --baud RATE            600, 1200, 2400 (default), 4800, 9600 or 19200 (scan: all,\n"
         "                         the default, or a list such as 4800,9600)\n"
         "  --parity none|odd|even parity of the line (default odd; scan: all, the default,\n"
         "                         or a list such as odd,even)\n"
         "  --address DA           transmitter address 0..31 (default 0)\n"
         "  --master SA            PC address 0..31 (default 31)\n"
         "  --yes | --no           answer every question of the program so\n"
         "  --json                 machine-readable output where a command offers it\n"
         "  --trace FILE|-         every frame both ways, decoded, with the verdict, appended\n"
         "                         to FILE (- for the standard error)\n\n"
         "exit codes: 0 success, 1 transmitter or link failure, 2 usage error, 3 file error\n\n"
         "commands:\n";
    std::vector<Command> list = commands();
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return qstrcmp(a.name, b.name) < 0; });
    for (const Command& c : list) {
        QString head = QStringLiteral("  %1 %2").arg(QLatin1String(c.name), QLatin1String(c.usage));
        s << head << "\n      " << c.summary << "\n";
    }
}

int parseAddress(const QString& text, const char* what) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 0 || v > 31)
        throw UsageError(QStringLiteral("%1 must be 0..31: %2").arg(QLatin1String(what), text));
    return v;
}

bool isLineList(const QString& text) {
    return text == QLatin1String("all") || text.contains(QLatin1Char(','));
}

int parseBaud(const QString& text) {
    bool ok = false;
    const int baud = text.toInt(&ok);
    if (!ok || !BaudRateByRate(baud)) {
        QStringList rates;
        for (const BaudRateEntry& e : kBaudRates) rates << QString::number(e.rate);
        throw UsageError(
            QStringLiteral("--baud must be one of %1").arg(rates.join(QStringLiteral(", "))));
    }
    return baud;
}

int parseParity(const QString& text) {
    const std::optional<LinkParity> p = ParityFromName(text);
    if (!p) throw UsageError(QStringLiteral("--parity must be none, odd or even"));
    return int(*p);
}

// Takes the global options out of the argument list, wherever they stand.
GlobalOptions takeGlobals(QStringList& args) {
    GlobalOptions g;
    if (auto v = takeOption(args, QStringLiteral("--port"))) g.port = *v;
    // "all" and lists are for a command that tries several (checked once the
    // command is known).
    if (auto v = takeOption(args, QStringLiteral("--baud"))) {
        g.baudText = *v;
        if (!isLineList(*v)) g.baud = parseBaud(*v);
    }
    if (auto v = takeOption(args, QStringLiteral("--parity"))) {
        g.parityText = *v;
        if (!isLineList(*v)) g.parity = parseParity(*v);
    }
    if (auto v = takeOption(args, QStringLiteral("--address")))
        g.address = parseAddress(*v, "--address");
    if (auto v = takeOption(args, QStringLiteral("--master")))
        g.master = parseAddress(*v, "--master");
    const bool yes = takeFlag(args, QStringLiteral("--yes"));
    const bool no = takeFlag(args, QStringLiteral("--no"));
    if (yes && no) throw UsageError(QStringLiteral("--yes and --no exclude each other"));
    g.answers = yes ? AnswerPolicy::Yes : no ? AnswerPolicy::No : AnswerPolicy::Ask;
    g.json = takeFlag(args, QStringLiteral("--json"));
    if (auto v = takeOption(args, QStringLiteral("--trace"))) {
        if (v->isEmpty()) throw UsageError(QStringLiteral("--trace needs a file name or -"));
        g.trace = *v;
    }
    return g;
}

// The longest registered name that the leading words of args spell.
const Command* findCommand(const QStringList& args, int& words) {
    const Command* best = nullptr;
    words = 0;
    for (const Command& c : commands()) {
        const QStringList parts = QString::fromLatin1(c.name).split(QLatin1Char(' '));
        if (parts.size() > args.size() || parts.size() <= words) continue;
        if (std::equal(parts.begin(), parts.end(), args.begin())) {
            best = &c;
            words = int(parts.size());
        }
    }
    return best;
}

// Commands that draw pages need fonts, which Qt offers only with its GUI
// module. The command line never shows a window, so it draws off-screen unless
// the caller chose a platform: no display is needed, and a stale one cannot
// stop it.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, bool drawsPages) {
    if (!drawsPages) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    QTextStream out(stdout);
    QTextStream err(stderr);
    for (int i = 1; i < argc; ++i) {
        args << QFile::decodeName(argv[i]);
        // A name the system's file-name encoding cannot carry would come back
        // as another name: "not found" on reading, a file of a different name
        // written (and reported saved) on writing.
        if (QFile::encodeName(args.last()) != QByteArray(argv[i])) {
            err << "lmk17-cli: argument " << i
                << " is not valid UTF-8, the encoding of file names here; a file of that name "
                   "cannot be read or written, rename it"
                << Qt::endl;
            return ExitUsage;
        }
    }

    const QStringList options = args.mid(0, optionsEnd(args));
    if (args.isEmpty() || options.contains(QLatin1String("--help")) ||
        args.first() == QLatin1String("help")) {
        QCoreApplication app(argc, argv);
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? ExitUsage : ExitOk;
    }
    try {
        GlobalOptions globals = takeGlobals(args);
        int words = 0;
        const Command* command = findCommand(args, words);
        if (!command) {
            err << "lmk17-cli: unknown command: " << args.join(QLatin1Char(' ')) << Qt::endl;
            err << "run lmk17-cli --help for the list of commands" << Qt::endl;
            return ExitUsage;
        }
        if (!command->lineLists) {
            if (isLineList(globals.baudText)) parseBaud(globals.baudText);
            if (isLineList(globals.parityText)) parseParity(globals.parityText);
        }
        const auto app = makeApplication(argc, argv, command->drawsPages);
        QCoreApplication::setApplicationName(QStringLiteral("lmk17-cli"));
        TerminalInteraction ui(err, globals.answers);
        Context context{globals, args.mid(words), out, err, ui};
        try {
            const int rc = command->run(context);
            out.flush();
            return rc;
        } catch (const UsageError& e) {
            out.flush();
            err << "lmk17-cli " << command->name << ": " << e.text << Qt::endl;
            err << "usage: lmk17-cli " << command->name << ' ' << command->usage << Qt::endl;
            return ExitUsage;
        }
    } catch (const UsageError& e) {
        err << "lmk17-cli: " << e.text << Qt::endl;
        return ExitUsage;
    }
}
