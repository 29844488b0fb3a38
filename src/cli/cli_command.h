#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>
#include <vector>

#include "common/user_interaction.h"

namespace lmk17::cli {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2, ExitFileError = 3 };

// How the program's Yes/No questions are answered.
enum class AnswerPolicy { Ask, Yes, No };

struct GlobalOptions {
    QString port;  // device path or COMn; empty = not connected
    int baud = 2400;
    int parity = 1;   // 0 none, 1 odd, 2 even (the parity items of the options dialog)
    int address = 0;  // DA
    int master = 31;  // SA
    AnswerPolicy answers = AnswerPolicy::Ask;
    bool json = false;
    QString trace;  // --trace: file for the line traffic, "-" for stderr
    // --baud and --parity as given; "all" or a list only for a command that
    // tries several (Command::lineLists), else refused.
    QString baudText;
    QString parityText;
};

class UsageError {
public:
    explicit UsageError(QString text) : text(std::move(text)) {}
    QString text;
};

// "--" ends the options, as in every Unix program: what follows it is never
// taken for an option ("lmk17-cli show -- --odd-name.ptf").
inline constexpr char kEndOfOptions[] = "--";
// The index of the end-of-options marker, or the size of args without one.
int optionsEnd(const QStringList& args);

// Argument-list helpers shared by the global and the per-command options;
// they look only in front of the end-of-options marker.
std::optional<QString> takeOption(QStringList& args, const QString& name);
bool takeFlag(QStringList& args, const QString& name);

struct Context {
    GlobalOptions options;
    QStringList args;  // what follows the command name, global options removed
    QTextStream& out;
    QTextStream& err;
    UserInteraction& ui;

    // Removes "--name VALUE" (or "--name=VALUE") from args and returns VALUE.
    std::optional<QString> takeOption(const QString& name) { return cli::takeOption(args, name); }
    // Removes the flag "--name" from args and says whether it was there.
    bool takeFlag(const QString& name) { return cli::takeFlag(args, name); }
    // Integer/real option or positional helpers that throw UsageError with a clear text.
    int toInt(const QString& text, const QString& what) const;
    double toReal(const QString& text, const QString& what) const;
    // Fails with a usage error when options that nobody took are left, then
    // drops the end-of-options marker: args holds the operands only.
    void rejectUnknownOptions();
};

using Handler = int (*)(Context&);

// One row of the command table: everything "lmk17-cli COMMAND --help", the
// command list and the manual page say about a command comes from here.
struct Command {
    const char* name;     // one or more words: "frame read"
    const char* usage;    // arguments after the name
    const char* summary;  // one line for the command list
    Handler run;
    // Draws pages (fonts need Qt's GUI module; no window is ever shown).
    bool drawsPages = false;
    // The command's own options, one "OPTION\tmeaning" per line.
    const char* options = "";
    // One "CODE\tmeaning" per line; empty: the usual exit codes.
    const char* exitCodes = "";
    // One command line as a user types it.
    const char* example = "";
    // Takes "all" or a list for --baud and --parity (the search).
    bool lineLists = false;
};

const std::vector<Command>& commands();

// An existing output file is replaced only when the user (or --yes) agrees;
// otherwise says "nothing written" and gives false.
bool confirmOverwrite(Context& c, const QString& path);

// A static instance in a command's file adds it to the list.
struct Registrar {
    explicit Registrar(const Command& command);
};

}  // namespace lmk17::cli
