#include "cli/cli_command.h"

#include <QFileInfo>

#include "common/decimal_number.h"

namespace lmk17::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
}  // namespace

const std::vector<Command>& commands() {
    return registry();
}

Registrar::Registrar(const Command& command) {
    registry().push_back(command);
}

int optionsEnd(const QStringList& args) {
    const int marker = args.indexOf(QLatin1String(kEndOfOptions));
    return marker < 0 ? int(args.size()) : marker;
}

std::optional<QString> takeOption(QStringList& args, const QString& name) {
    const QString prefix = name + QLatin1Char('=');
    const int end = optionsEnd(args);
    for (int i = 0; i < end; ++i) {
        if (args[i] == name) {
            if (i + 1 >= end) throw UsageError(name + QLatin1String(" needs a value"));
            QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(prefix)) {
            QString value = args[i].mid(prefix.size());
            args.removeAt(i);
            return value;
        }
    }
    return std::nullopt;
}

bool takeFlag(QStringList& args, const QString& name) {
    const int i = args.indexOf(name);
    if (i < 0 || i >= optionsEnd(args)) return false;
    args.removeAt(i);
    return true;
}

int Context::toInt(const QString& text, const QString& what) const {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 0);
    if (!ok) throw UsageError(QStringLiteral("%1: not an integer: %2").arg(what, text));
    return v;
}

double Context::toReal(const QString& text, const QString& what) const {
    const std::optional<double> v = ParseDecimalNumber(text);
    if (!v) throw UsageError(QStringLiteral("%1: not a number: %2").arg(what, text));
    return *v;
}

void Context::rejectUnknownOptions() {
    const int end = optionsEnd(args);
    for (int i = 0; i < end; ++i) {
        if (args[i].startsWith(QLatin1String("--")))
            throw UsageError(QStringLiteral("unknown option %1").arg(args[i]));
    }
    // What follows the marker is taken as it stands, a leading '-' and all.
    if (end < args.size()) args.removeAt(end);
}

bool confirmOverwrite(Context& c, const QString& path) {
    if (!QFileInfo::exists(path) ||
        c.ui.question(Question::OverwriteFile, MessageKind::Confirmation,
                      QStringLiteral("The file '%1' exists. Overwrite it?").arg(path)))
        return true;
    c.err << "nothing written" << Qt::endl;
    return false;
}

}  // namespace lmk17::cli
