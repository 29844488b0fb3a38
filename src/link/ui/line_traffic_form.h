#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include "link/line_trace.h"
#include "link/line_trace_filter.h"

namespace lmk17 {

class TransactionEngine;
class TraceTableModel;

// "Line Traffic": every frame on the line both ways as it happens, decoded,
// with what the engine made of it. The trace is attached to the engine only
// while the window shows (a closed window costs the exchanges nothing); the
// engine adds to a bounded buffer and the list is drawn from it on a timer,
// so a long list never slows an exchange.
class TLineTrafficForm : public QWidget {
    Q_OBJECT
public:
    explicit TLineTrafficForm(TransactionEngine& engine, QWidget* parent = nullptr);
    ~TLineTrafficForm() override;

    static constexpr int kDrawIntervalMs = 100;

    LineTrace& trace() { return trace_; }
    // Takes what is new from the trace now (the timer does it while shown).
    void refresh();
    // The entries listed (after the filter), oldest first.
    const std::vector<TraceEntry>& shownEntries() const;
    // Saves the listed entries as text; false (and a message) when that failed.
    bool saveText(const QString& path);

    QTableView* TrafficList() const { return list_; }
    QPushButton* PauseBtn() const { return pauseBtn_; }
    QPushButton* ClearBtn() const { return clearBtn_; }
    QPushButton* CopyBtn() const { return copyBtn_; }
    QPushButton* SaveBtn() const { return saveBtn_; }
    QComboBox* AddressCmBx() const { return addressCB_; }
    QSpinBox* ParameterEdt() const { return parameterEdt_; }
    QComboBox* VerdictCmBx() const { return verdictCB_; }
    QLabel* StateLbl() const { return stateLbl_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PauseBtnClick(bool paused);
    void ClearBtnClick();
    void CopyBtnClick();
    void SaveBtnClick();
    void FilterChange();
    TraceFilter filter() const;
    void showState();
    void detach();

    // The main window may drop the engine before its child windows.
    QPointer<TransactionEngine> engine_;
    LineTrace trace_;
    TraceReader reader_;
    TraceTableModel* model_;
    QTimer drawTimer_;

    QTableView* list_;
    QPushButton* pauseBtn_;
    QPushButton* clearBtn_;
    QPushButton* copyBtn_;
    QPushButton* saveBtn_;
    QPushButton* closeBtn_;
    QComboBox* addressCB_;
    QSpinBox* parameterEdt_;
    QComboBox* verdictCB_;
    QLabel* stateLbl_;
};

}  // namespace lmk17
