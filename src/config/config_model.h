#pragma once

#include <QByteArray>
#include <array>
#include <functional>

#include "common/user_interaction.h"
#include "config/adopt_record.h"
#include "config/config_view.h"
#include "config/output_limits.h"
#include "config/transmitter_config.h"

namespace lmk17 {

// Where the current configuration came from (Part of the identity the
// transmitter operations compare against).
enum class ConfigOrigin { None = 0, Transmitter = 1, File = 2, Default = 3 };

// The identification the configuration belongs to.
struct ConfigIdentity {
    int typeIndex = 0;         // 1..41, 0 = unknown
    int firmwareIndex = 0;     // 1..18, 0 = unknown
    int rangeIndex = 0;        // 1..36, 0 = unknown
    qint32 serialNumber = -1;  // negative = unknown
    QByteArray identificationText;
};

// The current configuration with its undo stack: windows show its state
// (view()) and forward the user's actions to it; nothing here opens a window.
class ConfigModel {
public:
    static constexpr int kUndoSlots = 10;

    explicit ConfigModel(UserInteraction& ui) : ui_(ui) {}

    const TransmitterConfig& config() const { return config_; }
    // Single-field edits by the parameter checks.
    TransmitterConfig& config() { return config_; }
    // Replaces the whole record (after a read or a load); RefreshFromConfig follows.
    void setConfig(const TransmitterConfig& config) { config_ = config; }

    ConfigIdentity& identity() { return identity_; }
    const ConfigIdentity& identity() const { return identity_; }
    int firmwareNumber() const;

    ConfigOrigin origin = ConfigOrigin::None;
    bool unsavedChanges = false;

    // An input range is selected once a configuration was read, loaded or set;
    // until then saving, writing and undo refuse to act.
    bool hasConfiguration() const { return selectedRangeIndex_ != 0; }
    int selectedRangeIndex() const { return selectedRangeIndex_; }

    // Set while the window is being refreshed from the record: no undo copy
    // is taken and the range change says nothing.
    bool refreshing() const { return refreshing_; }
    class RefreshGuard {
    public:
        explicit RefreshGuard(ConfigModel& model) : model_(model), was_(model.refreshing_) {
            model_.refreshing_ = true;
        }
        ~RefreshGuard() { model_.refreshing_ = was_; }
        RefreshGuard(const RefreshGuard&) = delete;
        RefreshGuard& operator=(const RefreshGuard&) = delete;

    private:
        ConfigModel& model_;
        bool was_;
    };

    // --- undo ---
    // Copies the record first, so the live record may be passed.
    void PushUndo(const TransmitterConfig& record);
    bool PopUndo();
    int undoCount() const { return undoCount_; }
    bool undoEnabled() const { return undoCount_ > 0; }  // ZpetMnu

    // --- defaults ---
    bool SetDefaultConfiguration(int typeIndex, int rangeIndex, int firmwareIndex);
    bool SetDefaultOutputLimits(int typeIndex, int firmwareIndex);

    // --- adoption ---
    // Adopts the record into the view; a corrupt record is reported, replaced
    // by the default configuration for the identity and adopted again.
    // Returns whether the record was found corrupt.
    bool RefreshFromConfig();
    const ConfigView& view() const { return view_; }
    CorruptStep lastCorruptStep() const { return lastCorrupt_; }

    PhysicalOutputLimits physicalLimits() const;

    // --- window commands ---
    // "Set Default Configuration": asks, takes an undo copy, sets the defaults
    // for the identity and adopts them. True when carried out; the caller
    // then re-takes the working identification and ends any running operation.
    bool SetDefaultConfigurationCommand();
    // "Default Parameters" on the Output page (no undo copy, not a change).
    void DefaultOutputParameters();
    // "Undo": restores the last copy; derive (may be empty) takes the type and
    // firmware from the restored identification text. False when nothing was
    // restored.
    using IdentityDeriver = std::function<void(ConfigIdentity&)>;
    bool UndoCommand(const IdentityDeriver& derive);
    // Choosing another entry of the input range list. False when rangeIndex is
    // not listed or already selected.
    bool SelectRange(int rangeIndex);

private:
    UserInteraction& ui_;
    TransmitterConfig config_;
    ConfigIdentity identity_;
    std::array<TransmitterConfig, kUndoSlots> undo_{};
    int undoCount_ = 0;
    bool refreshing_ = false;
    int selectedRangeIndex_ = 0;
    ConfigView view_;
    CorruptStep lastCorrupt_ = CorruptStep::None;

    void applyAdoption(AdoptResult&& result);
};

}  // namespace lmk17
