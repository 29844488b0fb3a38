#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "link/process_code.h"
#include "operations/cj_temperature.h"
#include "operations/output_test.h"
#include "operations/pv_reading.h"
#include "operations/working_time.h"

namespace lmk17 {

class TransmitterSession;

// The state of the live readings as the "Tools" page shows it and the values
// its edits hold (the window itself is TToolsPage). The live
// operations keep it up to date; the window shows it, the command line prints
// from it.
struct LivePageState {
    // The "Tools" page is the one showing (the stack keeps this up to date):
    // after every exchange the error list shows exactly when it is and the
    // answer carried the device-error bit.
    bool pageActive = false;
    // Primary variable and output.
    QString pvReadCaption;                        // PVReadBtn: "Read" / "Stop"
    bool intervalReading = false;                 // VstTimerEnCBx
    QString periodText = QStringLiteral(" 1.0");  // VstPeriodaEdt
    QString pvText;                               // PVLbl
    QString outputText;                           // VProudLbl
    int gauge = 0;                                // VystProudGg 0..100
    bool testModeVisible = false;                 // RezTPrLbl "Output test mode is active."
    bool exitTestingEnabled = false;              // ZrusTPrBtn
    bool errorListVisible = false;                // SignChybyCB shown, SignChybyLbl hidden
    QStringList errorLines;                       // SignChybyCB, the first selected
    // Cold junction and working time.
    QString cjText;           // HodnTemperCJLbl
    QString workingTimeText;  // ProCas2Lbl
    // Output test.
    int selectedValue = 0;  // TPrHodn1RBtn..TPrHodn3RBtn
    std::array<QString, 3> valueTexts = {QStringLiteral(" 4.000"), QStringLiteral(" 12.000"),
                                         QStringLiteral(" 20.000")};
    bool automatic = false;                           // TPrTimerEnCBx
    bool firstPassMarker = false;                     // its tag
    QString testPeriodText = QStringLiteral(" 5.0");  // TPrPeriodaEdt
    QString useCaption;                               // TPrGoBtn: "Use" / "Stop"
};

// One PV reading as it ended (at step 65): for the command line and scripts.
struct PvReadingResult {
    double pv = 0.0;
    double output = 0.0;  // A or V, as shown (x k in the label)
    double position = 0.0;
    bool testMode = false;
    bool deviceError = false;
    quint16 status = 0;  // parameter 215 when read
    QString pvText;
    QString outputText;
    QStringList errorLines;
};

// The live operations of the "Tools" page: primary variable (6000), cold
// junction temperature (8000), working time (5100) and the output test
// (7000). Each starts with identification through the session, which hands
// over to the step function registered here.
class LiveReadings : public QObject {
    Q_OBJECT
public:
    explicit LiveReadings(TransmitterSession& session, QObject* parent = nullptr);
    ~LiveReadings() override;

    TransmitterSession& session() { return session_; }
    // What the page shows; changed only through the routines below, each
    // announcing pageChanged().
    const LivePageState& page() const { return page_; }

    PvReading& pv() { return *pv_; }
    CjTemperature& cj() { return *cj_; }
    WorkingTimeReading& workingTime() { return *workingTime_; }
    OutputTest& outputTest() { return *outputTest_; }

    // Commands of the page (the window's handlers forward here).
    // Each says whether it started an operation.
    bool readOrStopPv() { return pv_->readOrStop(); }                        // PVReadBtnClick
    bool startCjReading() { return cj_->startReading(); }                    // ZjistiTmpCJBtnClick
    bool startWorkingTimeReading() { return workingTime_->startReading(); }  // ProCasBtnClick
    bool useOrStopOutputTest() { return outputTest_->useOrStop(); }          // TPrGoBtnClick
    bool exitOutputTesting() { return outputTest_->exitTesting(); }          // ZrusTPrBtnClick
    void useTestValueOnDoubleClick() { outputTest_->useOnDoubleClick(); }    // TPrHodn1RBtnDblClick

    // The user's settings on the page. A typed text is taken when its edit
    // is left (or Enter is pressed); what the field cannot take is refused
    // with a message naming what it takes, and the last accepted value stays.
    void setIntervalReading(bool on);               // VstTimerEnCBxClick
    bool leavePeriodEdit(const QString& text);      // VstPeriodaEdtExit
    void setAutomaticTesting(bool on);              // TPrTimerEnCBxClick
    bool leaveTestPeriodEdit(const QString& text);  // TPrPeriodaEdtExit
    void selectTestValue(int index);                // TPrHodn1RBtnClick .. TPrHodn3RBtnClick
    bool leaveTestValueEdit(int index, const QString& text);  // TPrHodn1EdtExit ..

    // The page has come to the front or gone: showing it starts its live
    // fields afresh ("0", "0.000 mA", no errors, "°C").
    void setPageActive(bool active);

    // The output test values preset from the output type (after the type or
    // firmware changed).
    void presetTestValues();

    // "Exit Testing" is enabled exactly when the test-mode label shows.
    void syncExitTesting();

signals:
    void pageChanged();
    void pvReadingDone(const PvReadingResult& result);
    void cjReadingDone(const QString& text);
    void workingTimeDone(qint32 seconds, const QString& text);

private:
    // The operations of the page fill it and announce it.
    friend class PvReading;
    friend class CjTemperature;
    friend class WorkingTimeReading;
    friend class OutputTest;
    LivePageState& editPage() { return page_; }
    void announce() { emit pageChanged(); }
    void refuse(const QString& text);

    TransmitterSession& session_;
    LivePageState page_;
    std::unique_ptr<PvReading> pv_;
    std::unique_ptr<CjTemperature> cj_;
    std::unique_ptr<WorkingTimeReading> workingTime_;
    std::unique_ptr<OutputTest> outputTest_;
};

}  // namespace lmk17
