#include "config/validation_model.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/edit_fields.h"
#include "config/firmware.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

bool countsAsChangeWhileTyping(EditField field) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    return d && d->typingCounts;
}

QByteArray noteOf(const QString& text) {
    QByteArray note = EncodeWindows1250(text).left(kTextLength);
    while (note.endsWith(' ')) note.chop(1);
    return note;
}

// Runs a check on the record and the controls in one edit of the model, then
// reports its outcome through the model.
template <typename Check>
CheckOutcome checkAndReport(ConfigModel& model, Check&& check) {
    CheckOutcome outcome;
    {
        ConfigModel::Edit edit = model.edit();
        outcome = check(edit.config(), edit.controls());
    }
    model.reportCheck(outcome);
    return outcome;
}

}  // namespace

CheckContext ContextOf(const ConfigModel& model) {
    CheckContext context;
    context.typeIndex = model.identity().typeIndex;
    context.firmwareIndex = model.identity().firmwareIndex;
    return context;
}

CheckOutcome CheckAll(ConfigModel& model) {
    CheckContext context = ContextOf(model);
    const TransmitterConfig before = model.config();
    // Without pages nobody typed: the record's own values over its own view.
    ConfigView recordView;
    const bool valuesFromRecord = !model.controlsShown();
    if (valuesFromRecord) {
        context.values = &before;
        recordView = model.view();
    }
    ConfigView& controls = valuesFromRecord ? recordView : model.controls_;
    CheckOutcome outcome = CheckAllFields(model.edit().config(), controls, context);
    if (!outcome.accepted) return outcome;
    // 14: the window shows the record as it will be saved or written. A
    // record the adoption finds corrupt (shown and replaced by the model) is
    // not passed on.
    if (model.RefreshFromConfig()) {
        outcome.accepted = false;
        outcome.page = ConfigPage::Input;
    }
    controls = model.view();
    return outcome;
}

void EditTextChanged(ConfigModel& model, EditField field, const QString& text) {
    model.keepTypedText(field, text);
    if (countsAsChangeWhileTyping(field)) model.setUnsavedChanges(true);
}

// The texts come by value: the model's announcements redraw the pages, which
// may replace the caller's copies while the check runs.
CheckOutcome LeaveEdit(ConfigModel& model, EditField field, QString text, QString entryText) {
    const TransmitterConfig before = model.config();
    model.keepTypedText(field, text);
    const CheckOutcome outcome =
        checkAndReport(model, [&](TransmitterConfig& config, ConfigView& controls) {
            return CheckField(field, config, controls, ContextOf(model));
        });
    if (!outcome.accepted) {
        // A refused value never stays in the record: neither an undo copy nor
        // a write can take it. The edit keeps the text for correction.
        if (ConfigDifference(before, model.config())) model.edit().config() = before;
        return outcome;
    }
    // Only a value that changed the record is a change (a refused value put
    // back to what it was is none) and leaves a copy to go back to.
    if (text.trimmed() != entryText.trimmed() && ConfigDifference(before, model.config())) {
        model.PushUndo(before);
        model.setUnsavedChanges(true);
    }
    return outcome;
}

CheckOutcome ChangePolarity(ConfigModel& model, int n, bool reverse) {
    if (n < 1 || n > 2 || model.controls().comparators.reverse[n - 1] == reverse) return {};
    model.setUnsavedChanges(true);
    model.PushUndo(model.config());
    return checkAndReport(model, [&](TransmitterConfig& config, ConfigView& controls) {
        controls.comparators.reverse[n - 1] = reverse;
        return CheckField(n == 1 ? EditField::HS1Edt : EditField::HS2Edt, config, controls,
                          ContextOf(model));
    });
}

CheckOutcome ChangeComparatorControl(ConfigModel& model, ComparatorControl control, int n,
                                     bool on) {
    if (n < 1 || n > 2) return {};
    const ComparatorView& shown = model.controls().comparators;
    const bool* states[] = {shown.enableChecked, shown.errorCurrentChecked, shown.switchOnAtError,
                            shown.relayChecked};
    const int which = static_cast<int>(control);
    if (states[which][n - 1] == on) return {};
    model.setUnsavedChanges(true);
    model.PushUndo(model.config());
    return checkAndReport(model, [&](TransmitterConfig& config, ConfigView& controls) {
        ComparatorView& cv = controls.comparators;
        bool* edited[] = {cv.enableChecked, cv.errorCurrentChecked, cv.switchOnAtError,
                          cv.relayChecked};
        edited[which][n - 1] = on;
        return CheckComparators(config, controls, ContextOf(model));
    });
}

CheckOutcome ChangeErrorOutput(ConfigModel& model, bool low) {
    if (model.controls().errorHighChecked == !low) return {};
    model.setUnsavedChanges(true);
    return checkAndReport(model, [&](TransmitterConfig& config, ConfigView& controls) {
        controls.errorHighChecked = !low;
        return CheckField(EditField::DampEdt, config, controls, ContextOf(model));
    });
}

void LeaveUserNote(ConfigModel& model, QString text, QString entryText) {
    if (model.controls().userNote != text) model.edit().controls().userNote = text;
    if (text == entryText || noteOf(text) == model.config().UserNote) return;
    model.PushUndo(model.config());
    model.setUnsavedChanges(true);
    model.edit().config().UserNote = noteOf(text);
}

void ToggleEditDisable(ConfigModel& model, bool checked) {
    model.PushUndo(model.config());
    model.setUnsavedChanges(true);
    ConfigModel::Edit edit = model.edit();
    edit.controls().editDisableChecked = checked;
    quint8& flags = edit.config().RangeFlags;
    flags = checked ? quint8(flags | kRangeFlagSetupUnitLocked)
                    : quint8(flags & ~kRangeFlagSetupUnitLocked);
}

void SelectInputFilter(ConfigModel& model, bool sixtyHz) {
    if (model.controls().filter60Checked != sixtyHz) model.setUnsavedChanges(true);
    ConfigModel::Edit edit = model.edit();
    edit.controls().filter60Checked = sixtyHz;
    quint8& flags = edit.config().FilterFlags;
    flags = sixtyHz ? quint8(flags | 0x01) : quint8(flags & ~0x01);
}

void ToggleCustomerLinearization(ConfigModel& model, bool checked, UserInteraction& ui) {
    if (checked == model.controls().customerChecked) return;
    const bool standard =
        !checked &&
        ui.question(Question::DisableCustomerLinearization, MessageKind::Warning,
                    QCoreApplication::translate(
                        "Configuration",
                        "You want to disable custom linearization now. It will be set default "
                        "linearization and eventual custom linearization will be erased. Do you "
                        "want to continue?"));
    ConfigModel::Edit edit = model.edit();
    ConfigView& controls = edit.controls();
    if (standard) ApplyStandardTables(edit.config(), edit.config().InputRangeCode);
    controls.customerChecked = !standard;
    controls.linearEnabled = !standard;
    // Declining keeps the customer linearization and is no change.
    if (checked || standard) model.setUnsavedChanges(true);
}

ConnectionGroups GroupsForConnection(int rangeCode, int connectionCode, int firmwareIndex) {
    ConnectionGroups groups;
    const ConnectionEntry* conn = ConnectionAt(connectionCode);
    const InputRangeEntry* range = RangeByCode(rangeCode);
    if (!conn) return groups;
    const bool twoValues =
        conn->TwoSensors && firmware::HasSecondLeadResistance(FirmwareNumber(firmwareIndex));
    groups.lead = conn->NeedsLeadResistance || (conn->TwoSensors && !twoValues);
    groups.twoLead = twoValues;
    groups.cj = conn->CjCompensation && rangeCode != 5 && range && !range->OptionalCustomer;
    return groups;
}

void ChangeConnection(ConfigModel& model, int connectionCode) {
    ConfigModel::Edit edit = model.edit();
    const TransmitterConfig& c = edit.config();
    edit.config().ConnectionCode = quint8(connectionCode);
    ConfigView& controls = edit.controls();
    controls.connectionPosition = controls.connectionList.positionOfCode(connectionCode);
    const ConnectionGroups groups =
        GroupsForConnection(c.InputRangeCode, connectionCode, model.identity().firmwareIndex);
    controls.leadGroupVisible = groups.lead;
    controls.twoLeadGroupVisible = groups.twoLead;
    controls.cjGroupVisible = groups.cj;
}

TypeSetup SetupForType(int typeIndex, int firmwareIndex) {
    TypeSetup setup;
    const int fw = FirmwareNumber(firmwareIndex);
    setup.comparators = OfferedComparatorControls(typeIndex, firmwareIndex);
    setup.outputRange = firmware::HasOutputRange(fw);
    setup.outputLimits = firmware::HasOutputLimits(fw);
    setup.inputFilter = firmware::HasInputFilter(fw);
    if (const OutputTypeEntry* type = OutputTypeOf(typeIndex)) {
        for (int i = 0; i < 3; ++i)
            setup.testValueTexts[i] = QString::asprintf(" %.3f", type->q[17 + i] * type->k);
    }
    return setup;
}

}  // namespace lmk17
