#include "cli/command_help.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "app/app_texts.h"

namespace lmk17::cli {

namespace {

// The options every command takes, one "OPTION\tmeaning" per line.
constexpr char kGlobalOptions[] =
    "--port PATH|COMn\tserial port (a device path, a pseudo-terminal, or COMn)\n"
    "--baud RATE\t600, 1200, 2400 (default), 4800, 9600 or 19200 (scan: all, the default, "
    "or a list such as 4800,9600)\n"
    "--parity none|odd|even\tparity of the line (default odd; scan: all, the default, or a "
    "list such as odd,even)\n"
    "--address DA\ttransmitter address 0..31 (default 0)\n"
    "--master SA\tPC address 0..31 (default 31)\n"
    "--yes | --no\tanswer every question of the program so\n"
    "--json\tmachine-readable output where a command offers it\n"
    "--trace FILE|-\tevery frame both ways, decoded, with the verdict, appended to FILE (- for "
    "the standard error)\n"
    "-h, --help\tthis text; after a command, that command's own help\n"
    "--version\tthe program's version";

constexpr char kUsualExitCodes[] =
    "0\tsuccess\n"
    "1\ttransmitter or link failure\n"
    "2\tusage error\n"
    "3\tfile error";

constexpr int kIndent = 2;
constexpr int kMaxTermWidth = 24;
constexpr int kLineWidth = 79;

// Words filled into lines of at most kLineWidth, the first starting at
// column `first`, the others indented by `indent`; a word longer than a line
// stands alone. No line ends with a blank.
QString Wrap(const QString& text, int first, int indent) {
    QString out;
    int column = first;
    bool lineStart = true;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lineStart && column + 1 + word.size() > kLineWidth) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
        lineStart = false;
    }
    return out;
}

// "TERM\tmeaning" lines as a two-column list; a term too wide for the
// column gets a line of its own.
QString Columns(const char* table) {
    QString text;
    const QStringList rows = QString::fromUtf8(table).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int width = 0;
    for (const QString& row : rows) {
        const int w = int(row.section(QLatin1Char('\t'), 0, 0).size());
        if (w <= kMaxTermWidth) width = std::max(width, w);
    }
    const QString indent(kIndent, QLatin1Char(' '));
    for (const QString& row : rows) {
        const QString term = row.section(QLatin1Char('\t'), 0, 0);
        const QString meaning = row.section(QLatin1Char('\t'), 1);
        text += indent + term;
        if (meaning.isEmpty()) {
            text += QLatin1Char('\n');
            continue;
        }
        if (term.size() > width)
            text += QLatin1Char('\n') + QString(kIndent + width, QLatin1Char(' '));
        else
            text += QString(width - term.size(), QLatin1Char(' '));
        text += QLatin1String("  ") + Wrap(meaning, kIndent + width + 2, kIndent + width + 2) +
                QLatin1Char('\n');
    }
    return text;
}

QString Synopsis(const Command& c) {
    QString line = QStringLiteral("lmk17-cli [global options] %1").arg(QLatin1String(c.name));
    if (*c.usage) line += QLatin1Char(' ') + QLatin1String(c.usage);
    return line;
}

// The commands whose names start with `prefix` (all for an empty one), each
// with its arguments and summary, in alphabetical order.
QString CommandList(const QString& prefix) {
    QString text;
    std::vector<Command> list = commands();
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return qstrcmp(a.name, b.name) < 0; });
    for (const Command& c : list) {
        if (!QLatin1String(c.name).startsWith(prefix)) continue;
        QString head = QLatin1String(c.name);
        if (*c.usage) head += QLatin1Char(' ') + QLatin1String(c.usage);
        text += QLatin1String("  ") + Wrap(head, 2, 6) + QLatin1String("\n      ") +
                Wrap(QLatin1String(c.summary), 6, 6) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

QString GroupHelp(const QString& group) {
    const QString commandsOfGroup = CommandList(group + QLatin1Char(' '));
    if (commandsOfGroup.isEmpty()) return {};
    return QStringLiteral(
               "usage: lmk17-cli [global options] %1 COMMAND [arguments]\n"
               "       lmk17-cli %1 COMMAND --help\n\ncommands:\n")
               .arg(group) +
           commandsOfGroup;
}

QString GlobalHelp() {
    QString text = QStringLiteral(
        "usage: lmk17-cli [global options] COMMAND [arguments]\n"
        "       lmk17-cli COMMAND --help\n\n"
        "Configures, tests and monitors K8410 and K8620 transmitters over a serial line.\n"
        "Serial ports need membership of the group that owns them (dialout).\n\n"
        "global options:\n");
    text += Columns(kGlobalOptions);
    text += QStringLiteral("\nexit codes:\n") + Columns(kUsualExitCodes);
    text += QStringLiteral("\ncommands:\n") + CommandList(QString());
    return text;
}

QString CommandHelp(const Command& c) {
    QString text = QStringLiteral("usage: ") + Wrap(Synopsis(c), 7, 11) + QLatin1String("\n\n");
    QString summary = QString::fromUtf8(c.summary);
    if (!summary.isEmpty()) summary[0] = summary[0].toUpper();
    text += Wrap(summary + QLatin1Char('.'), 0, 0) + QLatin1String("\n\noptions:\n");
    text += *c.options ? Columns(c.options) : QStringLiteral("  none besides the global ones\n");
    text += QStringLiteral("  (global options: lmk17-cli --help)\n\nexit codes:\n");
    text += Columns(*c.exitCodes ? c.exitCodes : kUsualExitCodes);
    if (*c.example) text += QStringLiteral("\nexample:\n  ") + QLatin1String(c.example) + '\n';
    return text;
}

QString CliVersionText() {
    return QStringLiteral("lmk17-cli %1\n").arg(QLatin1String(texts::kProgramVersion));
}

}  // namespace lmk17::cli
