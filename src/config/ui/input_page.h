#pragma once

#include <QWidget>
#include "config/config_controls.h"
#include "config/ui/page_edits.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lmk17 {

class TConfigEdit;

// The "Input" page: input range and connection, measuring range and
// corrections, lead resistance and cold junction, damping and error current,
// limit comparators, input filter, the set-up unit lock and the user note.
// It shows the controls' state and forwards every edit to them.
class TInputPage : public QWidget {
    Q_OBJECT
public:
    explicit TInputPage(ConfigControls& controls, QWidget* parent = nullptr);

    TConfigEdit* edit(EditField field) const;

    QComboBox* ZaklRozsahCB = nullptr;
    QComboBox* PripojeniCB = nullptr;
    QCheckBox* FRUsrLinCBx = nullptr;
    QPushButton* LinearBtn = nullptr;
    QGroupBox* RCGB = nullptr;
    QGroupBox* RC8GB = nullptr;
    QGroupBox* KompenzGB = nullptr;
    QRadioButton* IErrLowRBtn = nullptr;
    QRadioButton* IErrHighRBtn = nullptr;
    QCheckBox* MCEnbCBx[2] = {};
    QCheckBox* MCErrEnbCBx[2] = {};
    QComboBox* MCsmyslCB[2] = {};
    QComboBox* MCErrStateCB[2] = {};
    QLabel* MCErrStateLbl[2] = {};
    QCheckBox* Ierr2ReleCBx[2] = {};
    QGroupBox* InpFilterGB = nullptr;
    QRadioButton* InpFilter50RBtn = nullptr;
    QRadioButton* InpFilter60RBtn = nullptr;
    QCheckBox* EdtDisableCBx = nullptr;
    QLineEdit* UsrLabelEdt = nullptr;

signals:
    // "Linearization": the linearization editor opens on the configuration.
    void linearizationRequested();

private:
    QWidget* createRangeGroup();
    QWidget* createValuesGroup();
    QWidget* createComparatorGroup();
    QWidget* createOptionsGroup();
    TConfigEdit* addEdit(EditField field);
    QLabel* addUnit(QWidget* parent);
    void showControls();
    void showTypeSetup();

    ConfigControls& controls_;
    PageEdits edits_;
    std::vector<QLabel*> unitLabels_;
    QWidget* comparatorGroup_ = nullptr;
    QString noteEntry_;
};

}  // namespace lmk17
