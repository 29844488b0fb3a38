#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "stack/batch_write.h"

namespace lmk17 {

struct AppSettings;

// Transmitter › "Write to Several Transmitters…": the main window's
// configuration written into each transmitter of an address list, one after
// another by the normal write, each unit listed with its result as it
// finishes and the summary at the end. The batch itself is the core's
// (BatchWriter); the window takes the list and the folder and shows. With
// the settings given, it opens on the protocol folder of the last batch.
class TBatchWriteForm : public QDialog {
    Q_OBJECT
public:
    explicit TBatchWriteForm(TransmitterStack& stack, QWidget* parent = nullptr,
                             AppSettings* settings = nullptr);

    BatchWriter& batch() { return batch_; }
    QLineEdit* AddressesEdt() const { return addressesEdt_; }
    QLabel* AddressesMsgLbl() const { return addressesMsgLbl_; }
    QLineEdit* FolderEdt() const { return folderEdt_; }
    QPushButton* BrowseBtn() const { return browseBtn_; }
    QCheckBox* AskEachChk() const { return askEachChk_; }
    QTableWidget* UnitsTbl() const { return unitsTbl_; }
    QLabel* ProgressLbl() const { return progressLbl_; }
    QLabel* SummaryLbl() const { return summaryLbl_; }
    QPushButton* StartBtn() const { return startBtn_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }
    QPushButton* CloseBtn() const { return closeBtn_; }

signals:
    // The complete check refused the configuration: the main window shows
    // the page and the field.
    void checkRefused(const lmk17::CheckOutcome& check);

protected:
    void reject() override;

private:
    void AddressesEdtChange();
    void BrowseBtnClick();
    void StartBtnClick();
    void unitStarted(int index, int address);
    void unitFinished(const BatchUnitRow& row);
    void finished(const BatchSummary& summary);
    void updateButtons();

    TransmitterStack& stack_;
    AppSettings* settings_;  // keeps the protocol folder; none: nothing kept
    BatchWriter batch_;
    QLabel* noteLbl_;
    QLineEdit* addressesEdt_;  // the address list ("1-8", "1,3,5-7")
    QLabel* addressesMsgLbl_;  // why the list cannot be taken
    QLineEdit* folderEdt_;     // where the protocols go; empty: none
    QPushButton* browseBtn_;
    QCheckBox* askEachChk_;  // ask about the changes before each unit
    QTableWidget* unitsTbl_;
    QLabel* progressLbl_;
    QLabel* summaryLbl_;
    QPushButton* startBtn_;
    QPushButton* cancelBtn_;
    QPushButton* closeBtn_;
    bool addressesOk_ = false;
};

}  // namespace lmk17
