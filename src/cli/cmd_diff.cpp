// lmk17-cli diff: two configurations field by field, as the listing shows
// them: two files, or a file and the transmitter's configuration.

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_command.h"
#include "cli/config_print.h"
#include "cli/session_setup.h"
#include "config/validation_model.h"
#include "reports/config_diff.h"

namespace lmk17::cli {

namespace {

void printJson(Context& c, const ConfigurationComparison& cmp, const QString& leftName,
               const QString& rightName, bool all) {
    QJsonArray fields;
    for (const FieldComparison& f : cmp.fields) {
        if (!all && !f.differs()) continue;
        fields.append(QJsonObject{
            {"field", f.name}, {"left", f.left}, {"right", f.right}, {"differs", f.differs()}});
    }
    const QJsonObject root{
        {"left", leftName},
        {"right", rightName},
        {"equal", cmp.equal()},
        {"fields", fields},
        {"recordDifferences", QJsonArray::fromStringList(cmp.recordDifferences)}};
    c.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void printText(Context& c, const ConfigurationComparison& cmp, const QString& leftName,
               const QString& rightName, bool all) {
    std::vector<const FieldComparison*> shown;
    for (const FieldComparison& f : cmp.fields)
        if (all || f.differs()) shown.push_back(&f);
    if (!shown.empty()) {
        qsizetype nameWidth = 0, leftWidth = leftName.size();
        for (const FieldComparison* f : shown) {
            nameWidth = std::max(nameWidth, f->name.size());
            leftWidth = std::max(leftWidth, f->left.size());
        }
        const auto line = [&](const QString& mark, const QString& name, const QString& left,
                              const QString& right) {
            QString text = mark + name.leftJustified(nameWidth + 2) +
                           left.leftJustified(leftWidth + 2) + right;
            while (text.endsWith(QLatin1Char(' '))) text.chop(1);
            c.out << text << '\n';
        };
        line(QStringLiteral("  "), QString(), leftName, rightName);
        for (const FieldComparison* f : shown)
            line(all && f->differs() ? QStringLiteral("* ") : QStringLiteral("  "), f->name,
                 f->left, f->right);
    }
    const int count = cmp.differenceCount();
    if (count > 0)
        c.out << count << (count == 1 ? " field differs" : " fields differ") << ".\n";
    else if (!cmp.recordDifferences.isEmpty())
        c.out << "The listed values are equal; the stored values differ in: "
              << cmp.recordDifferences.join(QStringLiteral(", ")) << ".\n";
    else
        c.out << "The configurations are equal.\n";
}

// The transmitter's configuration, read as `read` reads it and made what a
// file of it would hold (the check a save runs sets the derived values).
int readTransmitter(Context& c, CliSession& s) {
    if (const int rc = s.open()) return rc;
    const OperationOutcome outcome = s.run([&] { return s.session().startRead(); });
    if (outcome == OperationOutcome::Completed) {
        CheckAll(s.model());
        return ExitOk;
    }
    if (outcome == OperationOutcome::CorruptPreset)
        c.err << "lmk17-cli diff: the transmitter's configuration is corrupt and was not read"
              << Qt::endl;
    return ExitFailure;
}

int diff(Context& c) {
    const bool all = c.takeFlag(QStringLiteral("--all"));
    c.rejectUnknownOptions();
    const bool withTransmitter = c.args.size() == 1 && !c.options.port.isEmpty();
    if (c.args.size() != 2 && !withTransmitter)
        throw UsageError(QStringLiteral("give two configuration files, or one and --port"));

    ConfigModel left(c.ui);
    if (const int rc = LoadConfigurationFile(c, c.args[0], left); rc != ExitOk) return rc;
    const QString leftName = QFileInfo(c.args[0]).fileName();
    QString rightName;
    int rc = ExitOk;
    std::optional<ConfigurationComparison> cmp;
    if (withTransmitter) {
        CliSession s(c);
        rc = readTransmitter(c, s);
        rightName = QStringLiteral("transmitter");
        if (rc == ExitOk) cmp = CompareConfigurations(left, s.model());
    } else {
        ConfigModel right(c.ui);
        rc = LoadConfigurationFile(c, c.args[1], right);
        rightName = QFileInfo(c.args[1]).fileName();
        if (rightName == leftName) rightName = c.args[1];
        if (rc == ExitOk) cmp = CompareConfigurations(left, right);
    }
    if (!cmp) return rc;
    if (c.options.json)
        printJson(c, *cmp, leftName, rightName, all);
    else
        printText(c, *cmp, leftName, rightName, all);
    return cmp->equal() ? ExitOk : ExitFailure;
}

Registrar diffCmd(
    {.name = "diff",
     .usage = "A.ptf (B.ptf | --port PATH) [--all] [--json]",
     .summary = "compare two configuration files, or a file and the transmitter's configuration, "
                "field by field as show lists them",
     .run = diff,
     .options = "--port PATH\tcompare with the configuration the transmitter holds (read first)\n"
                "--all\tlist every field, the differing ones marked with *\n"
                "--json\tthe comparison as one JSON object",
     .exitCodes = "0\tthe configurations are equal\n"
                  "1\tthey differ, or the transmitter could not be read\n"
                  "2\tusage error\n"
                  "3\ta file cannot be read",
     .example = "lmk17-cli --port /dev/ttyUSB0 diff TT-101.ptf"});

}  // namespace
}  // namespace lmk17::cli
