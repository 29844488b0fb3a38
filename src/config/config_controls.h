#pragma once

#include <QObject>
#include <QString>

#include "common/user_interaction.h"
#include "config/config_model.h"
#include "config/config_view.h"
#include "config/validation.h"
#include "config/validation_model.h"

namespace lmk17 {

// The Input, Output and Information pages' road into the configuration
// model, shared by the three pages. A page forwards what the user chose or
// clicked (its numeric edits hand their texts to the model's EditTextChanged
// and LeaveEdit themselves); the model runs the checks, keeps the controls' state and
// reports (validation_model.h); this adapter passes the reports on to the
// pages:
//
// - controlsChanged(): view() holds new contents (after an edit's check, an
//   adoption, a range change, undo, defaults): the pages show it;
// - typeSetupChanged(): setup() follows another type or firmware;
// - refused(page, field): a check failed: the page is brought up and the
//   edit gets the focus back.
//
// The complete check of a save or a write (CheckAll) runs over the model's
// controls: the texts the edits hold now, as the user left them.
class ConfigControls : public QObject {
    Q_OBJECT
public:
    ConfigControls(ConfigModel& model, UserInteraction& ui, QObject* parent = nullptr);

    ConfigModel& model() { return model_; }
    const ConfigView& view() const { return model_.controls(); }
    const TypeSetup& setup() const { return setup_; }

    // What the window enables for the configuration's type and firmware.
    void setupForType(int typeIndex, int firmwareIndex);  // SetupForType

    // Another entry of the input range list (its list position).
    void selectRangePosition(int position);  // ZaklRozsahCBChange
    // Another entry of the connection list.
    void selectConnectionPosition(int position);  // PripojeniCBChange
    // "Customer" checked or unchecked (unchecking asks first).
    void setCustomerLinearization(bool checked);  // FRUsrLinCBxMouseUp
    // "Low Output" or "High Output" chosen for the error current.
    bool setErrorOutput(bool low);      // IErrLowRBtnClick, IErrHighRBtnClick
    void setEditDisable(bool checked);  // EdtDisableCBxClick
    void leaveUserNote(const QString& text, const QString& entryText);  // UsrLabelEdtExit
    void setInputFilter(bool sixtyHz);  // InpFilter50RBtnClick, InpFilter60RBtnClick

    // The comparator controls of comparator (or relay) n = 1 or 2.
    using ComparatorControl = lmk17::ComparatorControl;
    bool setComparatorControl(ComparatorControl control, int n, bool on);  // MCnEnbCBxMouseUp ...
    bool setPolarity(int n, bool reverse);  // MC1smyslCBChange, MC2smyslCBChange

    // "Default Parameters" on the Output page.
    void setDefaultOutputParameters();  // NPDefaultBtnClick

    // After a check whose messages were already shown (the complete check of
    // a save or a write): brings up the page and the edit of a refusal.
    void focusRefusal(const CheckOutcome& outcome);

signals:
    void controlsChanged();
    void typeSetupChanged();
    void refused(ConfigPage page, EditField field);

private:
    ConfigModel& model_;
    UserInteraction& ui_;
    TypeSetup setup_;
};

}  // namespace lmk17
