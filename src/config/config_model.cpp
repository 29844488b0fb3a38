#include "config/config_model.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/defaults.h"

namespace lmk17 {

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Configuration", text);
}
}  // namespace

int ConfigModel::firmwareNumber() const {
    return FirmwareNumber(identity_.firmwareIndex);
}

void ConfigModel::PushUndo(const TransmitterConfig& record) {
    const TransmitterConfig copy = record;
    if (refreshing_ || !hasConfiguration()) return;
    if (undoCount_ < kUndoSlots) ++undoCount_;
    for (int i = kUndoSlots - 1; i > 0; --i) undo_[i] = undo_[i - 1];
    undo_[0] = copy;
}

bool ConfigModel::PopUndo() {
    if (undoCount_ < 1) return false;
    config_ = undo_[0];
    --undoCount_;
    for (int i = 0; i < kUndoSlots - 1; ++i) undo_[i] = undo_[i + 1];
    return true;
}

bool ConfigModel::SetDefaultConfiguration(int typeIndex, int rangeIndex, int firmwareIndex) {
    if (!lmk17::SetDefaultConfiguration(config_, typeIndex, rangeIndex, firmwareIndex))
        return false;
    origin = ConfigOrigin::Default;
    return true;
}

bool ConfigModel::SetDefaultOutputLimits(int typeIndex, int firmwareIndex) {
    return lmk17::SetDefaultOutputLimits(config_, typeIndex, firmwareIndex);
}

void ConfigModel::applyAdoption(AdoptResult&& result) {
    lastCorrupt_ = result.corrupt;
    if (result.tablesReplaced) unsavedChanges = true;
    for (const QString& warning : result.view.warnings) ui_.message(MessageKind::Warning, warning);
    view_ = std::move(result.view);
    selectedRangeIndex_ =
        view_.rangePosition >= 0 ? view_.rangeList.indexOfPosition[view_.rangePosition] : 0;
}

bool ConfigModel::RefreshFromConfig() {
    RefreshGuard guard(*this);
    applyAdoption(AdoptRecord(config_, identity_.typeIndex, identity_.firmwareIndex));
    if (lastCorrupt_ == CorruptStep::None) return false;
    const CorruptStep found = lastCorrupt_;
    ui_.message(MessageKind::Error,
                tr("Transmitter configuration corrupt. Last writing probably not successful. "
                   "Default configuration will be pre-set!"));
    SetDefaultConfiguration(identity_.typeIndex, identity_.rangeIndex, identity_.firmwareIndex);
    applyAdoption(AdoptRecord(config_, identity_.typeIndex, identity_.firmwareIndex));
    if (lastCorrupt_ != CorruptStep::None) {
        // No default configuration exists for an unknown type or firmware:
        // rather than checking the same record for ever, the window stays blank.
        view_ = ConfigView();
        selectedRangeIndex_ = 0;
    }
    lastCorrupt_ = found;
    return true;
}

PhysicalOutputLimits ConfigModel::physicalLimits() const {
    const OutputTypeEntry* type = OutputTypeOf(identity_.typeIndex);
    return type ? ComputePhysicalLimits(config_, *type) : PhysicalOutputLimits{};
}

bool ConfigModel::SetDefaultConfigurationCommand() {
    if (!ui_.question(MessageKind::Confirmation,
                      tr("Do you really want to pre-set default configuration? ")))
        return false;
    PushUndo(config_);
    SetDefaultConfiguration(identity_.typeIndex, selectedRangeIndex_, identity_.firmwareIndex);
    RefreshFromConfig();
    return true;
}

void ConfigModel::DefaultOutputParameters() {
    SetDefaultOutputLimits(identity_.typeIndex, identity_.firmwareIndex);
    EncodeOutputCodes(config_, identity_.typeIndex, identity_.firmwareIndex);
    view_.output = ShowOutputValues(config_, identity_.typeIndex, identity_.firmwareIndex);
}

bool ConfigModel::UndoCommand(const IdentityDeriver& derive) {
    if (!PopUndo()) return false;
    identity_.identificationText = config_.TransmitterType;
    identity_.serialNumber = config_.SerialNumber;
    identity_.rangeIndex = FindRange(config_.InputRangeCode);
    if (derive) derive(identity_);
    RefreshFromConfig();
    return true;
}

bool ConfigModel::SelectRange(int rangeIndex) {
    if (rangeIndex == selectedRangeIndex_ || view_.rangeList.positionOfIndex(rangeIndex) < 0)
        return false;
    unsavedChanges = true;
    PushUndo(config_);
    if (!refreshing_)
        ui_.message(MessageKind::Information, tr("Input range was changed, check configuration."));
    const InputRangeEntry& range = *RangeAt(rangeIndex);
    const auto tables = config_.LinSegTable;
    const auto cj = config_.CjcPoly;
    ApplyRangeDefaults(config_, rangeIndex);
    if (range.UsesEditor && refreshing_) {
        config_.LinSegTable = tables;
        config_.CjcPoly = cj;
    }
    identity_.rangeIndex = rangeIndex;
    // The controls follow the new record; the comparator controls show the
    // type's default flags, which the next comparator check takes over.
    const quint8 flags = config_.ComparatorFlags;
    AdoptResult adopted = [&] {
        RefreshGuard guard(*this);
        return AdoptRecord(config_, identity_.typeIndex, identity_.firmwareIndex);
    }();
    config_.ComparatorFlags = flags;
    const TransmitterTypeEntry* type = TypeAt(identity_.typeIndex);
    adopted.view.comparators = ShowComparators(config_, type ? type->DefaultComparatorFlags : 0,
                                               identity_.typeIndex, identity_.firmwareIndex);
    applyAdoption(std::move(adopted));
    return true;
}

}  // namespace lmk17
