#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "app/backup_restore.h"

namespace lmk17 {

// The connected transmitter's backups, newest first: when each was taken,
// its range and how many fields restoring it would change. "Restore" hands
// the chosen one back; the main window writes it.
class TRestoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TRestoreForm(BackupChoices choices, QWidget* parent = nullptr);

    // Reads the transmitter, lists its backups and returns the one chosen;
    // empty when the read failed or the dialog was cancelled.
    static QString chooseBackup(TransmitterStack& stack, QWidget* window);

    QString chosenPath() const;
    QTableWidget* BackupList() const { return list_; }
    QLabel* SummaryLbl() const { return summaryLbl_; }
    QPushButton* RestoreBtn() const { return restoreBtn_; }

private:
    void fillList();
    void selectionChanged();

    BackupChoices choices_;
    QTableWidget* list_;
    QLabel* summaryLbl_;
    QPushButton* restoreBtn_;
    QPushButton* cancelBtn_;
};

}  // namespace lmk17
