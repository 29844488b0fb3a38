#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "operations/enable_commands.h"

namespace lmk17 {

class ConfigModel;
class LiveReadings;

// The "Tools" page: the primary variable with interval reading, the output
// and its gauge, the device-error list, the output test, the cold-junction
// temperature and the working time.
//
// The page shows the core's LivePageState record and forwards every click and
// edit to the live readings; it never talks to the transmitter itself. Its
// controls follow the command states it is given (the stack announces them:
// commandStatesChanged -> applyCommandStates, EnableCommands) with the two
// exceptions of a running operation: PV "Read" reads "Stop" and stays
// usable during interval reading, and so does "Use" during automatic
// setting.
class TToolsPage : public QWidget {
    Q_OBJECT
public:
    TToolsPage(ConfigModel& model, LiveReadings& live, const CommandStates& states,
               QWidget* parent = nullptr);

    // Primary variable and output.
    QPushButton* PVReadBtn = nullptr;
    QCheckBox* VstTimerEnCBx = nullptr;  // interval reading of the PV on/off
    QLineEdit* VstPeriodaEdt = nullptr;  // PV reading period edit
    QLabel* PVLbl = nullptr;
    QLabel* VProudLbl = nullptr;          // output current label
    QProgressBar* VystProudGg = nullptr;  // output current gauge
    QLabel* RezTPrLbl = nullptr;          // output test mode label
    QComboBox* SignChybyCB = nullptr;     // device error list
    QLabel* SignChybyLbl = nullptr;       // device error label
    // Output test.
    QGroupBox* TstProudGB = nullptr;             // output test group
    std::array<QRadioButton*, 3> TPrHodnRBtn{};  // TPrHodn1RBtn..TPrHodn3RBtn
    std::array<QLineEdit*, 3> TPrHodnEdt{};      // TPrHodn1Edt..TPrHodn3Edt
    std::array<QLabel*, 4> PVjednLbl{};          // PVjedn1Lbl..PVjedn4Lbl: the output unit
    QCheckBox* TPrTimerEnCBx = nullptr;          // automatic output setting on/off
    QLineEdit* TPrPeriodaEdt = nullptr;          // automatic setting period edit
    QPushButton* TPrGoBtn = nullptr;             // "Use" / "Stop"
    QPushButton* ZrusTPrBtn = nullptr;           // exit output testing
    // Cold junction and working time.
    QPushButton* ZjistiTmpCJBtn = nullptr;  // read the cold junction temperature
    QLabel* HodnTemperCJLbl = nullptr;      // cold junction temperature value
    QPushButton* ProCasBtn = nullptr;       // refresh the working time
    QLabel* ProCas2Lbl = nullptr;           // working time value
    QTimer* Timer5 = nullptr;               // scrolls the unit labels

    // The handlers (the menu commands call them too).
    void PVReadBtnClick();
    void ZjistiTmpCJBtnClick();
    void ProCasBtnClick();
    void TPrGoBtnClick();
    void ZrusTPrBtnClick();

    // An edit still being typed in counts before a command takes its value.
    void takeFocusedField();

    // Shows the core's record and the enabling rules again (the main window
    // calls it when the configuration changed).
    void refresh();
    // The command states as the stack announces them.
    void applyCommandStates(const CommandStates& states);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPvGroup(QWidget* box);
    void buildOutputTestGroup();
    void applyEnabling();
    QString shownText(const QLineEdit* field) const;
    void leaveField(QLineEdit* field);
    void showUnit();
    void Timer5Timer();

    LiveReadings& live_;
    CommandStates states_;
    QString unitText_;
    bool refreshing_ = false;
    bool leaving_ = false;  // an edit is being left (its refusal may show a message)
};

}  // namespace lmk17
