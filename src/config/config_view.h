#pragma once

#include <QString>
#include <QStringList>

#include "config/catalogue.h"
#include "config/comparator_view.h"
#include "config/identification_view.h"
#include "config/output_limits.h"

namespace lmk17 {

// Everything the Input, Output and Information pages show for a record, as
// computed by the adoption of the record; the windows only apply it.
struct ConfigView {
    // True when no input range is selected: the window is blanked.
    bool blank = true;

    bool editDisableChecked = false;  // EdtDisableCBx

    RangeList rangeList;  // ZaklRozsahCB
    int rangePosition = -1;
    ConnectionList connectionList;  // PripojeniCB
    int connectionPosition = -1;

    bool customerVisible = false;  // FRUsrLinCBx and its label
    bool customerChecked = false;
    bool linearEnabled = false;         // LinearBtn
    bool communicationEnabled = false;  // AdresaBtn

    QString unitSymbol;  // the unit labels of range, comparator and correction fields

    bool leadGroupVisible = false;     // RCGB
    bool twoLeadGroupVisible = false;  // RC8GB
    bool cjGroupVisible = false;       // KompenzGB

    QString lowerRangeText;                        // LOEdt
    QString upperRangeText;                        // HIEdt
    QString lowerCorrectionText;                   // LOEEdt
    QString upperCorrectionText;                   // HIEEdt
    QString leadText;                              // RCEdt
    QString lead1Text;                             // RC8_1Edt
    QString lead2Text;                             // RC8_2Edt
    QString cjTemperatureText;                     // TemperCJEdt
    QString dampingText = QStringLiteral(" 4.0");  // DampEdt
    bool errorHighChecked = true;                  // IErrHighRBtn, else IErrLowRBtn

    ComparatorView comparators;
    QString userNote;              // UsrLabelEdt
    bool filter60Checked = false;  // InpFilter60RBtn, else InpFilter50RBtn

    IdentificationView identification;
    OutputView output;

    // What EditText gives for EditField::None: no edit's text.
    QString noEditText;

    // Warnings shown while adopting the record, in order.
    QStringList warnings;
};

}  // namespace lmk17
