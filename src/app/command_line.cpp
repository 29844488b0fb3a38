#include "app/command_line.h"

#include <QCoreApplication>

#include "app/app_texts.h"

namespace lmk17 {

int CommandLine::demoAddress() const {
    const int i = int(simulatorArguments.indexOf(QStringLiteral("--address")));
    if (i < 0 || i + 1 >= simulatorArguments.size()) return 0;
    bool ok = false;
    const int address = simulatorArguments.at(i + 1).toInt(&ok);
    return ok && address >= 0 && address <= 31 ? address : 0;
}

bool IsConfigurationFileArgument(const QString& argument) {
    return argument.toLower().endsWith(QStringLiteral(".ptf"));
}

bool IsLinearizationFileArgument(const QString& argument) {
    return argument.toLower().endsWith(QStringLiteral(".lin"));
}

namespace {

// The options of lmk17-sim that take no value; every other option of it takes
// the next argument as its value, whatever that looks like.
bool IsSimulatorFlag(const QString& option) {
    static const QStringList flags = {
        QStringLiteral("--pace"),           QStringLiteral("--echo"),
        QStringLiteral("--check-line"),     QStringLiteral("--fixed-range"),
        QStringLiteral("--foreign-tables"), QStringLiteral("--line"),
        QStringLiteral("--help"),           QStringLiteral("-h")};
    return flags.contains(option);
}

void addFileArgument(CommandLine& c, const QString& argument) {
    if (IsConfigurationFileArgument(argument))
        c.configurationFiles << argument;
    else if (IsLinearizationFileArgument(argument))
        c.linearizationFiles << argument;
    else
        c.ignored << argument;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine c;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QStringLiteral("--demo")) {
            c.demo = true;
            // The options after --demo are the simulator's; a bare .ptf or .lin among them is
            // still a file for this program to open ("lmk17 --demo r91.ptf"), unless it is the
            // value of a simulator option ("--ptf dev.ptf", "--state unit.ptf"). Anything else
            // goes to the simulator, which names what it does not know.
            for (int j = i + 1; j < arguments.size(); ++j) {
                const QString& s = arguments.at(j);
                const bool file = IsConfigurationFileArgument(s) || IsLinearizationFileArgument(s);
                if (s.startsWith(QLatin1Char('-')) || !file) {
                    c.simulatorArguments << s;
                } else {
                    addFileArgument(c, s);
                    continue;
                }
                if (s.startsWith(QLatin1Char('-')) && !IsSimulatorFlag(s) &&
                    j + 1 < arguments.size())
                    c.simulatorArguments << arguments.at(++j);  // its value
            }
            break;
        }
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            c.help = true;
        } else if (a == QStringLiteral("--version")) {
            c.version = true;
        } else if (a == QStringLiteral("--")) {
            for (const QString& f : arguments.mid(i + 1)) addFileArgument(c, f);
            break;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (c.error.isEmpty()) {
                c.error = QCoreApplication::translate("App", "unknown option %1").arg(a);
                c.unknownOption = a;
            }
        } else {
            addFileArgument(c, a);
        }
    }
    return c;
}

QString CommandLineUsage() {
    return QCoreApplication::translate(
        "App",
        "usage: lmk17 [FILE.ptf ...] [FILE.lin ...]\n"
        "       lmk17 --demo [lmk17-sim options] [FILE.ptf ...] [FILE.lin ...]\n"
        "\n"
        "Configures, tests and monitors K8410 and K8620 transmitters over a serial port.\n"
        "Configuration files (.ptf) named on the command line are loaded in order; the\n"
        "last one stands. A linearization file (.lin) then opens in the linearization\n"
        "editor of that configuration.\n"
        "\n"
        "  --demo      start a software transmitter (lmk17-sim, a K8620L31 with firmware\n"
        "              1.91 at address 0 unless its options say otherwise) on a\n"
        "              pseudo-terminal and connect to it: every command can be tried\n"
        "              without hardware; the options after --demo go to lmk17-sim\n"
        "              (lmk17-sim --help lists them), but for the .ptf and .lin\n"
        "              files, which open on that transmitter as above\n"
        "  --help      this text\n"
        "  --version   the program's version\n");
}

QString ManualFolderText(const QString& folder) {
    return QCoreApplication::translate(
               "App", "\nThe manual: %1 (the other languages in the folders beside it)\n")
        .arg(folder);
}

QString VersionText() {
    return QStringLiteral("lmk17 %1\n").arg(QLatin1String(texts::kProgramVersion));
}

}  // namespace lmk17
