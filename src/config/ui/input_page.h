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

    QComboBox* ZaklRozsahCB = nullptr;        // input range list
    QComboBox* PripojeniCB = nullptr;         // connection list
    QCheckBox* FRUsrLinCBx = nullptr;         // customer linearization check box
    QPushButton* LinearBtn = nullptr;         // "Linearization" button
    QGroupBox* RCGB = nullptr;                // lead resistance group
    QGroupBox* RC8GB = nullptr;               // lead resistances of two sensors group
    QGroupBox* KompenzGB = nullptr;           // cold junction compensation group
    QRadioButton* IErrLowRBtn = nullptr;      // error current low
    QRadioButton* IErrHighRBtn = nullptr;     // error current high
    QCheckBox* MCEnbCBx[2] = {};              // limit comparator enabled
    QCheckBox* MCErrEnbCBx[2] = {};           // comparator indicated by the error current
    QComboBox* MCsmyslCB[2] = {};             // comparator switching mode (sense)
    QComboBox* MCErrStateCB[2] = {};          // comparator state on error
    QLabel* MCErrStateLbl[2] = {};            // its caption
    QCheckBox* Ierr2ReleCBx[2] = {};          // transmitter error shown by relay n
    QGroupBox* InpFilterGB = nullptr;         // input filter group
    QRadioButton* InpFilter50RBtn = nullptr;  // 50 Hz
    QRadioButton* InpFilter60RBtn = nullptr;  // 60 Hz
    QCheckBox* EdtDisableCBx = nullptr;       // set-up unit lock
    QLineEdit* UsrLabelEdt = nullptr;         // user note

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
