#include "config/config_controls.h"

namespace lmk17 {

ConfigControls::ConfigControls(ConfigModel& model, UserInteraction& ui, QObject* parent)
    : QObject(parent), model_(model), ui_(ui) {
    connect(&model_, &ConfigModel::controlsChanged, this, &ConfigControls::controlsChanged);
    connect(&model_, &ConfigModel::checkRefused, this, &ConfigControls::refused);
    connect(&model_, &ConfigModel::identityChanged, this, [this] {
        const ConfigIdentity& id = model_.identity();
        setupForType(id.typeIndex, id.firmwareIndex);
    });
    setupForType(model.identity().typeIndex, model.identity().firmwareIndex);
}

void ConfigControls::setupForType(int typeIndex, int firmwareIndex) {
    setup_ = SetupForType(typeIndex, firmwareIndex);
    emit typeSetupChanged();
}

void ConfigControls::focusRefusal(const CheckOutcome& outcome) {
    model_.announceRefusal(outcome);
}

void ConfigControls::selectRangePosition(int position) {
    const auto& map = view().rangeList.indexOfPosition;
    if (position < 0 || position >= int(map.size())) return;
    // The model adopts the new range and announces its view (controlsChanged).
    model_.SelectRange(map[size_t(position)]);
}

void ConfigControls::selectConnectionPosition(int position) {
    const auto& map = view().connectionList.codeOfPosition;
    if (position < 0 || position >= int(map.size()) || position == view().connectionPosition)
        return;
    // A changed connection is a change of the record like any other: it
    // must not be lost silently by a following load.
    model_.setUnsavedChanges(true);
    ChangeConnection(model_, map[size_t(position)]);
}

void ConfigControls::setCustomerLinearization(bool checked) {
    ToggleCustomerLinearization(model_, checked, ui_);
}

bool ConfigControls::setErrorOutput(bool low) {
    return ChangeErrorOutput(model_, low).accepted;
}

void ConfigControls::setEditDisable(bool checked) {
    ToggleEditDisable(model_, checked);
}

void ConfigControls::leaveUserNote(const QString& text, const QString& entryText) {
    LeaveUserNote(model_, text, entryText);
}

void ConfigControls::setInputFilter(bool sixtyHz) {
    SelectInputFilter(model_, sixtyHz);
}

bool ConfigControls::setComparatorControl(ComparatorControl control, int n, bool on) {
    return ChangeComparatorControl(model_, control, n, on).accepted;
}

bool ConfigControls::setPolarity(int n, bool reverse) {
    return ChangePolarity(model_, n, reverse).accepted;
}

void ConfigControls::setDefaultOutputParameters() {
    model_.setDefaultOutputParameters();
}

}  // namespace lmk17
