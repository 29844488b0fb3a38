#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include "app/transmitter_search.h"

namespace lmk17 {

class TransmitterStack;

// "Search…" of the options dialog: finds the transmitters on the line
// whatever their address, baud rate and parity, lists them with their type,
// firmware, serial number and input range, and on "Use" makes the program
// talk to the one picked. The search runs on the event loop; Cancel ends it
// within the probe under way.
class TSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSearchForm(TransmitterStack& stack, QWidget* parent = nullptr);

    // Shows the dialog with the whole sweep started.
    int exec() override;
    // Starts a search over `plan` (the window's own start uses the whole
    // sweep); false when it cannot start now (the status says why).
    bool startSearch(const LineScan::Plan& plan);

    TransmitterSearch& search() { return search_; }
    QTableWidget* FoundList() const { return list_; }
    QProgressBar* SearchPB() const { return progress_; }
    QLabel* StateLbl() const { return stateLbl_; }
    QCheckBox* AllCBx() const { return allCBx_; }
    QPushButton* SearchBtn() const { return searchBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* UseBtn() const { return useBtn_; }

protected:
    void reject() override;

private:
    void SearchBtnClick();
    void CancelBtnClick();
    void UseBtnClick();
    void addRow(const FoundTransmitter& t);
    void searchFinished();
    void showRunning(bool running);
    // "Use" is enabled when the search says the picked row can be used.
    void showUsable();

    TransmitterStack& stack_;
    TransmitterSearch search_;
    QTableWidget* list_;
    QProgressBar* progress_;
    QLabel* stateLbl_;
    QCheckBox* allCBx_;
    QPushButton* searchBtn_;
    QPushButton* cancelBtn_;
    QPushButton* useBtn_;
    QPushButton* closeBtn_;
};

}  // namespace lmk17
