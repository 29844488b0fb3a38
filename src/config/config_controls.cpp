#include "config/config_controls.h"

namespace lmk17 {

ConfigControls::ConfigControls(ConfigModel& model, UserInteraction& ui, QObject* parent)
    : QObject(parent), model_(model), ui_(ui), view_(model.view()) {
    connect(&model_, &ConfigModel::viewChanged, this, &ConfigControls::takeModelView);
    connect(&model_, &ConfigModel::identityChanged, this, [this] {
        const ConfigIdentity& id = model_.identity();
        setupForType(id.typeIndex, id.firmwareIndex);
    });
    setupForType(model.identity().typeIndex, model.identity().firmwareIndex);
}

void ConfigControls::takeModelView() {
    if (keepControls_) {
        view_.output = model_.view().output;
    } else {
        view_ = model_.view();
    }
    emit controlsChanged();
}

void ConfigControls::setupForType(int typeIndex, int firmwareIndex) {
    setup_ = SetupForType(typeIndex, firmwareIndex);
    emit typeSetupChanged();
}

bool ConfigControls::finish(const CheckOutcome& outcome) {
    for (const CheckMessage& m : outcome.messages) ui_.message(m.kind, m.text);
    emit controlsChanged();
    if (!outcome.accepted) focusRefusal(outcome);
    return outcome.accepted;
}

void ConfigControls::focusRefusal(const CheckOutcome& outcome) {
    if (outcome.accepted) return;
    const ConfigPage page = outcome.page ? *outcome.page
                                         : (outcome.focus != EditField::None ? PageOf(outcome.focus)
                                                                             : ConfigPage::Input);
    emit refused(page, outcome.focus);
}

void ConfigControls::typeText(EditField field, const QString& text) {
    EditText(view_, field) = text;
    EditTextChanged(model_, field);
}

bool ConfigControls::leaveEdit(EditField field, const QString& text, const QString& entryText) {
    EditText(view_, field) = text;
    return finish(LeaveEdit(model_, view_, field, entryText));
}

void ConfigControls::selectRangePosition(int position) {
    const auto& map = view_.rangeList.indexOfPosition;
    if (position < 0 || position >= int(map.size())) return;
    // The model adopts the new range and announces its view (controlsChanged).
    model_.SelectRange(map[size_t(position)]);
}

void ConfigControls::selectConnectionPosition(int position) {
    const auto& map = view_.connectionList.codeOfPosition;
    if (position < 0 || position >= int(map.size()) || position == view_.connectionPosition) return;
    // A changed connection is a change of the record like any other: it
    // must not be lost silently by a following load.
    model_.setUnsavedChanges(true);
    ChangeConnection(model_, view_, map[size_t(position)]);
    emit controlsChanged();
}

void ConfigControls::setCustomerLinearization(bool checked) {
    if (checked == view_.customerChecked) return;
    ToggleCustomerLinearization(model_, view_, checked, ui_);
    emit controlsChanged();
}

bool ConfigControls::setErrorOutput(bool low) {
    return finish(ChangeErrorOutput(model_, view_, low));
}

void ConfigControls::setEditDisable(bool checked) {
    ToggleEditDisable(model_, view_, checked);
    emit controlsChanged();
}

void ConfigControls::leaveUserNote(const QString& text, const QString& entryText) {
    view_.userNote = text;
    LeaveUserNote(model_, view_, entryText);
}

void ConfigControls::setInputFilter(bool sixtyHz) {
    SelectInputFilter(model_, view_, sixtyHz);
    emit controlsChanged();
}

bool ConfigControls::setComparatorControl(ComparatorControl control, int n, bool on) {
    if (n < 1 || n > 2) return true;
    ComparatorView& cv = view_.comparators;
    const int i = n - 1;
    bool* state = nullptr;
    switch (control) {
        case ComparatorControl::Enable:
            state = &cv.enableChecked[i];
            break;
        case ComparatorControl::ErrorCurrent:
            state = &cv.errorCurrentChecked[i];
            break;
        case ComparatorControl::ErrorState:
            state = &cv.switchOnAtError[i];
            break;
        case ComparatorControl::Relay:
            state = &cv.relayChecked[i];
            break;
    }
    if (*state == on) return true;
    *state = on;
    return finish(ChangeComparatorControls(model_, view_));
}

bool ConfigControls::setPolarity(int n, bool reverse) {
    return finish(ChangePolarity(model_, view_, n, reverse));
}

void ConfigControls::setDefaultOutputParameters() {
    keepControls_ = true;
    model_.setDefaultOutputParameters();
    keepControls_ = false;
}

}  // namespace lmk17
