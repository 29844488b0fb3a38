// lmk17-cli: the program's operations from a terminal or a script.
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/cli_command.h"
#include "cli/command_help.h"
#include "cli/terminal_interaction.h"
#include "common/line_codes.h"

using namespace lmk17;
using namespace lmk17::cli;

namespace {

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
    const bool helpAsked =
        options.contains(QLatin1String("--help")) || options.contains(QLatin1String("-h"));
    if (args.isEmpty()) {
        err << GlobalHelp();
        return ExitUsage;
    }
    if (options.contains(QLatin1String("--version"))) {
        out << CliVersionText();
        return ExitOk;
    }
    // "COMMAND --help" and "help COMMAND" give that command's own help.
    if (helpAsked || args.first() == QLatin1String("help")) {
        QStringList words = options;
        words.removeAll(QLatin1String("--help"));
        words.removeAll(QLatin1String("-h"));
        if (!words.isEmpty() && words.first() == QLatin1String("help")) words.removeFirst();
        QCoreApplication app(argc, argv);
        try {
            takeGlobals(words);
        } catch (const UsageError&) {
            // A bad global option does not stand in the way of the help.
        }
        int taken = 0;
        const Command* command = findCommand(words, taken);
        const QString group = words.isEmpty() ? QString() : GroupHelp(words.first());
        out << (command ? CommandHelp(*command) : !group.isEmpty() ? group : GlobalHelp());
        return ExitOk;
    }
    try {
        GlobalOptions globals = takeGlobals(args);
        int words = 0;
        const Command* command = findCommand(args, words);
        // "lmk17-cli lin" alone, or with a command the group lacks: its commands.
        const QString group = args.isEmpty() ? QString() : GroupHelp(args.first());
        if (!command && !group.isEmpty()) {
            err << "lmk17-cli: " << args.first() << " needs one of its commands after it"
                << (args.size() > 1 ? QStringLiteral(" (not '%1')").arg(args.at(1)) : QString())
                << Qt::endl
                << group;
            return ExitUsage;
        }
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
