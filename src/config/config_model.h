#pragma once

#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "common/user_interaction.h"
#include "config/adopt_record.h"
#include "config/config_view.h"
#include "config/output_limits.h"
#include "config/transmitter_config.h"
#include "config/validation.h"

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

// What part of the record a change touched: windows refresh only what shows it.
namespace config_change {
inline constexpr unsigned kInputPage = 1u << 0;   // range, connection, values, comparators, note
inline constexpr unsigned kOutputPage = 1u << 1;  // output range, limits and their codes
inline constexpr unsigned kInformationPage = 1u << 2;  // serial number, texts, dates, working time
inline constexpr unsigned kLinearization = 1u << 3;    // LinSegTable, CjcPoly
inline constexpr unsigned kCommunication = 1u << 4;    // AddressByte, BaudCode
inline constexpr unsigned kSignature = 1u << 5;        // the file version text
inline constexpr unsigned kAll = (1u << 6) - 1;
}  // namespace config_change

// The parts of the record in which two records differ (config_change bits).
unsigned ConfigDifference(const TransmitterConfig& a, const TransmitterConfig& b);

// The current configuration with its identity, undo stack and the view the
// windows show. Windows read its state and forward the user's actions; they
// never write the record. Every change is announced once, and only when
// something really changed:
//
// - configChanged(mask): fields of the record changed (config_change bits);
// - viewChanged():       view() was computed again (adoption, range change,
//                        output defaults): the pages show it;
// - unsavedChanged(bool), originChanged(origin), identityChanged(),
//   undoAvailable(bool) (ZpetMnu follows it);
// - controlsChanged():   controls() changed (a new view, an edit's check):
//                        the pages show them;
// - checkRefused(page, field): a check of the user's edit failed (its
//                        messages have been shown): the page is brought up
//                        and the edit gets the focus back.
//
// In-place edits go through an Edit, which announces what changed when it
// goes out of scope:
//
//     model.edit().config().Damping = 9.0;     // one field
//     { auto e = model.edit(); Adopt(e.identity(), e.config()); }
//
// Nothing here opens a window: messages and questions go to UserInteraction.
class ConfigModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoSlots = 10;

    explicit ConfigModel(UserInteraction& ui, QObject* parent = nullptr);
    ~ConfigModel() override;

    const TransmitterConfig& config() const { return config_; }
    const ConfigIdentity& identity() const { return identity_; }
    int firmwareNumber() const;

    // A scope of in-place changes to the record and the identity; the
    // changes are announced when the last open Edit ends.
    class Edit {
    public:
        explicit Edit(ConfigModel& model) : model_(&model) { ++model_->editDepth_; }
        ~Edit();
        Edit(Edit&& other) noexcept : model_(other.model_) { other.model_ = nullptr; }
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;
        Edit& operator=(Edit&&) = delete;
        TransmitterConfig& config() { return model_->config_; }
        ConfigIdentity& identity() { return model_->identity_; }
        // The controls as the checks rewrite them; announced as controlsChanged.
        ConfigView& controls() {
            model_->controlsTouched_ = true;
            return model_->controls_;
        }

    private:
        ConfigModel* model_;
    };
    Edit edit() { return Edit(*this); }

    // Replaces the whole record (after a read or a load); RefreshFromConfig follows.
    void setConfig(const TransmitterConfig& config);
    void setIdentity(const ConfigIdentity& identity);

    ConfigOrigin origin() const { return origin_; }
    void setOrigin(ConfigOrigin origin);
    // The program-wide flag of changes not yet saved or written.
    bool unsavedChanges() const { return unsaved_; }
    void setUnsavedChanges(bool unsaved);
    // Unsaved changes the user made. A mend the adoption makes by itself
    // (the standard tables copied in, the defaults for a corrupt record)
    // leaves the record unsaved, so that it is written or saved, but the
    // record still is what came from the transmitter or the file: the live
    // operations do not ask to read it again for that alone.
    bool hasUserChanges() const;

    // An input range is selected once a configuration was read, loaded or set;
    // until then saving, writing and undo refuse to act.
    bool hasConfiguration() const { return selectedRangeIndex_ != 0; }
    int selectedRangeIndex() const { return selectedRangeIndex_; }

    // Held while the window is being refreshed from the record: no undo copy
    // is taken and the range change says nothing.
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
    // After the linearization editor's OK: the record is adopted as after any
    // change of its tables when it passes the adoption's checks. Values the
    // new tables no longer hold (a range value or comparator level outside the
    // new PV range) are the user's to correct, not a corrupt record to replace
    // by the defaults: the window then only takes the new unit, the user is
    // told, and the complete check before a write or save names each value.
    // Returns whether the record was adopted whole.
    bool adoptLinearization();
    const ConfigView& view() const { return view_; }
    // The pages' controls as the user left them: the texts the edits hold now,
    // the lists and boxes. A new view() replaces them; the checks of the
    // user's edits (validation_model.h) rewrite them.
    const ConfigView& controls() const { return controls_; }
    // Keeps a numeric edit's text while the user types (no announcement:
    // the edit shows it already).
    void keepTypedText(EditField field, const QString& text);
    // Pages show the controls and the user edits them: the complete check
    // (CheckAll, validation_model.h) takes their texts. Without pages (the
    // command line) it takes the record's own values.
    bool controlsShown() const { return controlsShown_; }
    void setControlsShown(bool shown) { controlsShown_ = shown; }
    // Shows a check's messages; a failure is announced by checkRefused.
    // Returns whether the check accepted.
    bool reportCheck(const CheckOutcome& outcome);
    // Announces the failure of a check whose messages were already shown
    // (the complete check of a save or a write).
    void announceRefusal(const CheckOutcome& outcome);
    CorruptStep lastCorruptStep() const { return lastCorrupt_; }

    PhysicalOutputLimits physicalLimits() const;

    // "Linearization" may be opened: a configuration whose range uses the
    // linearization editor (an optional customer one only while "Customer"
    // is checked).
    bool allowsLinearization() const;
    // The output test may run: a configuration for a type with an analogue output.
    bool allowsOutputTesting() const;

    // --- window commands ---
    // "Set Default Configuration": asks, takes an undo copy, sets the defaults
    // for the identity and adopts them. True when carried out; the caller
    // then re-takes the working identification and ends any running operation.
    bool setDefaultConfigurationCommand();  // ZaklKonfigMnuClick
    // "Default Parameters" on the Output page (no undo copy, not a change).
    void setDefaultOutputParameters();  // NPDefaultBtnClick
    // "Undo": restores the last copy; derive (may be empty) takes the type and
    // firmware from the restored identification text. False when nothing was
    // restored.
    using IdentityDeriver = std::function<void(ConfigIdentity&)>;
    bool undo(const IdentityDeriver& derive);  // ZpetMnuClick
    // Choosing another entry of the input range list. False when rangeIndex is
    // not listed or already selected.
    bool SelectRange(int rangeIndex);  // ZaklRozsahCBChange

signals:
    void configChanged(unsigned changes);
    void viewChanged();
    void unsavedChanged(bool unsaved);
    void originChanged(ConfigOrigin origin);
    void identityChanged();
    void undoAvailable(bool available);
    void controlsChanged();
    void checkRefused(ConfigPage page, EditField field);
    // The linearization editor's working tables belong to the record they
    // were made for: reading, loading, a range change and the defaults
    // clear them.
    void linearizationTablesCleared();

private:
    friend class ConfigSequence;  // fills and sends the record field by field
    // The complete check rewrites the controls as it takes them over, with
    // no announcement of its own: the adoption that ends it announces.
    friend CheckOutcome CheckAll(ConfigModel& model);
    // The record as the configuration sequence transfers it; the read's
    // values are announced when the sequence adopts the record.
    TransmitterConfig& transferRecord() { return config_; }

    void announce();
    bool adoptRecord();
    void setUndoCount(int count);
    void applyAdoption(AdoptResult&& result);
    void showView();

    UserInteraction& ui_;
    TransmitterConfig config_;
    ConfigIdentity identity_;
    TransmitterConfig announcedConfig_;
    ConfigIdentity announcedIdentity_;
    int editDepth_ = 0;
    ConfigOrigin origin_ = ConfigOrigin::None;
    bool unsaved_ = false;
    std::array<TransmitterConfig, kUndoSlots> undo_{};
    int undoCount_ = 0;
    bool refreshing_ = false;
    int selectedRangeIndex_ = 0;
    ConfigView view_;
    ConfigView controls_;
    bool controlsTouched_ = false;  // by an Edit, not yet announced
    bool controlsShown_ = false;
    CorruptStep lastCorrupt_ = CorruptStep::None;
    bool tablesReplaced_ = false;              // by the last adoption
    std::optional<TransmitterConfig> mended_;  // the record as the adoption mended it
};

}  // namespace lmk17
