#include "config/validation_model.h"

#include <QCoreApplication>

#include "config/catalogue.h"
#include "config/firmware.h"
#include "config/windows1250.h"

namespace lmk17 {

namespace {

bool countsAsChangeWhileTyping(EditField field) {
    return field == EditField::DampEdt || field == EditField::HS2Edt;
}

QByteArray noteOf(const QString& text) {
    QByteArray note = EncodeWindows1250(text).left(kTextLength);
    while (note.endsWith(' ')) note.chop(1);
    return note;
}

}  // namespace

CheckContext ContextOf(const ConfigModel& model) {
    CheckContext context;
    context.typeIndex = model.identity().typeIndex;
    context.firmwareIndex = model.identity().firmwareIndex;
    return context;
}

CheckOutcome CheckAll(ConfigModel& model, ConfigView& controls, bool valuesFromRecord) {
    CheckContext context = ContextOf(model);
    const TransmitterConfig before = model.config();
    if (valuesFromRecord) context.values = &before;
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

void EditTextChanged(ConfigModel& model, EditField field) {
    if (countsAsChangeWhileTyping(field)) model.setUnsavedChanges(true);
}

CheckOutcome LeaveEdit(ConfigModel& model, ConfigView& controls, EditField field,
                       const QString& entryText) {
    if (EditText(controls, field).trimmed() != entryText.trimmed()) {
        model.PushUndo(model.config());
        model.setUnsavedChanges(true);
    }
    return CheckField(field, model.edit().config(), controls, ContextOf(model));
}

CheckOutcome ChangePolarity(ConfigModel& model, ConfigView& controls, int n, bool reverse) {
    if (n < 1 || n > 2 || controls.comparators.reverse[n - 1] == reverse) return {};
    model.setUnsavedChanges(true);
    model.PushUndo(model.config());
    controls.comparators.reverse[n - 1] = reverse;
    return CheckField(n == 1 ? EditField::HS1Edt : EditField::HS2Edt, model.edit().config(),
                      controls, ContextOf(model));
}

CheckOutcome ChangeComparatorControls(ConfigModel& model, ConfigView& controls) {
    model.setUnsavedChanges(true);
    model.PushUndo(model.config());
    return CheckComparators(model.edit().config(), controls, ContextOf(model));
}

CheckOutcome ChangeErrorOutput(ConfigModel& model, ConfigView& controls, bool low) {
    if (controls.errorHighChecked == !low) return {};
    model.setUnsavedChanges(true);
    controls.errorHighChecked = !low;
    return CheckField(EditField::DampEdt, model.edit().config(), controls, ContextOf(model));
}

void LeaveUserNote(ConfigModel& model, ConfigView& controls, const QString& entryText) {
    if (controls.userNote == entryText) return;
    model.PushUndo(model.config());
    model.setUnsavedChanges(true);
    model.edit().config().UserNote = noteOf(controls.userNote);
}

void ToggleEditDisable(ConfigModel& model, ConfigView& controls, bool checked) {
    model.PushUndo(model.config());
    model.setUnsavedChanges(true);
    controls.editDisableChecked = checked;
    ConfigModel::Edit edit = model.edit();
    quint8& flags = edit.config().RangeFlags;
    flags = checked ? quint8(flags | kRangeFlagSetupUnitLocked)
                    : quint8(flags & ~kRangeFlagSetupUnitLocked);
}

void SelectInputFilter(ConfigModel& model, ConfigView& controls, bool sixtyHz) {
    if (controls.filter60Checked != sixtyHz) model.setUnsavedChanges(true);
    controls.filter60Checked = sixtyHz;
    ConfigModel::Edit edit = model.edit();
    quint8& flags = edit.config().FilterFlags;
    flags = sixtyHz ? quint8(flags | 0x01) : quint8(flags & ~0x01);
}

void ToggleCustomerLinearization(ConfigModel& model, ConfigView& controls, bool checked,
                                 UserInteraction& ui) {
    if (checked) {
        controls.customerChecked = true;
        controls.linearEnabled = true;
        model.setUnsavedChanges(true);
        return;
    }
    const bool yes = ui.question(
        Question::DisableCustomerLinearization, MessageKind::Warning,
        QCoreApplication::translate(
            "Configuration",
            "You want to disable custom linearization now. It will be set default "
            "linearization and eventual custom linearization will be erased. Do you want to "
            "continue?"));
    if (!yes) {
        controls.customerChecked = true;
        controls.linearEnabled = true;
        return;
    }
    ApplyStandardTables(model.edit().config(), model.config().InputRangeCode);
    controls.customerChecked = false;
    controls.linearEnabled = false;
    model.setUnsavedChanges(true);
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

void ChangeConnection(ConfigModel& model, ConfigView& controls, int connectionCode) {
    model.edit().config().ConnectionCode = quint8(connectionCode);
    const TransmitterConfig& c = model.config();
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
