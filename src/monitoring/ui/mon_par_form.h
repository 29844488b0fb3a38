#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/user_interaction.h"
#include "monitoring/monitor_parameters.h"

namespace lmk17 {

// " Monitoring Parameters" (MonParForm): interval, graph points and symbol,
// log format, record conditions, the monitored address (or list of
// addresses) and the log file. Every value field keeps its text and the
// validated value; the validated values are what parameters() gives.
//
// A numeric field is trimmed on entering and checked on leaving or Enter
// (the Enter is consumed), by the checks of monitor_parameters.h. Any close
// (OK, Esc, the close box) checks the focused field first, then turns
// "Write when:" without a ticked condition into "Write all Records".
class TMonParForm : public QDialog {
    Q_OBJECT
public:
    explicit TMonParForm(UserInteraction& ui, QWidget* parent = nullptr);

    const MonitorParameters& parameters() const { return params_; }
    // Shows the values (from the settings file at start).
    void setParameters(const MonitorParameters& parameters);
    // Where a log file named without a folder goes (the user's data folder).
    void setDataFolder(const QString& folder) { dataFolder_ = folder; }

    QLineEdit* MonIntervalEdt = nullptr;
    QLineEdit* MonNGrfPntEdt = nullptr;  // graph points (records) edit
    QComboBox* PntSymbCBox = nullptr;    // graph point symbol list
    QComboBox* MonFormatCB = nullptr;
    QComboBox* MonDesOddCB = nullptr;     // decimal separator list
    QLineEdit* MonDecNumPVEdt = nullptr;  // PV decimals edit
    QRadioButton* MonMode1RBx = nullptr;  // write all records
    QRadioButton* MonMode2RBx = nullptr;  // write when (conditions A..D)
    QCheckBox* MonModeACBx = nullptr;     // A: PV change over a percentage
    QLineEdit* MonModeAEdt = nullptr;     // A: the percentage
    QCheckBox* MonModeBCBx = nullptr;     // B: transmitter in error
    QCheckBox* MonModeCCBx = nullptr;     // C: communication error
    QCheckBox* MonModeDCBx = nullptr;     // D: time period
    QLineEdit* MonModeDEdt = nullptr;     // D: the period [s]
    QComboBox* MonAdr1CB = nullptr;       // transmitter address list
    QLineEdit* MonAdrListEdt = nullptr;   // several transmitters: "0,3,5-7"
    QCheckBox* LogToFileCBx = nullptr;
    QLineEdit* MonLogFileEdt = nullptr;
    QPushButton* MonLogFileBtn = nullptr;  // browse
    QRadioButton* LogFileAppendCBx = nullptr;
    QRadioButton* LogFileReWrCBx = nullptr;  // rewrite the log file
    QComboBox* LogEncodingCB = nullptr;      // text log: Windows-1250 or UTF-8
    QPushButton* OKBtn = nullptr;

signals:
    // The point symbol was chosen (applied to the graph at once).
    void pointSymbolChanged(int index);
    // The dialog closed; parameters() holds what it shows.
    void closed();
    // F1: the help topic of the dialog.
    void helpRequested(int context);

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The check of one field (MonIntervalEdtExit, ...); false when the text
    // was refused and the field keeps the focus.
    bool checkField(QLineEdit* field);
    void MonModeRBxClick();
    void MonLogFileBtnClick();
    void showValues();

    UserInteraction& ui_;
    MonitorParameters params_;
    QString dataFolder_;
    bool showing_ = false;  // showValues() is filling the controls
};

}  // namespace lmk17
