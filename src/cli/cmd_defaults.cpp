// Writes the default configuration of a transmitter type as a configuration
// file, so that a replacement transmitter can be prepared without one at hand.

#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "cli/cli_command.h"
#include "common/decimal_number.h"
#include "config/catalogue.h"
#include "config/config_model.h"
#include "config/defaults.h"
#include "files/ptf_messages.h"
#include "files/ptf_writer.h"

namespace lmk17::cli {

namespace {

constexpr int kDefaultFirmware = 191;

QString typeNames() {
    QStringList names;
    for (int i = 1; i <= kTypeCount; ++i) names << QLatin1String(TypeAt(i)->Name);
    return names.join(QStringLiteral(", "));
}

int typeFromArg(const QString& text) {
    const int index = FindType(text.trimmed().toUpper());
    if (!index)
        throw UsageError(
            QStringLiteral("unknown transmitter type %1; valid types: %2").arg(text, typeNames()));
    return index;
}

int firmwareFromArg(const std::optional<QString>& text) {
    if (!text) return FindFirmware(kDefaultFirmware);
    const std::optional<double> version = ParseDecimalNumber(*text);
    const int index =
        version && std::abs(*version) < 1e6 ? FindFirmware(int(std::lround(*version * 100))) : 0;
    if (!index) {
        QStringList versions;
        for (int i = 1; i <= kFirmwareCount; ++i)
            versions << QString::number(FirmwareNumber(i) / 100.0, 'f', 2);
        throw UsageError(QStringLiteral("unsupported firmware %1; supported: %2")
                             .arg(*text, versions.join(QStringLiteral(", "))));
    }
    return index;
}

// The ranges a type can be configured for: those of its range list, and the
// optional-customer ranges it permits (they are kept by the default
// configuration rather than chosen from the list).
std::vector<int> selectableRanges(int typeIndex) {
    std::vector<int> ranges = FillRangeList(typeIndex, 0).indexOfPosition;
    for (int i = 1; i <= kRangeCount; ++i)
        if (RangeAt(i)->OptionalCustomer && TypeAt(typeIndex)->AllowsRange(RangeAt(i)->Code))
            ranges.push_back(i);
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

int rangeFromArg(const QString& text, int typeIndex) {
    QString t = text.trimmed().toUpper();
    if (t.startsWith(QLatin1Char('R'))) t.remove(0, 1);
    bool ok = false;
    const int index = FindRange(t.toInt(&ok));
    const std::vector<int> valid = selectableRanges(typeIndex);
    if (!ok || std::find(valid.begin(), valid.end(), index) == valid.end()) {
        QStringList codes;
        for (int i : valid) codes << RangeAt(i)->ShortCode;
        throw UsageError(QStringLiteral("range %1 is not available for %2; valid ranges: %3")
                             .arg(text, QLatin1String(TypeAt(typeIndex)->Name),
                                  codes.join(QStringLiteral(", "))));
    }
    return index;
}

// The range change's reminder to check the configuration means nothing when
// the whole configuration is being made here; everything else is passed on.
class NoReminders : public UserInteraction {
public:
    explicit NoReminders(UserInteraction& ui) : ui_(ui) {}
    void message(MessageKind kind, const QString& text) override {
        if (kind != MessageKind::Information) ui_.message(kind, text);
    }
    bool question(Question id, MessageKind kind, const QString& text) override {
        return ui_.question(id, kind, text);
    }
    void progressShow(const QString& caption, int maximum, bool warning) override {
        ui_.progressShow(caption, maximum, warning);
    }
    void progressStep(int position) override { ui_.progressStep(position); }
    void progressClose() override { ui_.progressClose(); }

private:
    UserInteraction& ui_;
};

int defaults(Context& c) {
    const std::optional<QString> range = c.takeOption(QStringLiteral("--range"));
    const std::optional<QString> fw = c.takeOption(QStringLiteral("--firmware"));
    std::optional<QString> output = c.takeOption(QStringLiteral("-o"));
    if (!output) output = c.takeOption(QStringLiteral("--output"));
    c.rejectUnknownOptions();
    if (c.args.size() != 1) throw UsageError(QStringLiteral("give one transmitter type"));
    if (!output || output->isEmpty()) throw UsageError(QStringLiteral("-o FILE is required"));
    const int type = typeFromArg(c.args.first());
    const int firmware = firmwareFromArg(fw);
    const int rangeIndex = range ? rangeFromArg(*range, type) : 0;

    NoReminders ui(c.ui);
    ConfigModel model(ui);
    {
        ConfigModel::Edit e = model.edit();
        e.identity().typeIndex = type;
        e.identity().firmwareIndex = firmware;
        e.identity().rangeIndex = rangeIndex;
        // The file names its transmitter the way a transmitter's identification
        // text does, so that loading it finds the type and firmware again.
        e.config().TransmitterType = QStringLiteral("%1, FW %2")
                                         .arg(QLatin1String(TypeAt(type)->Name))
                                         .arg(FirmwareNumber(firmware) / 100.0, 0, 'f', 2)
                                         .toLatin1();
        e.identity().identificationText = e.config().TransmitterType;
    }
    model.SetDefaultConfiguration(type, rangeIndex, firmware);
    model.RefreshFromConfig();
    if (rangeIndex && model.selectedRangeIndex() != rangeIndex) model.SelectRange(rangeIndex);

    const TransmitterConfig& config = model.config();
    // Asked as every other command that writes a file asks.
    if (QFileInfo::exists(*output) &&
        !c.ui.question(Question::OverwriteFile, MessageKind::Confirmation,
                       ptf_text::AlreadyExists(*output))) {
        c.err << ptf_text::SaveCancelled() << Qt::endl;
        return ExitFileError;
    }
    const QString error = WritePtfFile(*output, config);
    if (!error.isEmpty()) {
        c.err << error << Qt::endl;
        return ExitFileError;
    }
    const InputRangeEntry& r = *RangeByCode(config.InputRangeCode);
    c.out << QStringLiteral("%1: %2, firmware %3, %4, connection C%5\n")
                 .arg(QFileInfo(*output).fileName(), QLatin1String(TypeAt(type)->Name),
                      QString::number(FirmwareNumber(firmware) / 100.0, 'f', 2), r.ShortCode)
                 .arg(config.ConnectionCode);
    return ExitOk;
}

Registrar defaultsCmd(
    {.name = "defaults",
     .usage = "TYPE [--range RNN] [--firmware 1.91] -o FILE.ptf",
     .summary = "write the default configuration of a transmitter type as a PT-FILE04 "
                "file (firmware 1.91 unless given; --range as chosen in the range list)",
     .run = defaults,
     .options = "--range RNN\tinput range as chosen in the range list (default: the type's first)\n"
                "--firmware V\tfirmware version (default 1.91)\n"
                "-o, --output FILE.ptf\tthe file to write (required)",
     .exitCodes = "0\tsaved\n"
                  "2\tusage error (unknown type, range or firmware)\n"
                  "3\tthe file cannot be written",
     .example = "lmk17-cli defaults K8620L20 --range R11 -o new.ptf"});

}  // namespace
}  // namespace lmk17::cli
