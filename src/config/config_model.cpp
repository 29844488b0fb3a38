#include "config/config_model.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/defaults.h"

namespace lmk17 {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Configuration)
};

template <typename T>
bool same(const T& a, const T& b) {
    return a == b;
}
bool same(double a, double b) {
    return a == b || (a != a && b != b);  // a NaN stays the same NaN
}
bool sameIdentity(const ConfigIdentity& a, const ConfigIdentity& b) {
    return a.typeIndex == b.typeIndex && a.firmwareIndex == b.firmwareIndex &&
           a.rangeIndex == b.rangeIndex && a.serialNumber == b.serialNumber &&
           a.identificationText == b.identificationText;
}

}  // namespace

unsigned ConfigDifference(const TransmitterConfig& a, const TransmitterConfig& b) {
    using namespace config_change;
    unsigned mask = 0;
    auto mark = [&mask](bool differs, unsigned bit) {
        if (differs) mask |= bit;
    };
#define LMK17_DIFFERS(field) (!same(a.field, b.field))
    mark(LMK17_DIFFERS(LowerRangeValue) || LMK17_DIFFERS(UpperRangeValue) ||
             LMK17_DIFFERS(LowerCorrection) || LMK17_DIFFERS(UpperCorrection) ||
             LMK17_DIFFERS(Damping) || LMK17_DIFFERS(Comparator1Level) ||
             LMK17_DIFFERS(Comparator1Hysteresis) || LMK17_DIFFERS(Comparator2Level) ||
             LMK17_DIFFERS(Comparator2Hysteresis) || LMK17_DIFFERS(LeadResistance1) ||
             LMK17_DIFFERS(LeadResistance2) || LMK17_DIFFERS(CjTemperature) ||
             LMK17_DIFFERS(InputRangeCode) || LMK17_DIFFERS(ConnectionCode) ||
             LMK17_DIFFERS(RangeFlags) || LMK17_DIFFERS(ComparatorFlags) ||
             LMK17_DIFFERS(DisplayFactor) || LMK17_DIFFERS(PvUnit) || LMK17_DIFFERS(UserNote) ||
             LMK17_DIFFERS(FilterFlags),
         kInputPage);
    mark(LMK17_DIFFERS(SaturationCodes) || LMK17_DIFFERS(ErrorCodes) ||
             LMK17_DIFFERS(OutputCodePoly) || LMK17_DIFFERS(ErrorHigh) || LMK17_DIFFERS(ErrorLow) ||
             LMK17_DIFFERS(SaturationHigh) || LMK17_DIFFERS(SaturationLow) ||
             LMK17_DIFFERS(OutputGain) || LMK17_DIFFERS(OutputOffset),
         kOutputPage);
    mark(LMK17_DIFFERS(SerialNumber) || LMK17_DIFFERS(LastChangeDate) ||
             LMK17_DIFFERS(Manufacturer) || LMK17_DIFFERS(TransmitterType) ||
             LMK17_DIFFERS(ManufactureDate) || LMK17_DIFFERS(WorkingTime),
         kInformationPage);
    mark(LMK17_DIFFERS(LinSegTable) || LMK17_DIFFERS(CjcPoly), kLinearization);
    mark(LMK17_DIFFERS(AddressByte) || LMK17_DIFFERS(BaudCode), kCommunication);
    mark(LMK17_DIFFERS(Signature), kSignature);
#undef LMK17_DIFFERS
    return mask;
}

ConfigModel::ConfigModel(UserInteraction& ui, QObject* parent) : QObject(parent), ui_(ui) {}

ConfigModel::~ConfigModel() = default;

ConfigModel::Edit::~Edit() {
    if (model_ && --model_->editDepth_ == 0) model_->announce();
}

void ConfigModel::announce() {
    if (editDepth_ > 0) return;
    const unsigned changes = ConfigDifference(announcedConfig_, config_);
    const bool identityDiffers = !sameIdentity(announcedIdentity_, identity_);
    announcedConfig_ = config_;
    announcedIdentity_ = identity_;
    if (changes) emit configChanged(changes);
    if (identityDiffers) emit identityChanged();
    if (controlsTouched_) {
        controlsTouched_ = false;
        emit controlsChanged();
    }
}

void ConfigModel::showView() {
    controls_ = view_;
    emit viewChanged();
    emit controlsChanged();
}

void ConfigModel::keepTypedText(EditField field, const QString& text) {
    EditText(controls_, field) = text;
}

bool ConfigModel::reportCheck(const CheckOutcome& outcome) {
    for (const CheckMessage& m : outcome.messages) ui_.message(m.kind, m.text);
    announceRefusal(outcome);
    return outcome.accepted;
}

void ConfigModel::announceRefusal(const CheckOutcome& outcome) {
    if (outcome.accepted) return;
    const ConfigPage page = outcome.page ? *outcome.page
                                         : (outcome.focus != EditField::None ? PageOf(outcome.focus)
                                                                             : ConfigPage::Input);
    emit checkRefused(page, outcome.focus);
}

int ConfigModel::firmwareNumber() const {
    return FirmwareNumber(identity_.firmwareIndex);
}

void ConfigModel::setConfig(const TransmitterConfig& config) {
    config_ = config;
    announce();
}

void ConfigModel::setIdentity(const ConfigIdentity& identity) {
    identity_ = identity;
    announce();
}

void ConfigModel::setOrigin(ConfigOrigin origin) {
    if (origin == origin_) return;
    origin_ = origin;
    emit originChanged(origin);
}

void ConfigModel::setUnsavedChanges(bool unsaved) {
    if (unsaved == unsaved_) return;
    unsaved_ = unsaved;
    emit unsavedChanged(unsaved);
}

void ConfigModel::setUndoCount(int count) {
    const bool was = undoCount_ > 0;
    undoCount_ = count;
    if (was != (count > 0)) emit undoAvailable(count > 0);
}

void ConfigModel::PushUndo(const TransmitterConfig& record) {
    const TransmitterConfig copy = record;
    if (refreshing_ || !hasConfiguration()) return;
    for (int i = kUndoSlots - 1; i > 0; --i) undo_[i] = undo_[i - 1];
    undo_[0] = copy;
    setUndoCount(std::min(undoCount_ + 1, kUndoSlots));
}

bool ConfigModel::PopUndo() {
    if (undoCount_ < 1) return false;
    config_ = undo_[0];
    for (int i = 0; i < kUndoSlots - 1; ++i) undo_[i] = undo_[i + 1];
    setUndoCount(undoCount_ - 1);
    announce();
    return true;
}

bool ConfigModel::SetDefaultConfiguration(int typeIndex, int rangeIndex, int firmwareIndex) {
    if (!lmk17::SetDefaultConfiguration(config_, typeIndex, rangeIndex, firmwareIndex))
        return false;
    announce();
    setOrigin(ConfigOrigin::Default);
    return true;
}

bool ConfigModel::SetDefaultOutputLimits(int typeIndex, int firmwareIndex) {
    const bool done = lmk17::SetDefaultOutputLimits(config_, typeIndex, firmwareIndex);
    announce();
    return done;
}

namespace {

// The record without what the transmitter reports about itself: the
// operations keep those fields up to date (working time, identity), the user
// never edits them.
TransmitterConfig settingsOf(TransmitterConfig c) {
    c.Signature.clear();
    c.SerialNumber = 0;
    c.LastChangeDate = 0.0;
    c.Manufacturer.clear();
    c.TransmitterType.clear();
    c.ManufactureDate.clear();
    c.WorkingTime = 0;
    return c;
}

}  // namespace

bool ConfigModel::hasUserChanges() const {
    return unsaved_ && !(mended_ && settingsOf(*mended_) == settingsOf(config_));
}

void ConfigModel::applyAdoption(AdoptResult&& result) {
    lastCorrupt_ = result.corrupt;
    tablesReplaced_ = result.tablesReplaced;
    if (result.tablesReplaced) setUnsavedChanges(true);
    for (const QString& warning : result.view.warnings) ui_.message(MessageKind::Warning, warning);
    view_ = std::move(result.view);
    selectedRangeIndex_ =
        view_.rangePosition >= 0 ? view_.rangeList.indexOfPosition[view_.rangePosition] : 0;
}

bool ConfigModel::RefreshFromConfig() {
    const bool corrupt = adoptRecord();
    announce();
    showView();
    return corrupt;
}

bool ConfigModel::adoptLinearization() {
    TransmitterConfig trial = config_;
    if (AdoptRecord(trial, identity_.typeIndex, identity_.firmwareIndex).corrupt ==
        CorruptStep::None) {
        RefreshFromConfig();
        return true;
    }
    view_.unitSymbol = UnitSymbol(config_.PvUnit);
    controls_.unitSymbol = view_.unitSymbol;
    announce();
    emit viewChanged();
    emit controlsChanged();
    ui_.message(MessageKind::Warning,
                Texts::tr("Some values of the configuration lie outside the range of the new "
                          "linearization (measuring range, corrections or limit comparators). "
                          "Correct them before the configuration is written or saved."));
    return false;
}

bool ConfigModel::adoptRecord() {
    RefreshGuard guard(*this);
    const bool userChanges = hasUserChanges();
    mended_.reset();
    applyAdoption(AdoptRecord(config_, identity_.typeIndex, identity_.firmwareIndex));
    if (lastCorrupt_ == CorruptStep::None) {
        if (tablesReplaced_ && !userChanges) mended_ = config_;
        return false;
    }
    const CorruptStep found = lastCorrupt_;
    ui_.message(
        MessageKind::Error,
        Texts::tr("Transmitter configuration corrupt. Last writing probably not successful. "
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
    if (!userChanges) mended_ = config_;
    return true;
}

bool ConfigModel::allowsLinearization() const {
    return hasConfiguration() && view_.linearEnabled;
}

bool ConfigModel::allowsOutputTesting() const {
    return hasConfiguration() && OutputTypeOf(identity_.typeIndex) != nullptr;
}

PhysicalOutputLimits ConfigModel::physicalLimits() const {
    const OutputTypeEntry* type = OutputTypeOf(identity_.typeIndex);
    return type ? ComputePhysicalLimits(config_, *type) : PhysicalOutputLimits{};
}

bool ConfigModel::setDefaultConfigurationCommand() {
    if (!ui_.question(Question::SetDefaultConfiguration, MessageKind::Confirmation,
                      Texts::tr("Do you really want to pre-set default configuration? ")))
        return false;
    PushUndo(config_);
    SetDefaultConfiguration(identity_.typeIndex, selectedRangeIndex_, identity_.firmwareIndex);
    RefreshFromConfig();
    emit linearizationTablesCleared();
    return true;
}

void ConfigModel::setDefaultOutputParameters() {
    {
        Edit e(*this);
        lmk17::SetDefaultOutputLimits(config_, identity_.typeIndex, identity_.firmwareIndex);
        EncodeOutputCodes(config_, identity_.typeIndex, identity_.firmwareIndex);
    }
    // The other controls keep what the user typed.
    view_.output = ShowOutputValues(config_, identity_.typeIndex, identity_.firmwareIndex);
    controls_.output = view_.output;
    emit viewChanged();
    emit controlsChanged();
}

bool ConfigModel::undo(const IdentityDeriver& derive) {
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
    setUnsavedChanges(true);
    PushUndo(config_);
    if (!refreshing_)
        ui_.message(MessageKind::Information,
                    Texts::tr("Input range was changed, check configuration."));
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
    announce();
    showView();
    emit linearizationTablesCleared();
    return true;
}

}  // namespace lmk17
